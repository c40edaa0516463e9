// Memory device contexts for short-lived drawing on bitmaps. Making a DC is
// among the dearest steps of drawing a small bitmap, so while a holder asks
// for it (code that composes many small images in a row), a few DCs given
// back are kept, cleaned to the state of a new one, for the next taker.
#pragma once

#include <windows.h>

// A memory DC compatible with the screen, as new: nothing selected into it
// but its stock objects. nullptr when the system has none to give.
HDC TakeMemoryDC();
// Gives back a DC from TakeMemoryDC; whatever it holds selected is let go
// of (the caller still owns those objects). It is kept while spares are held
// and room is left, freed otherwise.
void GiveBackMemoryDC(HDC DC);

// While at least one hold lasts, DCs given back are kept (a few at most); the
// last hold's end frees them.
void HoldSpareMemoryDCs();
void ReleaseSpareMemoryDCs();
// DCs kept for the next takers.
int SpareMemoryDCs();

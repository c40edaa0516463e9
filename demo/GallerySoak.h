// The gallery's soak run: pages, skin switches and every menu, drop-down and
// dialog opened and closed again and again, with the windows and GDI
// objects counted after each round.
#pragma once

#include "demo/GalleryForm.h"

struct TSoakSettings {
  int SkinSwitches = 30;  // switches between the built-in, dark and no skin
  int Rounds = 3;         // times each menu, drop-down and dialog opens
};

// Runs the soak on a shown gallery form, prints its figures to standard
// output and returns the program's exit code: 0 when nothing grew and no
// exception reached the message loop.
int RunGallerySoak(TGalleryForm* Form, const TSoakSettings& Settings);

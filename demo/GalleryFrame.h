// The gallery's skinned frames: the gallery form and a second small window
// wear the same skin's frame, and the skin switches live between the skins
// found beside the program.
#pragma once

#include "classlib/Forms.h"
#include "skin/SkinForm.h"

// Whether the command line holds Name; Value receives the number after it.
bool HasArgument(const wchar_t* Name, int* Value = nullptr);

// Gives Form a TspSkinForm on SkinData and a button that opens the second
// gallery window. Command line: --second opens that window at once,
// --maximize maximizes the gallery, --rollup rolls the second window up,
// --skin N switches to skin N of the list first, --switch switches the
// skin live once the second window shows.
TspSkinForm* AddGalleryFrame(TCustomForm* Form, TspSkinData* SkinData);

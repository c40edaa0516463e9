// The MDI demo window: an MDI frame in the gallery's skin with the MDI tabs
// bar and several skinned children.
#pragma once

#include "classlib/Forms.h"
#include "skin/SkinData.h"

// Opens the window, its skin bound to Skin (the gallery's switch changes
// it too); with MaximizeChild the active child starts maximized.
TCustomForm* ShowMDIDemo(TspSkinData* Skin, bool MaximizeChild);

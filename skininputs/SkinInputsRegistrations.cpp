// What the page control takes from this folder, handed to it at start-up.
// This file is linked into every program that links the folder's library (see
// the folder's CMakeLists.txt): a page control's tabs scroll with the skinned
// up-down though the program never names the up-down.
#include "skininputs/SkinBoxCtrls_updown.h"
#include "skinctrls/TabScroller.h"

namespace {

TspTabScroller* MakeScroller(TComponent* Owner) { return new TspSkinUpDown(Owner); }

[[maybe_unused]] const bool kRegistered = (SetTabScrollerFactory(MakeScroller), true);

}  // namespace

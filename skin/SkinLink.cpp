// The skinned controls found under a window.
#include "skin/SkinLink.h"

#include "classlib/Controls.h"

void CollectSkinLinks(TWinControl* Parent, std::vector<TspSkinLink*>& Links) {
  for (int i = 0; i < Parent->ControlCount(); ++i) {
    TControl* control = Parent->Controls(i);
    if (auto* link = dynamic_cast<TspSkinLink*>(control)) Links.push_back(link);
    if (auto* container = dynamic_cast<TWinControl*>(control)) CollectSkinLinks(container, Links);
  }
}

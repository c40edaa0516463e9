// What the skinned tree view, list view and rich edit share: the skin's font
// and colour on the view, and the external skinned scroll bars beside it.
#pragma once

#include "classlib/Controls.h"
#include "skin/SkinCtrlRecords.h"
#include "skin/SkinData.h"
#include "skinctrls/SkinScrollBar.h"

// The view's font and colour: the record's (its font only with UseSkinFont,
// else DefaultFont) or, without a record, DefaultFont and DefaultColor; then
// the character set of the skin's resource strings, or DefaultFont's.
void ApplyViewSkin(TControl* View, const TspSkinData* SkinData, const TspDataSkinViewControl* Record, bool UseSkinFont,
                   TFont* DefaultFont, TColor DefaultColor);

// The window's scroll state of one bar (SB_VERT, SB_HORZ); all zero when it has none.
SCROLLINFO ReadScrollInfo(HWND Window, int Bar);

// The two bars a view drives in place of its own. The view sets its
// updating flag around the calls that show, hide or realign.
class TspViewScrollBars {
 public:
  // HideBars: a new bar starts enabled and hidden (the rich edit only disables its bars).
  explicit TspViewScrollBars(TWinControl* View, bool HideBars = true) : FView(View), FHideBars(HideBars) {}
  TspSkinScrollBar* Vertical() const { return FVertical; }
  TspSkinScrollBar* Horizontal() const { return FHorizontal; }
  // Stores the bar; the view installs its handlers on it.
  void SetVertical(TspSkinScrollBar* Value) { Attach(FVertical, Value); }
  void SetHorizontal(TspSkinScrollBar* Value) { Attach(FHorizontal, Value); }
  // The view goes: its handlers leave the bars.
  void Detach();
  // A bar going away is forgotten.
  void Notification(TComponent* AComponent);
  // Shows or hides Bar (when there is one); true when its visibility changed.
  bool SetBarVisible(TspSkinScrollBar* Bar, bool Visible);
  // After the bars were shown or hidden: the horizontal one leaves room for
  // the vertical one's corner, and an aligned view's parent realigns so that
  // the bars take or give back their room.
  void Finish(bool VisibilityChanged);
  // The bars show and hide with the view.
  void SetVisible(bool Value);
  // The parent of aligned bars lays them out again.
  void Realign();

 private:
  void Attach(TspSkinScrollBar*& Field, TspSkinScrollBar* Value);
  TWinControl* FView;
  bool FHideBars;
  TspSkinScrollBar* FVertical = nullptr;
  TspSkinScrollBar* FHorizontal = nullptr;
};

// The skin's font and colour on a view, and the view's external scroll bars.
#include "skinctrls/SkinViewParts.h"

#include "skin/SkinResStr.h"

void ApplyViewSkin(TControl* View, const TspSkinData* SkinData, const TspDataSkinViewControl* Record, bool UseSkinFont,
                   TFont* DefaultFont, TColor DefaultColor) {
  TFont* font = View->Font();
  if (!Record) {
    View->SetColor(DefaultColor);
    font->Assign(DefaultFont);
  } else {
    if (UseSkinFont) {
      font->SetName(Record->FontName);
      font->SetStyle(Record->FontStyle);
      font->SetHeight(Record->FontHeight);
    } else {
      font->Assign(DefaultFont);
    }
    font->SetColor(Record->FontColor);
    // "No colour" and "the default" are no background: the view keeps its own.
    const bool marker = Record->BGColor == clNone || Record->BGColor == clDefault;
    View->SetColor(marker ? DefaultColor : Record->BGColor);
  }
  const TspResourceStrData* store = SkinData ? SkinData->ResourceStrData() : nullptr;
  font->SetCharset(store ? store->CharSet() : DefaultFont->Charset());
}

SCROLLINFO ReadScrollInfo(HWND Window, int Bar) {
  SCROLLINFO si = {};
  si.cbSize = sizeof(si);
  si.fMask = SIF_ALL;
  if (!GetScrollInfo(Window, Bar, &si)) si = SCROLLINFO{};
  return si;
}

void TspViewScrollBars::Attach(TspSkinScrollBar*& Field, TspSkinScrollBar* Value) {
  if (Field && Field != Value) {
    Field->OnChange = nullptr;
    Field->OnUpButtonClick = Field->OnDownButtonClick = nullptr;
  }
  Field = Value;
  if (!Value) return;
  Value->FreeNotification(FView);
  if (!FHideBars) return;
  Value->SetEnabled(true);
  Value->SetVisible(false);
}

void TspViewScrollBars::Detach() {
  SetVertical(nullptr);
  SetHorizontal(nullptr);
}

void TspViewScrollBars::Notification(TComponent* AComponent) {
  if (AComponent == FVertical) FVertical = nullptr;
  if (AComponent == FHorizontal) FHorizontal = nullptr;
}

bool TspViewScrollBars::SetBarVisible(TspSkinScrollBar* Bar, bool Visible) {
  if (!Bar || Bar->Visible() == Visible) return false;
  Bar->SetVisible(Visible);
  return true;
}

void TspViewScrollBars::Finish(bool VisibilityChanged) {
  if (FVertical && FHorizontal) FHorizontal->SetBoth(FVertical->Visible());
  if (VisibilityChanged && FView->Align() != alNone && FView->Parent()) FView->Parent()->Realign();
}

void TspViewScrollBars::SetVisible(bool Value) {
  if (FVertical) FVertical->SetVisible(Value);
  if (FHorizontal) FHorizontal->SetVisible(Value);
}

void TspViewScrollBars::Realign() {
  TWinControl* parent = nullptr;
  for (TspSkinScrollBar* bar : {FVertical, FHorizontal})
    if (bar && bar->Align() != alNone && bar->Parent()) parent = bar->Parent();
  if (parent) parent->Realign();
}

// The colour button: its menu of colours, the highlight of the current one,
// the colour dialog behind "More colors..." and the colour bar it shows.
#include "skininputs/SkinColorButton.h"

#include "classlib/Graphics.h"
#include "skininputs/SkinColorDialog.h"
#include "skininputs/spconst.h"

TspSkinColorButton::TspSkinColorButton(TComponent* AOwner)
    : TspSkinMenuSpeedButton(AOwner), FImages(new TCustomImageList(this, 12, 12)), FMenu(new TspSkinImagesMenu(this)) {
  FImages->SetDrawingStyle(dsNormal);
  FMenu->SetImages(FImages);
  FMenu->OnItemClick = [this](TObject*) { ItemChosen(); };
  FMenu->OnMenuPopup = [this](TObject*) { MenuOpening(); };
  RebuildMenu();
}

bool TspSkinColorButton::Quiet() const {
  return ComponentState().Contains(csDesigning) || ComponentState().Contains(csLoading);
}

void TspSkinColorButton::SetColorValue(TColor Value) {
  FColorValue = Value;
  Repaint();
  if (!Quiet() && OnChangeColor) OnChangeColor(this);
}

void TspSkinColorButton::SetShowAutoColor(bool Value) {
  if (Value == FPlan.ShowAuto) return;
  FPlan.ShowAuto = Value;
  if (!Quiet()) RebuildMenu();
}

void TspSkinColorButton::SetShowMoreColor(bool Value) {
  if (Value == FPlan.ShowMore) return;
  FPlan.ShowMore = Value;
  if (!Quiet()) RebuildMenu();
}

void TspSkinColorButton::SetColorDialog(TspSkinColorDialog* Value) {
  if (FColorDialog == Value) return;
  if (FColorDialog) FColorDialog->RemoveFreeNotification(this);
  FColorDialog = Value;
  if (Value) Value->FreeNotification(this);
}

void TspSkinColorButton::Notification(TComponent* AComponent, TOperation Operation) {
  TspSkinMenuSpeedButton::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FColorDialog) FColorDialog = nullptr;
}

void TspSkinColorButton::Loaded() {
  TspSkinMenuSpeedButton::Loaded();
  RebuildMenu();
}

void TspSkinColorButton::RebuildMenu() {
  SetSkinImagesMenu(FMenu);
  SetSkinPopupMenu(nullptr);
  FImages->Clear();
  TspImagesMenuItems* items = FMenu->ImagesItems();
  items->Clear();
  FMenu->SetColumnsCount(8);
  FMenu->SetSkinData(FSkinData);
  FMenu->SetItemIndex(0);
  const TspResourceStrData* store = FSkinData ? FSkinData->ResourceStrData() : nullptr;
  if (FPlan.ShowAuto) {
    TspImagesMenuItem* item = items->Add();
    item->SetImageIndex(0);
    item->SetButton(true);
    item->SetCaption(SkinCaption(store, L"AUTOCOLOR"));
  }
  for (int i = 1; i <= ColorButtonColorCount; ++i) items->Add()->SetImageIndex(i);
  // Image numbers equal item numbers of the colours, with or without the
  // "Automatic" entry in front.
  TBitmap image;
  image.SetSize(12, 12);
  auto addImage = [&](TColor C) {
    image.Canvas()->Brush()->SetColor(C);
    image.Canvas()->FillRect(TRect(0, 0, 12, 12));
    FImages->Add(&image, nullptr);
  };
  if (!FPlan.ShowAuto) addImage(clBlack);
  for (int i = 0; i < ColorButtonColorCount + FPlan.ShowAuto; ++i) addImage(ItemColor(i));
  if (FPlan.ShowMore) {
    TspImagesMenuItem* item = items->Add();
    item->SetImageIndex(-1);
    item->SetButton(true);
    item->SetCaption(SkinCaption(store, L"MORECOLORS"));
  }
}

void TspSkinColorButton::MenuOpening() {
  // The menu wears the button's present skin.
  FMenu->SetSkinData(FSkinData);
  FMenu->SetItemIndex(FPlan.Highlight(ColorToRGB(FColorValue), ColorToRGB(FAutoColor)));
}

void TspSkinColorButton::ItemChosen() {
  const int index = FMenu->ItemIndex();
  if (index < 0) return;
  if (index == FPlan.MoreIndex())
    RunColorDialog();
  else
    SetColorValue(ItemColor(index));
}

void TspSkinColorButton::RunColorDialog() {
  if (FColorDialog) {
    FColorDialog->SetColor(FColorValue);
    if (FColorDialog->Execute()) SetColorValue(FColorDialog->Color());
    return;
  }
  TspSkinColorDialog* dialog = new TspSkinColorDialog(this);
  dialog->SetSkinData(FSkinData);
  dialog->SetCtrlSkinData(FSkinData);
  dialog->SetColor(FColorValue);
  const bool ok = dialog->Execute();
  const TColor chosen = dialog->Color();
  Free(dialog);
  if (ok) SetColorValue(chosen);
}

void TspSkinColorButton::Paint() {
  TspSkinMenuSpeedButton::Paint();
  DrawColorMarker(Canvas());
}

// The colour as a bar of three lines under the glyph or caption, or as a
// block filling the face when it shows neither.
void TspSkinColorButton::DrawColorMarker(TCanvas* C) {
  // The face left of the drop-down strip (above it in the new style's bottom
  // position), where the menu button draws its content.
  TRect body(0, 0, Width() - kMenuTrackStrip, Height());
  if (NewStyle() && TrackPosition() == sptpBottom) body = TRect(0, 0, Width(), Height() - kMenuTrackStrip);
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(FColorValue);
  const bool content = !Glyph()->Empty() || !ShownCaption().empty();
  if (!content) {
    C->FillRect(TRect(body.Left + 4, body.Top + 4, body.Right - 2, body.Bottom - 4));
    return;
  }
  C->FillRect(TRect(body.Left + 4, body.Bottom - 6, body.Right - 4, body.Bottom - 3));
}

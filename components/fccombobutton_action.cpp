// The fc combo button's action link and what it takes from its action.
#include "components/fccombobutton.h"

TfcComboButtonActionLink::TfcComboButtonActionLink(TfcComboButton* Client)
    : TControlActionLink(Client), FButton(Client) {}

bool TfcComboButtonActionLink::IsCheckedLinked() const {
  auto* action = dynamic_cast<TCustomAction*>(FAction);
  return action && FButton->GroupIndex() != 0 && FButton->AllowAllUp() && FButton->Down() == action->Checked();
}

bool TfcComboButtonActionLink::IsGroupIndexLinked() const {
  auto* action = dynamic_cast<TCustomAction*>(FAction);
  return action && FButton->GroupIndex() == action->GroupIndex();
}

void TfcComboButtonActionLink::SetChecked(bool Value) {
  if (IsCheckedLinked()) FButton->SetDown(Value);
}

void TfcComboButtonActionLink::SetGroupIndex(int Value) {
  if (IsGroupIndexLinked()) FButton->SetGroupIndex(Value);
}

std::unique_ptr<TControlActionLink> TfcComboButton::CreateActionLink() {
  return std::make_unique<TfcComboButtonActionLink>(this);
}

void TfcComboButton::ActionChange(TObject* Sender, bool CheckDefaults) {
  TSpeedButton::ActionChange(Sender, CheckDefaults);
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (!action) return;
  if (!CheckDefaults || GroupIndex() == 0) SetGroupIndex(action->GroupIndex());
  TCustomImageList* images = action->ActionList() ? action->ActionList()->Images() : nullptr;
  if (!Glyph()->Empty() || !images || action->ImageIndex() < 0 || action->ImageIndex() >= images->Count()) return;
  // The image on the glyph's usual transparent fill, so that only it shows.
  TBitmap glyph;
  glyph.SetSize(images->Width(), images->Height());
  glyph.Canvas()->Brush()->SetColor(0xFF00FF);
  glyph.Canvas()->FillRect(TRect(0, 0, images->Width(), images->Height()));
  images->Draw(glyph.Canvas(), 0, 0, action->ImageIndex());
  SetGlyph(&glyph);
}

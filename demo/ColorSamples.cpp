// Samples of the colour pickers: the basic and custom colour grids, a swatch
// that follows them, a button that opens the colour dialog and a colour button.
#include <memory>

#include "classlib/ExtCtrls.h"
#include "demo/GalleryFrame.h"
#include "demo/SkinSamples.h"
#include "skinctrls/SkinButtons.h"
#include "skininputs/SkinColorButton.h"
#include "skininputs/SkinColorDialog.h"
#include "skininputs/SkinColorGrids.h"
#include "skininputs/SkinTrackEdit.h"

namespace {

// --colordialog [N]: the first column's dialog opens by itself for a
// screenshot, with field N (1..6, R G B H S L) dropped down.
void OpenDialogSoon(TspSkinButton* Open, TspSkinColorDialog* Dialog) {
  static bool opened = false;
  int field = 0;
  if (opened || !HasArgument(L"--colordialog", &field)) return;
  opened = true;
  if (field >= 1 && field <= 6)
    Dialog->OnShowDialog = [Dialog, field](TObject*) {
      auto* timer = new TTimer(Dialog->Form());
      timer->SetInterval(800);
      timer->OnTimer = [Dialog, field, timer](TObject*) {
        timer->SetEnabled(false);
        Dialog->Field(field - 1)->DropDown();
      };
    };
  auto* timer = new TTimer(Open);
  timer->SetInterval(1500);
  timer->OnTimer = [Open, timer](TObject*) {
    timer->SetEnabled(false);
    Open->Click();
  };
}

}  // namespace

int BuildColorSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y) {
  const int w = kSampleColumnWidth - 2 * X;
  auto* basic = new TspSkinColorGrid(Parent);
  basic->SetParent(Parent);
  basic->SetSkinDataName(L"groupbox");
  basic->SetBounds(X, Y, w, 115);
  basic->SetSkinData(SkinData);
  Y += basic->Height() + 6;

  auto* custom = new TspSkinCustomColorGrid(Parent);
  custom->SetParent(Parent);
  custom->SetSkinDataName(L"groupbox");
  custom->SetBounds(X, Y, w - 60, 68);
  custom->SetSkinData(SkinData);
  for (TColor c : {0x3366CC, 0x33CC99, 0xCC6633, 0x9933CC, 0x66CCFF}) custom->AddColor(c);

  auto* swatch = Place<TspColorViewer>(Parent, X + w - 52, Y + 8, 52, 52);
  Y += custom->Height() + 8;

  auto* dialog = new TspSkinColorDialog(Parent);
  dialog->SetSkinData(SkinData);
  dialog->SetCtrlSkinData(SkinData);
  auto* open = Place<TspSkinButton>(Parent, X, Y, w, 25);
  open->SetCaption(L"Colour dialog... \x8C03\x8272\x677F");
  open->SetSkinData(SkinData);
  Y += open->Height() + 6;

  auto* colorButton = Place<TspSkinColorButton>(Parent, X, Y, 60, 25);
  colorButton->SetSkinData(SkinData);
  colorButton->SetColorDialog(dialog);
  Y += colorButton->Height() + 6;

  // The grids, the swatch and the colour button show one colour.
  // Each of them reports its writes back: one pass at a time.
  auto busy = std::make_shared<bool>(false);
  auto show = [swatch, basic, colorButton, busy](TColor c) {
    if (*busy) return;
    *busy = true;
    swatch->SetColorValue(c);
    basic->SetColorValue(c);
    colorButton->SetColorValue(c);
    *busy = false;
  };
  colorButton->OnChangeColor = [show, colorButton](TObject*) { show(colorButton->ColorValue()); };
  basic->OnChange = [show, basic](TObject*) { show(basic->ColorValue()); };
  custom->OnChange = [show, custom](TObject*) { show(custom->ColorValue()); };
  open->OnClick = [dialog, swatch, show](TObject*) {
    dialog->SetColor(swatch->ColorValue());
    if (dialog->Execute()) show(dialog->Color());
  };
  show(0x4080FF);
  OpenDialogSoon(open, dialog);
  return Y;
}

// The colour dialog: its window, built on each Execute, and the handlers that
// keep the grids, the number fields, the picker and the preview in step.
#include "skininputs/SkinColorDialog.h"

#include "classlib/SysUtils.h"
#include "skin/SPUtils.h"
#include "skin/SkinData.h"
#include "skin/SkinForm.h"
#include "skin/SkinResStr.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinLabels.h"
#include "skinctrls/SkinPanels.h"
#include "skininputs/SkinColorGrids.h"
#include "skininputs/SkinHueRing.h"
#include "skininputs/SkinTrackEdit.h"
#include "skininputs/spconst.h"

void TspEmptyControl::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_ERASEBKGND) {
    Message.Result = 1;
    return;
  }
  TCustomControl::Dispatch(Message);
}

namespace {

std::unique_ptr<TFont> DialogFont() {
  auto f = std::make_unique<TFont>();
  f->SetName(L"Arial");
  f->SetHeight(14);
  return f;
}

const TspResourceStrData* StoreOf(const TspSkinData* Data) { return Data ? Data->ResourceStrData() : nullptr; }

}  // namespace

TspSkinColorDialog::TspSkinColorDialog(TComponent* AOwner)
    : TComponent(AOwner), FDefaultLabelFont(DialogFont()), FDefaultButtonFont(DialogFont()),
      FDefaultEditFont(DialogFont()) {}

TspSkinColorDialog::~TspSkinColorDialog() = default;

void TspSkinColorDialog::SetSkinData(TspSkinData* Value) {
  if (FSkinData == Value) return;
  if (FSkinData) FSkinData->RemoveFreeNotification(this);
  FSkinData = Value;
  if (Value) Value->FreeNotification(this);
}

void TspSkinColorDialog::SetCtrlSkinData(TspSkinData* Value) {
  if (FCtrlSkinData == Value) return;
  if (FCtrlSkinData) FCtrlSkinData->RemoveFreeNotification(this);
  FCtrlSkinData = Value;
  if (Value) Value->FreeNotification(this);
}

void TspSkinColorDialog::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSkinData) FSkinData = nullptr;
  if (AComponent == FCtrlSkinData) FCtrlSkinData = nullptr;
}

bool TspSkinColorDialog::Execute() {
  // A handler (OnShowDialog, one of the window's) may free this dialog: it
  // is held until the window and the references are gone, and the call then
  // ends as cancelled.
  const TLibraryScope hold(this);
  // The form frees every control on it, the number fields (owned by this
  // component) included; the references go with it, whatever happens.
  struct TWindowScope {
    TspSkinColorDialog* D;
    std::unique_ptr<TForm> Form{new TForm(nullptr)};
    ~TWindowScope() {
      Form.reset();
      D->FForm = nullptr;
      D->FBasicGrid = nullptr;
      D->FCustomGrid = nullptr;
      D->FPicker = nullptr;
      D->FPreview = nullptr;
      for (TspSkinTrackEdit*& f : D->FFields) f = nullptr;
      D->FOk = D->FCancel = D->FAdd = nullptr;
    }
  } scope{this};
  FForm = scope.Form.get();
  BuildWindow();
  if (OnShowDialog) OnShowDialog(this);
  if (BeingFreed() || FForm->ShowModal() != mrOk || BeingFreed()) return false;
  FColor = FPreview->ColorValue();
  FCustom = FCustomGrid->Slots();
  return true;
}

void TspSkinColorDialog::BuildWindow() {
  TWinControl* client = BuildFrame();
  BuildGrids(client);
  TWinControl* host = BuildPicker(client);
  BuildFields(client, host->Left());
  BuildPreviewAndButtons(client, host);
  StartColours(host);
}

TWinControl* TspSkinColorDialog::BuildFrame() {
  TForm* f = FForm;
  f->SetBorderStyle(bsDialog);
  f->SetCaption(FCaption);
  f->SetPosition(poScreenCenter);
  auto* skinForm = new TspSkinForm(f);
  skinForm->SetSizeable(false);
  skinForm->SetBorderIcons(TspBorderIcons{});
  skinForm->SetSkinData(FSkinData);
  skinForm->SetMenusSkinData(FCtrlSkinData);
  skinForm->SetAlphaBlend(FAlphaBlend);
  skinForm->SetAlphaBlendAnimation(FAlphaBlendAnimation);
  skinForm->SetAlphaBlendValue(FAlphaBlendValue);
  f->SetClientWidth(378);
  // The controls stand on a skinned panel so that the window's client wears
  // the controls' skin (labels in a light skin colour stay readable on it).
  auto* back = new TspSkinPanel(f);
  back->SetParent(f);
  back->SetBorderStyle(bvNone);
  back->SetAlign(alClient);
  back->SetSkinData(FCtrlSkinData);
  return back;
}

void TspSkinColorDialog::BuildGrids(TWinControl* Client) {
  TForm* f = FForm;
  auto setUpGrid = [&](TspColorGridBase* g, const wchar_t* key) {
    g->SetParent(Client);
    if (FGroupBoxTransparentMode) g->SetTransparentMode(true);
    g->SetCaptionMode(true);
    g->SetColCount(6);
    g->SetSkinDataName(L"groupbox");
    g->SetSkinData(FCtrlSkinData);
    g->SetCaption(SkinCaption(StoreOf(FCtrlSkinData), key));
  };
  FBasicGrid = new TspSkinColorGrid(f);
  setUpGrid(FBasicGrid, L"COLORGRID_CAP");
  FBasicGrid->SetBorderStyle(bvNone);
  FBasicGrid->SetRowCount(8);
  FBasicGrid->SetBounds(5, 5, 167, 195);
  FBasicGrid->OnChange = [this](TObject*) { GridChosen(FBasicGrid->ColorValue()); };

  FCustomGrid = new TspSkinCustomColorGrid(f);
  setUpGrid(FCustomGrid, L"CUSTOMCOLORGRID_CAP");
  FCustomGrid->SetRowCount(2);
  FCustomGrid->SetBounds(5, FBasicGrid->Top() + FBasicGrid->Height() + 10, 167, 68);
  FCustomGrid->SetSlots(FCustom);
  FCustomGrid->OnChange = [this](TObject*) { GridChosen(FCustomGrid->ColorValue()); };
}

TWinControl* TspSkinColorDialog::BuildPicker(TWinControl* Client) {
  TForm* f = FForm;
  auto* host = new TspEmptyControl(f);
  host->SetParent(Client);
  host->SetBounds(FBasicGrid->Left() + FBasicGrid->Width() + 5, 5, HueRing::Size, HueRing::Size);
  FPickerColor.SetRGB(0);
  FPicker = new TspHueRingImage(f, FPickerColor);
  FPicker->SetParent(host);
  FPicker->OnPick = [this] { PickerChanged(); };
  return host;
}

// Number fields: R G B on the left from FirstLeft, H S and brightness on the right.
void TspSkinColorDialog::BuildFields(TWinControl* Client, int FirstLeft) {
  TForm* f = FForm;
  static const wchar_t* const captions[6] = {L"R:", L"G:", L"B:", L"H:", L"S:", L"L:"};
  static const int maxima[6] = {255, 255, 255, HueDegrees - 1, 100, 100};
  static const int barWidths[6] = {200, 200, 200, 250, 120, 120};
  int fieldLeft[2] = {0, 0}, labelLeft[2] = {FirstLeft, 0};
  for (int i = 0; i < 6; ++i) {
    const int column = i / 3, row = i % 3;
    auto* label = new TspSkinStdLabel(f);
    label->SetParent(Client);
    label->SetDefaultFont(FDefaultLabelFont.get());
    label->SetUseSkinFont(FUseSkinFont);
    label->SetSkinData(FCtrlSkinData);
    label->SetCaption(captions[i]);
    // Each field drops its bar under it, right edges together.
    auto* field = new TspSkinTrackEdit(this);
    field->SetParent(Client);
    field->SetPopupKind(tbpLeft);
    field->SetSkinData(FCtrlSkinData);
    field->SetMinValue(0);
    field->SetMaxValue(maxima[i]);
    field->SetTrackBarWidth(barWidths[i]);
    field->SetJumpWhenClick(true);
    field->SetValue(0);
    const int top = row == 0 ? 210 : FFields[i - 1]->Top() + FFields[i - 1]->Height() + 10;
    if (row == 0) {
      if (column == 1) labelLeft[1] = FFields[0]->Left() + FFields[0]->Width() + 5;
      label->SetBounds(labelLeft[column], top + 2, label->Width(), label->Height());
      fieldLeft[column] = label->Left() + label->Width() + 5;
    } else {
      label->SetBounds(labelLeft[column], top + 2, label->Width(), label->Height());
    }
    field->SetBounds(fieldLeft[column], top, 50, 21);
    field->OnChange = [this, column](TObject*) {
      if (column == 0)
        RGBFieldChanged();
      else
        HSLFieldChanged();
    };
    FFields[i] = field;
  }
}

void TspSkinColorDialog::BuildPreviewAndButtons(TWinControl* Client, TWinControl* Host) {
  TForm* f = FForm;
  FPreview = new TspColorViewer(f);
  FPreview->SetParent(Client);
  const int previewLeft = FFields[3]->Left() + FFields[3]->Width() + 5;
  const int right = Host->Left() + Host->Width();
  FPreview->SetBounds(previewLeft, 210, right - previewLeft, right - previewLeft);

  const TspResourceStrData* store = StoreOf(FSkinData);
  const int y = FFields[5]->Top() + FFields[5]->Height() + 15;
  auto button = [&](const wchar_t* key, int left, int width) {
    auto* b = new TspSkinButton(f);
    b->SetParent(Client);
    b->SetDefaultFont(FDefaultButtonFont.get());
    b->SetUseSkinFont(FUseSkinFont);
    b->SetDefaultHeight(25);
    b->SetSkinDataName(FButtonSkinDataName);
    b->SetSkinData(FCtrlSkinData);
    b->SetCaption(SkinCaption(store, key));
    b->SetBounds(left, y, width, 25);
    return b;
  };
  FOk = button(L"MSG_BTN_OK", 5, 70);
  FOk->SetModalResult(mrOk);
  FOk->SetDefault(true);
  FCancel = button(L"MSG_BTN_CANCEL", 90, 70);
  FCancel->SetModalResult(mrCancel);
  FCancel->SetCancel(true);
  FAdd = button(L"ADDCUSTOMCOLORBUTTON_CAP", Host->Left(), HueRing::Size);
  FAdd->OnClick = [this](TObject*) { FCustomGrid->AddColor(FPreview->ColorValue()); };
  f->SetClientHeight(FAdd->Top() + FAdd->Height() + 10);
}

void TspSkinColorDialog::StartColours(TWinControl* Host) {
  // The ring stands on the window's skinned background when the controls
  // are skinned, else on the button face.
  std::unique_ptr<TBitmap> background;
  if (FCtrlSkinData && !FCtrlSkinData->Empty() && FCtrlSkinData->GetControlIndex(L"panel") != -1) {
    background = std::make_unique<TBitmap>();
    background->SetSize(Host->Width(), Host->Height());
    PaintParentBackground(Host, background->Canvas());
  }
  FPicker->DrawHueRing(background.get());
  // A system colour starts as the colour it stands for now, not its index.
  const TColor start = ColorToRGB(FColor);
  FPreview->SetColorValue(start);
  FBasicGrid->SetColorValue(start);
  SetRGBFields(start);
  RGBFieldChanged();
}

int TspSkinColorDialog::FieldValue(int Index) const { return FFields[Index]->Value(); }

void TspSkinColorDialog::WriteFields(int First, int A, int B, int C, bool& Guard) {
  const bool was = Guard;
  Guard = true;
  FFields[First]->SetValue(A);
  FFields[First + 1]->SetValue(B);
  FFields[First + 2]->SetValue(C);
  Guard = was;
}

void TspSkinColorDialog::SetRGBFields(TColor C) {
  const TRGBBytes b = ColorBytes(C);
  WriteFields(0, b.R, b.G, b.B, FRGBGuard);
}

void TspSkinColorDialog::SetHSBFields(TColor C) {
  // A grey has no hue of its own: the H field keeps what it shows.
  THSB h{FieldValue(3), FieldValue(4), FieldValue(5)};
  RGBToHSB(ColorBytes(C), h);
  WriteFields(3, h.H, h.S, h.B, FHSLGuard);
}

void TspSkinColorDialog::FollowInPicker(TColor C) {
  if (FPickGuard) return;
  FPickerColor.SetRGB(C);
  FPicker->RedrawBox();
}

void TspSkinColorDialog::GridChosen(TColor C) {
  if (!FPreview) return;  // the basic grid fires while the window is built
  SetRGBFields(C);
  FPreview->SetColorValue(C);
  SetHSBFields(C);
  FollowInPicker(C);
}

void TspSkinColorDialog::RGBFieldChanged() {
  if (FRGBGuard || !FPreview) return;
  const TColor c = BytesColor({uint8_t(FieldValue(0)), uint8_t(FieldValue(1)), uint8_t(FieldValue(2))});
  FPreview->SetColorValue(c);
  SetHSBFields(c);
  FollowInPicker(c);
}

void TspSkinColorDialog::HSLFieldChanged() {
  if (FHSLGuard || !FPreview) return;
  const TColor c = BytesColor(HSBToRGB({FieldValue(3), FieldValue(4), FieldValue(5)}));
  FPreview->SetColorValue(c);
  SetRGBFields(c);
  FollowInPicker(c);
}

void TspSkinColorDialog::PickerChanged() {
  // The fields follow the picker through their own change handler, which
  // must not move the picker back.
  const TRGBBytes& b = FPickerColor.Bytes();
  WriteFields(0, b.R, b.G, b.B, FPickGuard);
}

// The imager: working-image rebuilds, draw styles, focus proxy and clipboard.
#include "components/fcImager.h"

#include <algorithm>

#include "classlib/Clipbrd.h"
#include "classlib/Messages.h"
#include "components/fcCommonDraw.h"



// ---- sub-objects of the options ----

void TfcAlphaBlend::Changed() {
  if (FChanging) return;
  FChanging = true;
  FOptions->Changed();
  FChanging = false;
}

void TfcAlphaBlend::SetAmount(int Value) {
  if (FAmount == Value) return;
  FAmount = Value;
  Changed();
}

void TfcAlphaBlend::SetBitmap(TfcBitmap* Value) {
  FBitmap.Assign(Value);
  Changed();
}

void TfcAlphaBlend::SetTransparent(bool Value) {
  if (FBitmap.Transparent() == Value) return;
  FBitmap.SetTransparent(Value);
  Changed();
}

#define FC_STORE(Class, Name, Type)            \
  void Class::Set##Name(Type Value) {          \
    if (F##Name == Value) return;              \
    F##Name = Value;                           \
    FOptions->Changed();                       \
  }
FC_STORE(TfcRotate, CenterX, int)
FC_STORE(TfcRotate, CenterY, int)
FC_STORE(TfcRotate, Angle, int)
FC_STORE(TfcWave, XDiv, int)
FC_STORE(TfcWave, YDiv, int)
FC_STORE(TfcWave, Ratio, int)
FC_STORE(TfcWave, Wrap, bool)
#undef FC_STORE

// ---- options ----

TfcBitmapOptions::TfcBitmapOptions(TfcCustomImager* Imager) : FImager(Imager) {}

void TfcBitmapOptions::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TfcBitmapOptions::Changed() {
  TfcBitmap* work = FImager->WorkingBitmap();
  TGraphic* source = FImager->Picture()->Graphic();
  if (FImager->Loading() || work->Empty() || !source || source->Empty() || FUpdateCount > 0) return;
  if (work->Width() == source->Width() && work->Height() == source->Height()) {
    work->Assign(source);
  } else if (FTile) {
    fcTileGraphic(source, work->Canvas(), TRect(0, 0, work->Width(), work->Height()));
  } else {
    TfcBitmap tmp;
    tmp.Assign(source);
    tmp.SetSmoothStretching(FImager->SmoothStretching());
    tmp.Draw(work->Canvas(), TRect(0, 0, work->Width(), work->Height()));
  }
  GdiFlush();
  ApplyEffects(work);
  if (OnChange) OnChange(this);
}

void TfcBitmapOptions::ApplyEffects(TfcBitmap* Work) {
  if (FGrayScale) Work->GrayScale();
  if (FLightness != 0) Work->Lightness(FLightness);
  if (FAlphaBlend.Amount() != 0 && !FAlphaBlend.Bitmap()->Empty())
    Work->AlphaBlend(FAlphaBlend.Bitmap(), FAlphaBlend.Amount(), true);
  if (FColor != clNone) {
    const TColor c = ColorToRGB(FColor);
    Work->Colorize(GetRValue(c), GetGValue(c), GetBValue(c));
  }
  if (FTintColor != clNone) {
    const TColor c = ColorToRGB(FTintColor);
    Work->Tint(GetRValue(c) >> 1, GetGValue(c) >> 1, GetBValue(c) >> 1);
  }
  if (FSponge != 0) Work->Sponge(FSponge);
  if (FSaturation != -1) Work->Saturation(FSaturation);
  if (FGaussianBlur != 0) Work->GaussianBlur(FGaussianBlur);
  if (FEmbossed) Work->Emboss();
  if (FInverted) Work->Invert();
  if (FContrast != 0) Work->Contrast(FContrast);
  if (FSharpen != 0) Work->Sharpen(FSharpen);
  if (FHorizontallyFlipped) Work->Flip(true);
  if (FVerticallyFlipped) Work->Flip(false);
  if (FWave.Active()) Work->Wave(FWave.XDiv(), FWave.YDiv(), FWave.Ratio(), FWave.Wrap());
  if (FRotation.Angle() != 0) Work->Rotate(FRotation.CenterX(), FRotation.CenterY(), FRotation.Angle());
}

// ---- focus proxy ----

TfcImagerWinControl::TfcImagerWinControl(TComponent* AOwner, TfcCustomImager* Imager)
    : TWinControl(AOwner), FImager(Imager) {
  SetControlStyle(ControlStyle().Include(csReplicatable));
}

void TfcImagerWinControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_ENTER:
      TWinControl::Dispatch(Message);
      FImager->DoEnter();
      return;
    case CM_EXIT:
      TWinControl::Dispatch(Message);
      FImager->DoExit();
      return;
    default:
      TWinControl::Dispatch(Message);
  }
}

void TfcImagerWinControl::KeyDown(WORD& Key, TShiftState Shift) { FImager->DoKeyDown(Key, Shift); }
void TfcImagerWinControl::KeyUp(WORD& Key, TShiftState Shift) { FImager->DoKeyUp(Key, Shift); }
void TfcImagerWinControl::KeyPress(wchar_t& Key) { FImager->DoKeyPress(Key); }

// ---- imager ----

TfcCustomImager::TfcCustomImager(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetControlStyle(ControlStyle().Include(csOpaque));
  FWork.SetRespectPalette(true);
  FWork.SetUseHalftonePalette(true);
  FOptions.OnChange = [this](TObject* Sender) { BitmapChanged(Sender); };
  FPicture.OnChange = [this](TObject* Sender) { PictureChanged(Sender); };
  SetBounds(Left(), Top(), 100, 100);
}

TfcCustomImager::~TfcCustomImager() {
  FPicture.OnChange = nullptr;
  FOptions.OnChange = nullptr;
  // The focus window is owned: freed with the imager's components, or
  // earlier by its parent, which tells the imager (Notification).
}

bool TfcCustomImager::PictureEmpty() const { return !FPicture.Graphic() || FPicture.Graphic()->Empty(); }

void TfcCustomImager::AddListener(IfcBitmapListener* Listener) { FListeners.push_back(Listener); }

void TfcCustomImager::RemoveListener(IfcBitmapListener* Listener) {
  FListeners.erase(std::remove(FListeners.begin(), FListeners.end(), Listener), FListeners.end());
}

void TfcCustomImager::TellListeners() {
  const auto listeners = FListeners;
  for (IfcBitmapListener* l : listeners) l->BitmapChanged(&FWork);
}

void TfcCustomImager::InvalidateOnParent(bool Erase) {
  if (!Parent() || !Parent()->HandleAllocated()) return;
  const TRect b = BoundsRect();
  RECT r = {b.Left, b.Top, b.Right, b.Bottom};
  InvalidateRect(Parent()->Handle(), &r, Erase);
}

void TfcCustomImager::Invalidate() {
  if (!FInSetBounds) InvalidateOnParent(true);
}

void TfcCustomImager::SetDrawStyle(TfcImagerDrawStyle Value) {
  if (FDrawStyle == Value) return;
  FDrawStyle = Value;
  FOptions.SetTile(Value == fcds::dsTile);
  UpdateWorkingBitmap();
  Invalidate();
}

void TfcCustomImager::SetPreProcess(bool Value) {
  if (FPreProcess == Value) return;
  FPreProcess = Value;
  UpdateWorkingBitmap();
}

void TfcCustomImager::SetAutoSize(bool Value) {
  if (AutoSize() == Value) return;
  TGraphicControl::SetAutoSize(Value);
  AdjustAutoSize();
}

void TfcCustomImager::SetSmoothStretching(bool Value) {
  FWork.SetSmoothStretching(Value);
  Reapply();
  Invalidate();
}

void TfcCustomImager::SetTransparentColor(TColor Value) {
  FWork.SetTransparentColor(Value);
  Reapply();
  Invalidate();
}

void TfcCustomImager::SetTransparent(bool Value) {
  FTransparent = Value;
  if (!PictureEmpty()) FPicture.Graphic()->SetTransparent(Value);
  Invalidate();
}

void TfcCustomImager::SetRespectPalette(bool Value) {
  FRespectPalette = Value;
  FWork.SetRespectPalette(Value);
  // Colourised images lose their meaning under the picture's own palette.
  if (Value && (FOptions.Color() != clNone || FOptions.TintColor() != clNone)) FWork.SetRespectPalette(false);
  Invalidate();
}

void TfcCustomImager::CreateFocusControl() {
  if (FFocusable || FTabStop) {
    if (!FFocusControl) {
      // Owned by the imager, which hears when its parent frees it first.
      FFocusControl = new TfcImagerWinControl(this, this);
      FFocusControl->SetBounds(0, 0, 0, 0);
      FFocusControl->SetParent(Parent());
      if (FTabOrder >= 0 && Parent()) FFocusControl->SetTabOrder(FTabOrder);
    }
    FFocusControl->SetTabStop(FTabStop);
  } else if (FFocusControl) {
    Free(FFocusControl);
    FFocusControl = nullptr;
  }
}

void TfcCustomImager::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TfcCustomImager::SetFocusable(bool Value) {
  if (FFocusable == Value) return;
  FFocusable = Value;
  CreateFocusControl();
}

void TfcCustomImager::SetTabStop(bool Value) {
  if (FTabStop == Value) return;
  FTabStop = Value;
  CreateFocusControl();
}

void TfcCustomImager::SetTabOrder(int Value) {
  FTabOrder = Value;
  if (!FFocusable) CreateFocusControl();
  if (FFocusControl && FFocusControl->Parent()) FFocusControl->SetTabOrder(Value);
}

void TfcCustomImager::SetParent(TWinControl* AParent) {
  TGraphicControl::SetParent(AParent);
  if (FFocusControl) FFocusControl->SetParent(AParent);
}

void TfcCustomImager::Loaded() {
  TGraphicControl::Loaded();
  AdjustAutoSize();
  FOptions.Changed();
}

void TfcCustomImager::PictureChanged(TObject*) {
  UpdateWorkingBitmap();
  InvalidateOnParent(true);
  TellListeners();
}

void TfcCustomImager::BitmapChanged(TObject*) {
  InvalidateOnParent(FTransparent);
  TellListeners();
}

void TfcCustomImager::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const bool resized = AWidth != Width() || AHeight != Height();
  if (!resized || FInAutoSize) {
    TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    return;
  }
  FInSetBounds = true;
  TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  FInSetBounds = false;
  if (Visible() && Parent()) Update();
  UpdateWorkingBitmap();
}

void TfcCustomImager::AdjustAutoSize() {
  if (!AutoSize() || PictureEmpty() || Loading() || Align() != alNone) return;
  const int w = FPicture.Width(), h = FPicture.Height();
  if (w == Width() && h == Height()) return;
  FInAutoSize = true;
  SetBounds(Left(), Top(), w, h);
  FInAutoSize = false;
}

void TfcCustomImager::UpdateWorkingBitmap() {
  if (Loading()) return;
  if (!FPreProcess && fcImagerFillsControl(FDrawStyle)) {
    FWork.SetSizeIfChanged(Width(), Height());
  } else if (PictureEmpty()) {
    FWork.Clear();
  } else if (FOptions.Rotation()->Angle() != 0) {
    const int side = std::max(FPicture.Width(), FPicture.Height());
    FWork.SetSizeIfChanged(side, side);
  } else {
    FWork.SetSizeIfChanged(FPicture.Width(), FPicture.Height());
  }
  Reapply();
  AdjustAutoSize();
}

void TfcCustomImager::Reapply() {
  if (PictureEmpty() || Loading()) return;
  if (FWork.Empty()) UpdateWorkingBitmap();
  FOptions.Changed();
}

TRect TfcCustomImager::DrawRect() const {
  return fcImagerDrawRect(FDrawStyle, FWork.Width(), FWork.Height(), Width(), Height(), FPicture.Width(),
                          FPicture.Height());
}

void TfcCustomImager::Paint() {
  if (ComponentState().Contains(csDestroying)) return;
  if (FWork.Empty() && !PictureEmpty()) {
    Reapply();  // the change event repaints
    return;
  }
  TCanvas* c = Canvas();
  if (FWork.Empty()) {
    if (ComponentState().Contains(csDesigning)) {
      c->Pen()->SetStyle(psDash);
      c->Pen()->SetColor(clBlack);
      c->Brush()->SetColor(clWhite);
      c->Rectangle(0, 0, Width(), Height());
    }
    return;
  }
  const TRect r = DrawRect();
  if (!FPreProcess) {
    FWork.Draw(c, TRect(r.Left, r.Top, r.Left + FWork.Width(), r.Top + FWork.Height()));
    return;
  }
  switch (FDrawStyle) {
    case fcds::dsNormal:
    case fcds::dsCenter:
      FWork.Draw(c, TRect(r.Left, r.Top, r.Left + FWork.Width(), r.Top + FWork.Height()));
      break;
    case fcds::dsTile:
      FWork.TileDraw(c, r);
      break;
    default:
      FWork.Draw(c, r);  // stretches, smoothly when asked
  }
}

void TfcCustomImager::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (FFocusControl && FFocusControl->CanFocus()) FFocusControl->SetFocus();
}

void TfcCustomImager::SetFocus() {
  if (FFocusControl && FFocusControl->CanFocus()) FFocusControl->SetFocus();
}

void TfcCustomImager::DoKeyDown(WORD& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
  if (Key == VK_INSERT && Shift.Contains(ssShift)) PasteFromClipboard();
  else if (Key == VK_INSERT && Shift.Contains(ssCtrl)) CopyToClipboard();
  else if (Key == VK_DELETE && Shift.Contains(ssShift)) CutToClipboard();
}

void TfcCustomImager::DoKeyUp(WORD& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TfcCustomImager::DoKeyPress(wchar_t& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
  if (Key == 3) CopyToClipboard();
  else if (Key == 22) PasteFromClipboard();
  else if (Key == 24) CutToClipboard();
}

void TfcCustomImager::DoEnter() {
  if (OnEnter) OnEnter(this);
  Invalidate();
}

void TfcCustomImager::DoExit() {
  if (OnExit) OnExit(this);
  Invalidate();
}

void TfcCustomImager::CopyToClipboard() {
  TBitmap b;
  FWork.SaveToBitmap(&b);
  Clipboard()->Assign(&b);
}

void TfcCustomImager::CutToClipboard() {
  if (!FPicture.Graphic()) return;
  CopyToClipboard();
  FPicture.SetGraphic(nullptr);
}

void TfcCustomImager::PasteFromClipboard() {
  if (!Clipboard()->HasFormat(CF_BITMAP)) return;
  FPicture.Bitmap()->Assign(Clipboard());
  FPicture.Bitmap()->SetTransparent(FTransparent);
}

// The skinned control bases: record look-up, double-buffered painting with an
// optional blend over the parent, and the resizable skin picture with its region.
#include "skinctrls/SkinControl.h"

#include <type_traits>

#include "skin/SPUtils.h"
#include "skin/speffbmp.h"

namespace {

// B drawn on Canvas at (0, 0) mixed with what the parent shows under the
// control: Value 255 gives B alone, 0 the parent alone.
void DrawBlendedWithParent(TControl* Control, TCanvas* Canvas, TBitmap* B, uint8_t Value) {
  TBitmap parent;
  parent.SetSize(B->Width(), B->Height());
  PaintParentBackground(Control, parent.Canvas());
  TspEffectBmp image(B->Handle());
  TspEffectBmp background(parent.Handle());
  image.Morph(&background, 1.0 - Value / 255.0);
  image.Draw(Canvas->Handle(), B->StoredPart().Left, B->StoredPart().Top);
}

}  // namespace

void SetPartAside(TWinControl* Whole, TControl* Part) {
  if (Part->Owner() != Whole) return;  // set aside already
  Part->Destroying();  // it asks for no window again
  Part->Hide();
  Part->SetParent(nullptr);
  Whole->RemoveComponent(Part);
  Part->SetAsideBy(Whole);
}

void BroadcastBackgroundChanged(TWinControl* Control) {
  if (!Control) return;
  // Perform reaches windowed children through their window procedure and
  // windowless ones directly, both synchronously.
  Control->ChildWalk().ForEach([](TControl* c) { c->Perform(MSG_BACKGROUND_CHANGED, 0, 0); });
}

int CentredTop(TWinControl* Parent, int ATop, int Height) {
  auto* centring = dynamic_cast<TspCentringParent*>(Parent);
  if (!centring || !centring->AdjustControls()) return ATop;
  const TRect r = centring->GetSkinClientRect();
  return r.Top + r.Height() / 2 - Height / 2;
}

TBitmap* TspGlyph::Get() const {
  if (!FBitmap) {
    FBitmap = std::make_unique<TBitmap>();
    TControl* owner = FOwner;
    FBitmap->OnChange = [owner](TObject*) { owner->Repaint(); };
  }
  return FBitmap.get();
}

// ---------------------------------------------------------------------------
// TspSkinBinding

template <class TBase>
void TspSkinBinding<TBase>::SetAlphaBlend(bool Value) {
  FAlphaBlend = Value;
  this->Repaint();
}

template <class TBase>
void TspSkinBinding<TBase>::SetAlphaBlendValue(uint8_t Value) {
  FAlphaBlendValue = Value;
  this->Repaint();
}

template <class TBase>
void TspSkinBinding<TBase>::SetHintImageList(TCustomImageList* Value) {
  if (FHintImageList) FHintImageList->RemoveFreeNotification(this);
  FHintImageList = Value;
  if (Value) Value->FreeNotification(this);
}

template <class TBase>
void TspSkinBinding<TBase>::ApplySkinCursor() {
  if (!FUseSkinCursor) return;
  this->SetCursor(FSkinData && FCursorIndex != -1 ? FSkinData->StartCursorIndex + FCursorIndex : crDefault);
}

template <class TBase>
void TspSkinBinding<TBase>::ChangeSkinData() {
  FLookCache.MakeStale();
  GetSkinData();
  ApplySkinCursor();
  this->Repaint();
}

template <class TBase>
void TspSkinBinding<TBase>::BackgroundChanged() {
  if (FAlphaBlend) this->Repaint();
}

template <class TBase>
void TspSkinBinding<TBase>::Notification(TComponent* AComponent, TOperation Operation) {
  TspSkinLinked<TBase>::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FHintImageList) FHintImageList = nullptr;
}

template <class TBase>
void TspSkinBinding<TBase>::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND:
      // Paint covers every pixel; erasing first would only flicker.
      Message.Result = 1;
      return;
    case WM_MOVE:
      TspSkinLinked<TBase>::Dispatch(Message);
      if (FAlphaBlend) this->Repaint();
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
      TspSkinLinked<TBase>::Dispatch(Message);
      const TNotifyEvent& event = Message.Msg == CM_MOUSEENTER ? OnMouseEnter : OnMouseLeave;
      if (event && !Designing()) event(this);
      return;
    }
    case MSG_BACKGROUND_CHANGED:
      BackgroundChanged();
      return;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      // The caption and the font are drawn by most looks: a change shows at once.
      TspSkinLinked<TBase>::Dispatch(Message);
      Invalidate();
      return;
    default:
      TspSkinLinked<TBase>::Dispatch(Message);
  }
}

template <class TBase>
void TspSkinBinding<TBase>::Invalidate() {
  FLookCache.MakeStale();
  TBase::Invalidate();
  // The windows a control made for itself (an inner list, edit or bar) draw
  // from its values too: whatever changed its look may have changed theirs.
  if constexpr (std::is_base_of_v<TWinControl, TBase>)
    this->ChildWalk().ForEach([this](TControl* c) {
      if (c->Owner() == this) c->Invalidate();
    });
}

template <class TBase>
TspLookKey TspSkinBinding<TBase>::LookKey() const {
  TspLookKey key;
  key.Width = this->Width();
  key.Height = this->Height();
  key.Skin = FSkinData;
  key.SkinLoad = FSkinData ? FSkinData->LoadCount() : 0;
  key.Index = FIndex;
  key.Enabled = this->Enabled();
  if constexpr (std::is_base_of_v<TWinControl, TBase>) key.Focused = this->HandleAllocated() && this->Focused();
  key.MouseIn = this->MouseInControl();
  key.Caption = this->Caption();
  key.State = LookState();
  key.Font = TspFontKey::Of(this->Font());
  return key;
}

template <class TBase>
void TspSkinBinding<TBase>::DrawKeptLook(TCanvas* Canvas, const std::function<void(TBitmap*)>& Compose) {
  if (!LookCacheable()) {
    FLookCache.Release();
    TBitmap image;
    image.SetSize(this->Width(), this->Height());
    Compose(&image);
    Canvas->Draw(0, 0, &image);
    return;
  }
  const TspLookKey key = LookKey();
  if (FLookCache.DrawKept(key, Canvas)) return;
  std::unique_ptr<TBitmap> image = TspLookCache::TakeSurface(this->Width(), this->Height());
  Compose(image.get());
  if (image->Empty()) return;
  Canvas->Draw(0, 0, image.get());
  FLookCache.Keep(key, std::move(image));
}

template <class TBase>
void TspSkinBinding<TBase>::Paint() {
  if (this->Width() < 1 || this->Height() < 1) return;
  GetSkinData();
  const auto compose = [this](TBitmap* image) {
    if (FIndex != -1)
      CreateControlSkinImage(image);
    else if (FDrawDefault)
      CreateControlDefaultImage(image);
  };
  if (LookCacheable()) {
    DrawKeptLook(this->Canvas(), compose);
    return;
  }
  FLookCache.Release();
  TBitmap image;
  image.SetSize(this->Width(), this->Height());
  compose(&image);
  if (image.Empty()) return;
  if (FAlphaBlend)
    DrawBlendedWithParent(this, this->Canvas(), &image, FAlphaBlendValue);
  else
    this->Canvas()->Draw(0, 0, &image);
}

template class TspSkinBinding<TCustomControl>;
template class TspSkinBinding<TGraphicControl>;

// ---------------------------------------------------------------------------
// TspSkinControl, TspGraphicSkinControl

TspSkinControl::TspSkinControl(TComponent* AOwner) : TspSkinBinding<TCustomControl>(AOwner) {}

TspSkinControl::~TspSkinControl() {
  if (FRgn) DeleteObject(FRgn);
}

void TspSkinControl::Dispatch(TMessage& Message) {
  // A program's SetFocus, a click on the border or the form's activation
  // focuses the outer window: the focus belongs inside.
  if (Message.Msg == WM_SETFOCUS && PassFocusInward()) return;
  if (Message.Msg != WM_PAINT) {
    TspSkinBinding<TCustomControl>::Dispatch(Message);
    return;
  }
  FPainting = true;
  TspSkinBinding<TCustomControl>::Dispatch(Message);
  FPainting = false;
}

bool TspSkinControl::PassFocusInward() {
  TWinControl* inner = FocusWindow();
  if (!inner || !inner->HandleAllocated() || !inner->CanFocus()) return false;
  ::SetFocus(inner->Handle());
  return true;
}

bool TspSkinControl::ErasesIntoForeignDC(const TMessage& Message) const {
  if (FPainting || !Message.WParam) return false;
  return !HandleAllocated() || WindowFromDC(reinterpret_cast<HDC>(Message.WParam)) != FHandle;
}

void TspSkinControl::BackgroundChanged() {
  if (!FAlphaBlend) return;
  Repaint();
  BroadcastBackgroundChanged(this);
}

void TspSkinControl::CreateHandleDone() {
  TspSkinBinding<TCustomControl>::CreateHandleDone();
  if (FRgn) SetWindowRegion(FRgn);
}

void TspSkinControl::SetWindowRegion(HRGN Rgn) {
  if (HandleAllocated()) {
    // The system owns the region it is given; the control keeps its own copy.
    HRGN copy = nullptr;
    if (Rgn) {
      copy = CreateRectRgn(0, 0, 0, 0);
      CombineRgn(copy, Rgn, nullptr, RGN_COPY);
    }
    // During a skin change the form redraws every window once at the end.
    SetWindowRgn(Handle(), copy, !(FSkinData && FSkinData->SkinChanging()));
  }
  if (FRgn && FRgn != Rgn) DeleteObject(FRgn);
  FRgn = Rgn;
}

TspGraphicSkinControl::TspGraphicSkinControl(TComponent* AOwner) : TspSkinBinding<TGraphicControl>(AOwner) {}

// ---------------------------------------------------------------------------
// TspSkinPictureControl

namespace {

void SetDefaultFontValues(TFont* Font) {
  Font->SetName(L"Arial");
  Font->SetHeight(14);
}

}  // namespace

template <class TBase>
TspSkinPictureControl<TBase>::TspSkinPictureControl(TComponent* AOwner) : TBase(AOwner) {}

template <class TBase>
TFont* TspSkinPictureControl<TBase>::DefaultFont() const {
  if (!FOwnDefaultFont) {
    FOwnDefaultFont = std::make_unique<TFont>();
    SetDefaultFontValues(FOwnDefaultFont.get());
    auto* self = const_cast<TspSkinPictureControl*>(this);
    FOwnDefaultFont->OnChange = [self](TObject*) { self->DoDefaultFontChange(); };
  }
  return FOwnDefaultFont.get();
}

template <class TBase>
TFont* TspSkinPictureControl<TBase>::DrawingDefaultFont() const {
  if (FOwnDefaultFont) return FOwnDefaultFont.get();
  static TFont* const shared = [] {
    static TFont font;
    SetDefaultFontValues(&font);
    return &font;
  }();
  return shared;
}

template <class TBase>
void TspSkinPictureControl<TBase>::DoDefaultFontChange() {
  DefaultFontChanged();
  // Drawn with or without a record: without a skin font the text is in it.
  this->Repaint();
}

template <class TBase>
TspLookKey TspSkinPictureControl<TBase>::LookKey() const {
  TspLookKey key = TBase::LookKey();
  if (FUseSkinFont) key.FontChoices |= lfcSkinFont;
  key.DefaultFont = TspFontKey::Of(DrawingDefaultFont());
  return key;
}

template <class TBase>
void TspSkinPictureControl<TBase>::SetDefaultWidth(int Value) {
  FDefaultWidth = Value;
  if (this->FIndex == -1 && Value >= 1) this->SetWidth(Value);
}

template <class TBase>
void TspSkinPictureControl<TBase>::SetDefaultHeight(int Value) {
  FDefaultHeight = Value;
  if (this->FIndex == -1 && Value >= 1) this->SetHeight(Value);
}

template <class TBase>
TBitmap* TspSkinPictureControl<TBase>::ActivePicture(int Index) const {
  return this->FSkinData ? this->FSkinData->ActivePicture(Index) : nullptr;
}

template <class TBase>
void TspSkinPictureControl<TBase>::GetSkinData() {
  TBase::GetSkinData();
  const TspDataSkinControl* record = this->SkinRecord();
  if (!record) {
    Picture = nullptr;  // the pictures of an earlier skin may be gone
    return;
  }
  CopyGeometry(*record);
  this->FCursorIndex = record->CursorIndex;
  Picture = ActivePicture(record->PictureIndex);
}

template <class TBase>
void TspSkinPictureControl<TBase>::ChangeSkinData() {
  GetSkinData();
  this->ApplySkinCursor();
  if (this->FIndex == -1) {
    if (FDefaultWidth > 0) this->SetWidth(FDefaultWidth);
    if (FDefaultHeight > 0) this->SetHeight(FDefaultHeight);
  } else {
    int w = this->Width(), h = this->Height();
    CalcSize(w, h);
    if (w != this->Width() || h != this->Height()) {
      // SetBounds sets the shape and invalidates.
      this->SetBounds(this->Left(), this->Top(), w, h);
      return;
    }
  }
  SkinShapeChanged();
  this->Repaint();
}

template <class TBase>
void TspSkinPictureControl<TBase>::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  GetSkinData();
  const bool changed = (AWidth != this->Width() || AHeight != this->Height()) && this->FIndex != -1;
  if (changed) {
    CalcSize(AWidth, AHeight);
    if (ResizeMode == 0) NewClRect = ClRect;
  }
  ATop = CentredTop(this->Parent(), ATop, AHeight);
  TBase::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!changed) return;
  SkinShapeChanged();
  // Drawn with the next paint, not at once: a form laying out many controls
  // paints each of them once, when the layout is done.
  this->Invalidate();
}

template <class TBase>
void TspSkinPictureControl<TBase>::CreateControlDefaultImage(TBitmap* B) {
  TCanvas* canvas = B->Canvas();
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(TRect(0, 0, B->Width(), B->Height()));
}

template <class TBase>
void TspSkinPictureControl<TBase>::CreateSkinControlImage(TBitmap* B, TBitmap* Pict, const TRect& R) {
  if (!B || !Pict || Pict->Empty()) return;
  const int W = this->Width(), H = this->Height();
  int w = W, h = H;
  CalcSize(w, h);  // the New... geometry at the current size
  switch (ResizeMode) {
    case 0:
      B->SetSize(R.Width(), R.Height());
      B->Canvas()->CopyRect(TRect(0, 0, R.Width(), R.Height()), Pict->Canvas(), R);
      break;
    case 1:
      CreateSkinImage(LTPoint, RTPoint, LBPoint, RBPoint, ClRect, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint,
                      NewClRect, B, Pict, R, W, H, true, LeftStretch, TopStretch, RightStretch, BottomStretch,
                      StretchEffect, StretchType);
      break;
    case 2:
      CreateHSkinImage(LTPoint.X, SkinRect.Width() - RTPoint.X, B, Pict, R, W, H, StretchEffect);
      break;
    case 3:
      CreateVSkinImage(LTPoint.Y, SkinRect.Height() - LBPoint.Y, B, Pict, R, W, H, StretchEffect);
      break;
    default:
      break;
  }
}

template class TspSkinPictureControl<TspSkinControl>;
template class TspSkinPictureControl<TspGraphicSkinControl>;

// ---------------------------------------------------------------------------
// TspSkinCustomControl

TspSkinCustomControl::TspSkinCustomControl(TComponent* AOwner) : TspSkinPictureControl<TspSkinControl>(AOwner) {}

void TspSkinCustomControl::GetSkinData() {
  TspSkinPictureControl<TspSkinControl>::GetSkinData();
  const TspDataSkinControl* record = SkinRecord();
  MaskPicture = record ? ActivePicture(record->MaskPictureIndex) : nullptr;
}

void TspSkinCustomControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TspSkinPictureControl<TspSkinControl>::SetBounds(ALeft, ATop, AWidth, AHeight);
  // A stretched picture changes under the children whenever the size does.
  if (FIndex != -1 && StretchEffect) BroadcastBackgroundChanged(this);
}

void TspSkinCustomControl::CreateSkinControlImage(TBitmap* B, TBitmap* Pict, const TRect& R) {
  if (ResizeMode == 1 && FPaintByPieces) return;  // Paint draws the pieces itself
  TspSkinPictureControl<TspSkinControl>::CreateSkinControlImage(B, Pict, R);
}

void TspSkinCustomControl::FillClientPiece(TCanvas* Canvas, const TRect& Dest) {
  const TRect piece = Bounds(SkinRect.Left + ClRect.Left, SkinRect.Top + ClRect.Top, ClRect.Width(), ClRect.Height());
  DrawPieceFill(Canvas, Picture, piece, Dest, StretchEffect, StretchType);
}

void TspSkinCustomControl::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  int w = Width(), h = Height();
  CalcSize(w, h);
  if (FIndex == -1 || !FPaintByPieces || ResizeMode != 1 || FAlphaBlend) {
    TspSkinControl::Paint();
    return;
  }
  // Large both-ways skins: four border images around a client filled in place.
  if (FFillSkinClient) {
    DrawKeptLook(Canvas(), [this](TBitmap* image) { PaintPieces(image); });
    return;
  }
  // Without the client piece the pieces leave the client to what is there:
  // only the borders go to the window.
  TBitmap image;
  image.SetSize(Width(), Height());
  for (const TRect& border : PaintPieces(&image))
    if (!border.IsEmpty()) Canvas()->CopyRect(border, image.Canvas(), border);
}

std::array<TRect, 4> TspSkinCustomControl::PaintPieces(TBitmap* B) {
  TspEdgeStretch stretch;
  stretch.Left = LeftStretch;
  stretch.Top = TopStretch;
  stretch.Right = RightStretch;
  stretch.Bottom = BottomStretch;
  const TspBorderPlans plans = PlanSkinBorderImages({LTPoint, RTPoint, LBPoint, RBPoint, ClRect},
                                                    {NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint, NewClRect},
                                                    SkinRect, Width(), Height(), stretch, 0, 0);
  TCanvas* canvas = B->Canvas();
  if (FFillSkinClient) FillClientPiece(canvas, NewClRect);
  // The top piece lies over the client piece and starts black, as a bitmap
  // of its own would; descendants draw on it (a caption), cut at its edges.
  const TRect top = plans.Top.Apply ? TRect(0, 0, plans.Top.Width, plans.Top.Height) : TRect();
  PatBlt(canvas->Handle(), top.Left, top.Top, top.Width(), top.Height(), BLACKNESS);
  DrawCompositionAt(canvas, Picture, plans.Top, 0, 0);
  IntersectClipRect(canvas->Handle(), top.Left, top.Top, top.Right, top.Bottom);
  CreateControlSkinImage(B);
  SelectClipRgn(B->Canvas()->Handle(), nullptr);
  const int below = top.Height();
  const TRect left(0, below, plans.Left.Width, below + plans.Left.Height);
  const TRect right(Width() - plans.Right.Width, below, Width(), below + plans.Right.Height);
  const TRect bottom(0, Height() - plans.Bottom.Height, plans.Bottom.Width, Height());
  DrawCompositionAt(canvas, Picture, plans.Left, left.Left, left.Top);
  DrawCompositionAt(canvas, Picture, plans.Right, right.Left, right.Top);
  DrawCompositionAt(canvas, Picture, plans.Bottom, bottom.Left, bottom.Top);
  return {top, left, right, bottom};
}

void TspSkinCustomControl::SetControlRegion() {
  if (!Parent()) return;
  if (!MaskPicture || FIndex == -1) {
    if (FRgn) SetWindowRegion(nullptr);
    return;
  }
  CreateControlRegion();
}

void TspSkinCustomControl::CreateControlRegion() {
  int w = Width(), h = Height();
  CalcSize(w, h);
  HRGN rgn = nullptr;
  switch (ResizeMode) {
    case 0:
      CreateMaskRegion(rgn, MaskPicture);
      break;
    case 1:
      CreateSkinRegion(rgn, LTPoint, RTPoint, LBPoint, RBPoint, ClRect, NewLTPoint, NewRTPoint, NewLBPoint,
                       NewRBPoint, NewClRect, MaskPicture, Width(), Height());
      break;
    case 2:  // one row of pieces: the bottom points are the top ones
      CreateSkinRegion(rgn, LTPoint, RTPoint, LTPoint, RTPoint, ClRect, LTPoint, NewRTPoint, LTPoint, NewRTPoint,
                       NewClRect, MaskPicture, Width(), Height());
      break;
    case 3:  // one column of pieces: the right-hand points are the left ones
      CreateSkinRegion(rgn, LTPoint, LTPoint, LBPoint, LBPoint, ClRect, LTPoint, LTPoint, NewLBPoint, NewLBPoint,
                       NewClRect, MaskPicture, Width(), Height());
      break;
    default:
      break;
  }
  SetWindowRegion(rgn);
}

TspGraphicSkinCustomControl::TspGraphicSkinCustomControl(TComponent* AOwner)
    : TspSkinPictureControl<TspGraphicSkinControl>(AOwner) {}

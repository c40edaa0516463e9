// TspSkinCustomEdit: skin record, sizes, hit testing and mouse handling of
// the frame, edit button and image buttons.
#include "skininputs/SkinEdit.h"

#include "skin/SkinResStr.h"
#include "skinctrls/SkinControl.h"
#include "skinctrls/SkinMenus.h"

TspSkinCustomEdit::TspSkinCustomEdit(TComponent* AOwner)
    : TspSkinLinked<TspCustomEdit>(AOwner), FDefaultFont(std::make_unique<TFont>()) {
  FSkinDataName = L"edit";
  FDefaultFont->SetName(L"Arial");
  FDefaultFont->SetHeight(14);
  FDefaultFont->SetColor(0);
  FDefaultFont->OnChange = [this](TObject*) {
    if (!Skinned() || !FUseSkinFont) {
      Font()->Assign(FDefaultFont.get());
      SetFontColorByState();
    }
  };
  Font()->Assign(FDefaultFont.get());
  FHeight = 20;
  SetBorderStyle(bsNone);
  FTransparent = true;
  FControlStyle.Include(csOpaque);
}

void TspSkinCustomEdit::CreateParams(TCreateParams& Params) {
  TspCustomEdit::CreateParams(Params);
  Params.ExStyle &= ~WS_EX_TRANSPARENT;
  Params.Style &= ~(ES_LEFT | ES_RIGHT | ES_CENTER);
  Params.Style |= FAlignment == taRightJustify ? ES_RIGHT : FAlignment == taCenter ? ES_CENTER : ES_LEFT;
}

void TspSkinCustomEdit::CreateHandleDone() {
  TspCustomEdit::CreateHandleDone();
  // The frame depends on the size: have the client area computed again
  // unless the window was made with the widths it needs.
  if (FrameWanted() != FFrameGiven) FrameChanged();
  LayoutImageButtons();
}

void TspSkinCustomEdit::Notification(TComponent* AComponent, TOperation Operation) {
  TspSkinLinked<TspCustomEdit>::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

void TspSkinCustomEdit::GetSkinData() {
  LookUpIndex();
  auto* r = SkinRecordAs<TspDataSkinEditControl>();
  FPicture = nullptr;
  if (!r) return;
  FPicture = ActivePictureOf(FSkinData, r->PictureIndex);
  FGeom.SkinRect = r->SkinRect;
  FGeom.ClRect = r->ClRect;
  FGeom.ButtonRect = r->ButtonRect;
  FGeom.LTPoint = r->LTPoint;
  FGeom.RTPoint = r->RTPoint;
  FActiveSkinRect = r->ActiveSkinRect.IsEmpty() ? r->SkinRect : r->ActiveSkinRect;
  FActiveButtonRect = r->ActiveButtonRect;
  FDownButtonRect = r->DownButtonRect.IsEmpty() ? r->ActiveButtonRect : r->DownButtonRect;
  FUnEnabledButtonRect = r->UnEnabledButtonRect;
  FStretchEffect = r->StretchEffect;
  FSkinFontName = r->FontName;
  FSkinFontHeight = r->FontHeight;
  FSkinFontStyle = r->FontStyle;
  FFontColor = r->FontColor;
  FDisabledFontColor = r->DisabledFontColor;
  FActiveFontColor = r->ActiveFontColor;
}

TEditLayout TspSkinCustomEdit::Layout() const {
  return EditLayout(FIndex != -1 ? &FGeom : nullptr, Width(), Height(), FButtonMode, FUseSkinFont);
}

void TspSkinCustomEdit::SetFontColorByState() {
  TColor c;
  if (!Enabled()) c = Skinned() ? FDisabledFontColor : clGrayText;
  else if (Skinned()) c = (HandleAllocated() && Focused()) || FMouseIn ? FActiveFontColor : FFontColor;
  else c = FDefaultFont->Color();
  if (Font()->Color() != c) Font()->SetColor(c);
}

void TspSkinCustomEdit::ChangeSkinData() {
  GetSkinData();
  FInHeightChange = true;
  if (!Skinned()) {
    Font()->Assign(FDefaultFont.get());
    if (FDefaultWidth > 0) SetWidth(FDefaultWidth);
    if (FDefaultHeight > 0) SetHeight(FDefaultHeight);
  } else if (FUseSkinFont) {
    Font()->SetName(FSkinFontName);
    Font()->SetStyle(FSkinFontStyle);
    Font()->SetHeight(FSkinFontHeight);
    SetHeight(FGeom.SkinRect.Height());
  } else {
    Font()->Assign(FDefaultFont.get());
  }
  FInHeightChange = false;
  const TspResourceStrData* store = FSkinData ? FSkinData->ResourceStrData() : nullptr;
  Font()->SetCharset(store ? store->CharSet() : FDefaultFont->Charset());
  // The skin draws the frame: new widths are asked of the window the edit
  // has, which keeps its text, selection, caret, scroll position and focus.
  // Each call on the window costs in proportion to its siblings, so what did
  // not change is not asked again.
  if (HandleAllocated() && FrameWanted() != FFrameGiven) FrameChanged();
  SetFontColorByState();
  if (!FUseSkinFont) AdjustHeight();
  LayoutImageButtons();
  InvalidateWithFrame();
}

int TspSkinCustomEdit::FontHeightNeeded() {
  const int frame = Skinned() ? FGeom.SkinRect.Height() - FGeom.ClRect.Height() : 4;
  return FontLineHeight(Font()) + frame;
}

void TspSkinCustomEdit::AdjustHeight() {
  if (FInHeightChange) return;
  FInHeightChange = true;
  SetHeight(FontHeightNeeded());
  FInHeightChange = false;
}

void TspSkinCustomEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  // The skin fixes the height, or the font does when the skin's font is not used.
  if (Skinned() && FUseSkinFont) AHeight = FGeom.SkinRect.Height();
  else if (!FUseSkinFont) AHeight = FontHeightNeeded();
  ATop = CentredTop(Parent(), ATop, AHeight);
  const bool moved = ALeft != Left() || ATop != Top(), resized = AWidth != Width() || AHeight != Height();
  TspSkinLinked<TspCustomEdit>::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!HandleAllocated()) return;
  // A new size had the system ask for the frame and repaint it, and the edit
  // repaint its text area; a blended edit shows what lies under it.
  if (resized && FrameWanted() != FFrameGiven) FrameChanged();
  if ((moved || resized) && FAlphaBlend) InvalidateWithFrame();
}

void TspSkinCustomEdit::SetDefaultColor(TColor Value) {
  FDefaultColor = Value;
  if (!Skinned()) Invalidate();
}

void TspSkinCustomEdit::SetUseSkinFont(bool Value) {
  if (FUseSkinFont == Value) return;
  FUseSkinFont = Value;
  ChangeSkinData();
}

void TspSkinCustomEdit::SetDefaultWidth(int Value) {
  FDefaultWidth = Value;
  if (!Skinned() && Value > 0) SetWidth(Value);
}

void TspSkinCustomEdit::SetDefaultHeight(int Value) {
  FDefaultHeight = Value;
  if (!Skinned() && Value > 0 && FUseSkinFont) {
    FInHeightChange = true;
    SetHeight(Value);
    FInHeightChange = false;
  } else {
    AdjustHeight();
  }
}

void TspSkinCustomEdit::SetButtonMode(bool Value) {
  if (FButtonMode == Value) return;
  FButtonMode = Value;
  if (Designing()) FSkinDataName = Value ? L"buttonedit" : L"edit";
  RecreateWnd();
}

void TspSkinCustomEdit::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  RecreateWnd();
}

void TspSkinCustomEdit::SetAlphaBlend(bool Value) {
  FAlphaBlend = Value;
  RepaintFrame();
  Invalidate();
}

void TspSkinCustomEdit::SetAlphaBlendValue(uint8_t Value) {
  FAlphaBlendValue = Value;
  if (!FAlphaBlend) return;
  RepaintFrame();
  Invalidate();
}

void TspSkinCustomEdit::SetImages(TCustomImageList* Value) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (Value) Value->FreeNotification(this);
  LayoutImageButtons();
}

void TspSkinCustomEdit::SetLeftImageIndex(int Value) {
  FLeftImageIndex = Value;
  LayoutImageButtons();
}

void TspSkinCustomEdit::SetRightImageIndex(int Value) {
  FRightImageIndex = Value;
  LayoutImageButtons();
}

bool TspSkinCustomEdit::HasImage(int Index) const { return FImages && Index >= 0 && Index < FImages->Count(); }

void TspSkinCustomEdit::LayoutImageButtons() {
  if (!HandleAllocated()) return;
  RECT cr;
  GetClientRect(Handle(), &cr);
  const bool left = HasImage(FLeftImageIndex), right = HasImage(FRightImageIndex);
  const TImageButtonsLayout l = ImageButtonsLayout(cr.right, cr.bottom, FImages ? FImages->Width() : 0, left, right);
  FLeftButton.Rect = l.Left;
  FRightButton.Rect = l.Right;
  // The window adjusts a rectangle it is given (margins, whole lines), and
  // sets its own one when its size or font changes: it is asked again unless
  // it still holds what it made of the same request.
  RECT f{l.Format.Left, l.Format.Top, l.Format.Right, l.Format.Bottom}, was{}, made{};
  SendMessageW(Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&was));
  if (EqualRect(&f, &FFormatAsked) && EqualRect(&was, &FFormatMade)) return;
  SendMessageW(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&f));
  SendMessageW(Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&made));
  FFormatAsked = f;
  FFormatMade = made;
  // The text moves and an image button comes or goes: drawn anew.
  if (!EqualRect(&made, &was)) Invalidate();
}

// No erase is asked for: the paint draws the whole text area itself, and a
// pending erase would have the system draw the edit early, whenever a
// sibling is made or moved, and again with the paint.
void TspSkinCustomEdit::Invalidate() { InvalidateWindow(RDW_INVALIDATE); }

void TspSkinCustomEdit::InvalidateWithFrame() { InvalidateWindow(RDW_INVALIDATE | RDW_FRAME); }

void TspSkinCustomEdit::InvalidateWindow(UINT Flags) {
  FLook.MakeStale();
  if (!Parent() || !HandleAllocated()) return;
  FPaintedDuringErase = false;
  // In a skin switch the form redraws every window, frames included, once
  // when it is done.
  if (FSkinData && FSkinData->SkinChanging()) return;
  RedrawWindow(Handle(), nullptr, nullptr, Flags);
}

// The frame's widths on each side for a window of W x H.
static TRect FrameWidths(const TEditLayout& L, int W, int H) {
  return TRect(L.Text.Left, L.Text.Top, W - L.Text.Right, H - L.Text.Bottom);
}

TRect TspSkinCustomEdit::FrameWanted() const { return FrameWidths(Layout(), Width(), Height()); }

void TspSkinCustomEdit::RepaintFrame() {
  if (HandleAllocated()) SendMessageW(Handle(), WM_NCPAINT, 1, 0);
}

int TspSkinCustomEdit::HitTest(const TPoint& Screen) {
  RECT wr;
  GetWindowRect(Handle(), &wr);
  const TPoint p(Screen.X - wr.left, Screen.Y - wr.top);
  const TEditLayout l = Layout();
  const TPoint c(p.X - l.Text.Left, p.Y - l.Text.Top);
  if (!FLeftButton.Rect.IsEmpty() && PtInRect(FLeftButton.Rect, c)) return HT_LEFT_IMAGE_BUTTON;
  if (!FRightButton.Rect.IsEmpty() && PtInRect(FRightButton.Rect, c)) return HT_RIGHT_IMAGE_BUTTON;
  if (!FButtonMode) return -1;
  if (PtInRect(l.Button, p)) return HTHSCROLL;
  if (PtInRect(l.Text, p)) return -1;
  return HTVSCROLL;
}

void TspSkinCustomEdit::MouseEntered() {
  FMouseIn = true;
  if (Skinned() && !Focused()) {
    SetFontColorByState();
    LayoutImageButtons();
    RepaintFrame();
    Invalidate();
  }
  if (OnMouseEnter) OnMouseEnter(this);
}

void TspSkinCustomEdit::MouseLeft() {
  FMouseIn = false;
  if (Skinned() && !Focused()) {
    SetFontColorByState();
    RepaintFrame();
    Invalidate();
  }
  if (FButton.Pressed || FButton.Hot) {
    FButton.Pressed = FButton.Hot = false;
    RepaintFrame();
  }
  if (FLeftButton.Hot || FRightButton.Hot) {
    FLeftButton.Hot = FRightButton.Hot = false;
    Invalidate();
  }
  if (OnMouseLeave) OnMouseLeave(this);
}

// Each handler returns whether it answered the message; what it leaves goes on
// to the edit underneath.
void TspSkinCustomEdit::WMNCCalcSize(TMessage& Message) {
  auto* r = reinterpret_cast<RECT*>(Message.LParam);  // first rectangle of NCCALCSIZE_PARAMS too
  const TEditLayout l = Layout();
  const int w = r->right - r->left, h = r->bottom - r->top;
  FFrameGiven = FrameWidths(l, w, h);
  r->left += l.Text.Left;
  r->top += l.Text.Top;
  r->right -= w - l.Text.Right;
  r->bottom -= h - l.Text.Bottom;
  if (r->right < r->left) r->right = r->left;
  if (r->bottom < r->top) r->bottom = r->top;
  Message.Result = 0;
}

void TspSkinCustomEdit::WMNCPaint(TMessage& Message) {
  HDC dc = GetWindowDC(Handle());
  PaintFrameTo(dc, true);
  ReleaseDC(Handle(), dc);
  Message.Result = 0;
}

// The text area's background, the image buttons and the text in one go, so
// that the text never shows over an unpainted background.
void TspSkinCustomEdit::PaintWhole(HDC DC) {
  PaintTextBackground(DC);
  TCanvas canvas;
  canvas.SetHandle(DC);
  DrawImageButtons(&canvas);
  canvas.SetHandle(nullptr);
  SendMessageW(Handle(), WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
}

void TspSkinCustomEdit::WMEraseBkgnd(TMessage& Message) {
  PaintWhole(reinterpret_cast<HDC>(Message.WParam));
  FPaintedDuringErase = true;
  Message.Result = 1;
}

// The system edit's own paint would erase (painting the whole text area
// through WMEraseBkgnd) and then draw its text a second time over it, the
// smoothed edges of the letters darkening: a paint of the window is the
// erase's one whole paint, or one made here when no erase was asked for.
void TspSkinCustomEdit::WMPaint(TMessage& Message) {
  HDC given = reinterpret_cast<HDC>(Message.WParam);
  if (given) {
    if (Enabled()) DefaultHandler(Message);
    else PaintDisabledText(given);
    return;
  }
  // An erase asked for since the erase's paint (the window's margins and
  // font set after it showed) paints the whole area again as it begins.
  const bool painted = FPaintedDuringErase;
  FPaintedDuringErase = false;
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Handle(), &ps);
  if (!painted && !FPaintedDuringErase) PaintWhole(dc);
  FPaintedDuringErase = false;
  EndPaint(Handle(), &ps);
}

bool TspSkinCustomEdit::WMNCHitTest(TMessage& Message) {
  if (Designing()) return false;
  const int hit = HitTest(TPoint(Message.XPos(), Message.YPos()));
  const bool lh = hit == HT_LEFT_IMAGE_BUTTON, rh = hit == HT_RIGHT_IMAGE_BUTTON;
  if (lh != FLeftButton.Hot || rh != FRightButton.Hot) {
    FLeftButton.Hot = lh;
    FRightButton.Hot = rh;
    Invalidate();
  }
  if (hit == -1) return false;
  Message.Result = hit;
  return true;
}

bool TspSkinCustomEdit::WMNCLButtonDown(TMessage& Message) {
  switch (Message.WParam) {
    case HT_LEFT_IMAGE_BUTTON:
    case HT_RIGHT_IMAGE_BUTTON:
      (Message.WParam == HT_LEFT_IMAGE_BUTTON ? FLeftButton : FRightButton).Pressed = true;
      if (!Focused()) FocusIfAble();
      Invalidate();
      return true;
    case HTHSCROLL:
      FButton.Pressed = true;
      RepaintFrame();
      return true;
    case HTVSCROLL:
      return true;  // the frame around the text takes no clicks
  }
  return false;
}

bool TspSkinCustomEdit::WMNCLButtonUp(TMessage& Message) {
  switch (Message.WParam) {
    case HT_LEFT_IMAGE_BUTTON:
    case HT_RIGHT_IMAGE_BUTTON: {
      TEditButton& b = Message.WParam == HT_LEFT_IMAGE_BUTTON ? FLeftButton : FRightButton;
      if (!b.Pressed) return true;
      b.Pressed = false;
      Invalidate();
      const TNotifyEvent& e = Message.WParam == HT_LEFT_IMAGE_BUTTON ? OnLeftButtonClick : OnRightButtonClick;
      if (e) e(this);
      return true;
    }
    case HTHSCROLL:
      if (!FButtonMode || Designing() || !FButton.Pressed) return false;
      FButton.Pressed = false;
      RepaintFrame();
      if (!Focused()) FocusIfAble();
      if (OnButtonClick) OnButtonClick(this);
      return true;
  }
  return false;
}

bool TspSkinCustomEdit::WMNCMouseMove(TMessage& Message) {
  if (!FButtonMode) return false;
  const bool hot = Message.WParam == HTHSCROLL;
  if (FButton.Hot != hot) {
    FButton.Hot = hot;
    RepaintFrame();
    Invalidate();
  }
  return hot;
}

void TspSkinCustomEdit::FocusChanged() {
  RepaintFrame();
  Invalidate();
  if (Skinned() && !FMouseIn) SetFontColorByState();
  LayoutImageButtons();
}

void TspSkinCustomEdit::Dispatch(TMessage& Message) {
  using Base = TspSkinLinked<TspCustomEdit>;
  switch (Message.Msg) {
    case MSG_PAINT_FRAME_QUERY:
      if (Message.WParam) {
        PaintFrameTo(reinterpret_cast<HDC>(Message.WParam), false);
        Message.Result = MSG_PAINT_FRAME_ANSWER;
      }
      return;
    case MSG_PAINT_FRAME_CLIPPED:
      if (Message.LParam != MSG_PAINT_FRAME_CLIPPED_KEY) break;
      PaintFrameTo(reinterpret_cast<HDC>(Message.WParam), true);
      RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
      Message.Result = MSG_PAINT_FRAME_CLIPPED_KEY;
      return;
    case WM_NCCALCSIZE: WMNCCalcSize(Message); return;
    case WM_NCPAINT: WMNCPaint(Message); return;
    case WM_ERASEBKGND: WMEraseBkgnd(Message); return;
    case WM_PAINT: WMPaint(Message); return;
    case WM_NCHITTEST:
      if (WMNCHitTest(Message)) return;
      break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (WMNCLButtonDown(Message)) return;
      break;
    case WM_NCLBUTTONUP:
      if (WMNCLButtonUp(Message)) return;
      break;
    case WM_NCMOUSEMOVE:
      if (WMNCMouseMove(Message)) return;
      break;
    case WM_MOUSEMOVE:
      if (FButton.Hot) {
        FButton.Hot = false;
        RepaintFrame();
      }
      break;
    case WM_SIZE:
      Base::Dispatch(Message);
      LayoutImageButtons();
      return;
    case WM_MOVE:
      // The skin paints the whole text area, so a move shows the same
      // picture: not drawn anew as a see-through edit is (SetBounds redraws
      // a blended one).
      TCustomMaskEdit::Dispatch(Message);
      return;
    case CM_MOUSEENTER:
      Base::Dispatch(Message);
      MouseEntered();
      return;
    case CM_MOUSELEAVE:
      Base::Dispatch(Message);
      MouseLeft();
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Base::Dispatch(Message);
      FocusChanged();
      return;
    case CM_ENABLEDCHANGED:
      Base::Dispatch(Message);
      SetFontColorByState();
      RepaintFrame();
      Invalidate();
      return;
    case CM_FONTCHANGED:
      Base::Dispatch(Message);
      if (!FUseSkinFont && !Designing()) AdjustHeight();
      return;
  }
  Base::Dispatch(Message);
}

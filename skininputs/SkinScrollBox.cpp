// The skinned scroll box: bar ranges, scrolling, the frame and the background.
#include "skininputs/SkinScrollBox.h"

#include <algorithm>
#include <climits>

#include "skin/SPUtils.h"
#include "skininputs/SkinEdit.h"
#include "skininputs/SkinScrollBoxRanges.h"

TspSkinScrollBox::TspSkinScrollBox(TComponent* AOwner) : TspSkinCustomControl(AOwner) {
  FControlStyle.Include(csAcceptsControls);
  FSkinDataName = L"scrollbox";
  SetColor(clWindow);
  SetBounds(Left(), Top(), 150, 150);
}

void TspSkinScrollBox::LinkBar(TspSkinScrollBar*& Field, TspSkinScrollBar* Value, bool Vertical) {
  if (Field) Field->RemoveFreeNotification(this);
  Field = Value;
  if (!Value) return;
  Value->FreeNotification(this);
  Value->SetCanFocused(false);
  Value->SetEnabled(true);
  Value->SetVisible(false);
  Value->OnChange = [this, Vertical](TObject*) { BarChanged(Vertical); };
  Value->OnLastChange = [this](TObject*) { Invalidate(); };
  UpdateBar(Vertical);
}

void TspSkinScrollBox::SetVScrollBar(TspSkinScrollBar* Value) { LinkBar(FVScrollBar, Value, true); }
void TspSkinScrollBox::SetHScrollBar(TspSkinScrollBar* Value) { LinkBar(FHScrollBar, Value, false); }

void TspSkinScrollBox::Notification(TComponent* AComponent, TOperation Operation) {
  TspSkinCustomControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FVScrollBar) FVScrollBar = nullptr;
  if (AComponent == FHScrollBar) FHScrollBar = nullptr;
}

void TspSkinScrollBox::SetBorderStyle(TspSkinBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  FrameChanged();
}

void TspSkinScrollBox::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  FBGPictureIndex = -1;
  if (auto* r = SkinRecordAs<TspDataSkinScrollBoxControl>()) FBGPictureIndex = r->BGPictureIndex;
}

void TspSkinScrollBox::ChangeSkinData() {
  // The frame is drawn from the skin (the frame's size is asked of the new
  // record): the box asks its window for a new frame and keeps the window,
  // and with it every window inside; then it paints once.
  FrameChanged();
  TspSkinCustomControl::ChangeSkinData();
  // Writing Align again makes the parent place the bars for their new size.
  for (TspSkinScrollBar* bar : {FVScrollBar, FHScrollBar})
    if (bar) {
      const TAlign a = bar->Align();
      bar->SetAlign(alNone);
      bar->SetAlign(a);
    }
}

void TspSkinScrollBox::VisibleChanged() {
  TspSkinCustomControl::VisibleChanged();
  if (!Visible()) {
    for (TspSkinScrollBar* bar : {FVScrollBar, FHScrollBar})
      if (bar) bar->SetVisible(false);
  } else {
    UpdateScrollBars();
  }
}

void TspSkinScrollBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const int oldW = Width(), oldH = Height();
  TspSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  FWidthGrowth = oldW != 0 && Width() > oldW ? Width() - oldW : 0;
  FHeightGrowth = oldH != 0 && Height() > oldH ? Height() - oldH : 0;
  if (Align() != alNone) UpdateScrollBars();
}

void TspSkinScrollBox::UpdateScrollBars() {
  UpdateBar(false);
  UpdateBar(true);
}

void TspSkinScrollBox::UpdateBar(bool Vertical) {
  TspSkinScrollBar* bar = Vertical ? FVScrollBar : FHScrollBar;
  if (!bar || FUpdating || !Parent()) return;
  // Children scrolled out of view count with their negative edges.
  int extent = INT_MIN;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    if (c->Visible()) extent = std::max(extent, Vertical ? c->Top() + c->Height() : c->Left() + c->Width());
  }
  if (extent == INT_MIN) extent = 0;
  int& growth = Vertical ? FHeightGrowth : FWidthGrowth;
  const TScrollBoxRange r =
      ScrollBoxRange(Vertical ? ClientHeight() : ClientWidth(), extent, bar->Position(), growth, bar->Max());
  if (r.ScrollBack) {
    if (Vertical) ScrollChildren(0, r.ScrollBack);
    else ScrollChildren(r.ScrollBack, 0);
  }
  bar->SetRange(0, r.Max, r.PageSize, r.Position);
  growth = 0;
  (Vertical ? FVLastPos : FHLastPos) = bar->Position();
  const bool change = bar->Visible() != r.Visible;
  if (change) {
    FUpdating = true;
    bar->SetVisible(r.Visible);
    if (Align() != alNone) {
      Parent()->Realign();
      Realign();
    }
    FUpdating = false;
  }
  // The horizontal bar leaves the corner to the vertical one while it shows.
  if (FVScrollBar && FHScrollBar) FHScrollBar->SetBoth(FVScrollBar->Visible());
}

void TspSkinScrollBox::BarChanged(bool Vertical) {
  TspSkinScrollBar* bar = Vertical ? FVScrollBar : FHScrollBar;
  int& last = Vertical ? FVLastPos : FHLastPos;
  const int delta = bar->Position() - last;
  last = bar->Position();
  if (Vertical) ScrollChildren(0, -delta);
  else ScrollChildren(-delta, 0);
  if (FIndex != -1 && StretchEffect) Invalidate();
}

void TspSkinScrollBox::ScrollChildren(int DX, int DY) {
  if (DX == 0 && DY == 0) return;
  DisableAlign();
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    c->SetBounds(c->Left() + DX, c->Top() + DY, c->Width(), c->Height());
  }
  // Aligned children find their place again from the bars' positions.
  EnableAlign();
  Invalidate();
}

void TspSkinScrollBox::AdjustClientRect(TRect& Rect) const {
  const bool v = FVScrollBar && FVScrollBar->Visible(), h = FHScrollBar && FHScrollBar->Visible();
  const int w = h ? std::max(FHScrollBar->Max(), ClientWidth()) : ClientWidth();
  const int ht = v ? std::max(FVScrollBar->Max(), ClientHeight()) : ClientHeight();
  Rect = Bounds(h ? -FHScrollBar->Position() : 0, v ? -FVScrollBar->Position() : 0, w, ht);
  TspSkinCustomControl::AdjustClientRect(Rect);
}

void TspSkinScrollBox::CreateParams(TCreateParams& Params) {
  TspSkinCustomControl::CreateParams(Params);
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

bool TspSkinScrollBox::HasFrame() const {
  // A background picture fills the whole box, frame included.
  return FBorderStyle != bvNone && !(FIndex != -1 && Picture && ActivePicture(FBGPictureIndex));
}

TRect TspSkinScrollBox::FrameInsets() const {
  if (!HasFrame()) return TRect();
  if (FIndex == -1 || !Picture) return TRect(1, 1, 1, 1);
  return TRect(ClRect.Left, ClRect.Top, SkinRect.Width() - ClRect.Right, SkinRect.Height() - ClRect.Bottom);
}

bool TspSkinScrollBox::PaintFrame(HDC DC) {
  if (!HasFrame()) return false;
  TCanvas c;
  c.SetHandle(DC);
  if (FIndex != -1 && Picture) {
    int w = Width(), h = Height();
    CalcSize(w, h);
    TBitmap left, top, right, bottom;
    CreateSkinBorderImages(LTPoint, RTPoint, LBPoint, RBPoint, ClRect, NewLTPoint, NewRTPoint, NewLBPoint,
                           NewRBPoint, NewClRect, &left, &top, &right, &bottom, Picture, SkinRect, Width(), Height(),
                           LeftStretch, TopStretch, RightStretch, BottomStretch);
    c.Draw(0, 0, &top);
    c.Draw(0, top.Height(), &left);
    c.Draw(Width() - right.Width(), top.Height(), &right);
    c.Draw(0, Height() - bottom.Height(), &bottom);
  } else {
    TRect r(0, 0, Width(), Height());
    const TColor topLeft = FBorderStyle == bvLowered ? clBtnHighlight : clBtnShadow;
    const TColor bottomRight = FBorderStyle == bvRaised ? clBtnHighlight : clBtnShadow;
    Frame3D(&c, r, topLeft, bottomRight, 1);
  }
  c.SetHandle(nullptr);
  return true;
}

void TspSkinScrollBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCCALCSIZE: {
      GetSkinData();
      auto* r = reinterpret_cast<RECT*>(Message.LParam);
      const TRect in = FrameInsets();
      r->left += in.Left;
      r->top += in.Top;
      r->right = std::max<LONG>(r->left, r->right - in.Right);
      r->bottom = std::max<LONG>(r->top, r->bottom - in.Bottom);
      Message.Result = 0;
      return;
    }
    case WM_NCPAINT: {
      HDC dc = GetWindowDC(Handle());
      PaintFrame(dc);
      ReleaseDC(Handle(), dc);
      Message.Result = 0;
      return;
    }
    case WM_SIZE:
      TspSkinCustomControl::Dispatch(Message);
      SendMessageW(Handle(), WM_NCPAINT, 0, 0);
      // A box that is not aligned ranges its bars once its new size holds.
      if (Align() == alNone) UpdateScrollBars();
      return;
    case MSG_PAINT_FRAME_QUERY:
      Message.Result = Message.WParam && PaintFrame(reinterpret_cast<HDC>(Message.WParam)) ? MSG_PAINT_FRAME_ANSWER : 0;
      return;
    case MSG_PAINT_FRAME_CLIPPED:
      if (Message.LParam != MSG_PAINT_FRAME_CLIPPED_KEY) break;
      PaintFrame(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = MSG_PAINT_FRAME_CLIPPED_KEY;
      return;
  }
  TspSkinCustomControl::Dispatch(Message);
}

void TspSkinScrollBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (FCanFocused && !Designing() && !Focused()) {
        FFocusing = true;
        const bool focused = FocusIfAble();
        FFocusing = false;
        if (!focused) return;
      }
      break;
    case CN_COMMAND:
      if (FFocusing) return;
      break;
  }
  TspSkinCustomControl::WndProc(Message);
}

void TspSkinScrollBox::Paint() {
  GetSkinData();
  const TRect client(0, 0, ClientWidth(), ClientHeight());
  if (client.IsEmpty()) return;
  if (FIndex == -1 || !Picture) {
    TspSkinCustomControl::Paint();
    return;
  }
  TBitmap* bg = ActivePicture(FBGPictureIndex);
  TBitmap* source = bg ? bg : Picture;
  const TRect piece = bg ? TRect(0, 0, bg->Width(), bg->Height())
                         : Bounds(SkinRect.Left + ClRect.Left, SkinRect.Top + ClRect.Top, ClRect.Width(),
                                  ClRect.Height());
  const TRect dest = StretchEffect && StretchType == 0 ? TRect(0, 0, Width(), Height()) : client;
  DrawPieceFill(Canvas(), source, piece, dest, StretchEffect, StretchType);
}

void TspSkinScrollBox::CreateControlDefaultImage(TBitmap* B) {
  B->Canvas()->Brush()->SetColor(Color());
  B->Canvas()->FillRect(TRect(0, 0, B->Width(), B->Height()));
}

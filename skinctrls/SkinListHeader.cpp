// The skinned list view's column header: the system header window keeps its
// behaviour, and the view paints it from the skin's button record.
#include "classlib/SystemCallback.h"
#include "skin/SPUtils_text.h"
#include "skinctrls/PartLook.h"
#include "skinctrls/SkinListView.h"
#include "classlib/RaiseFor.h"

namespace {

const wchar_t kHeaderOwnerProp[] = L"SkinGui.SkinListHeader";

}  // namespace

void TspSkinCustomListView::TakeHeader(HWND Header) {
  ReleaseHeader();
  FHeader = Header;
  SetPropW(Header, kHeaderOwnerProp, this);
  FOldHeaderProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(Header, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TspSkinCustomListView::HeaderWndProc)));
}

void TspSkinCustomListView::ReleaseHeader() {
  if (!FHeader) return;
  if (IsWindow(FHeader)) {
    SetWindowLongPtrW(FHeader, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOldHeaderProc));
    RemovePropW(FHeader, kHeaderOwnerProp);
  }
  FHeader = nullptr;
  FOldHeaderProc = nullptr;
  FPressedSection = -1;
  FSectionPressed = FDividerDragged = false;
}

LRESULT CALLBACK TspSkinCustomListView::HeaderWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* view = static_cast<TspSkinCustomListView*>(GetPropW(Wnd, kHeaderOwnerProp));
  if (!view || view->FHeader != Wnd) return DefWindowProcW(Wnd, Msg, WParam, LParam);
  // The header's messages are the view's.
  return FromSystem(view, LRESULT(0), [&] {
    return view->HeaderMessage(Msg, WParam, LParam);
  });
}

LRESULT TspSkinCustomListView::HeaderMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
    case WM_WINDOWPOSCHANGING:
      // The header reaches past the view's right edge, where its own bar would be.
      reinterpret_cast<WINDOWPOS*>(LParam)->cx += 25;
      return 0;
    case WM_PAINT: {
      if (WParam) {
        PaintHeader(reinterpret_cast<HDC>(WParam));
      } else {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(FHeader, &ps);
        PaintHeader(dc);
        EndPaint(FHeader, &ps);
      }
      return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_NCDESTROY: {
      HWND header = FHeader;
      WNDPROC old = FOldHeaderProc;
      ReleaseHeader();
      return CallWindowProcW(old, header, Msg, WParam, LParam);
    }
  }
  const HWND header = FHeader;
  const LRESULT result = CallWindowProcW(FOldHeaderProc, header, Msg, WParam, LParam);
  if (FHeader != header) return result;
  switch (Msg) {
    case WM_MOUSEMOVE:
      if (FDividerDragged) RedrawHeader();
      break;
    case WM_LBUTTONDOWN: {
      const TPoint p(static_cast<short>(LOWORD(LParam)), static_cast<short>(HIWORD(LParam)));
      FPressedSection = SectionAt(p);
      HDHITTESTINFO hit = {};
      hit.pt = {p.X, p.Y};
      SendMessageW(FHeader, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
      if (hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN)) FDividerDragged = true;
      else FSectionPressed = true;
      RedrawHeader();
      break;
    }
    case WM_LBUTTONUP:
      FSectionPressed = FDividerDragged = false;
      FPressedSection = -1;
      RedrawHeader();
      break;
  }
  return result;
}

void TspSkinCustomListView::RedrawHeader() {
  if (!FHeader) return;
  InvalidateRect(FHeader, nullptr, FALSE);
  UpdateWindow(FHeader);
}

int TspSkinCustomListView::SectionAt(const TPoint& P) {
  const int n = static_cast<int>(SendMessageW(FHeader, HDM_GETITEMCOUNT, 0, 0));
  if (n <= 0) return -1;
  std::vector<int> order(n);
  for (int i = 0; i < n; ++i) order[i] = i;
  if (FullDrag()) SendMessageW(FHeader, HDM_GETORDERARRAY, n, reinterpret_cast<LPARAM>(order.data()));
  for (int index : order) {
    RECT r;
    if (SendMessageW(FHeader, HDM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)) && P.X >= r.left &&
        P.X < r.right && P.Y >= r.top && P.Y < r.bottom)
      return index;
  }
  return -1;
}

void TspSkinCustomListView::PaintHeader(HDC DC) {
  RECT client;
  GetClientRect(FHeader, &client);
  const int w = client.right, h = client.bottom;
  if (w <= 0 || h <= 0) return;
  TBitmap buffer;
  buffer.SetSize(w, h);
  TCanvas* canvas = buffer.Canvas();
  const int n = static_cast<int>(SendMessageW(FHeader, HDM_GETITEMCOUNT, 0, 0));
  int right = 0;
  for (int i = 0; i < n && i < Columns()->Count(); ++i) {
    RECT r;
    if (!SendMessageW(FHeader, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r))) continue;
    DrawHeaderSection(canvas, Column(i), Rect(r.left, r.top, r.right, r.bottom), FSectionPressed && i == FPressedSection);
    right = std::max(right, static_cast<int>(r.right));
  }
  if (right < w) {
    const TRect rest(right, 0, w + 1, h);
    TColor unused;
    if (!DrawSkinButtonPart(canvas, FSkinData, FHeaderSkinDataName, rest, psIdle, unused))
      DrawDefaultPart(canvas, rest, psIdle);
  }
  BitBlt(DC, 0, 0, w, h, canvas->Handle(), 0, 0, SRCCOPY);
}

void TspSkinCustomListView::DrawHeaderSection(TCanvas* Cnvs, TListColumn* Column, const TRect& R, bool Pressed) {
  const int w = R.Width(), h = R.Height();
  if (w <= 0 || h <= 0) return;
  TBitmap work;
  work.SetSize(w, h);
  TCanvas* c = work.Canvas();
  const TRect local(0, 0, w, h);
  const TspPartState state = Pressed ? psPressed : psIdle;
  TColor fontColor = clBtnText;
  if (!DrawSkinButtonPart(c, FSkinData, FHeaderSkinDataName, local, state, fontColor)) {
    DrawDefaultPart(c, local, state);
    fontColor = clBtnText;
  }
  c->Font()->Assign(Font());
  c->Font()->SetColor(fontColor);
  if (OnDrawHeaderSection) {
    RaiseFor(this, OnDrawHeaderSection, c, Column, Pressed, local);
  } else {
    TCustomImageList* images = SmallImages();
    const bool image = images && Column->ImageIndex() >= 0 && Column->ImageIndex() < images->Count();
    const int imageRoom = image ? images->Width() + 10 : 0;
    String caption = Column->Caption();
    FitTextWithEllipsis(c, caption, std::max(0, w - 10 - imageRoom));
    const int content = c->TextWidth(caption) + imageRoom;
    int x = 5;
    if (Column->Alignment() == taRightJustify) x = w - 5 - content;
    else if (Column->Alignment() == taCenter) x = 5 + (w - 10 - content) / 2;
    if (image) {
      images->Draw(c, x, (h - images->Height()) / 2, Column->ImageIndex());
      x += imageRoom;
    }
    c->Brush()->SetStyle(bsClear);
    c->TextOut(x, (h - c->TextHeight(caption)) / 2, caption);
  }
  Cnvs->Draw(R.Left, R.Top, &work);
}

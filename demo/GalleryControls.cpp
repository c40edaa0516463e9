#include "demo/GalleryControls.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "skin/SPUtils_draw.h"
#include "skin/SPUtils_region.h"
#include "skin/SPUtils_text.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// Color moved towards Target by K (0: Color, 1: Target).
TColor Mix(TColor Color, TColor Target, double K) {
  auto channel = [K](uint8_t a, uint8_t b) { return static_cast<uint8_t>(a + (b - a) * K); };
  return MakeColor(channel(GetRedOf(Color), GetRedOf(Target)), channel(GetGreenOf(Color), GetGreenOf(Target)),
                   channel(GetBlueOf(Color), GetBlueOf(Target)));
}

}  // namespace

// --- TSwatch ---------------------------------------------------------------

TSwatch::TSwatch(TComponent* AOwner, TColor ABaseColor) : TCustomControl(AOwner), FBaseColor(ABaseColor) {
  SetTabStop(true);
}

void TSwatch::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_MOUSEENTER || Message.Msg == CM_MOUSELEAVE) Invalidate();
  TCustomControl::Dispatch(Message);
}

void TSwatch::Click() {
  ++FClicks;
  Invalidate();
  TCustomControl::Click();
}

void TSwatch::Paint() {
  TCanvas* c = Canvas();
  const TRect r = ClientRect();
  TColor face = FBaseColor;
  if (FPressed)
    face = Mix(FBaseColor, clBlack, 0.35);
  else if (MouseInControl())
    face = Mix(FBaseColor, clWhite, 0.45);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(face);
  c->FillRect(r);
  c->Brush()->SetColor(Mix(FBaseColor, clBlack, 0.5));
  c->FrameRect(r);
  c->Font()->Assign(Font());
  c->Font()->SetColor(clBlack);
  c->Brush()->SetStyle(bsClear);
  TRect text = Rect(r.Left, r.Top + 8, r.Right, r.Bottom);
  CanvasDrawText(c, Caption() + L"\n" + std::to_wstring(FClicks) + L" \x6B21", text, DT_CENTER | DT_NOPREFIX);
  if (Focused()) DrawDottedFocusRect(c, Rect(r.Left + 3, r.Top + 3, r.Right - 3, r.Bottom - 3));
}

void TSwatch::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    if (CanFocus()) SetFocus();
    FPressed = true;
    Invalidate();
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TSwatch::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    FPressed = false;
    Invalidate();
  }
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TSwatch::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_SPACE) Click();
  TCustomControl::KeyDown(Key, Shift);
}

void TSwatch::DoEnter() {
  Invalidate();
  TCustomControl::DoEnter();
}

void TSwatch::DoExit() {
  Invalidate();
  TCustomControl::DoExit();
}

// --- THoverStar ------------------------------------------------------------

THoverStar::THoverStar(TComponent* AOwner) : TGraphicControl(AOwner) {}

void THoverStar::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_MOUSEENTER || Message.Msg == CM_MOUSELEAVE) Invalidate();
  TGraphicControl::Dispatch(Message);
}

void THoverStar::Paint() {
  TCanvas* c = Canvas();
  const double cx = Width() / 2.0, cy = Height() / 2.0;
  const double outer = std::min(cx, cy) - 1, inner = outer * 0.45;
  std::vector<TPoint> points;
  for (int i = 0; i < 10; ++i) {
    const double radius = i % 2 ? inner : outer;
    const double angle = -kPi / 2 + i * kPi / 5;
    points.push_back(Point(static_cast<int>(cx + radius * std::cos(angle)),
                           static_cast<int>(cy + radius * std::sin(angle))));
  }
  c->Pen()->SetColor(MouseInControl() ? MakeColor(160, 110, 0) : MakeColor(90, 90, 110));
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(MouseInControl() ? MakeColor(255, 200, 40) : MakeColor(190, 195, 210));
  c->Polygon(points);
}

// --- TShapedControl ----------------------------------------------------------

namespace {
constexpr int kMaskSize = 40, kCorner = 12, kTooth = 4;
}

TShapedControl::TShapedControl(TComponent* AOwner) : TCustomControl(AOwner) {
  // Rounded corners of radius 12 and, along the middle of every edge, a notch
  // every 8 pixels: the region shows the corners kept and the edges tiled.
  FMask.SetSize(kMaskSize, kMaskSize);
  TCanvas* m = FMask.Canvas();
  for (int y = 0; y < kMaskSize; ++y)
    for (int x = 0; x < kMaskSize; ++x) {
      const int dx = std::max({kCorner - x, x - (kMaskSize - 1 - kCorner), 0});
      const int dy = std::max({kCorner - y, y - (kMaskSize - 1 - kCorner), 0});
      bool inside = dx * dx + dy * dy <= kCorner * kCorner;
      const bool topOrBottom = y < kTooth || y >= kMaskSize - kTooth;
      const bool leftOrRight = x < kTooth || x >= kMaskSize - kTooth;
      if (topOrBottom && dx == 0 && x % 8 >= 4) inside = false;
      if (leftOrRight && dy == 0 && y % 8 >= 4) inside = false;
      m->SetPixels(x, y, inside ? clBlack : clWhite);
    }
}

void TShapedControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const bool resized = AWidth != Width() || AHeight != Height();
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (resized) ApplyRegion();
}

void TShapedControl::CreateHandleDone() {
  TCustomControl::CreateHandleDone();
  ApplyRegion();
}

void TShapedControl::ApplyRegion() {
  if (!HandleAllocated()) return;
  const int w = Width(), h = Height(), e = kMaskSize - kCorner;
  HRGN rgn = nullptr;
  CreateSkinRegion(rgn, Point(kCorner, kCorner), Point(e, kCorner), Point(kCorner, e), Point(e, e),
                   Rect(kCorner, kCorner, e, e), Point(kCorner, kCorner), Point(w - kCorner, kCorner),
                   Point(kCorner, h - kCorner), Point(w - kCorner, h - kCorner),
                   Rect(kCorner, kCorner, w - kCorner, h - kCorner), &FMask, w, h);
  // A region the window accepted belongs to the system from then on.
  if (rgn && !SetWindowRgn(Handle(), rgn, TRUE)) DeleteObject(rgn);
}

void TShapedControl::Paint() {
  TCanvas* c = Canvas();
  for (int y = 0; y < Height(); y += 4) {
    // Deep enough at its lightest that the white caption reads at 4.5 to 1.
    c->Brush()->SetColor(Mix(MakeColor(190, 70, 15), MakeColor(160, 25, 75), double(y) / Height()));
    c->FillRect(Rect(0, y, Width(), y + 4));
  }
  c->Font()->Assign(Font());
  c->Font()->SetColor(clWhite);
  c->Brush()->SetStyle(bsClear);
  TRect r = ClientRect();
  CanvasDrawText(c, Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// --- TGlowPanel --------------------------------------------------------------

TGlowPanel::TGlowPanel(TComponent* AOwner) : TCustomControl(AOwner), FGlow(new TspLayerManager(this)) {}

void TGlowPanel::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_MOUSEENTER) {
    // A soft blue oval beside the panel. The mask's grey is each pixel's
    // alpha; the picture fades to black with it, as a skin's glow picture does.
    const int w = 110, h = Height() + 24;
    FGlowPicture.SetSize(w, h);
    FGlowMask.SetSize(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const double d = std::hypot((x - w / 2.0) / (w / 2.0), (y - h / 2.0) / (h / 2.0));
        const double k = d >= 1 ? 0 : (1 - d) * (1 - d);
        const auto v = static_cast<uint8_t>(255 * k);
        FGlowMask.Canvas()->SetPixels(x, y, MakeColor(v, v, v));
        FGlowPicture.Canvas()->SetPixels(x, y, Mix(clBlack, MakeColor(40, 170, 255), k));
      }
    const TPoint at = ClientToScreen(Point(Width() + 4, -12));
    FGlow->Show(at.X, at.Y, &FGlowPicture, &FGlowMask, 230);
    Invalidate();
  } else if (Message.Msg == CM_MOUSELEAVE) {
    FGlow->Hide();
    Invalidate();
  }
  TCustomControl::Dispatch(Message);
}

void TGlowPanel::Paint() {
  TCanvas* c = Canvas();
  const TRect r = ClientRect();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(MouseInControl() ? MakeColor(215, 235, 255) : MakeColor(235, 238, 245));
  c->FillRect(r);
  c->Brush()->SetColor(MakeColor(40, 120, 200));
  c->FrameRect(r);
  c->Font()->Assign(Font());
  c->Font()->SetColor(MakeColor(20, 60, 120));
  c->Brush()->SetStyle(bsClear);
  TRect text = r;
  CanvasDrawText(c, Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// The Objects skin: the default look with a band under the client that
// holds one frame object of every kind, skin cursors and background pictures.
#include <cmath>

#include "tools/SkinArt/ArtLayout.h"
#include "tools/SkinArt/ArtSkin.h"

namespace {

using namespace frame;

constexpr int kBand = 48;                   // height of the object band
constexpr int kBandTop = kClient.Bottom;    // its first row in the grown frame
constexpr int kRow1 = kBandTop + 4, kRow2 = kBandTop + 28;
// Objects left of the caption's fixed right part stay; the others follow the right side.
constexpr TRect kAnim = Rect(8, kRow1, 26, kRow1 + 18);
constexpr TRect kAnimButton = Rect(30, kRow1 - 2, 52, kRow1 + 20);
constexpr TRect kSwitch = Rect(58, kRow1 + 1, 88, kRow1 + 17);
constexpr TRect kTrack = Rect(8, kRow2, 100, kRow2 + 16);
constexpr TRect kLabel = Rect(106, kRow1, 168, kRow1 + 18);
constexpr TRect kBitLabel = Rect(172, kRow1 + 3, 212, kRow1 + 15);
constexpr TRect kFrameGauge = Rect(216, kRow1 + 1, 232, kRow1 + 17);
constexpr TRect kRegulator = Rect(236, kRow1, 254, kRow1 + 18);
constexpr TRect kGauge = Rect(108, kRow2 + 3, 238, kRow2 + 13);
constexpr TRect kGrip = Rect(242, kRow2, 254, kRow2 + 12);
constexpr int kAnimFrames = 8, kButtonFrames = 6, kGaugeFrames = 5, kRegulatorFrames = 12;
constexpr int kCellW = 8, kCellH = 12;
const wchar_t* const kSymbols = L"0123456789:";

// Rows of Old from AtY on moved down by Band; the rows between repeat row AtY - 1.
std::unique_ptr<TArtImage> Grow(const TArtImage& Old, int AtY, int Band) {
  auto image = std::make_unique<TArtImage>(Old.Width(), Old.Height() + Band, Rgb(0, 0, 0));
  for (int y = 0; y < image->Height(); ++y) {
    const int from = y < AtY ? y : y < AtY + Band ? AtY - 1 : y - Band;
    image->Copy(Old, Rect(0, from, Old.Width(), from + 1), 0, y);
  }
  return image;
}

void PaintBand(TArtImage& Image, const TSkinPalette& P) {
  Image.Fill(Rect(kBorder, kBandTop, kWidth - kBorder, kBandTop + kBand), Vertical(P.BarTop, P.BarBottom, kBandTop, kBandTop + kBand));
  Image.HLine(kBorder, kWidth - kBorder, kBandTop, P.BarLine);
  // Grooves of the track bar and the gauge, the switch's off look.
  Image.FillShape(Rect(kTrack.Left, kTrack.Top + 6, kTrack.Right, kTrack.Top + 10),
                  RoundRectShape(kTrack.Left + 2, kTrack.Top + 6, kTrack.Right - 2, kTrack.Top + 10, 2), P.Border);
  Image.Fill(kGauge, P.Window);
  Image.Frame(kGauge, P.Border);
  Image.FillShape(kSwitch, RoundRectShape(kSwitch.Left, kSwitch.Top, kSwitch.Right, kSwitch.Bottom, 8), P.TextDim);
  Image.FillShape(kSwitch, RoundRectShape(kSwitch.Left + 2, kSwitch.Top + 2, kSwitch.Left + 14, kSwitch.Bottom - 2, 6),
                  P.Window);
  // The size grip: three rows of dots.
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j <= i; ++j) Image.Fill(Rect(kGrip.Right - 4 - j * 4, kGrip.Top + i * 4, kGrip.Right - 2 - j * 4, kGrip.Top + i * 4 + 2), P.TextDim);
}

TShape Disc(double X, double Y, double R) {
  return [=](double px, double py) { return (px - X) * (px - X) + (py - Y) * (py - Y) <= R * R; };
}

// A ring with a dot at Angle (radians, clockwise from the top) in a Size cell at (X, Y).
void PaintDial(TArtImage& Image, int X, int Y, int Size, double Angle, TRgb Ring, TRgb Dot) {
  const double c = Size / 2.0, r = Size / 2.0 - 1;
  const TRect cell = Rect(X, Y, X + Size, Y + Size);
  Image.FillShape(cell, [=](double px, double py) {
    const double d = std::hypot(px - X - c, py - Y - c);
    return d <= r && d >= r - 2;
  }, Ring);
  Image.FillShape(cell, Disc(X + c + std::sin(Angle) * (r - 4), Y + c - std::cos(Angle) * (r - 4), 2.2), Dot);
}

// Digits and the colon of the bit label, three by five dots, each dot 2 x 2.
const char* const kDigitRows[11][5] = {
    {"###", "#.#", "#.#", "#.#", "###"}, {".#.", "##.", ".#.", ".#.", "###"}, {"###", "..#", "###", "#..", "###"},
    {"###", "..#", "###", "..#", "###"}, {"#.#", "#.#", "###", "..#", "..#"}, {"###", "#..", "###", "..#", "###"},
    {"###", "#..", "###", "#.#", "###"}, {"###", "..#", ".#.", ".#.", ".#."}, {"###", "#.#", "###", "#.#", "###"},
    {"###", "#.#", "###", "..#", "###"}, {"...", ".#.", "...", ".#.", "..."}};

// The objects picture, filled from the top: each object's frames take the
// next strip of rows.
struct TObjectStrips {
  TArtImage& Image;
  int Index;
  int Y = 0;
  // The first W x H frame of the next strip, H rows high, with 2 rows below it.
  TRect Next(int W, int H) {
    const TRect first = Rect(0, Y, W, Y + H);
    Y += H + 2;
    return first;
  }
};

// The frames grow by the band, which is painted on both; the transparent
// menu bar shows the frame's own band under the caption.
void GrowFrames(TSkinArt& Art) {
  const TSkinPalette& p = Art.Palette;
  Art.Frame = Grow(*Art.Frame, kBandTop, kBand);
  Art.InactiveFrame = Grow(*Art.InactiveFrame, kBandTop, kBand);
  Art.Mask = Grow(*Art.Mask, kBandTop, kBand);
  PaintBand(*Art.Frame, p);
  PaintBand(*Art.InactiveFrame, p);
  for (TArtImage* f : {Art.Frame.get(), Art.InactiveFrame.get()})
    f->Fill(Rect(kClient.Left, kClient.Top, kClient.Right, kClient.Top + 22),
            Vertical(Mix(p.BarTop, p.Accent, 0.12), p.BarBottom, kClient.Top, kClient.Top + 22));
}

// The cycling animation: a dot running round a ring; the frame shows the ring.
void AddSpinner(TSkinArt& Art, TObjectStrips& Strips) {
  const TSkinPalette& p = Art.Palette;
  TArtImage& o = Strips.Image;
  const TRect anim = Strips.Next(18, 18);
  for (int i = 0; i < kAnimFrames; ++i) {
    o.Copy(*Art.Frame, kAnim, i * 18, anim.Top);
    PaintDial(o, i * 18, anim.Top, 18, i * 2 * std::acos(-1.0) / kAnimFrames, p.TextDim, p.Accent);
  }
  PaintDial(*Art.Frame, kAnim.Left, kAnim.Top, 18, 0, p.TextDim, p.TextDim);
  PaintDial(*Art.InactiveFrame, kAnim.Left, kAnim.Top, 18, 0, p.TextDim, p.TextDim);
  TspDataSkinAnimate spinner(L"objspinner");
  spinner.SkinRect = kAnim;
  spinner.ActiveSkinRect = anim;
  spinner.ActivePictureIndex = Strips.Index;
  spinner.CountFrames = kAnimFrames;
  spinner.Cycle = true;
  spinner.TimerInterval = 80;
  spinner.Hint = L"Animation";
  Art.AddObject(spinner, L"animate");
}

// The animation button: its square grows while the mouse is over it; a press rolls the form up.
void AddRollUpButton(TSkinArt& Art, TObjectStrips& Strips) {
  const TSkinPalette& p = Art.Palette;
  TArtImage& o = Strips.Image;
  const TRect button = Strips.Next(22, 22);
  const TRect down = Rect(kButtonFrames * 22, button.Top, kButtonFrames * 22 + 22, button.Bottom);
  for (int i = 0; i <= kButtonFrames; ++i) {
    const int x = i * 22;
    o.Copy(*Art.Frame, kAnimButton, x, button.Top);
    const bool pressed = i == kButtonFrames;
    const double k = pressed ? 1 : double(i) / (kButtonFrames - 1);
    o.FillShape(Rect(x, button.Top, x + 22, button.Bottom), RoundRectShape(x + 1, button.Top + 1, x + 21, button.Bottom - 1, 5),
                pressed ? Mix(p.Accent, Rgb(0, 0, 0), 0.3) : Mix(p.BarTop, p.Accent, k));
    o.Fill(Rect(x + 7, button.Top + 7, x + 15, button.Top + 9), pressed ? p.AccentText : Mix(p.Text, p.AccentText, k));
  }
  for (TArtImage* f : {Art.Frame.get(), Art.InactiveFrame.get()})
    f->FillShape(kAnimButton, RoundRectShape(kAnimButton.Left + 1, kAnimButton.Top + 1, kAnimButton.Right - 1, kAnimButton.Bottom - 1, 5), p.BarTop),
        f->Fill(Rect(kAnimButton.Left + 7, kAnimButton.Top + 7, kAnimButton.Left + 15, kAnimButton.Top + 9), p.Text);
  TspDataSkinAnimate rollUp(L"objrollup");
  rollUp.SkinRect = kAnimButton;
  rollUp.ActiveSkinRect = button;
  rollUp.DownSkinRect = down;
  rollUp.ActivePictureIndex = Strips.Index;
  rollUp.CountFrames = kButtonFrames;
  rollUp.ButtonStyle = true;
  rollUp.TimerInterval = 30;
  rollUp.Command = cmRollUp;
  rollUp.Hint = L"Roll up (an animation button)";
  rollUp.CursorIndex = 1;
  Art.AddObject(rollUp, L"animate");
}

// The switch: its on look in the objects picture.
void AddSwitch(TSkinArt& Art, TObjectStrips& Strips) {
  const TSkinPalette& p = Art.Palette;
  TArtImage& o = Strips.Image;
  const TRect on = Strips.Next(kSwitch.Width(), kSwitch.Height());
  o.Copy(*Art.Frame, kSwitch, 0, on.Top);
  o.FillShape(on, RoundRectShape(0, on.Top, on.Width(), on.Bottom, 8), p.Accent);
  o.FillShape(on, RoundRectShape(on.Width() - 14, on.Top + 2, on.Width() - 2, on.Bottom - 2, 6), p.AccentText);
  TspDataSkinSwitch sw(L"objswitch");
  sw.SkinRect = kSwitch;
  sw.ActiveSkinRect = on;
  sw.ActivePictureIndex = Strips.Index;
  sw.Hint = L"Switch";
  sw.CursorIndex = 1;
  Art.AddObject(sw, L"switch");
}

// The track bar's button, on the magenta key.
void AddTrackBar(TSkinArt& Art, TObjectStrips& Strips, TRgb Key) {
  const TSkinPalette& p = Art.Palette;
  TArtImage& o = Strips.Image;
  const TRect thumb = Strips.Next(10, 16);
  const TRect hotThumb = Rect(12, thumb.Top, 22, thumb.Bottom);
  o.FillShape(thumb, RoundRectShape(0, thumb.Top, 10, thumb.Bottom, 3), p.Accent);
  o.FillShape(hotThumb, RoundRectShape(12, thumb.Top, 22, thumb.Bottom, 3), Mix(p.Accent, Rgb(255, 255, 255), 0.35));
  TspDataSkinTrackBar track(L"objtrack");
  track.SkinRect = kTrack;
  track.ActivePictureIndex = Strips.Index;
  track.ButtonRect = thumb;
  track.ActiveButtonRect = hotThumb;
  track.BeginPoint = Point(6, 8);
  track.EndPoint = Point(kTrack.Width() - 6, 8);
  track.MinValue = 0;
  track.MaxValue = 100;
  track.MouseDownChangeValue = true;
  track.ButtonTransparent = true;
  track.ButtonTransparentColor = ToColor(Key);
  track.Hint = L"Track bar";
  track.CursorIndex = 2;
  Art.AddObject(track, L"trackbar");
}

// The label writes on the band itself.
void AddLabel(TSkinArt& Art) {
  const TSkinPalette& p = Art.Palette;
  TspDataSkinLabel label(L"objlabel");
  label.SkinRect = kLabel;
  label.FontName = p.FontName;
  label.FontHeight = 13;
  label.FontColor = ToColor(p.TextDim);
  label.ActiveFontColor = ToColor(p.Text);
  label.Alignment = taLeftJustify;
  label.TextValue = L"Objects";
  Art.AddObject(label, L"label");
}

// The bit label's character grid.
void AddBitLabel(TSkinArt& Art, TObjectStrips& Strips) {
  const TSkinPalette& p = Art.Palette;
  TArtImage& o = Strips.Image;
  const TRect grid = Strips.Next(kCellW * 11, kCellH);
  o.Fill(grid, p.BarBottom);
  for (int c = 0; c < 11; ++c)
    for (int r = 0; r < 5; ++r)
      for (int d = 0; d < 3; ++d)
        if (kDigitRows[c][r][d] == '#')
          o.Fill(Rect(c * kCellW + 1 + d * 2, grid.Top + 1 + r * 2, c * kCellW + 3 + d * 2, grid.Top + 3 + r * 2), p.Accent);
  TspDataSkinBitLabel clock(L"objclock");
  clock.SkinRect = kBitLabel;
  clock.ActiveSkinRect = grid;
  clock.ActivePictureIndex = Strips.Index;
  clock.SymbolWidth = kCellW;
  clock.SymbolHeight = kCellH;
  clock.Symbols = {kSymbols};
  clock.TextValue = L"12:30";
  Art.AddObject(clock, L"bitlabel");
}

// The frame gauge: a bar of five steps.
void AddFrameGauge(TSkinArt& Art, TObjectStrips& Strips) {
  const TSkinPalette& p = Art.Palette;
  TArtImage& o = Strips.Image;
  const TRect steps = Strips.Next(16, 16);
  for (int i = 0; i < kGaugeFrames; ++i) {
    const int x = i * 16;
    o.Fill(Rect(x, steps.Top, x + 16, steps.Bottom), p.BarBottom);
    o.Frame(Rect(x + 4, steps.Top, x + 12, steps.Bottom), p.Border);
    const int h = 14 * i / (kGaugeFrames - 1);
    o.Fill(Rect(x + 5, steps.Bottom - 1 - h, x + 11, steps.Bottom - 1), p.Accent);
  }
  TspDataSkinFrameGaugeObject level(L"objlevel");
  level.SkinRect = kFrameGauge;
  level.ActiveSkinRect = steps;
  level.ActivePictureIndex = Strips.Index;
  level.MinValue = 0;
  level.MaxValue = 100;
  level.CountFrames = kGaugeFrames;
  Art.AddObject(level, L"framegauge");
}

// The regulator: a dial of twelve steps.
void AddRegulator(TSkinArt& Art, TObjectStrips& Strips) {
  const TSkinPalette& p = Art.Palette;
  TArtImage& o = Strips.Image;
  const TRect dial = Strips.Next(18, 18);
  for (int i = 0; i < kRegulatorFrames; ++i) {
    o.Copy(*Art.Frame, kRegulator, i * 18, dial.Top);
    PaintDial(o, i * 18, dial.Top, 18, i * 2 * std::acos(-1.0) / kRegulatorFrames, p.Text, p.Accent);
  }
  TspDataSkinFrameRegulatorObject knob(L"objknob");
  knob.SkinRect = kRegulator;
  knob.ActiveSkinRect = dial;
  knob.ActivePictureIndex = Strips.Index;
  knob.MinValue = 0;
  knob.MaxValue = 100;
  knob.CountFrames = kRegulatorFrames;
  knob.Kind = rkVertical;
  knob.Hint = L"Regulator: drag up or down";
  knob.CursorIndex = 3;
  Art.AddObject(knob, L"frameregulator");
}

// The gauge's full look.
void AddGauge(TSkinArt& Art, TObjectStrips& Strips) {
  const TSkinPalette& p = Art.Palette;
  TArtImage& o = Strips.Image;
  const TRect full = Strips.Next(kGauge.Width(), kGauge.Height());
  o.Fill(full, Vertical(Mix(p.Accent, Rgb(255, 255, 255), 0.3), p.Accent, full.Top, full.Bottom));
  o.Frame(full, p.Border);
  TspDataSkinGauge gauge(L"objgauge");
  gauge.SkinRect = kGauge;
  gauge.ActiveSkinRect = full;
  gauge.ActivePictureIndex = Strips.Index;
  gauge.MinValue = 0;
  gauge.MaxValue = 100;
  Art.AddObject(gauge, L"gauge");
}

// [FORMINFO]: the bottom corners, sizing zones and mask reach below the band;
// backgrounds: a tiled client and a stretched MDI client.
void WriteFormInfo(TSkinArt& Art) {
  const TSkinPalette& p = Art.Palette;
  const int tile = Art.AddPicture(L"background.bmp", 16, 16, p.Face);
  TArtImage& t = Art.Picture(tile);
  t.Fill(Rect(0, 0, 8, 8), Mix(p.Face, p.Accent, 0.06));
  t.Fill(Rect(8, 8, 16, 16), Mix(p.Face, p.Accent, 0.06));
  // Large enough that its soft disc stays smooth when stretched over a big client.
  const int mdi = Art.AddPicture(L"mdibackground.bmp", 200, 150, p.Face);
  Art.Picture(mdi).Fill(Rect(0, 0, 200, 150), Vertical(Mix(p.Accent, p.Face, 0.55), Mix(p.Accent, p.Face, 0.9), 0, 150));
  Art.Picture(mdi).FillShape(Rect(40, 15, 160, 135), Disc(100, 75, 58), Mix(p.Accent, p.Face, 0.4), 0.6);

  const wchar_t* s = L"FORMINFO";
  const int h = kHeight + kBand;
  // The band's objects lie in the fixed bottom corners: the left one up to
  // the caption's fixed right part, the right one from there; only the
  // plain column between them stretches.
  WritePoint(Art.Ini, s, L"leftbottompoint", Point(kRightTop.X, kBandTop));
  WritePoint(Art.Ini, s, L"rightbottompoint", Point(kRightTop.X + 1, kBandTop));
  WritePoint(Art.Ini, s, L"hittestleftbottompoint", Point(kBorder + 6, h - kBorder - 6));
  WritePoint(Art.Ini, s, L"hittestrightbottompoint", Point(kWidth - kBorder - 6, h - kBorder - 6));
  Art.Ini.WriteInteger(s, L"bgpictureindex", tile);
  WriteBoolean(Art.Ini, s, L"stretcheffect", false);
  Art.Ini.WriteInteger(s, L"mdibgpictureindex", mdi);
  WriteBoolean(Art.Ini, s, L"mdibgstretcheffect", true);
  WriteStretchType(Art.Ini, s, L"mdibgstretchtype", spstFull);
  Art.Ini.WriteInteger(s, L"cursorindex", 0);
  WriteBoolean(Art.Ini, s, L"mainmenubartransparent", true);
  WriteRect(Art.Ini, s, L"sizegriparea", kGrip);
}

}  // namespace

void DrawFrameObjects(TSkinArt& Art) {
  GrowFrames(Art);
  const TRgb key = Rgb(255, 0, 255);
  const int pictures = Art.AddPicture(L"objects.bmp", 220, 150, key);
  TObjectStrips strips{Art.Picture(pictures), pictures};
  AddSpinner(Art, strips);
  AddRollUpButton(Art, strips);
  AddSwitch(Art, strips);
  AddTrackBar(Art, strips, key);
  AddLabel(Art);
  AddBitLabel(Art, strips);
  AddFrameGauge(Art, strips);
  AddRegulator(Art, strips);
  AddGauge(Art, strips);
  WriteFormInfo(Art);
}

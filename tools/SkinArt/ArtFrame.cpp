// The window frame: active and inactive pictures, the mask with its rounded
// corners, the rolled-up frame, [FORMINFO] and the caption object.
#include <vector>

#include "tools/SkinArt/ArtLayout.h"
#include "tools/SkinArt/ArtSkin.h"

namespace {

struct TFrameLook {
  TRgb Top, Bottom, Shine, Border;
};

// Whether each pixel's centre lies in the window's rounded outline.
std::vector<bool> FrameShape(int Width, int Height) {
  const TShape shape = RoundRectShape(0, 0, Width, Height, frame::kTopRadius, frame::kBottomRadius);
  std::vector<bool> inside(static_cast<size_t>(Width) * Height);
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) inside[static_cast<size_t>(y) * Width + x] = shape(x + 0.5, y + 0.5);
  return inside;
}

// Caption gradient with a shine line under the top edge, the face below it (a
// rolled-up frame is all caption), and a one-pixel border along the outline:
// the pixels inside that touch the outside. The mask cuts the corners, so the
// border's outer edge follows them pixel for pixel; its inner edge is smoothed
// along the curves.
void PaintFrame(TArtImage& Image, const TFrameLook& Look, const TSkinPalette& P, bool RolledUp = false) {
  const int w = Image.Width(), h = Image.Height();
  Image.Fill(Rect(0, 0, w, h), P.Face);
  Image.Fill(Rect(0, 0, w, RolledUp ? h : frame::kCaptionHeight),
             Vertical(Look.Top, Look.Bottom, 0, frame::kCaptionHeight));
  Image.HLine(0, w, 1, Look.Shine);
  const std::vector<bool> inside = FrameShape(w, h);
  auto in = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && inside[size_t(y) * w + x]; };
  const TShape inner = RoundRectShape(1, 1, w - 1, h - 1, frame::kTopRadius - 1, frame::kBottomRadius - 1);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (!in(x, y))
        Image.Set(x, y, P.Face);
      else if (!in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || !in(x, y + 1))
        Image.Set(x, y, Look.Border);
      else
        Image.Blend(x, y, Look.Border, 1 - Coverage(inner, x, y));
    }
}

void PaintMask(TArtImage& Mask) {
  const int w = Mask.Width(), h = Mask.Height();
  const std::vector<bool> inside = FrameShape(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) Mask.Set(x, y, inside[size_t(y) * w + x] ? Rgb(0, 0, 0) : Rgb(255, 255, 255));
}

void WriteFormInfo(TspSkinIni& Ini, const TRect& SizeGrip) {
  using namespace frame;
  const wchar_t* s = L"FORMINFO";
  WritePoint(Ini, s, L"lefttoppoint", kLeftTop);
  WritePoint(Ini, s, L"righttoppoint", kRightTop);
  WritePoint(Ini, s, L"leftbottompoint", kLeftBottom);
  WritePoint(Ini, s, L"rightbottompoint", kRightBottom);
  WriteRect(Ini, s, L"clientrect", kClient);
  Ini.WriteInteger(s, L"bgpictureindex", -1);
  Ini.WriteInteger(s, L"mdibgpictureindex", -1);
  for (const wchar_t* key : {L"leftstretch", L"rightstretch", L"topstretch", L"bottomstretch", L"stretcheffect"})
    WriteBoolean(Ini, s, key, true);
  WriteStretchType(Ini, s, L"stretchtype", spstFull);
  WriteBoolean(Ini, s, L"mdibgstretcheffect", false);
  WriteStretchType(Ini, s, L"mdibgstretchtype", spstFull);
  WriteRect(Ini, s, L"buttonsrect", Rect(ButtonRect(4).Left, kButtonTop, ButtonRect(0).Right, ButtonRect(0).Bottom));
  WriteRect(Ini, s, L"captionrect", kCaptionRect);
  Ini.WriteInteger(s, L"buttonsoffset", 4);
  WriteBoolean(Ini, s, L"buttonsinleft", false);
  WriteRect(Ini, s, L"maskrectarea", kClient);
  // Sizing zones: the corners' size on each side of the outline.
  WritePoint(Ini, s, L"hittestlefttoppoint", Point(kBorder + 6, kBorder + 6));
  WritePoint(Ini, s, L"hittestrighttoppoint", Point(kWidth - kBorder - 6, kBorder + 6));
  WritePoint(Ini, s, L"hittestleftbottompoint", Point(kBorder + 6, kHeight - kBorder - 6));
  WritePoint(Ini, s, L"hittestrightbottompoint", Point(kWidth - kBorder - 6, kHeight - kBorder - 6));
  WritePoint(Ini, s, L"rollupleftpoint", Point(kLeftTop.X, kRollUpHeight));
  WritePoint(Ini, s, L"rolluprightpoint", Point(kRightTop.X, kRollUpHeight));
  WriteRect(Ini, s, L"mainmenurect", Rect(kClient.Left, kClient.Top, kClient.Right, kClient.Top + 22));
  WriteRect(Ini, s, L"iconrect", kIconRect);
  WriteBoolean(Ini, s, L"mainmenupopupup", false);
  Ini.WriteInteger(s, L"borderwidth", kBorder);
  Ini.WriteInteger(s, L"formminwidth", kLeftTop.X + kWidth - kRightTop.X + 20);
  WriteBoolean(Ini, s, L"mditabstransparent", false);
  WriteBoolean(Ini, s, L"mainmenubartransparent", false);
  Ini.WriteInteger(s, L"cursorindex", -1);
  WriteBoolean(Ini, s, L"autorenderinginactiveimage", false);
  Ini.WriteString(s, L"inactiveeffect", L"iebrightness");
  WriteRect(Ini, s, L"sizegriparea", SizeGrip);
  Ini.WriteString(s, L"statusbarname", L"statusbar");
}

}  // namespace

void DrawFrame(TSkinArt& Art) {
  using namespace frame;
  const TSkinPalette& p = Art.Palette;
  const TFrameLook active{p.CaptionTop, p.CaptionBottom, p.CaptionShine, p.FrameBorder};
  const TFrameLook inactive{p.InactiveCaptionTop, p.InactiveCaptionBottom, p.InactiveCaptionShine,
                            p.InactiveFrameBorder};
  // Where the form answers as its size grip; the client piece stretches, so
  // the grip itself is drawn by the status bar, not by the frame picture.
  const TRect grip = Rect(kClient.Right - 14, kClient.Bottom - 14, kClient.Right, kClient.Bottom);
  Art.Frame = std::make_unique<TArtImage>(kWidth, kHeight, p.Face);
  PaintFrame(*Art.Frame, active, p);
  Art.InactiveFrame = std::make_unique<TArtImage>(kWidth, kHeight, p.Face);
  PaintFrame(*Art.InactiveFrame, inactive, p);
  Art.Mask = std::make_unique<TArtImage>(kWidth, kHeight, p.Face);
  PaintMask(*Art.Mask);
  Art.RollUp = std::make_unique<TArtImage>(kWidth, kRollUpHeight, p.Face);
  PaintFrame(*Art.RollUp, active, p, true);
  Art.RollUpMask = std::make_unique<TArtImage>(kWidth, kRollUpHeight, p.Face);
  PaintMask(*Art.RollUpMask);
  WriteFormInfo(Art.Ini, grip);
}

void AddClientBackground(TSkinArt& Art) {
  // A form's client shows the skin's face, not the system's: text in the
  // skin's colours on controls placed straight on the form (check boxes,
  // labels) then reads on it as it does on the skin's panels. A uniform
  // picture tiles cheaply and needs no redraw when the form is resized.
  const int index = Art.AddPicture(L"client.bmp", 32, 32, Art.Palette.Face);
  Art.Ini.WriteInteger(L"FORMINFO", L"bgpictureindex", index);
  WriteBoolean(Art.Ini, L"FORMINFO", L"stretcheffect", false);
}

void AddCaption(TSkinArt& Art) {
  const TSkinPalette& p = Art.Palette;
  TspDataSkinCaption caption(L"caption");
  caption.SkinRect = frame::kCaptionRect;
  caption.TextRect = frame::kCaptionRect;
  caption.FontName = p.FontName;
  caption.FontHeight = p.CaptionFontHeight;
  caption.FontColor = ToColor(p.InactiveCaptionText);
  caption.ActiveFontColor = ToColor(p.CaptionText);
  caption.Alignment = taLeftJustify;
  Art.AddObject(caption, L"caption");
}

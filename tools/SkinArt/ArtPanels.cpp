// Panel-type controls: panel, group box, tool panel and status bar with its
// grip, and the check and roll-up marks of panel captions.
#include <algorithm>

#include "tools/SkinArt/ArtSkin.h"

namespace {

// Pixels of this colour are left out where a piece is drawn transparently.
constexpr TRgb kKey = Rgb(255, 0, 255);

// A box of one-pixel lines whose corner pixels stay transparent.
void MarkBox(TArtImage& I, const TRect& R, TRgb Edge, TRgb Inside) {
  I.Fill(R, kKey);
  I.Fill(Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1), Inside);
  I.HLine(R.Left + 1, R.Right - 1, R.Top, Edge);
  I.HLine(R.Left + 1, R.Right - 1, R.Bottom - 1, Edge);
  I.VLine(R.Left, R.Top + 1, R.Bottom - 1, Edge);
  I.VLine(R.Right - 1, R.Top + 1, R.Bottom - 1, Edge);
}

struct TPanelMarks {
  TRect Check, Uncheck, MarkFrame;
};

// The caption's check box (checked and unchecked) and the frame behind the
// roll-up arrow, drawn once for every panel-type record.
TPanelMarks PanelMarks(TSkinArt& Art) {
  if (Art.Shared.count(L"check") == 0) {
    const TSkinPalette& p = Art.Palette;
    TArtImage& I = Art.Controls();
    const TRect check = Art.PlaceControl(13, 13), uncheck = Art.PlaceControl(13, 13);
    const TRect frame = Art.PlaceControl(12, 14);
    MarkBox(I, check, p.Accent, p.Accent);
    const double x = check.Left, y = check.Top;
    I.FillShape(check, LineShape(x + 3, y + 6.5, x + 5.6, y + 9.2, 1.7), p.AccentText);
    I.FillShape(check, LineShape(x + 5.2, y + 9.2, x + 10, y + 3.8, 1.7), p.AccentText);
    MarkBox(I, uncheck, Mix(p.Border, p.Text, 0.3), p.Window);
    MarkBox(I, frame, p.Border, Mix(p.HeaderBottom, p.Border, 0.35));
    Art.Shared[L"check"] = check;
    Art.Shared[L"uncheck"] = uncheck;
    Art.Shared[L"markframe"] = frame;
  }
  return {Art.Shared[L"check"], Art.Shared[L"uncheck"], Art.Shared[L"markframe"]};
}

// A card: a one-pixel outline with rounded corners over the face colour.
void Card(TArtImage& I, const TRect& R, TRgb Edge, const TPaint& Inside) {
  I.FillShape(R, RoundRectShape(R.Left, R.Top, R.Right, R.Bottom, 4), Edge);
  I.FillShape(R, RoundRectShape(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1, 3), Inside);
}

// Nine-piece geometry of a record at SkinRect: the corner points Corner pixels
// in from the sides (or on the client rectangle where it lies further in);
// every piece stretched, as the pieces change only from top to bottom.
void SetGeometry(TspDataSkinCustomControl& Rec, const TRect& SkinRect, const TRect& Client, int Corner) {
  Rec.SkinRect = SkinRect;
  Rec.ClRect = Client;
  const int w = SkinRect.Width(), h = SkinRect.Height();
  const int left = std::max(Client.Left, Corner), right = std::min(Client.Right, w - Corner);
  const int bottom = std::min(Client.Bottom, h - Corner);
  Rec.LTPoint = Point(left, Client.Top);
  Rec.RTPoint = Point(right, Client.Top);
  Rec.LBPoint = Point(left, bottom);
  Rec.RBPoint = Point(right, bottom);
  Rec.LeftStretch = Rec.TopStretch = Rec.RightStretch = Rec.BottomStretch = true;
  Rec.StretchEffect = true;
  Rec.StretchType = spstFull;
}

void SetCaption(TspDataSkinPanelControl& Rec, const TSkinPalette& P, const TRect& Caption, TRgb Color) {
  Rec.CaptionRect = Caption;
  Rec.Alignment = taLeftJustify;
  Rec.FontName = P.FontName;
  Rec.FontHeight = P.FontHeight;
  Rec.FontColor = ToColor(Color);
}

void SetMarks(TspDataSkinPanelControl& Rec, const TPanelMarks& Marks) {
  Rec.CheckImageRect = Marks.Check;
  Rec.UnCheckImageRect = Marks.Uncheck;
  Rec.MarkFrameRect = Marks.MarkFrame;
}

}  // namespace

void DrawPanel(TSkinArt& Art) {
  const TSkinPalette& p = Art.Palette;
  const TPanelMarks marks = PanelMarks(Art);
  const TRect r = Art.PlaceControl(64, 64);
  Card(Art.Controls(), r, p.Border, Solid(p.PanelFace));
  TspDataSkinPanelControl rec(L"panel");
  rec.PictureIndex = Art.ControlsPicture();
  // The caption runs from the left-top corner piece to the right-top one, so
  // it grows with the panel's width.
  SetGeometry(rec, r, Rect(4, 22, 60, 60), 8);
  SetCaption(rec, p, Rect(6, 2, 58, 21), p.Text);
  SetMarks(rec, marks);
  Art.AddControl(rec, L"panel");
}

void DrawGroupBox(TSkinArt& Art) {
  const TSkinPalette& p = Art.Palette;
  const TPanelMarks marks = PanelMarks(Art);
  const TRect r = Art.PlaceControl(64, 64);
  TArtImage& I = Art.Controls();
  constexpr int kBar = 24;
  const TPaint header = Vertical(p.HeaderTop, p.HeaderBottom, r.Top + 1, r.Top + kBar);
  const TPaint face = Solid(p.PanelFace);
  Card(I, r, p.Border, [&](int x, int y) { return y < r.Top + kBar ? header(x, y) : face(x, y); });
  I.HLine(r.Left + 1, r.Right - 1, r.Top + kBar, p.Border);
  I.Fill(Rect(r.Left + 1, r.Top + 6, r.Left + 4, r.Top + kBar - 6), p.Accent);
  TspDataSkinPanelControl rec(L"groupbox");
  rec.PictureIndex = Art.ControlsPicture();
  SetGeometry(rec, r, Rect(4, kBar + 1, 60, 60), 10);
  SetCaption(rec, p, Rect(9, 1, 58, kBar), p.HeaderText);
  SetMarks(rec, marks);
  Art.AddControl(rec, L"panel");
}

void DrawToolPanel(TSkinArt& Art) {
  const TSkinPalette& p = Art.Palette;
  const TRect r = Art.PlaceControl(64, 32);
  TArtImage& I = Art.Controls();
  I.Fill(r, Vertical(p.BarTop, p.BarBottom, r.Top, r.Bottom));
  I.HLine(r.Left, r.Right, r.Top, p.Highlight);
  I.HLine(r.Left, r.Right, r.Bottom - 1, p.BarLine);
  TspDataSkinPanelControl rec(L"toolpanel");
  rec.PictureIndex = Art.ControlsPicture();
  SetGeometry(rec, r, Rect(1, 1, 63, 31), 1);
  SetCaption(rec, p, TRect(), p.Text);
  Art.AddControl(rec, L"panel");
}

void DrawStatusBar(TSkinArt& Art) {
  const TSkinPalette& p = Art.Palette;
  const TRect r = Art.PlaceControl(64, 22);
  const TRect grip = Art.PlaceControl(12, 12);
  TArtImage& I = Art.Controls();
  I.Fill(r, Vertical(p.BarTop, p.BarBottom, r.Top, r.Bottom));
  I.HLine(r.Left, r.Right, r.Top, p.BarLine);
  I.HLine(r.Left, r.Right, r.Top + 1, p.Highlight);
  // Grip: dots in a triangle, on the transparent colour.
  I.Fill(grip, kKey);
  for (int row = 0; row < 4; ++row)
    for (int col = 3 - row; col < 4; ++col) {
      const int x = grip.Left + col * 3, y = grip.Top + row * 3;
      I.Fill(Rect(x + 1, y + 1, x + 3, y + 3), p.Highlight);
      I.Fill(Rect(x, y, x + 2, y + 2), p.Shadow);
    }
  TspDataSkinPanelControl rec(L"statusbar");
  rec.PictureIndex = Art.ControlsPicture();
  SetGeometry(rec, r, Rect(2, 3, 62, 20), 2);
  SetCaption(rec, p, TRect(), p.Text);
  rec.GripperRect = grip;
  rec.GripperTransparent = true;
  rec.GripperTransparentColor = ToColor(kKey);
  Art.AddControl(rec, L"panel");
}

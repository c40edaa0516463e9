// Button-type controls: the push button, the tool button of speed buttons,
// and the check box and radio button with their marks.
#include "tools/SkinArt/ArtPieces.h"
#include "tools/SkinArt/ArtSkin.h"

namespace {

// A rounded face with a one-pixel outline and a vertical gradient inside.
void Face(TArtImage& I, const TRect& R, TRgb Edge, TRgb Top, TRgb Bottom, double Radius) {
  I.FillShape(R, RoundRectShape(R.Left, R.Top, R.Right, R.Bottom, Radius), Edge);
  I.FillShape(R, RoundRectShape(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1, Radius - 1),
              Vertical(Top, Bottom, R.Top + 1, R.Bottom - 1));
}

// The faces of a button-like record: normal, hot, pressed, disabled and
// focused, each W x H in the controls picture.
struct TFaces {
  TRect Normal, Active, Down, Disabled, Focused;
};

TFaces DrawFaces(TSkinArt& Art, int W, int H, bool WithFocus) {
  const TSkinPalette& p = Art.Palette;
  TArtImage& I = Art.Controls();
  TFaces f;
  f.Normal = Art.PlaceControl(W, H);
  f.Active = Art.PlaceControl(W, H);
  f.Down = Art.PlaceControl(W, H);
  f.Disabled = Art.PlaceControl(W, H);
  const TRgb top = Mix(p.PanelFace, p.Highlight, 0.6), bottom = Mix(p.PanelFace, p.Shadow, 0.25);
  Face(I, f.Normal, Mix(p.Border, p.Text, 0.2), top, bottom, 4);
  Face(I, f.Active, p.Accent, Mix(top, p.Accent, 0.12), Mix(bottom, p.Accent, 0.22), 4);
  Face(I, f.Down, Mix(p.Accent, p.Shadow, 0.3), Mix(bottom, p.Accent, 0.35), Mix(top, p.Accent, 0.25), 4);
  Face(I, f.Disabled, Mix(p.Border, p.PanelFace, 0.5), p.PanelFace, p.PanelFace, 4);
  if (WithFocus) {
    f.Focused = Art.PlaceControl(W, H);
    Face(I, f.Focused, p.Accent, top, bottom, 4);
    I.FillShape(f.Focused,
                RoundRectShape(f.Focused.Left + 1.5, f.Focused.Top + 1.5, f.Focused.Right - 1.5, f.Focused.Bottom - 1.5, 3),
                Mix(p.Accent, top, 0.5), 0.35);
    I.FillShape(f.Focused,
                RoundRectShape(f.Focused.Left + 2, f.Focused.Top + 2, f.Focused.Right - 2, f.Focused.Bottom - 2, 2),
                Vertical(top, bottom, f.Focused.Top + 2, f.Focused.Bottom - 2));
  }
  return f;
}

void SetButtonRecord(TspDataSkinButtonControl& Rec, TSkinArt& Art, const TFaces& F, int Corner) {
  const TSkinPalette& p = Art.Palette;
  Rec.PictureIndex = Art.ControlsPicture();
  // The client is the face inside the outline and its highlight.
  SetNinePieces(Rec, F.Normal, Corner, 2);
  Rec.ActiveSkinRect = F.Active;
  Rec.DownSkinRect = F.Down;
  Rec.DisabledSkinRect = F.Disabled;
  Rec.FocusedSkinRect = F.Focused;
  SetButtonFonts(Rec, p);
  Rec.Morphing = true;
  Rec.MorphKind = mkDefault;
}

// One mark of the check box or radio button: a box or a circle, checked with
// a tick or a dot. It stands on the face colour, which its bottom-left pixel
// keeps: drawn transparently, the smoothed edges then meet the face they were
// blended with.
void Mark(TArtImage& I, const TRect& R, bool Round, TRgb Back, TRgb Edge, TRgb Inside, TRgb Sign, bool Checked,
          bool Grayed) {
  I.Fill(R, Back);
  const double l = R.Left, t = R.Top, r = R.Right, b = R.Bottom;
  const double radius = Round ? R.Width() / 2.0 : 2;
  I.FillShape(R, RoundRectShape(l, t, r, b, radius), Edge);
  I.FillShape(R, RoundRectShape(l + 1, t + 1, r - 1, b - 1, radius - 1), Inside);
  I.Set(R.Left, R.Bottom - 1, Back);
  if (!Checked && !Grayed) return;
  if (Round) {
    I.FillShape(R, RoundRectShape(l + 4, t + 4, r - 4, b - 4, (R.Width() - 8) / 2.0), Sign);
  } else if (Grayed) {
    I.FillShape(R, RoundRectShape(l + 4, t + 4, r - 4, b - 4, 1), Sign);
  } else {
    I.FillShape(R, LineShape(l + 3.2, t + 7, l + 6, t + 10, 1.8), Sign);
    I.FillShape(R, LineShape(l + 5.6, t + 10, l + 10.8, t + 4, 1.8), Sign);
  }
}

void DrawCheckRadio(TSkinArt& Art, const wchar_t* Name, bool Round) {
  const TSkinPalette& p = Art.Palette;
  TArtImage& I = Art.Controls();
  constexpr int kMark = 14;
  const TRgb edge = Mix(p.Border, p.Text, 0.3), dim = Mix(p.Border, p.PanelFace, 0.4);
  TspDataSkinCheckRadioControl rec(Name);
  rec.PictureIndex = Art.ControlsPicture();
  const auto mark = [&](TRgb Edge, TRgb Inside, TRgb Sign, bool Checked, bool Grayed) {
    const TRect r = Art.PlaceControl(kMark, kMark);
    Mark(I, r, Round, p.Face, Edge, Inside, Sign, Checked, Grayed);
    return r;
  };
  const TRgb on = Round ? p.Window : p.AccentText;
  rec.CheckImageRect = Round ? mark(p.Accent, p.Window, p.Accent, true, false) : mark(p.Accent, p.Accent, on, true, false);
  rec.UnCheckImageRect = mark(edge, p.Window, on, false, false);
  rec.ActiveCheckImageRect =
      Round ? mark(p.Accent, Mix(p.Window, p.Accent, 0.12), p.Accent, true, false)
            : mark(Mix(p.Accent, p.Shadow, 0.2), Mix(p.Accent, p.Highlight, 0.15), on, true, false);
  rec.ActiveUnCheckImageRect = mark(p.Accent, Mix(p.Window, p.Accent, 0.1), on, false, false);
  rec.UnEnabledCheckImageRect = mark(dim, p.PanelFace, p.TextDim, true, false);
  rec.UnEnabledUnCheckImageRect = mark(dim, p.PanelFace, p.TextDim, false, false);
  if (!Round) {
    rec.GrayedCheckImageRect = mark(edge, p.Window, Mix(p.Accent, p.Window, 0.45), false, true);
    rec.ActiveGrayedCheckImageRect = mark(p.Accent, Mix(p.Window, p.Accent, 0.1), Mix(p.Accent, p.Window, 0.3), false, true);
  }
  // The full-skin look: a strip that grows to the right, the mark at its left.
  const TRect normal = Art.PlaceControl(80, 24), active = Art.PlaceControl(80, 24);
  Face(I, normal, Mix(p.Border, p.PanelFace, 0.3), p.PanelFace, p.PanelFace, 4);
  Face(I, active, Mix(p.Accent, p.PanelFace, 0.4), Mix(p.PanelFace, p.Accent, 0.08), Mix(p.PanelFace, p.Accent, 0.14), 4);
  rec.SkinRect = normal;
  rec.ActiveSkinRect = active;
  rec.LTPoint = Point(24, 0);
  rec.RTPoint = Point(74, 0);
  rec.ClRect = Rect(24, 0, 74, 24);
  rec.StretchEffect = true;
  rec.CheckImageArea = Rect(3, 0, 23, 24);
  rec.TextArea = Rect(25, 0, 74, 24);
  rec.FontName = p.FontName;
  rec.FontHeight = p.FontHeight;
  rec.FontColor = ToColor(p.Text);
  rec.ActiveFontColor = ToColor(Mix(p.Text, p.Accent, 0.5));
  rec.UnEnabledFontColor = ToColor(p.TextDim);
  rec.FrameFontColor = ToColor(p.Text);
  rec.Morphing = true;
  Art.AddControl(rec, L"checkradio");
}

}  // namespace

void DrawButton(TSkinArt& Art) {
  const TFaces faces = DrawFaces(Art, 64, 26, true);
  TspDataSkinButtonControl rec(L"button");
  SetButtonRecord(rec, Art, faces, 5);
  rec.ClRect = Rect(5, 3, 59, 23);
  Art.AddControl(rec, L"button");
}

void DrawToolButton(TSkinArt& Art) {
  const TFaces faces = DrawFaces(Art, 24, 24, false);
  TspDataSkinButtonControl rec(L"toolbutton");
  SetButtonRecord(rec, Art, faces, 5);
  Art.AddControl(rec, L"button");
}

void DrawCheckBox(TSkinArt& Art) { DrawCheckRadio(Art, L"checkbox", false); }

void DrawRadioBox(TSkinArt& Art) { DrawCheckRadio(Art, L"radiobox", true); }

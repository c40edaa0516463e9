// Text controls: the std label's font and colours, the label (menu header)
// strip, and the bevel's two colours.
#include "skin/SkinCtrlRecords.h"
#include "tools/SkinArt/ArtSkin.h"

void AddStdLabel(TSkinArt& Art) {
  const TSkinPalette& p = Art.Palette;
  TspDataSkinStdLabelControl rec(L"stdlabel");
  rec.FontName = p.FontName;
  rec.FontHeight = p.FontHeight;
  rec.FontColor = ToColor(p.Text);
  rec.ActiveFontColor = ToColor(p.Accent);
  Art.AddControl(rec, L"stdlabel");
}

void DrawLabel(TSkinArt& Art) {
  const TSkinPalette& p = Art.Palette;
  const TRect r = Art.PlaceControl(64, 22);
  TArtImage& I = Art.Controls();
  I.Fill(r, Mix(p.PanelFace, p.Accent, 0.08));
  I.HLine(r.Left, r.Right, r.Bottom - 1, Mix(p.PanelFace, p.Accent, 0.35));
  I.Fill(Rect(r.Left, r.Top + 5, r.Left + 3, r.Bottom - 5), p.Accent);
  TspDataSkinLabelControl rec(L"label");
  rec.PictureIndex = Art.ControlsPicture();
  rec.SkinRect = r;
  rec.ClRect = Rect(8, 1, 62, 21);
  rec.LTPoint = Point(8, 1);
  rec.RTPoint = Point(62, 1);
  rec.LBPoint = Point(8, 21);
  rec.RBPoint = Point(62, 21);
  rec.LeftStretch = rec.TopStretch = rec.RightStretch = rec.BottomStretch = true;
  rec.StretchEffect = true;
  rec.FontName = p.FontName;
  rec.FontHeight = p.FontHeight;
  rec.FontStyle = {fsBold};
  rec.FontColor = ToColor(p.HeaderText);
  Art.AddControl(rec, L"label");
}

void AddBevel(TSkinArt& Art) {
  TspDataSkinBevel rec(L"bevel");
  rec.LightColor = ToColor(Art.Palette.BevelLight);
  rec.DarkColor = ToColor(Art.Palette.BevelDark);
  Art.AddControl(rec, L"bevel");
}

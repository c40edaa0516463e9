// Popup (menu) and hint window frames, each a small picture of its own, and
// the skin colours.
#include "tools/SkinArt/ArtSkin.h"

namespace {

// Corner points of a frame picture whose pieces are Inset pixels thick.
void WriteCorners(TspSkinIni& Ini, const wchar_t* Section, int Width, int Height, int Inset) {
  WritePoint(Ini, Section, L"lefttoppoint", Point(Inset, Inset));
  WritePoint(Ini, Section, L"righttoppoint", Point(Width - Inset, Inset));
  WritePoint(Ini, Section, L"leftbottompoint", Point(Inset, Height - Inset));
  WritePoint(Ini, Section, L"rightbottompoint", Point(Width - Inset, Height - Inset));
}

void WriteStretch(TspSkinIni& Ini, const wchar_t* Section) {
  for (const wchar_t* key : {L"leftstretch", L"rightstretch", L"topstretch", L"bottomstretch", L"stretcheffect"})
    WriteBoolean(Ini, Section, key, true);
  WriteStretchType(Ini, Section, L"stretchtype", spstFull);
}

}  // namespace

void DrawPopupWindow(TSkinArt& Art) {
  const TSkinPalette& p = Art.Palette;
  constexpr int kSize = 32;
  const int index = Art.AddPicture(L"popup.bmp", kSize, kSize, p.Window);
  TArtImage& I = Art.Picture(index);
  I.Frame(Rect(0, 0, kSize, kSize), Mix(p.Border, p.Text, 0.2));
  I.Frame(Rect(1, 1, kSize - 1, kSize - 1), p.Window);
  const wchar_t* s = L"POPUPWINDOW";
  Art.Ini.WriteInteger(s, L"windowpictureindex", index);
  Art.Ini.WriteInteger(s, L"maskpictureindex", -1);
  WriteCorners(Art.Ini, s, kSize, kSize, 3);
  Art.Ini.WriteInteger(s, L"cursorindex", -1);
  WriteRect(Art.Ini, s, L"itemsrect", Rect(3, 3, kSize - 3, kSize - 3));
  Art.Ini.WriteInteger(s, L"scrollmarkercolor", ToColor(p.Text));
  Art.Ini.WriteInteger(s, L"scrollmarkeractivecolor", ToColor(p.Accent));
  WriteStretch(Art.Ini, s);
}

void DrawHintWindow(TSkinArt& Art) {
  const TSkinPalette& p = Art.Palette;
  constexpr int kWidth = 32, kHeight = 24;
  const int index = Art.AddPicture(L"hint.bmp", kWidth, kHeight, p.HintFace);
  Art.Picture(index).Frame(Rect(0, 0, kWidth, kHeight), p.HintBorder);
  const wchar_t* s = L"HINTWINDOW";
  Art.Ini.WriteInteger(s, L"windowpictureindex", index);
  Art.Ini.WriteInteger(s, L"maskpictureindex", -1);
  WriteCorners(Art.Ini, s, kWidth, kHeight, 4);
  WriteRect(Art.Ini, s, L"clientrect", Rect(6, 4, kWidth - 6, kHeight - 4));
  Art.Ini.WriteString(s, L"fontname", p.FontName);
  Art.Ini.WriteInteger(s, L"fontheight", p.FontHeight - 1);
  WriteFontStyles(Art.Ini, s, L"fontstyle", {});
  Art.Ini.WriteInteger(s, L"fontcolor", ToColor(p.Text));
  WriteStretch(Art.Ini, s);
}

void AddSkinColors(TSkinArt& Art) {
  const TSkinPalette& p = Art.Palette;
  const struct {
    const wchar_t* Key;
    TRgb Color;
  } colors[] = {{L"cbtnface", p.Face},         {L"cbtntext", p.Text},        {L"cwindow", p.Window},
                {L"cwindowtext", p.WindowText}, {L"chighlight", p.Accent},    {L"chighlighttext", p.AccentText},
                {L"cbtnhighlight", p.Highlight}, {L"cbtnshadow", p.Shadow},   {L"c3dlight", p.Light3D},
                {L"c3ddkshadow", p.DarkShadow}};
  for (const auto& c : colors) Art.Ini.WriteInteger(L"SKINCOLORS", c.Key, ToColor(c.Color));
}

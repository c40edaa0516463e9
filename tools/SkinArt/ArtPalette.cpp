// The light default theme and its dark variant.
#include "tools/SkinArt/ArtPalette.h"

namespace {
// Under Wine this face carries the Chinese glyphs; elsewhere the font mapper
// picks the nearest face.
const wchar_t* const kFontName = L"WenQuanYi Micro Hei";
}  // namespace

TSkinPalette DefaultPalette() {
  TSkinPalette p;
  p.Folder = L"Default";
  p.SkinName = L"\x9ED8\x8BA4 Default";
  p.Comments = L"Light theme with a blue accent, drawn by tools/SkinArt";
  p.FontName = kFontName;
  p.Accent = Rgb(37, 99, 235);
  p.AccentText = Rgb(255, 255, 255);
  p.Selection = p.Accent;
  p.SelectionText = p.AccentText;

  p.CaptionTop = Rgb(66, 128, 246);
  p.CaptionBottom = Rgb(37, 99, 235);
  p.CaptionShine = Rgb(110, 160, 250);
  p.CaptionText = Rgb(255, 255, 255);
  p.CaptionGlyph = Rgb(255, 255, 255);
  p.InactiveCaptionTop = Rgb(236, 239, 244);
  p.InactiveCaptionBottom = Rgb(222, 227, 235);
  p.InactiveCaptionShine = Rgb(248, 249, 251);
  p.InactiveCaptionText = Rgb(100, 110, 125);
  p.InactiveGlyph = Rgb(110, 120, 135);
  p.FrameBorder = Rgb(29, 78, 190);
  p.InactiveFrameBorder = Rgb(170, 178, 190);
  p.ButtonOverlay = Rgb(255, 255, 255);
  p.HotOpacity = 0.20;
  p.DownOpacity = 0.34;
  p.CloseHot = Rgb(229, 57, 53);
  p.CloseDown = Rgb(190, 35, 35);
  p.CloseGlyph = Rgb(255, 255, 255);

  p.Face = Rgb(240, 243, 247);
  p.Window = Rgb(255, 255, 255);
  p.Text = Rgb(31, 41, 55);
  // Disabled text still reads at 4.5 to 1 on the faces and windows.
  p.TextDim = Rgb(100, 108, 120);
  p.TextSecondary = Rgb(85, 95, 109);
  p.WindowText = Rgb(17, 24, 39);
  p.Border = Rgb(203, 210, 220);
  p.PanelFace = Rgb(250, 251, 253);
  p.HeaderTop = Rgb(250, 251, 253);
  p.HeaderBottom = Rgb(233, 238, 245);
  p.HeaderText = Rgb(30, 64, 150);
  p.BarTop = Rgb(251, 252, 254);
  p.BarBottom = Rgb(231, 235, 241);
  p.BarLine = Rgb(200, 207, 218);
  p.Highlight = Rgb(255, 255, 255);
  p.Shadow = Rgb(160, 170, 185);
  p.Light3D = Rgb(226, 231, 238);
  p.DarkShadow = Rgb(100, 110, 125);
  p.BevelLight = Rgb(255, 255, 255);
  p.BevelDark = Rgb(196, 203, 214);
  p.HintFace = Rgb(255, 255, 255);
  p.HintBorder = Rgb(170, 180, 195);
  return p;
}

TSkinPalette DarkPalette() {
  TSkinPalette p;
  p.Folder = L"Dark";
  p.SkinName = L"\x6DF1\x8272 Dark";
  p.Comments = L"Dark grey theme with a light blue accent, drawn by tools/SkinArt";
  p.FontName = kFontName;
  p.Accent = Rgb(96, 165, 250);
  p.AccentText = Rgb(15, 23, 42);
  p.Selection = Rgb(37, 99, 235);
  p.SelectionText = Rgb(255, 255, 255);

  p.CaptionTop = Rgb(58, 61, 67);
  p.CaptionBottom = Rgb(45, 47, 52);
  p.CaptionShine = Rgb(78, 82, 89);
  p.CaptionText = Rgb(236, 238, 241);
  p.CaptionGlyph = Rgb(226, 229, 233);
  p.InactiveCaptionTop = Rgb(46, 48, 52);
  p.InactiveCaptionBottom = Rgb(40, 42, 46);
  p.InactiveCaptionShine = Rgb(56, 58, 63);
  // Dim texts still read at 4.5 to 1 on every face they are drawn on.
  p.InactiveCaptionText = Rgb(160, 165, 173);
  p.InactiveGlyph = Rgb(120, 125, 133);
  p.FrameBorder = Rgb(96, 165, 250);
  p.InactiveFrameBorder = Rgb(70, 73, 79);
  p.ButtonOverlay = Rgb(255, 255, 255);
  p.HotOpacity = 0.12;
  p.DownOpacity = 0.22;
  p.CloseHot = Rgb(220, 60, 60);
  p.CloseDown = Rgb(175, 40, 40);
  p.CloseGlyph = Rgb(255, 255, 255);

  p.Face = Rgb(36, 38, 42);
  p.Window = Rgb(28, 29, 32);
  p.Text = Rgb(226, 229, 233);
  p.TextDim = Rgb(160, 165, 173);
  p.TextSecondary = Rgb(169, 174, 182);
  p.WindowText = Rgb(232, 234, 237);
  p.Border = Rgb(66, 70, 77);
  p.PanelFace = Rgb(43, 45, 50);
  p.HeaderTop = Rgb(55, 58, 64);
  p.HeaderBottom = Rgb(46, 48, 53);
  p.HeaderText = Rgb(147, 197, 253);
  p.BarTop = Rgb(50, 53, 58);
  p.BarBottom = Rgb(41, 43, 47);
  p.BarLine = Rgb(24, 25, 28);
  p.Highlight = Rgb(72, 76, 83);
  p.Shadow = Rgb(105, 110, 118);
  p.Light3D = Rgb(58, 61, 67);
  p.DarkShadow = Rgb(18, 19, 21);
  p.BevelLight = Rgb(66, 70, 77);
  p.BevelDark = Rgb(20, 21, 24);
  p.HintFace = Rgb(50, 53, 58);
  p.HintBorder = Rgb(80, 85, 93);
  return p;
}

TSkinPalette ObjectsPalette() {
  TSkinPalette p = DefaultPalette();
  p.Folder = L"Objects";
  p.SkinName = L"Objects";
  p.Comments = L"The default look with frame objects of every kind, skin cursors and background pictures";
  p.FrameObjects = true;
  return p;
}

// TTextFontScope: the default GUI font in place of a font that lacks the
// letters of the text to draw.
#include "classlib/Graphics.h"

#include <cwchar>
#include <vector>

namespace {

// The letters of Text that the font selected on DC has no glyph for. Control
// characters and surrogate halves, which the query cannot see, do not count.
int MissingLetters(HDC DC, const wchar_t* Text, int Length) {
  std::vector<WORD> glyphs(static_cast<size_t>(Length));
  if (GetGlyphIndicesW(DC, Text, Length, glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR) return 0;
  int missing = 0;
  for (int i = 0; i < Length; ++i) {
    const wchar_t c = Text[i];
    if (c < 0x20 || (c >= 0xD800 && c <= 0xDFFF)) continue;
    missing += glyphs[static_cast<size_t>(i)] == 0xFFFF;
  }
  return missing;
}

}  // namespace

TTextFontScope::TTextFontScope(HDC DC, const wchar_t* Text, int Length) : FDC(DC) {
  if (!DC || !Text) return;
  if (Length < 0) Length = static_cast<int>(std::wcslen(Text));
  if (Length == 0) return;
  const int missing = MissingLetters(DC, Text, Length);
  if (missing == 0) return;
  LOGFONTW font{}, gui{};
  if (!GetObjectW(GetCurrentObject(DC, OBJ_FONT), sizeof font, &font) ||
      !GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui))
    return;
  // The default GUI font's face in the size and style of the font it replaces.
  std::wmemcpy(font.lfFaceName, gui.lfFaceName, LF_FACESIZE);
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfPitchAndFamily = gui.lfPitchAndFamily;
  HFONT standIn = CreateFontIndirectW(&font);
  if (!standIn) return;
  HGDIOBJ old = SelectObject(DC, standIn);
  if (MissingLetters(DC, Text, Length) < missing) {
    FFont = standIn;
    FOld = old;
    return;
  }
  SelectObject(DC, old);
  DeleteObject(standIn);
}

TTextFontScope::~TTextFontScope() {
  if (!FFont) return;
  SelectObject(FDC, FOld);
  DeleteObject(FFont);
}

int DrawTextFallback(HDC DC, const wchar_t* Text, int Length, RECT* R, UINT Flags) {
  const TTextFontScope face(DC, Text, Length);
  return DrawTextW(DC, Text, Length, R, Flags);
}

// Reading and writing of one skin record's INI section, and the enumerated
// value kinds of the records.
#pragma once

#include <cstdint>
#include <vector>

#include "skin/SkinIni.h"

enum TspStretchType : uint8_t { spstFull, spstHorz, spstVert };
enum TspMorphKind : uint8_t { mkDefault, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide, mkRightSlide, mkPush };
enum TspInactiveEffect : uint8_t { ieBrightness, ieDarkness, ieGrayscale, ieNoise, ieSplitBlur, ieInvert };
enum TspFramesPlacement : uint8_t { fpHorizontal, fpVertical };
enum TspRegulatorKind : uint8_t { rkRound, rkHorizontal, rkVertical };
enum TspGaugeKind : uint8_t { gkHorizontal, gkVertical };
// Form command of caption buttons and animations (also the glyph they draw).
enum TspCommandKind : uint8_t { cmClose, cmMaximize, cmMinimize, cmSysMenu, cmDefault, cmRollUp, cmMinimizeToTray };

// "stfull" 0, "stvert" 2, any other text 1; absent "stfull". Writes "" for an unknown value.
TspStretchType ReadStretchType(const TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key);
void WriteStretchType(TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key, TspStretchType Value);
// The seven "mk" words; anything else 0.
TspMorphKind ReadMorphKind(const TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key);
void WriteMorphKind(TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key, TspMorphKind Value);
// The six "ie" words; absent 0, any other text 2.
TspInactiveEffect ReadInactiveEffect(const TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key);

// True when all five sections of a skin are present.
bool IsSkinIni(const TspSkinIni& Ini);

// One pass over a record's section: either every call reads the key into the
// field (with its default) or every call writes the field under the key. A
// record describes its keys once, in reading order, through these calls.
class TspRecordIO {
 public:
  TspRecordIO(const TspSkinIni& Ini, const String& Section) : FReader(&Ini), FSection(Section) {}
  TspRecordIO(TspSkinIni& Ini, const String& Section, bool /*Writing*/)
      : FReader(&Ini), FWriter(&Ini), FSection(Section) {}
  // A pass that only cuts every rectangle to Bounds (empty when it lies
  // outside) and reads or writes nothing; it runs the writing branches.
  explicit TspRecordIO(const TRect& Bounds) : FReader(nullptr), FClip(true), FBounds(Bounds) {}

  bool Reading() const { return FWriter == nullptr && !FClip; }
  bool Writing() const { return FWriter != nullptr || FClip; }

  void Integer(const wchar_t* Key, int& Value, int Default = 0);
  void Boolean(const wchar_t* Key, bool& Value);
  void Rect(const wchar_t* Key, TRect& Value);
  void Point(const wchar_t* Key, TPoint& Value);
  void Text(const wchar_t* Key, String& Value, const wchar_t* Default = L"");
  void FontStyles(const wchar_t* Key, TFontStyles& Value);
  void Alignment(const wchar_t* Key, TAlignment& Value);
  void Lines(const wchar_t* Key, std::vector<String>& Value);
  void StretchType(const wchar_t* Key, TspStretchType& Value);
  void MorphKind(const wchar_t* Key, TspMorphKind& Value);
  void FramesPlacement(const wchar_t* Key, TspFramesPlacement& Value);
  void RegulatorKind(const wchar_t* Key, TspRegulatorKind& Value);
  void GaugeKind(const wchar_t* Key, TspGaugeKind& Value);
  void Command(const wchar_t* Key, TspCommandKind& Value);
  // The common font keys "fontname", "fontheight", "fontstyle", "fontcolor"
  // with the given prefix ("caption", "fixed", ...).
  void Font(const wchar_t* Prefix, String& Name, int& Height, TFontStyles& Style, TColor& Color);
  void Color(const wchar_t* Key, TColor& Value, TColor Default = 0) { Integer(Key, Value, Default); }

 private:
  const TspSkinIni* FReader;
  TspSkinIni* FWriter = nullptr;
  String FSection;
  bool FClip = false;
  TRect FBounds;
};

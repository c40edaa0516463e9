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
  // A pass that reads or writes nothing and only holds the record to its
  // picture Bounds: every rectangle is cut to Bounds (empty when it lies
  // outside), every point is held within Own (the record's own rectangle
  // for points relative to it) and every piece size within Bounds' larger
  // side. It runs the writing branches.
  TspRecordIO(const TRect& Bounds, const TRect& Own) : FReader(nullptr), FClip(true), FBounds(Bounds), FOwn(Own) {}

  bool Reading() const { return FWriter == nullptr && !FClip; }
  bool Writing() const { return FWriter != nullptr || FClip; }

  // Reading takes every number limited to what it can mean, so that no
  // drawing meets a number it cannot draw; a value that is no number at all
  // gives the default (an integer) or refuses the skin (a point or a
  // rectangle: EConvertError naming the section, the key and the value).
  // An integer of no range: a colour.
  void Integer(const wchar_t* Key, int& Value, int Default = 0);
  // A picture or cursor index, -1 for none: -1 to MaxIndex.
  void Index(const wchar_t* Key, int& Value, int Default = -1);
  // The length of a piece of the picture (an edge of a nine-piece, a
  // symbol's width): 0 to MaxCoord, and no more than the picture's side.
  void Piece(const wchar_t* Key, int& Value, int Default = 0);
  // A length on screen not tied to a picture (a form's minimum width): 0 to MaxCoord.
  void Length(const wchar_t* Key, int& Value, int Default = 0);
  // A shift of something drawn (a glow, a focus frame): -MaxCoord to MaxCoord.
  void Shift(const wchar_t* Key, int& Value, int Default = 0);
  // A number of frames: 0 to MaxCoord, no more than a picture has pixels.
  void Count(const wchar_t* Key, int& Value, int Default = 0);
  // A timer's interval in milliseconds: 0 to MaxInterval.
  void Interval(const wchar_t* Key, int& Value, int Default = 0);
  // An alpha value or a glow's size: 0 to 255.
  void Level(const wchar_t* Key, int& Value, int Default = 0);
  // An end of a gauge's or regulator's range: -MaxAmount to MaxAmount, so
  // that the span of two fits an int.
  void Amount(const wchar_t* Key, int& Value, int Default = 0);
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

  // Coordinates and lengths GDI draws everywhere; a rectangle or point is
  // held within them as it is read.
  static constexpr int MaxCoord = 32767;
  static constexpr int MaxIndex = 65535;
  static constexpr int MaxInterval = 3600000;
  static constexpr int MaxAmount = 1000000000;
  // A font taller than any screen's line.
  static constexpr int MaxFontHeight = 1000;

 private:
  void Limited(const wchar_t* Key, int& Value, int Default, int Min, int Max);
  // "[Section] Key=value": where a refused value was written.
  String Where(const wchar_t* Key, std::wstring_view Value) const;

  const TspSkinIni* FReader;
  TspSkinIni* FWriter = nullptr;
  String FSection;
  bool FClip = false;
  TRect FBounds, FOwn;
};

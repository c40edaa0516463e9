// The passes over one skin record's INI section (reading, writing, and the
// load's cut to the record's pictures), the ranges every kind of number is
// held to, and the enumerated value kinds of the records.
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

// The values a kind of number may take; a number read is held within them.
struct TspValueRange {
  int Min, Max;
  constexpr int Hold(int Value) const { return Value < Min ? Min : Value > Max ? Max : Value; }
};

// Frame Index of a strip whose first frame is First: frames lie side by
// side, or one below the other.
TRect FrameStripRect(const TRect& First, int Index, bool Vertical);
// How many frames of a Count-frame strip from First lie wholly within
// Bounds: Count when all do. A strip without a first frame keeps Count.
int FramesWithin(const TRect& First, int Count, bool Vertical, const TRect& Bounds);

// One pass over a record's keys. A record lists its keys once, in the order
// they are written, through these calls (its Exchange); each kind of pass
// does its own work with them:
// - TspRecordReader reads each key into its field, holding every number to
//   its kind's range (the ranges below), so that no drawing meets a number
//   it cannot draw. A value that is no number at all gives the default (an
//   integer) or refuses the skin (a point or a rectangle: EConvertError
//   naming the section, the key and the value).
// - TspRecordWriter writes each field under its key.
// - TspRecordCut, run once by a load after the reading, holds the record to
//   its picture: rectangles, points, piece sizes and frame strips. It reads
//   and writes nothing; every other kind of key it passes by.
class TspRecordIO {
 public:
  virtual ~TspRecordIO() = default;
  bool Reading() const { return FPass == Read; }
  bool Writing() const { return FPass == Write; }

  // An integer of no range: a colour.
  virtual void Integer(const wchar_t* Key, int& Value, int Default = 0) {}
  // A picture or cursor index, -1 for none.
  void Index(const wchar_t* Key, int& Value, int Default = -1) { Number(Key, Value, Default, IndexRange); }
  // The length of a piece of the picture (an edge of a nine-piece, a
  // symbol's width); the cut holds it to the picture's larger side.
  virtual void Piece(const wchar_t* Key, int& Value, int Default = 0) { Number(Key, Value, Default, PieceRange); }
  // A length on screen not tied to a picture (a form's minimum width).
  void Length(const wchar_t* Key, int& Value, int Default = 0) { Number(Key, Value, Default, LengthRange); }
  // A shift of something drawn (a glow, a focus frame).
  void Shift(const wchar_t* Key, int& Value, int Default = 0) { Number(Key, Value, Default, ShiftRange); }
  // A number of frames, as a count alone.
  void Count(const wchar_t* Key, int& Value, int Default = 0) { Number(Key, Value, Default, CountRange); }
  // The number of frames of a strip from First (frames side by side, or one
  // below the other when Vertical): the cut keeps the frames that lie within
  // the picture.
  virtual void Frames(const wchar_t* Key, int& Value, const TRect& First, bool Vertical, int Default = 0) {
    Count(Key, Value, Default);
  }
  // A timer's interval in milliseconds.
  void Interval(const wchar_t* Key, int& Value, int Default = 0) { Number(Key, Value, Default, IntervalRange); }
  // An alpha value or a glow's size.
  void Level(const wchar_t* Key, int& Value, int Default = 0) { Number(Key, Value, Default, LevelRange); }
  // An end of a gauge's or regulator's range: the span of two fits an int.
  void Amount(const wchar_t* Key, int& Value, int Default = 0) { Number(Key, Value, Default, AmountRange); }
  void Color(const wchar_t* Key, TColor& Value, TColor Default = 0) { Integer(Key, Value, Default); }
  virtual void Boolean(const wchar_t* Key, bool& Value) {}
  // A rectangle of the picture: the cut takes the part within it.
  virtual void Rect(const wchar_t* Key, TRect& Value) {}
  // A point of the picture relative to the record's own rectangle.
  virtual void Point(const wchar_t* Key, TPoint& Value) {}
  virtual void Text(const wchar_t* Key, String& Value, const wchar_t* Default = L"") {}
  virtual void FontStyles(const wchar_t* Key, TFontStyles& Value) {}
  virtual void Alignment(const wchar_t* Key, TAlignment& Value) {}
  virtual void Lines(const wchar_t* Key, std::vector<String>& Value) {}
  virtual void StretchType(const wchar_t* Key, TspStretchType& Value) {}
  virtual void MorphKind(const wchar_t* Key, TspMorphKind& Value) {}
  virtual void FramesPlacement(const wchar_t* Key, TspFramesPlacement& Value) {}
  virtual void RegulatorKind(const wchar_t* Key, TspRegulatorKind& Value) {}
  virtual void GaugeKind(const wchar_t* Key, TspGaugeKind& Value) {}
  virtual void Command(const wchar_t* Key, TspCommandKind& Value) {}
  // The common font keys "fontname", "fontheight", "fontstyle", "fontcolor"
  // with the given prefix ("caption", "fixed", ...).
  void Font(const wchar_t* Prefix, String& Name, int& Height, TFontStyles& Style, TColor& Color);

  // The limits, in one place. Coordinates and lengths GDI draws everywhere:
  // a rectangle or point is held within them as it is read.
  static constexpr int MaxCoord = 32767;
  static constexpr int MaxIndex = 65535;
  static constexpr int MaxInterval = 3600000;
  static constexpr int MaxAmount = 1000000000;
  // A font taller than any screen's line.
  static constexpr int MaxFontHeight = 1000;
  static constexpr TspValueRange CoordRange{-MaxCoord, MaxCoord};
  static constexpr TspValueRange IndexRange{-1, MaxIndex};
  static constexpr TspValueRange PieceRange{0, MaxCoord};
  static constexpr TspValueRange LengthRange{0, MaxCoord};
  static constexpr TspValueRange ShiftRange{-MaxCoord, MaxCoord};
  static constexpr TspValueRange CountRange{0, MaxCoord};
  static constexpr TspValueRange IntervalRange{0, MaxInterval};
  static constexpr TspValueRange LevelRange{0, 255};
  static constexpr TspValueRange AmountRange{-MaxAmount, MaxAmount};
  static constexpr TspValueRange FontHeightRange{-MaxFontHeight, MaxFontHeight};

 protected:
  enum TPass { Read, Write, Cut };
  explicit TspRecordIO(TPass Pass) : FPass(Pass) {}
  // A number of the kind Range belongs to.
  virtual void Number(const wchar_t* Key, int& Value, int Default, const TspValueRange& Range) {}

 private:
  TPass FPass;
};

class TspRecordReader final : public TspRecordIO {
 public:
  TspRecordReader(const TspSkinIni& Ini, const String& Section) : TspRecordIO(Read), FIni(Ini), FSection(Section) {}
  void Integer(const wchar_t* Key, int& Value, int Default = 0) override;
  void Boolean(const wchar_t* Key, bool& Value) override;
  void Rect(const wchar_t* Key, TRect& Value) override;
  void Point(const wchar_t* Key, TPoint& Value) override;
  void Text(const wchar_t* Key, String& Value, const wchar_t* Default = L"") override;
  void FontStyles(const wchar_t* Key, TFontStyles& Value) override;
  void Alignment(const wchar_t* Key, TAlignment& Value) override;
  void Lines(const wchar_t* Key, std::vector<String>& Value) override;
  void StretchType(const wchar_t* Key, TspStretchType& Value) override;
  void MorphKind(const wchar_t* Key, TspMorphKind& Value) override;
  void FramesPlacement(const wchar_t* Key, TspFramesPlacement& Value) override;
  void RegulatorKind(const wchar_t* Key, TspRegulatorKind& Value) override;
  void GaugeKind(const wchar_t* Key, TspGaugeKind& Value) override;
  void Command(const wchar_t* Key, TspCommandKind& Value) override;

 protected:
  void Number(const wchar_t* Key, int& Value, int Default, const TspValueRange& Range) override;

 private:
  // "[Section] Key=value": where a refused value was written.
  String Where(const wchar_t* Key, std::wstring_view Value) const;

  const TspSkinIni& FIni;
  String FSection;
};

class TspRecordWriter final : public TspRecordIO {
 public:
  TspRecordWriter(TspSkinIni& Ini, const String& Section) : TspRecordIO(Write), FIni(Ini), FSection(Section) {}
  void Integer(const wchar_t* Key, int& Value, int Default = 0) override;
  void Boolean(const wchar_t* Key, bool& Value) override;
  void Rect(const wchar_t* Key, TRect& Value) override;
  void Point(const wchar_t* Key, TPoint& Value) override;
  void Text(const wchar_t* Key, String& Value, const wchar_t* Default = L"") override;
  void FontStyles(const wchar_t* Key, TFontStyles& Value) override;
  void Alignment(const wchar_t* Key, TAlignment& Value) override;
  void Lines(const wchar_t* Key, std::vector<String>& Value) override;
  void StretchType(const wchar_t* Key, TspStretchType& Value) override;
  void MorphKind(const wchar_t* Key, TspMorphKind& Value) override;
  void FramesPlacement(const wchar_t* Key, TspFramesPlacement& Value) override;
  void RegulatorKind(const wchar_t* Key, TspRegulatorKind& Value) override;
  void GaugeKind(const wchar_t* Key, TspGaugeKind& Value) override;
  void Command(const wchar_t* Key, TspCommandKind& Value) override;

 protected:
  void Number(const wchar_t* Key, int& Value, int Default, const TspValueRange& Range) override {
    Integer(Key, Value, Default);
  }

 private:
  TspSkinIni& FIni;
  String FSection;
};

// Holds a record read whole to its picture Bounds: every rectangle is cut to
// Bounds (an inverted one becomes absent, an empty one within the picture
// stays, a place without a size), every point is held within Own (the
// record's own rectangle for points relative to it), every piece size within
// Bounds' larger side, and every frame strip to the frames within Strip (the
// picture its frames are drawn from).
class TspRecordCut final : public TspRecordIO {
 public:
  TspRecordCut(const TRect& Bounds, const TRect& Own) : TspRecordCut(Bounds, Own, Bounds) {}
  TspRecordCut(const TRect& Bounds, const TRect& Own, const TRect& Strip)
      : TspRecordIO(Cut), FBounds(Bounds), FOwn(Own), FStrip(Strip) {}
  void Piece(const wchar_t* Key, int& Value, int Default = 0) override;
  void Frames(const wchar_t* Key, int& Value, const TRect& First, bool Vertical, int Default = 0) override;
  void Rect(const wchar_t* Key, TRect& Value) override;
  void Point(const wchar_t* Key, TPoint& Value) override;

 private:
  TRect FBounds, FOwn, FStrip;
};

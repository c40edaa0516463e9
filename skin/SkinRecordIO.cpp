#include "skin/SkinRecordIO.h"

#include <algorithm>

#include "classlib/SysUtils.h"

namespace {

template <size_t N>
int WordIndex(std::wstring_view Text, const wchar_t* const (&Words)[N]) {
  for (size_t i = 0; i < N; ++i)
    if (Text == Words[i]) return static_cast<int>(i);
  return -1;
}

const wchar_t* const kStretchWords[] = {L"stfull", L"sthorz", L"stvert"};
const wchar_t* const kMorphWords[] = {L"mkdefault", L"mkgradient", L"mkleftgradient", L"mkrightgradient",
                                      L"mkleftslide", L"mkrightslide", L"mkpush"};
const wchar_t* const kEffectWords[] = {L"iebrightness", L"iedarkness", L"iegrayscale",
                                       L"ienoise", L"iesplitblur", L"ieinvert"};
const wchar_t* const kRegulatorWords[] = {L"rkround", L"rkhorizontal", L"rkvertical"};
const wchar_t* const kCommandWords[] = {L"cmclose", L"cmmaximize", L"cmminimize", L"cmsysmenu",
                                        L"cmdefault", L"cmrollup", L"cmminimizetotray"};

}  // namespace

TspStretchType ReadStretchType(const TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key) {
  std::wstring_view text = Ini.ReadView(Section, Key, L"stfull");
  if (text == L"stfull") return spstFull;
  if (text == L"stvert") return spstVert;
  return spstHorz;
}

void WriteStretchType(TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key, TspStretchType Value) {
  Ini.WriteString(Section, Key, Value <= spstVert ? kStretchWords[Value] : L"");
}

TspMorphKind ReadMorphKind(const TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key) {
  int i = WordIndex(Ini.ReadView(Section, Key, L"mkdefault"), kMorphWords);
  return static_cast<TspMorphKind>(i < 0 ? 0 : i);
}

void WriteMorphKind(TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key, TspMorphKind Value) {
  Ini.WriteString(Section, Key, Value <= mkPush ? kMorphWords[Value] : L"");
}

TspInactiveEffect ReadInactiveEffect(const TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key) {
  int i = WordIndex(Ini.ReadView(Section, Key, L"iebrightness"), kEffectWords);
  return static_cast<TspInactiveEffect>(i < 0 ? ieGrayscale : i);
}

bool IsSkinIni(const TspSkinIni& Ini) {
  return Ini.SectionExists(L"VERSION") && Ini.SectionExists(L"PICTURES") && Ini.SectionExists(L"FORMINFO") &&
         Ini.SectionExists(L"SKINOBJECTS") && Ini.SectionExists(L"SKINCONTROLS");
}

TRect FrameStripRect(const TRect& First, int Index, bool Vertical) {
  const int dx = Vertical ? 0 : Index * First.Width(), dy = Vertical ? Index * First.Height() : 0;
  return TRect(First.Left + dx, First.Top + dy, First.Right + dx, First.Bottom + dy);
}

int FramesWithin(const TRect& First, int Count, bool Vertical, const TRect& Bounds) {
  const int step = Vertical ? First.Height() : First.Width();
  if (step <= 0) return Count;
  const int room = Vertical ? Bounds.Bottom - First.Top : Bounds.Right - First.Left;
  return std::clamp(room / step, 0, Count);
}

void TspRecordIO::Font(const wchar_t* Prefix, String& Name, int& Height, TFontStyles& Style, TColor& Color) {
  const String p(Prefix);
  Text((p + L"fontname").c_str(), Name, L"Arial");
  Number((p + L"fontheight").c_str(), Height, 14, FontHeightRange);
  FontStyles((p + L"fontstyle").c_str(), Style);
  Integer((p + L"fontcolor").c_str(), Color, 0);
}

// ---------------------------------------------------------------------------
// TspRecordReader

String TspRecordReader::Where(const wchar_t* Key, std::wstring_view Value) const {
  return L"[" + FSection + L"] " + Key + L"=" + String(Value);
}

void TspRecordReader::Integer(const wchar_t* Key, int& Value, int Default) {
  Value = FIni.ReadInteger(FSection, Key, Default);
}

void TspRecordReader::Number(const wchar_t* Key, int& Value, int Default, const TspValueRange& Range) {
  Value = Range.Hold(FIni.ReadInteger(FSection, Key, Default));
}

void TspRecordReader::Boolean(const wchar_t* Key, bool& Value) { Value = ReadBoolean(FIni, FSection, Key); }

void TspRecordReader::Rect(const wchar_t* Key, TRect& Value) {
  const std::wstring_view text = FIni.ReadView(FSection, Key, L"0,0,0,0");
  TRect r;
  try {
    r = ParseRect(text);
  } catch (const EConvertError&) {
    throw EConvertError(Where(Key, text) + L" is not a valid rectangle");
  }
  Value = TRect(CoordRange.Hold(r.Left), CoordRange.Hold(r.Top), CoordRange.Hold(r.Right), CoordRange.Hold(r.Bottom));
}

void TspRecordReader::Point(const wchar_t* Key, TPoint& Value) {
  const std::wstring_view text = FIni.ReadView(FSection, Key, L"0,0");
  TPoint p;
  try {
    p = ParsePoint(text);
  } catch (const EConvertError&) {
    throw EConvertError(Where(Key, text) + L" is not a valid point");
  }
  Value = TPoint(CoordRange.Hold(p.X), CoordRange.Hold(p.Y));
}

void TspRecordReader::Text(const wchar_t* Key, String& Value, const wchar_t* Default) {
  Value = FIni.ReadString(FSection, Key, Default);
}

void TspRecordReader::FontStyles(const wchar_t* Key, TFontStyles& Value) {
  Value = ReadFontStyles(FIni, FSection, Key);
}

void TspRecordReader::Alignment(const wchar_t* Key, TAlignment& Value) { Value = ReadAlignment(FIni, FSection, Key); }

void TspRecordReader::Lines(const wchar_t* Key, std::vector<String>& Value) {
  ReadStrings(FIni, FSection, Key, Value);
}

void TspRecordReader::StretchType(const wchar_t* Key, TspStretchType& Value) {
  Value = ReadStretchType(FIni, FSection, Key);
}

void TspRecordReader::MorphKind(const wchar_t* Key, TspMorphKind& Value) {
  Value = ReadMorphKind(FIni, FSection, Key);
}

void TspRecordReader::FramesPlacement(const wchar_t* Key, TspFramesPlacement& Value) {
  Value = FIni.ReadView(FSection, Key, L"fphorizontal") == L"fphorizontal" ? fpHorizontal : fpVertical;
}

void TspRecordReader::RegulatorKind(const wchar_t* Key, TspRegulatorKind& Value) {
  const int i = WordIndex(FIni.ReadView(FSection, Key, L"rkround"), kRegulatorWords);
  Value = i == 0 ? rkRound : i == 1 ? rkHorizontal : rkVertical;
}

void TspRecordReader::GaugeKind(const wchar_t* Key, TspGaugeKind& Value) {
  Value = FIni.ReadView(FSection, Key, L"gkhorizontal") == L"gkhorizontal" ? gkHorizontal : gkVertical;
}

void TspRecordReader::Command(const wchar_t* Key, TspCommandKind& Value) {
  const int i = WordIndex(FIni.ReadView(FSection, Key, L"cmdefault"), kCommandWords);
  Value = static_cast<TspCommandKind>(i < 0 ? cmMinimizeToTray : i);
}

// ---------------------------------------------------------------------------
// TspRecordWriter

void TspRecordWriter::Integer(const wchar_t* Key, int& Value, int) { FIni.WriteInteger(FSection, Key, Value); }

void TspRecordWriter::Boolean(const wchar_t* Key, bool& Value) { WriteBoolean(FIni, FSection, Key, Value); }

void TspRecordWriter::Rect(const wchar_t* Key, TRect& Value) { WriteRect(FIni, FSection, Key, Value); }

void TspRecordWriter::Point(const wchar_t* Key, TPoint& Value) { WritePoint(FIni, FSection, Key, Value); }

void TspRecordWriter::Text(const wchar_t* Key, String& Value, const wchar_t*) {
  FIni.WriteString(FSection, Key, Value);
}

void TspRecordWriter::FontStyles(const wchar_t* Key, TFontStyles& Value) {
  WriteFontStyles(FIni, FSection, Key, Value);
}

void TspRecordWriter::Alignment(const wchar_t* Key, TAlignment& Value) { WriteAlignment(FIni, FSection, Key, Value); }

void TspRecordWriter::Lines(const wchar_t* Key, std::vector<String>& Value) {
  WriteStrings(FIni, FSection, Key, Value);
}

void TspRecordWriter::StretchType(const wchar_t* Key, TspStretchType& Value) {
  WriteStretchType(FIni, FSection, Key, Value);
}

void TspRecordWriter::MorphKind(const wchar_t* Key, TspMorphKind& Value) {
  WriteMorphKind(FIni, FSection, Key, Value);
}

void TspRecordWriter::FramesPlacement(const wchar_t* Key, TspFramesPlacement& Value) {
  FIni.WriteString(FSection, Key, Value == fpHorizontal ? L"fphorizontal" : L"fpvertical");
}

void TspRecordWriter::RegulatorKind(const wchar_t* Key, TspRegulatorKind& Value) {
  FIni.WriteString(FSection, Key, kRegulatorWords[Value <= rkHorizontal ? Value : rkVertical]);
}

void TspRecordWriter::GaugeKind(const wchar_t* Key, TspGaugeKind& Value) {
  FIni.WriteString(FSection, Key, Value == gkHorizontal ? L"gkhorizontal" : L"gkvertical");
}

void TspRecordWriter::Command(const wchar_t* Key, TspCommandKind& Value) {
  FIni.WriteString(FSection, Key, kCommandWords[Value <= cmMinimizeToTray ? Value : cmMinimizeToTray]);
}

// ---------------------------------------------------------------------------
// TspRecordCut

void TspRecordCut::Piece(const wchar_t*, int& Value, int) {
  Value = TspValueRange{0, std::max({FBounds.Width(), FBounds.Height(), 0})}.Hold(Value);
}

void TspRecordCut::Frames(const wchar_t*, int& Value, const TRect& First, bool Vertical, int) {
  Value = FramesWithin(First, Value, Vertical, FStrip);
}

void TspRecordCut::Rect(const wchar_t*, TRect& Value) {
  if (Value.Right < Value.Left || Value.Bottom < Value.Top)
    Value = TRect();
  else if (Value.Left < FBounds.Left || Value.Top < FBounds.Top || Value.Right > FBounds.Right ||
           Value.Bottom > FBounds.Bottom)
    IntersectRect(Value, Value, FBounds);
}

void TspRecordCut::Point(const wchar_t*, TPoint& Value) {
  Value = TPoint(TspValueRange{FOwn.Left, FOwn.Right}.Hold(Value.X), TspValueRange{FOwn.Top, FOwn.Bottom}.Hold(Value.Y));
}

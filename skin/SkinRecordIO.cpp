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

// ---------------------------------------------------------------------------
// TspRecordIO

namespace {

int Clamp(int Value, int Min, int Max) { return Value < Min ? Min : Value > Max ? Max : Value; }

TRect ClampRect(const TRect& R, int Limit) {
  return TRect(Clamp(R.Left, -Limit, Limit), Clamp(R.Top, -Limit, Limit), Clamp(R.Right, -Limit, Limit),
               Clamp(R.Bottom, -Limit, Limit));
}

}  // namespace

String TspRecordIO::Where(const wchar_t* Key, std::wstring_view Value) const {
  return L"[" + FSection + L"] " + Key + L"=" + String(Value);
}

void TspRecordIO::Integer(const wchar_t* Key, int& Value, int Default) {
  if (FClip) return;
  if (Writing())
    FWriter->WriteInteger(FSection, Key, Value);
  else
    Value = FReader->ReadInteger(FSection, Key, Default);
}

void TspRecordIO::Limited(const wchar_t* Key, int& Value, int Default, int Min, int Max) {
  if (FClip) return;
  Integer(Key, Value, Default);
  if (Reading()) Value = Clamp(Value, Min, Max);
}

void TspRecordIO::Index(const wchar_t* Key, int& Value, int Default) { Limited(Key, Value, Default, -1, MaxIndex); }

void TspRecordIO::Piece(const wchar_t* Key, int& Value, int Default) {
  if (FClip)
    Value = Clamp(Value, 0, std::max({FBounds.Width(), FBounds.Height(), 0}));
  else
    Limited(Key, Value, Default, 0, MaxCoord);
}

void TspRecordIO::Length(const wchar_t* Key, int& Value, int Default) { Limited(Key, Value, Default, 0, MaxCoord); }

void TspRecordIO::Shift(const wchar_t* Key, int& Value, int Default) {
  Limited(Key, Value, Default, -MaxCoord, MaxCoord);
}

void TspRecordIO::Count(const wchar_t* Key, int& Value, int Default) { Limited(Key, Value, Default, 0, MaxCoord); }

void TspRecordIO::Interval(const wchar_t* Key, int& Value, int Default) {
  Limited(Key, Value, Default, 0, MaxInterval);
}

void TspRecordIO::Level(const wchar_t* Key, int& Value, int Default) { Limited(Key, Value, Default, 0, 255); }

void TspRecordIO::Amount(const wchar_t* Key, int& Value, int Default) {
  Limited(Key, Value, Default, -MaxAmount, MaxAmount);
}

void TspRecordIO::Boolean(const wchar_t* Key, bool& Value) {
  if (FClip) return;
  if (Writing())
    WriteBoolean(*FWriter, FSection, Key, Value);
  else
    Value = ReadBoolean(*FReader, FSection, Key);
}

void TspRecordIO::Rect(const wchar_t* Key, TRect& Value) {
  if (FClip) {
    // An inverted rectangle means nothing: absent. An empty one within the
    // picture stays as it is (a place without a size).
    const bool within = Value.Left >= FBounds.Left && Value.Top >= FBounds.Top && Value.Right <= FBounds.Right &&
                        Value.Bottom <= FBounds.Bottom;
    if (Value.Right < Value.Left || Value.Bottom < Value.Top)
      Value = TRect();
    else if (!within)
      IntersectRect(Value, Value, FBounds);
    return;
  }
  if (Writing()) {
    WriteRect(*FWriter, FSection, Key, Value);
    return;
  }
  const std::wstring_view text = FReader->ReadView(FSection, Key, L"0,0,0,0");
  try {
    Value = ClampRect(ParseRect(text), MaxCoord);
  } catch (const EConvertError&) {
    throw EConvertError(Where(Key, text) + L" is not a valid rectangle");
  }
}

void TspRecordIO::Point(const wchar_t* Key, TPoint& Value) {
  if (FClip) {
    Value = TPoint(Clamp(Value.X, FOwn.Left, FOwn.Right), Clamp(Value.Y, FOwn.Top, FOwn.Bottom));
    return;
  }
  if (Writing()) {
    WritePoint(*FWriter, FSection, Key, Value);
    return;
  }
  const std::wstring_view text = FReader->ReadView(FSection, Key, L"0,0");
  try {
    const TPoint p = ParsePoint(text);
    Value = TPoint(Clamp(p.X, -MaxCoord, MaxCoord), Clamp(p.Y, -MaxCoord, MaxCoord));
  } catch (const EConvertError&) {
    throw EConvertError(Where(Key, text) + L" is not a valid point");
  }
}

void TspRecordIO::Text(const wchar_t* Key, String& Value, const wchar_t* Default) {
  if (FClip) return;
  if (Writing())
    FWriter->WriteString(FSection, Key, Value);
  else
    Value = FReader->ReadString(FSection, Key, Default);
}

void TspRecordIO::FontStyles(const wchar_t* Key, TFontStyles& Value) {
  if (FClip) return;
  if (Writing())
    WriteFontStyles(*FWriter, FSection, Key, Value);
  else
    Value = ReadFontStyles(*FReader, FSection, Key);
}

void TspRecordIO::Alignment(const wchar_t* Key, TAlignment& Value) {
  if (FClip) return;
  if (Writing())
    WriteAlignment(*FWriter, FSection, Key, Value);
  else
    Value = ReadAlignment(*FReader, FSection, Key);
}

void TspRecordIO::Lines(const wchar_t* Key, std::vector<String>& Value) {
  if (FClip) return;
  if (Writing())
    WriteStrings(*FWriter, FSection, Key, Value);
  else
    ReadStrings(*FReader, FSection, Key, Value);
}

void TspRecordIO::StretchType(const wchar_t* Key, TspStretchType& Value) {
  if (FClip) return;
  if (Writing())
    WriteStretchType(*FWriter, FSection, Key, Value);
  else
    Value = ReadStretchType(*FReader, FSection, Key);
}

void TspRecordIO::MorphKind(const wchar_t* Key, TspMorphKind& Value) {
  if (FClip) return;
  if (Writing())
    WriteMorphKind(*FWriter, FSection, Key, Value);
  else
    Value = ReadMorphKind(*FReader, FSection, Key);
}

void TspRecordIO::FramesPlacement(const wchar_t* Key, TspFramesPlacement& Value) {
  if (FClip) return;
  if (Writing())
    FWriter->WriteString(FSection, Key, Value == fpHorizontal ? L"fphorizontal" : L"fpvertical");
  else
    Value = FReader->ReadView(FSection, Key, L"fphorizontal") == L"fphorizontal" ? fpHorizontal : fpVertical;
}

void TspRecordIO::RegulatorKind(const wchar_t* Key, TspRegulatorKind& Value) {
  if (FClip) return;
  if (Writing()) {
    FWriter->WriteString(FSection, Key, kRegulatorWords[Value <= rkHorizontal ? Value : rkVertical]);
  } else {
    int i = WordIndex(FReader->ReadView(FSection, Key, L"rkround"), kRegulatorWords);
    Value = i == 0 ? rkRound : i == 1 ? rkHorizontal : rkVertical;
  }
}

void TspRecordIO::GaugeKind(const wchar_t* Key, TspGaugeKind& Value) {
  if (FClip) return;
  if (Writing())
    FWriter->WriteString(FSection, Key, Value == gkHorizontal ? L"gkhorizontal" : L"gkvertical");
  else
    Value = FReader->ReadView(FSection, Key, L"gkhorizontal") == L"gkhorizontal" ? gkHorizontal : gkVertical;
}

void TspRecordIO::Command(const wchar_t* Key, TspCommandKind& Value) {
  if (FClip) return;
  if (Writing()) {
    FWriter->WriteString(FSection, Key, kCommandWords[Value <= cmMinimizeToTray ? Value : cmMinimizeToTray]);
  } else {
    int i = WordIndex(FReader->ReadView(FSection, Key, L"cmdefault"), kCommandWords);
    Value = static_cast<TspCommandKind>(i < 0 ? cmMinimizeToTray : i);
  }
}

void TspRecordIO::Font(const wchar_t* Prefix, String& Name, int& Height, TFontStyles& Style, TColor& Color) {
  if (!*Prefix) {
    Text(L"fontname", Name, L"Arial");
    Limited(L"fontheight", Height, 14, -MaxFontHeight, MaxFontHeight);
    FontStyles(L"fontstyle", Style);
    Integer(L"fontcolor", Color, 0);
    return;
  }
  String p(Prefix);
  Text((p + L"fontname").c_str(), Name, L"Arial");
  Limited((p + L"fontheight").c_str(), Height, 14, -MaxFontHeight, MaxFontHeight);
  FontStyles((p + L"fontstyle").c_str(), Style);
  Integer((p + L"fontcolor").c_str(), Color, 0);
}

// The edit-mask grammar and its text conversions.
#include "classlib/EditMask.h"

#include <cwctype>

#include "classlib/SysUtils.h"

void TEditMask::SetMask(const String& Mask) {
  FPositions.clear();
  FSaveLiterals = true;
  FLeadingBlanks = false;
  FBlank = L'_';
  // The two trailing fields split off at the last two unescaped ";".
  String pattern = Mask;
  std::vector<size_t> semis;
  for (size_t i = 0; i < Mask.size(); ++i) {
    if (Mask[i] == L'\\') { ++i; continue; }
    if (Mask[i] == L';') semis.push_back(i);
  }
  if (semis.size() >= 2) {
    const size_t a = semis[semis.size() - 2], b = semis.back();
    pattern = Mask.substr(0, a);
    const String save = Mask.substr(a + 1, b - a - 1);
    FSaveLiterals = save != L"0";
    if (b + 1 < Mask.size()) FBlank = Mask[b + 1];
  } else if (semis.size() == 1) {
    pattern = Mask.substr(0, semis[0]);
    FSaveLiterals = Mask.substr(semis[0] + 1) != L"0";
  }
  int caseMode = 0;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const wchar_t c = pattern[i];
    switch (c) {
      case L'!': FLeadingBlanks = true; continue;
      case L'>':
        if (i + 1 < pattern.size() && pattern[i + 1] == L'<') { caseMode = 0; ++i; }
        else caseMode = 1;
        continue;
      case L'<': caseMode = 2; continue;
      case L'\\':
        if (i + 1 < pattern.size()) FPositions.push_back({mcLiteral, pattern[++i], 0});
        continue;
      case L'L': case L'A': case L'C': case L'0':
        FPositions.push_back({mcRequired, c, caseMode});
        continue;
      case L'l': case L'a': case L'c': case L'9': case L'#':
        FPositions.push_back({mcOptional, c, caseMode});
        continue;
      case L':': FPositions.push_back({mcLiteral, FormatSettings().TimeSeparator, 0}); continue;
      case L'/': FPositions.push_back({mcLiteral, FormatSettings().DateSeparator, 0}); continue;
      case L'_': FPositions.push_back({mcLiteral, L' ', 0}); continue;
      default: FPositions.push_back({mcLiteral, c, 0});
    }
  }
}

bool TEditMask::IsLiteral(int Pos) const {
  return Pos < 0 || Pos >= Length() || FPositions[Pos].Type == mcLiteral;
}

int TEditMask::NextInput(int Pos) const {
  for (int i = Pos < 0 ? 0 : Pos; i < Length(); ++i)
    if (!IsLiteral(i)) return i;
  return Length();
}

int TEditMask::PrevInput(int Pos) const {
  for (int i = (Pos > Length() ? Length() : Pos) - 1; i >= 0; --i)
    if (!IsLiteral(i)) return i;
  return -1;
}

wchar_t TEditMask::Accept(int Pos, wchar_t Ch) const {
  if (IsLiteral(Pos) || Ch < L' ') return 0;
  const TPos& p = FPositions[Pos];
  const bool letter = std::iswalpha(Ch) != 0 || Ch >= 0x80;
  const bool digit = Ch >= L'0' && Ch <= L'9';
  bool ok = false;
  switch (p.Kind) {
    case L'L': case L'l': ok = letter && !digit; break;
    case L'A': case L'a': ok = letter || digit; break;
    case L'C': case L'c': ok = true; break;
    case L'0': case L'9': ok = digit; break;
    case L'#': ok = digit || Ch == L'+' || Ch == L'-'; break;
  }
  if (!ok) return 0;
  if (p.Case == 1) return static_cast<wchar_t>(std::towupper(Ch));
  if (p.Case == 2) return static_cast<wchar_t>(std::towlower(Ch));
  return Ch;
}

String TEditMask::EmptyEditText() const {
  String s;
  for (const TPos& p : FPositions) s += p.Type == mcLiteral ? p.Kind : FBlank;
  return s;
}

String TEditMask::EditTextOf(const String& Text) const {
  String edit = EmptyEditText();
  if (FSaveLiterals) {
    // Position by position; literals stay the mask's own.
    for (int i = 0; i < Length() && i < static_cast<int>(Text.size()); ++i)
      if (!IsLiteral(i) && Text[i] != L' ' && Accept(i, Text[i])) edit[i] = Accept(i, Text[i]);
    return edit;
  }
  // Only typed characters: they fill the input positions in order, from the
  // back when optional blanks lead.
  std::vector<int> inputs;
  for (int i = 0; i < Length(); ++i)
    if (!IsLiteral(i)) inputs.push_back(i);
  const size_t n = std::min(inputs.size(), Text.size());
  const size_t first = FLeadingBlanks ? inputs.size() - n : 0;
  for (size_t k = 0; k < n; ++k) {
    const int pos = inputs[first + k];
    const wchar_t c = Accept(pos, Text[k]);
    if (Text[k] != L' ' && c) edit[pos] = c;
  }
  return edit;
}

String TEditMask::TextOf(const String& EditText) const {
  String s;
  for (int i = 0; i < Length(); ++i) {
    const wchar_t c = i < static_cast<int>(EditText.size()) ? EditText[i] : FBlank;
    if (IsLiteral(i)) {
      if (FSaveLiterals) s += FPositions[i].Kind;
    } else {
      s += c == FBlank ? L' ' : c;
    }
  }
  if (!FSaveLiterals) {
    // Unsaved blanks are trimmed at the end (or, with "!", at the front).
    if (FLeadingBlanks) s.erase(0, s.find_first_not_of(L' ') == String::npos ? s.size() : s.find_first_not_of(L' '));
    else s.erase(s.find_last_not_of(L' ') + 1);
  }
  return s;
}

int TEditMask::FirstInvalid(const String& EditText) const {
  for (int i = 0; i < Length(); ++i) {
    if (IsLiteral(i)) continue;
    const wchar_t c = i < static_cast<int>(EditText.size()) ? EditText[i] : FBlank;
    const bool blank = c == FBlank || c == L' ';
    if (blank ? FPositions[i].Type == mcRequired : !Accept(i, c)) return i;
  }
  return -1;
}

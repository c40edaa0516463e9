// The in-memory INI object that holds a skin's description, and the codec of
// the value kinds that skin records read and write through it.
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "classlib/ControlTypes.h"
#include "classlib/GraphicsTypes.h"
#include "classlib/Types.h"

// Sections and keys of an INI text. Names match without regard to letter case,
// by the same rule as AnsiCompareText (values keep their case); the first
// section of a name and the first key of a name in it are the ones read and
// written. Lines before the first section are dropped. The text is kept in
// one pool that entries point into, so reading a skin's INI costs no
// allocation per line.
class TspSkinIni {
 public:
  TspSkinIni() = default;
  explicit TspSkinIni(const std::vector<String>& Lines) { SetLines(Lines); }

  void SetLines(const std::vector<String>& Lines);
  // The whole text, lines separated by CR LF, CR or LF.
  void SetText(std::wstring_view Text);
  // The same, taking the text over instead of copying it.
  void SetText(String&& Text);
  // The text as it now stands, one line per section header and entry.
  std::vector<String> GetLines() const;

  bool SectionExists(std::wstring_view Section) const;
  bool ValueExists(std::wstring_view Section, std::wstring_view Key) const;
  String ReadString(std::wstring_view Section, std::wstring_view Key, std::wstring_view Default) const;
  // The value in place, or Default; valid until the INI next changes.
  std::wstring_view ReadView(std::wstring_view Section, std::wstring_view Key, std::wstring_view Default) const;
  // Decimal with an optional sign, or hexadecimal after "$", "0x" or "0X";
  // anything else, and numbers outside 32 bits, give Default.
  int ReadInteger(std::wstring_view Section, std::wstring_view Key, int Default) const;
  void WriteString(std::wstring_view Section, std::wstring_view Key, std::wstring_view Value);
  void WriteInteger(std::wstring_view Section, std::wstring_view Key, int Value);
  void EraseSection(std::wstring_view Section);
  // The items of a list: its count under CountKey, item i under ItemPrefix
  // followed by i in decimal; an absent item reads as the empty text. The
  // count is cut to one more than the largest index present and to
  // MaxListItems: a count past the lines written costs nothing and loses
  // none of them. Valid until the INI next changes.
  std::vector<std::wstring_view> ReadList(std::wstring_view Section, std::wstring_view CountKey,
                                          std::wstring_view ItemPrefix) const;
  // No skin comes near this many items in one list; an index past it is
  // taken as damage, so that a few characters cannot make a reader fill
  // billions of empty items.
  static constexpr int MaxListItems = 1 << 16;

 private:
  struct TSpan {
    uint32_t Start = 0;
    uint32_t Length = 0;
  };
  // Names carry a hash of their case-folded text, so a look-up compares
  // whole names only where the hashes agree.
  struct TEntry {
    TSpan Name;
    TSpan Value;
    uint32_t NameHash = 0;
    bool HasValue = true;  // false for a line without "=": kept, never matched
  };
  struct TSection {
    TSpan Name;
    uint32_t NameHash = 0;
    std::vector<TEntry> Entries;
    // Whether two entries share a hash (-1: not yet known). Without that,
    // a look-up may start where the last one ended, as records read their
    // keys in the order they are written.
    mutable int8_t Repeats = -1;
    mutable size_t Cursor = 0;
  };
  std::wstring_view View(TSpan Span) const { return std::wstring_view(FPool).substr(Span.Start, Span.Length); }
  TSpan Store(std::wstring_view Text);
  // One line of the text: a section header starts a section whose entries
  // begin at Entries' end (noted in Starts), any other line adds its entry.
  void AddLine(size_t Begin, size_t End, std::vector<TEntry>& Entries, std::vector<size_t>& Starts);
  const TSection* FindSection(std::wstring_view Section) const;
  const TEntry* FindEntry(std::wstring_view Section, std::wstring_view Key) const;

  // Notes section Index (the last added) in the index of first sections.
  void IndexSection(size_t Index);

  String FPool;
  std::vector<TSection> FSections;
  // The first section of each name hash; sections of other names sharing a
  // hash are reached through FSameHash. A look-up of a section costs the
  // same however many sections the text holds.
  std::unordered_map<uint32_t, uint32_t> FFirstOfHash;
  // For each section, the next section with the same hash, or kNoSection.
  static constexpr uint32_t kNoSection = 0xFFFFFFFFu;
  std::vector<uint32_t> FSameHash;
  mutable size_t FLastSection = 0;  // readers take a record's keys one after another
};

// Parses the integer forms of the skin text; false when the text is none.
bool TryParseSkinInteger(std::wstring_view Text, int& Value);

// ---------------------------------------------------------------------------
// Value codec

// "1" reads True; anything else, and an absent key, False. Written "1" or "0".
bool ReadBoolean(const TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key);
void WriteBoolean(TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key, bool Value);

// Comma-separated decimal numbers. Characters other than digits are dropped,
// except a minus sign in front of a field's first digit, which keeps the sign.
// An empty field raises EConvertError; fields beyond the needed ones are ignored.
TPoint ParsePoint(std::wstring_view Text);
TRect ParseRect(std::wstring_view Text);
TPoint ReadPoint(const TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key);
void WritePoint(TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key, const TPoint& Value);
TRect ReadRect(const TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key);
void WriteRect(TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key, const TRect& Value);

TFontStyles ReadFontStyles(const TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key);
void WriteFontStyles(TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key, TFontStyles Value);

TAlignment ReadAlignment(const TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key);
void WriteAlignment(TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key, TAlignment Value);

// Lines under Key + "linecount" and Key + "line" + i; appended to Lines.
void ReadStrings(const TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key,
                 std::vector<String>& Lines);
void WriteStrings(TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key,
                  const std::vector<String>& Lines);
// Count under Key + "count", items under "0", "1", ...; appended to Items.
void ReadIndexedStrings(const TspSkinIni& Ini, std::wstring_view Section, std::wstring_view Key,
                        std::vector<String>& Items);

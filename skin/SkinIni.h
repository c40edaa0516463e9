// The in-memory INI object that holds a skin's description, and the codec of
// the value kinds that skin records read and write through it.
#pragma once

#include <unordered_map>
#include <vector>

#include "classlib/GraphicsTypes.h"
#include "classlib/Types.h"

// Sections and keys of an INI text. Names match without regard to letter case;
// the first section of a name and the first key of a name in it are the ones
// read and written. Lines before the first section are dropped.
class TspSkinIni {
 public:
  TspSkinIni() = default;
  explicit TspSkinIni(const std::vector<String>& Lines) { SetLines(Lines); }

  void SetLines(const std::vector<String>& Lines);
  // The text as it now stands, one line per section header and entry.
  std::vector<String> GetLines() const;

  bool SectionExists(const String& Section) const;
  bool ValueExists(const String& Section, const String& Key) const;
  String ReadString(const String& Section, const String& Key, const String& Default) const;
  // Decimal with an optional sign, or hexadecimal after "$", "0x" or "0X";
  // anything else, and numbers outside 32 bits, give Default.
  int ReadInteger(const String& Section, const String& Key, int Default) const;
  void WriteString(const String& Section, const String& Key, const String& Value);
  void WriteInteger(const String& Section, const String& Key, int Value);
  void EraseSection(const String& Section);
  // A count read from a section, limited to the entries the section holds:
  // a list can never have more items than there are lines to hold them.
  int ClampCount(const String& Section, int Count) const;

 private:
  struct TEntry {
    String Name;
    String Value;
    bool HasValue = true;  // false for a line without "=": kept, never matched
  };
  struct TSection {
    String Name;
    std::vector<TEntry> Entries;
  };
  const TSection* FindSection(const String& Section) const;
  const TEntry* FindEntry(const String& Section, const String& Key) const;
  TSection& SectionForWrite(const String& Section);
  void RebuildIndex();

  std::vector<TSection> FSections;
  std::unordered_map<String, size_t> FIndex;  // folded name -> first section of it
};

// Parses the integer forms of the skin text; false when the text is none.
bool TryParseSkinInteger(const String& Text, int& Value);

// ---------------------------------------------------------------------------
// Value codec

// Horizontal text alignment, numbered as the skin's records store it.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// "1" reads True; anything else, and an absent key, False. Written "1" or "0".
bool ReadBoolean(const TspSkinIni& Ini, const String& Section, const String& Key);
void WriteBoolean(TspSkinIni& Ini, const String& Section, const String& Key, bool Value);

// Comma-separated decimal numbers. Characters other than digits are dropped,
// except a minus sign in front of a field's first digit, which keeps the sign.
// An empty field raises EConvertError; fields beyond the needed ones are ignored.
TPoint ParsePoint(const String& Text);
TRect ParseRect(const String& Text);
TPoint ReadPoint(const TspSkinIni& Ini, const String& Section, const String& Key);
void WritePoint(TspSkinIni& Ini, const String& Section, const String& Key, const TPoint& Value);
TRect ReadRect(const TspSkinIni& Ini, const String& Section, const String& Key);
void WriteRect(TspSkinIni& Ini, const String& Section, const String& Key, const TRect& Value);

TFontStyles ReadFontStyles(const TspSkinIni& Ini, const String& Section, const String& Key);
void WriteFontStyles(TspSkinIni& Ini, const String& Section, const String& Key, TFontStyles Value);

TAlignment ReadAlignment(const TspSkinIni& Ini, const String& Section, const String& Key);
void WriteAlignment(TspSkinIni& Ini, const String& Section, const String& Key, TAlignment Value);

// Lines under Key + "linecount" and Key + "line" + i; appended to Lines.
void ReadStrings(const TspSkinIni& Ini, const String& Section, const String& Key,
                 std::vector<String>& Lines);
void WriteStrings(TspSkinIni& Ini, const String& Section, const String& Key,
                  const std::vector<String>& Lines);
// Count under Key + "count", items under "0", "1", ...; appended to Items.
void ReadIndexedStrings(const TspSkinIni& Ini, const String& Section, const String& Key,
                        std::vector<String>& Items);

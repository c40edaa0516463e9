#include "classlib/TextCodec.h"

#include <algorithm>

#include "classlib/TextCodecPlatform.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Reads one code point from a String, joining UTF-16 surrogate pairs where
// wchar_t is 16 bits wide.
char32_t NextCodePoint(const String& s, size_t& i) {
  char32_t c = static_cast<char32_t>(s[i++]);
  if constexpr (sizeof(wchar_t) == 2) {
    c &= 0xFFFF;
    if (c >= 0xD800 && c <= 0xDBFF) {
      if (i < s.size()) {
        char32_t lo = static_cast<char32_t>(s[i]) & 0xFFFF;
        if (lo >= 0xDC00 && lo <= 0xDFFF) {
          ++i;
          return 0x10000 + ((c - 0xD800) << 10) + (lo - 0xDC00);
        }
      }
      return kReplacement;
    }
    if (c >= 0xDC00 && c <= 0xDFFF) return kReplacement;
  }
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return kReplacement;
  return c;
}

void AppendCodePoint(String& out, char32_t c) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (c >= 0x10000) {
      c -= 0x10000;
      out.push_back(static_cast<wchar_t>(0xD800 + (c >> 10)));
      out.push_back(static_cast<wchar_t>(0xDC00 + (c & 0x3FF)));
      return;
    }
  }
  out.push_back(static_cast<wchar_t>(c));
}

}  // namespace

std::string WideToUtf8(const String& s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    char32_t c = NextCodePoint(s, i);
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

namespace {

// UTF-8 to String; Valid tells whether every byte formed a character.
String DecodeUtf8(const char* Bytes, size_t Size, bool& Valid) {
  String out;
  out.reserve(Size);
  Valid = true;
  const auto* s = reinterpret_cast<const unsigned char*>(Bytes);
  size_t i = 0;
  while (i < Size) {
    unsigned char b = s[i];
    int extra;
    char32_t c;
    if (b < 0x80) { c = b; extra = 0; }
    else if ((b & 0xE0) == 0xC0) { c = b & 0x1F; extra = 1; }
    else if ((b & 0xF0) == 0xE0) { c = b & 0x0F; extra = 2; }
    else if ((b & 0xF8) == 0xF0) { c = b & 0x07; extra = 3; }
    else { AppendCodePoint(out, kReplacement); Valid = false; ++i; continue; }
    size_t start = i++;
    bool ok = true;
    for (int k = 0; k < extra; ++k, ++i) {
      if (i >= Size || (s[i] & 0xC0) != 0x80) { ok = false; break; }
      c = (c << 6) | (s[i] & 0x3F);
    }
    static const char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (!ok || c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
      AppendCodePoint(out, kReplacement);
      Valid = false;
      if (!ok && i == start) ++i;
      continue;
    }
    AppendCodePoint(out, c);
  }
  return out;
}

}  // namespace

String Utf8ToWide(const std::string& s) {
  bool valid;
  return DecodeUtf8(s.data(), s.size(), valid);
}

// ---------------------------------------------------------------------------
// Code page 936. The byte structure is walked here, so the platform converter
// only ever sees whole characters.

namespace {

bool IsGbkLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
bool IsGbkTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }

// Code page 936 bytes of s, '?' for each character the code page lacks;
// false when there was one.
bool EncodeGbk(const String& s, std::string& out) {
  out.clear();
  out.reserve(s.size() * 2);
  bool whole = true;
  for (size_t i = 0; i < s.size();) {
    char32_t c = NextCodePoint(s, i);
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      continue;
    }
    unsigned char bytes[2];
    int n = textcodec_detail::EncodeGbkChar(c, bytes);
    if (n == 0) {
      out.push_back('?');
      whole = false;
    } else {
      out.append(reinterpret_cast<const char*>(bytes), static_cast<size_t>(n));
    }
  }
  return whole;
}

}  // namespace

std::string WideToGbk(const String& s) {
  std::string out;
  EncodeGbk(s, out);
  return out;
}

String GbkToWide(const char* Data, size_t Size) {
  String out;
  out.reserve(Size);
  const auto* bytes = reinterpret_cast<const unsigned char*>(Data);
  for (size_t i = 0; i < Size;) {
    if (bytes[i] < 0x80) {
      // Text is mostly ASCII: a run of it is taken in one step.
      size_t end = i + 1;
      while (end < Size && bytes[end] < 0x80) ++end;
      const size_t at = out.size();
      out.resize(at + (end - i));
      wchar_t* to = &out[at];
      for (; i < end; ++i) *to++ = static_cast<wchar_t>(bytes[i]);
      continue;
    }
    int length = IsGbkLeadByte(bytes[i]) && i + 1 < Size && IsGbkTrailByte(bytes[i + 1]) ? 2 : 1;
    char32_t c;
    if (!textcodec_detail::DecodeGbkChar(bytes + i, length, c) || c > 0x10FFFF) {
      // An unassigned pair is one bad character; a lone byte is just itself.
      c = kReplacement;
    }
    AppendCodePoint(out, c);
    i += static_cast<size_t>(length);
  }
  return out;
}

// ---------------------------------------------------------------------------
// Text files

namespace {

const char kUtf8Mark[] = "\xEF\xBB\xBF";

bool StartsWith(const char* Bytes, size_t Size, const char* Mark, size_t MarkSize) {
  return Size >= MarkSize && std::equal(Mark, Mark + MarkSize, Bytes);
}

// UTF-16 to String, pairs joined where wchar_t is 32 bits wide; a half
// pair alone and an odd last byte are broken characters.
String DecodeUtf16(const char* Bytes, size_t Size, bool BigEndian) {
  const auto* b = reinterpret_cast<const unsigned char*>(Bytes);
  const auto unit = [&](size_t i) {
    return static_cast<char32_t>(BigEndian ? (b[i] << 8) | b[i + 1] : b[i] | (b[i + 1] << 8));
  };
  String out;
  out.reserve(Size / 2 + 1);
  for (size_t i = 0; i + 1 < Size; i += 2) {
    char32_t c = unit(i);
    if (c >= 0xD800 && c <= 0xDBFF && i + 3 < Size && unit(i + 2) >= 0xDC00 && unit(i + 2) <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
      i += 2;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = kReplacement;
    }
    AppendCodePoint(out, c);
  }
  if (Size % 2) AppendCodePoint(out, kReplacement);
  return out;
}

}  // namespace

std::string TextToFileBytes(const String& Text) {
  std::string gbk;
  if (EncodeGbk(Text, gbk) && !StartsWith(gbk.data(), gbk.size(), kUtf8Mark, 3) &&
      !StartsWith(gbk.data(), gbk.size(), "\xFF\xFE", 2) && !StartsWith(gbk.data(), gbk.size(), "\xFE\xFF", 2))
    return gbk;
  return kUtf8Mark + WideToUtf8(Text);
}

String TextFromFileBytes(const char* Bytes, size_t Size) {
  if (StartsWith(Bytes, Size, kUtf8Mark, 3)) {
    bool valid;
    String text = DecodeUtf8(Bytes + 3, Size - 3, valid);
    if (valid) return text;
  } else if (StartsWith(Bytes, Size, "\xFF\xFE", 2)) {
    return DecodeUtf16(Bytes + 2, Size - 2, false);
  } else if (StartsWith(Bytes, Size, "\xFE\xFF", 2)) {
    return DecodeUtf16(Bytes + 2, Size - 2, true);
  }
  return GbkToWide(Bytes, Size);
}

#include "classlib/TextCodec.h"

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

String Utf8ToWide(const std::string& s) {
  String out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    unsigned char b = static_cast<unsigned char>(s[i]);
    int extra;
    char32_t c;
    if (b < 0x80) { c = b; extra = 0; }
    else if ((b & 0xE0) == 0xC0) { c = b & 0x1F; extra = 1; }
    else if ((b & 0xF0) == 0xE0) { c = b & 0x0F; extra = 2; }
    else if ((b & 0xF8) == 0xF0) { c = b & 0x07; extra = 3; }
    else { AppendCodePoint(out, kReplacement); ++i; continue; }
    size_t start = i++;
    bool ok = true;
    for (int k = 0; k < extra; ++k, ++i) {
      if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) { ok = false; break; }
      c = (c << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
    }
    static const char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (!ok || c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
      AppendCodePoint(out, kReplacement);
      if (!ok && i == start) ++i;
      continue;
    }
    AppendCodePoint(out, c);
  }
  return out;
}

// ---------------------------------------------------------------------------
// Code page 936. The byte structure is walked here, so the platform converter
// only ever sees whole characters.

namespace {

bool IsGbkLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
bool IsGbkTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }

}  // namespace

std::string WideToGbk(const String& s) {
  std::string out;
  out.reserve(s.size() * 2);
  for (size_t i = 0; i < s.size();) {
    char32_t c = NextCodePoint(s, i);
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      continue;
    }
    unsigned char bytes[2];
    int n = textcodec_detail::EncodeGbkChar(c, bytes);
    if (n == 0) out.push_back('?');
    else out.append(reinterpret_cast<const char*>(bytes), static_cast<size_t>(n));
  }
  return out;
}

String GbkToWide(const std::string& s) {
  String out;
  out.reserve(s.size());
  const auto* bytes = reinterpret_cast<const unsigned char*>(s.data());
  for (size_t i = 0; i < s.size();) {
    if (bytes[i] < 0x80) {
      out.push_back(static_cast<wchar_t>(bytes[i++]));
      continue;
    }
    int length = IsGbkLeadByte(bytes[i]) && i + 1 < s.size() && IsGbkTrailByte(bytes[i + 1]) ? 2 : 1;
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

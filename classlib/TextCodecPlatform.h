// Single-character code page 936 conversions supplied by the platform (Windows
// API on Windows, iconv elsewhere). Internal to the text codec.
#pragma once

namespace textcodec_detail {

// Decodes one complete character of 1 or 2 bytes; false when the code page
// assigns nothing to it.
bool DecodeGbkChar(const unsigned char* bytes, int length, char32_t& out);
// Encodes one code point into out[0..1]; returns the byte count, 0 when the
// code page has no such character.
int EncodeGbkChar(char32_t c, unsigned char out[2]);

}  // namespace textcodec_detail

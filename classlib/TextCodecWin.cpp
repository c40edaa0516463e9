#include <windows.h>

#include "classlib/TextCodecPlatform.h"

namespace textcodec_detail {

constexpr UINT kGbk = 936;

bool DecodeGbkChar(const unsigned char* bytes, int length, char32_t& out) {
  wchar_t w[2];
  int n = MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, reinterpret_cast<const char*>(bytes), length, w, 2);
  if (n != 1) return false;
  out = static_cast<char32_t>(w[0]);
  return true;
}

int EncodeGbkChar(char32_t c, unsigned char out[2]) {
  if (c > 0xFFFF) return 0;  // outside the code page altogether
  wchar_t w = static_cast<wchar_t>(c);
  char bytes[2];
  BOOL usedDefault = FALSE;
  int n = WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, &w, 1, bytes, 2, nullptr, &usedDefault);
  if (n <= 0 || usedDefault) return 0;
  out[0] = static_cast<unsigned char>(bytes[0]);
  if (n == 2) out[1] = static_cast<unsigned char>(bytes[1]);
  return n;
}

}  // namespace textcodec_detail

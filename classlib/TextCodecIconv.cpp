#include <iconv.h>

#include <cstdint>
#include <cstring>

#include "classlib/TextCodecPlatform.h"

namespace textcodec_detail {
namespace {

// One conversion descriptor per direction and thread; iconv keeps state in it.
class Converter {
 public:
  Converter(const char* to, const char* from) : FHandle(iconv_open(to, from)) {}
  ~Converter() {
    if (FHandle != reinterpret_cast<iconv_t>(-1)) iconv_close(FHandle);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts all of in; returns the output byte count or -1.
  int Run(const void* in, size_t inLength, void* out, size_t outCapacity) {
    if (FHandle == reinterpret_cast<iconv_t>(-1)) return -1;
    iconv(FHandle, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(static_cast<const char*>(in));
    char* dst = static_cast<char*>(out);
    size_t srcLeft = inLength, dstLeft = outCapacity;
    if (iconv(FHandle, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1) || srcLeft != 0) return -1;
    return static_cast<int>(outCapacity - dstLeft);
  }

 private:
  iconv_t FHandle;
};

}  // namespace

bool DecodeGbkChar(const unsigned char* bytes, int length, char32_t& out) {
  thread_local Converter toUtf32("UTF-32LE", "CP936");
  unsigned char u[8];
  if (toUtf32.Run(bytes, static_cast<size_t>(length), u, sizeof u) != 4) return false;
  out = static_cast<char32_t>(u[0] | (u[1] << 8) | (u[2] << 16) | (uint32_t(u[3]) << 24));
  return true;
}

int EncodeGbkChar(char32_t c, unsigned char out[2]) {
  thread_local Converter fromUtf32("CP936", "UTF-32LE");
  const unsigned char u[4] = {static_cast<unsigned char>(c), static_cast<unsigned char>(c >> 8),
                              static_cast<unsigned char>(c >> 16), static_cast<unsigned char>(c >> 24)};
  unsigned char bytes[4];
  int n = fromUtf32.Run(u, 4, bytes, sizeof bytes);
  if (n != 1 && n != 2) return 0;
  std::memcpy(out, bytes, static_cast<size_t>(n));
  return n;
}

}  // namespace textcodec_detail

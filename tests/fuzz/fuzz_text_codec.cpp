// Fuzz target of the text codecs through which every 8-bit text from outside
// is read (skin INI text, list files, notice text, as code page 936) and
// UTF-8: decoding never drops a character silently, and text decoded once
// is encoded and decoded again unchanged.
#include "classlib/TextCodec.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const std::string bytes = FuzzBytes(Data, Size);

  const String gbk = GbkToWide(bytes);
  // One character for each byte at most, and a character for every byte
  // pair at least.
  FUZZ_CHECK(gbk.size() <= bytes.size() && gbk.size() * 2 >= bytes.size());
  const std::string gbkBytes = WideToGbk(gbk);
  const String gbkAgain = GbkToWide(gbkBytes);
  FUZZ_CHECK(WideToGbk(gbkAgain) == gbkBytes);

  const String utf = Utf8ToWide(bytes);
  FUZZ_CHECK(utf.size() <= bytes.size());
  const std::string utfBytes = WideToUtf8(utf);
  FUZZ_CHECK(Utf8ToWide(utfBytes) == utf);
  FUZZ_CHECK(WideToUtf8(Utf8ToWide(utfBytes)) == utfBytes);

  // Pairs of bytes as UTF-16, lone surrogates included, through both.
  const String wide = FuzzUtf16(Data, Size);
  const std::string asUtf8 = WideToUtf8(wide);
  FUZZ_CHECK(WideToUtf8(Utf8ToWide(asUtf8)) == asUtf8);
  const std::string asGbk = WideToGbk(wide);
  FUZZ_CHECK(WideToGbk(GbkToWide(asGbk)) == asGbk);
  return 0;
}

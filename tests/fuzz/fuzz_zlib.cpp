// Fuzz target of the inflater that every stored skin goes through: the
// in-place whole-buffer form and the stream read in pieces (their size set
// by the first byte) agree on every input, and neither passes its limit.
#include <algorithm>

#include "classlib/SysUtils.h"
#include "classlib/ZLib.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

constexpr size_t kLimit = size_t(1) << 20;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  if (Size == 0) return 0;
  const size_t piece = 1 + Data[0] * 17;
  ++Data;
  --Size;

  TByteBlock whole;
  bool wholeRead = true;
  try {
    ZDecompressBuffer(Data, Size, kLimit, whole);
  } catch (const EZDecompressionError&) {
    wholeRead = false;
  }
  if (wholeRead) FUZZ_CHECK(whole.Size <= kLimit);

  TMemoryStream source;
  source.WriteBuffer(Data, static_cast<int64_t>(Size));
  source.SetPosition(0);
  std::vector<uint8_t> streamed;
  bool streamRead = true;
  try {
    TDecompressionStream inflater(&source);
    std::vector<uint8_t> buffer(piece);
    while (streamed.size() <= kLimit) {
      const int64_t got = inflater.Read(buffer.data(), static_cast<int64_t>(piece));
      FUZZ_CHECK(got >= 0 && got <= static_cast<int64_t>(piece));
      streamed.insert(streamed.end(), buffer.begin(), buffer.begin() + got);
      if (got < static_cast<int64_t>(piece)) break;
    }
  } catch (const EZDecompressionError&) {
    streamRead = false;
  }
  if (wholeRead) {
    FUZZ_CHECK(streamRead);
    FUZZ_CHECK(streamed.size() == whole.Size && std::equal(streamed.begin(), streamed.end(), whole.Data.get()));
  } else if (streamRead) {
    // Only a stream past the limit may inflate in pieces and not whole.
    FUZZ_CHECK(streamed.size() > kLimit);
  }
  return 0;
}

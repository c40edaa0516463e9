// Fuzz target of the .ico reader: the image it picks lies whole inside the
// file, is one of the directory's images, and no size asked for changes
// whether a file is refused.
#include "classlib/IconFile.h"
#include "classlib/SysUtils.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  int refused = 0;
  for (int want : {16, 32, 48, 256}) {
    TIconImageRef image;
    try {
      image = PickIconImage(Data, Size, want);
    } catch (const EInvalidGraphic&) {
      ++refused;
      continue;
    }
    FUZZ_CHECK(image.Bytes >= 40 && uint64_t(image.Offset) + image.Bytes <= Size);
    FUZZ_CHECK(image.Width >= 1 && image.Width <= 256 && image.Height >= 1 && image.Height <= 256);
    bool listed = false;
    const size_t count = Data[4] | Data[5] << 8;
    for (size_t i = 0; i < count; ++i) {
      const uint8_t* e = Data + 6 + 16 * i;
      const uint32_t bytes = e[8] | e[9] << 8 | e[10] << 16 | uint32_t(e[11]) << 24;
      const uint32_t offset = e[12] | e[13] << 8 | e[14] << 16 | uint32_t(e[15]) << 24;
      listed = listed || (bytes == image.Bytes && offset == image.Offset);
    }
    FUZZ_CHECK(listed);
  }
  // A file with one image is refused for every size or for none.
  if (Size >= 6 && (Data[4] | Data[5] << 8) == 1) FUZZ_CHECK(refused == 0 || refused == 4);
  return 0;
}

// libFuzzer entry for the BMP reader: any input either decodes into a
// consistent image or is refused with EInvalidGraphic.
#include <cstdlib>

#include "classlib/BmpCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TBmpImage image;
  try {
    ReadBmp(Data, Size, image);
  } catch (const EInvalidGraphic&) {
    return 0;
  }
  if (image.Pixels.size() != static_cast<size_t>(image.RowBytes()) * image.Height) std::abort();
  return 0;
}

// Reading the .ico directory and checking the image it points to.
#include "classlib/IconFile.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "classlib/ByteOrder.h"
#include "classlib/SysUtils.h"

namespace {

[[noreturn]] void BadIcon(const String& What) { throw EInvalidGraphic(L"Invalid icon: " + What); }

// An icon image is a DIB of doubled height: colour rows, then mask rows.
void CheckIconImage(const uint8_t* Image, uint32_t Bytes) {
  static const uint8_t png[] = {0x89, 'P', 'N', 'G'};
  if (std::memcmp(Image, png, 4) == 0) return;
  const uint32_t headerSize = LoadLE32(Image);
  const int64_t width = static_cast<int32_t>(LoadLE32(Image + 4));
  const int64_t height = static_cast<int32_t>(LoadLE32(Image + 8)) / 2;
  const int bits = LoadLE16(Image + 14);
  const uint32_t used = LoadLE32(Image + 32);
  if (headerSize < 40 || headerSize > Bytes) BadIcon(L"an image header is malformed");
  if (width <= 0 || height <= 0 || width > 1024 || height > 1024) BadIcon(L"an image has a bad size");
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
    BadIcon(L"an image has an unsupported bit depth");
  const uint64_t colours = bits <= 8 ? (used ? used : 1u << bits) : 0;
  if (colours > (1u << std::min(bits, 8))) BadIcon(L"an image has too many colours");
  const uint64_t colourRow = ((width * bits + 31) / 32) * 4, maskRow = ((width + 31) / 32) * 4;
  if (headerSize + colours * 4 + (colourRow + maskRow) * uint64_t(height) > Bytes)
    BadIcon(L"an image is cut off");
}

}  // namespace

TIconImageRef PickIconImage(const uint8_t* Data, size_t Size, int WantWidth) {
  if (Size < 6) BadIcon(L"the data is too short for a header");
  if (LoadLE16(Data) != 0 || LoadLE16(Data + 2) != 1) BadIcon(L"no icon header");
  const uint32_t count = LoadLE16(Data + 4);
  if (count == 0) BadIcon(L"no images");
  if (6 + 16 * uint64_t(count) > Size) BadIcon(L"the directory runs past the end of the data");

  const uint8_t* best = nullptr;
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* e = Data + 6 + 16 * i;
    if (!best) {
      best = e;
      continue;
    }
    // A width byte of 0 stands for 256.
    const int w = e[0] ? e[0] : 256, bw = best[0] ? best[0] : 256;
    const int diff = std::abs(w - WantWidth), bestDiff = std::abs(bw - WantWidth);
    if (diff < bestDiff || (diff == bestDiff && LoadLE16(e + 6) > LoadLE16(best + 6))) best = e;
  }
  TIconImageRef ref;
  ref.Bytes = LoadLE32(best + 8);
  ref.Offset = LoadLE32(best + 12);
  if (ref.Bytes < 40 || uint64_t(ref.Offset) + ref.Bytes > Size) BadIcon(L"an image lies outside the data");
  CheckIconImage(Data + ref.Offset, ref.Bytes);
  ref.Width = best[0] ? best[0] : 256;
  ref.Height = best[1] ? best[1] : 256;
  return ref;
}

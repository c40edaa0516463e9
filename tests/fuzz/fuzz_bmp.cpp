// Fuzz target of the BMP codec: any input either decodes into a consistent
// image or is refused with EInvalidGraphic. A decoded image reads the same
// through the checked view and through the stream reader, and survives being
// written and read again unchanged.
#include "classlib/BmpCodec.h"
#include "classlib/SysUtils.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

bool SameImage(const TBmpImage& A, const TBmpImage& B) {
  return A.Width == B.Width && A.Height == B.Height && A.BitCount == B.BitCount && A.Palette == B.Palette &&
         A.Pixels == B.Pixels;
}

// The stream reader takes the file the file header sizes, starting at the
// stream position, and leaves the position after it; on a refusal the
// position stays where it was.
void ReadFromStream(const uint8_t* Data, size_t Size) {
  TMemoryStream stream;
  const uint8_t lead = 0xA5;
  stream.WriteBuffer(&lead, 1);
  stream.WriteBuffer(Data, static_cast<int64_t>(Size));
  stream.SetPosition(1);
  TBmpImage fromStream;
  try {
    ReadBmp(&stream, fromStream);
  } catch (const EInvalidGraphic&) {
    FUZZ_CHECK(stream.Position() == 1);
    return;
  }
  const size_t fileSize = Data[2] | Data[3] << 8 | Data[4] << 16 | size_t(Data[5]) << 24;
  FUZZ_CHECK(stream.Position() == 1 + static_cast<int64_t>(fileSize));
  TBmpImage fromBuffer;
  ReadBmp(Data, fileSize, fromBuffer);
  FUZZ_CHECK(SameImage(fromStream, fromBuffer));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  ReadFromStream(Data, Size);
  TBmpImage image;
  try {
    ReadBmp(Data, Size, image);
  } catch (const EInvalidGraphic&) {
    // The view refuses what the reader refuses.
    TBmpView view;
    bool refused = false;
    try {
      ParseBmp(Data, Size, view);
    } catch (const EInvalidGraphic&) {
      refused = true;
    }
    FUZZ_CHECK(refused);
    return 0;
  }
  FUZZ_CHECK(image.Width >= 0 && image.Height >= 0);
  FUZZ_CHECK(image.Width <= MaxBmpSide && image.Height <= MaxBmpSide);
  FUZZ_CHECK(image.Pixels.size() == static_cast<size_t>(image.RowBytes()) * image.Height);
  FUZZ_CHECK(image.BitCount > 8 ? image.Palette.empty() : image.Palette.size() == (size_t(1) << image.BitCount));

  // The skin reader decodes through the view, straight into its own rows.
  TBmpView view;
  ParseBmp(Data, Size, view);
  FUZZ_CHECK(view.Width == image.Width && view.Height == image.Height && view.BitCount == image.BitCount);
  FUZZ_CHECK(view.Palette == image.Palette);
  std::vector<uint8_t> rows(image.Pixels.size());
  if (!rows.empty()) DecodeBmp(view, rows.data(), view.RowBytes());
  FUZZ_CHECK(rows == image.Pixels);

  // Written and read back, the image is the same.
  TMemoryStream written;
  WriteBmp(&written, image);
  TBmpImage again;
  ReadBmp(written.Memory(), static_cast<size_t>(written.Size()), again);
  FUZZ_CHECK(SameImage(image, again));
  return 0;
}

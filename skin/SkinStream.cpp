#include "skin/SkinStream.h"

#include <string>

#include "classlib/ByteOrder.h"
#include "classlib/TextCodec.h"

namespace {

String Num(int64_t v) { return std::to_wstring(v); }


constexpr size_t kBmpFileHeaderSize = 14;
constexpr size_t kSmallestBmp = kBmpFileHeaderSize + 12;

const wchar_t* const kSlotNames[] = {L"frame picture", L"inactive frame picture", L"mask picture",
                                     L"roll-up picture", L"roll-up mask picture"};

// A cursor over the inflated stream that never reads past its end.
class TReader {
 public:
  TReader(const uint8_t* Data, size_t Size) : FData(Data), FSize(Size) {}
  size_t Left() const { return FSize - FPos; }
  const uint8_t* Here() const { return FData + FPos; }
  void Need(size_t n, const String& What) const {
    if (Left() < n)
      throw EReadError(L"Skin stream ends inside the " + What + L": " + Num(int64_t(n)) + L" bytes needed, " +
                       Num(int64_t(Left())) + L" left");
  }
  int32_t Int32(const String& What) {
    Need(4, What);
    int32_t v = LoadLE32Signed(Here());
    FPos += 4;
    return v;
  }
  uint8_t Byte(const String& What) {
    Need(1, What);
    return FData[FPos++];
  }
  // One BMP file, delimited by the size in its own file header.
  void Bitmap(TBmpView& Image, const String& What) {
    Need(kBmpFileHeaderSize, What);
    uint32_t fileSize = LoadLE32(Here() + 2);
    if (Here()[0] != 'B' || Here()[1] != 'M') throw EInvalidGraphic(L"The " + What + L" is no BMP picture");
    if (fileSize < kSmallestBmp || fileSize > Left())
      throw EInvalidGraphic(L"The " + What + L" gives its size as " + Num(fileSize) + L" bytes; " +
                            Num(int64_t(Left())) + L" are left in the skin stream");
    try {
      ParseBmp(Here(), fileSize, Image);
    } catch (const EInvalidGraphic& e) {
      throw EInvalidGraphic(L"The " + What + L" cannot be read. " + e.Message());
    }
    FPos += fileSize;
  }

 private:
  const uint8_t* FData;
  size_t FSize;
  size_t FPos = 0;
};

}  // namespace

bool SkinStreamHasSlot(int Version, int Slot) {
  switch (Slot) {
    case spsPicture:
    case spsMaskPicture:
      return true;
    case spsInactivePicture:
      return Version == 2 || Version == 3;
    case spsRollUpPicture:
    case spsRollUpMaskPicture:
      return Version == 1 || Version == 2;
  }
  return false;
}

void ReadSkinStream(const uint8_t* Data, size_t Size, TspSkinStreamContent& Content) {
  TReader r(Data, Size);
  TspSkinStreamContent c;
  c.Version = r.Int32(L"version");
  if (c.Version > MaxSkinStreamVersion)
    throw EReadError(L"Skin stream version " + Num(c.Version) + L" is newer than this program reads (" +
                     Num(MaxSkinStreamVersion) + L")");
  for (int slot = 0; slot < SkinPictureSlotCount; ++slot) {
    if (!SkinStreamHasSlot(c.Version, slot)) continue;
    if (r.Byte(String(L"flag of the ") + kSlotNames[slot]) == 0) r.Bitmap(c.Slots[slot], kSlotNames[slot]);
  }
  int32_t count = r.Int32(L"count of active pictures");
  if (count < 0 || size_t(count) > r.Left() / kSmallestBmp)
    throw EReadError(L"Skin stream gives " + Num(count) + L" active pictures, which its " +
                     Num(int64_t(r.Left())) + L" remaining bytes cannot hold");
  c.ActivePictures.resize(size_t(count));
  for (int32_t i = 0; i < count; ++i) r.Bitmap(c.ActivePictures[size_t(i)], L"active picture " + Num(i));
  c.IniText = TextFromFileBytes(reinterpret_cast<const char*>(r.Here()), r.Left());
  Content = std::move(c);
}

void WriteSkinInt32(TStream* Dest, int32_t Value) {
  uint8_t b[4];
  StoreLE32(b, static_cast<uint32_t>(Value));
  Dest->WriteBuffer(b, 4);
}

void WriteSkinStream(TStream* Dest, const TBmpImage (&Slots)[SkinPictureSlotCount],
                     const std::vector<TBmpImage>& ActivePictures, const std::vector<String>& IniLines) {
  WriteSkinInt32(Dest, SkinStreamVersion);
  for (const TBmpImage& image : Slots) {
    bool empty = image.Width <= 0 || image.Height <= 0;
    uint8_t flag = empty ? 1 : 0;
    Dest->WriteBuffer(&flag, 1);
    if (!empty) WriteBmp(Dest, image);
  }
  WriteSkinInt32(Dest, static_cast<int32_t>(ActivePictures.size()));
  for (const TBmpImage& image : ActivePictures) WriteBmp(Dest, image);
  String text;
  for (const String& line : IniLines) text += line + L"\r\n";
  const std::string bytes = TextToFileBytes(text);
  Dest->WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

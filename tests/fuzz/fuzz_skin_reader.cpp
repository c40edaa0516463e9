// Fuzz target of the skin reader: .skn bytes through the stored skin, the
// inflate, the skin stream, the BMP reader, the INI and every record.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/SkinSections.h"
#include "skin/SkinStoredSkin.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

// The same bytes as an already inflated skin stream, so that mutations reach
// the pictures and the INI text without first breaking the zlib data.
// Decodes every picture into scratch rows, bottom-up as a bitmap holds them.
void DecodePictures(const TspSkinStreamContent& Content) {
  std::vector<const TBmpView*> views;
  for (const TBmpView& v : Content.Slots) views.push_back(&v);
  for (const TBmpView& v : Content.ActivePictures) views.push_back(&v);
  for (const TBmpView* v : views) {
    if (v->Width <= 0 || v->Height <= 0) continue;
    const ptrdiff_t stride = v->RowBytes();
    std::vector<uint8_t> rows(static_cast<size_t>(stride) * static_cast<size_t>(v->Height));
    DecodeBmp(*v, rows.data() + (v->Height - 1) * stride, -stride);
  }
}

void ReadAsInflatedStream(const uint8_t* Data, size_t Size) {
  try {
    TspParsedSkin parsed;
    ReadSkinStream(Data, Size, parsed.Pictures);
    DecodePictures(parsed.Pictures);
    TspSkinIni ini;
    ini.SetText(parsed.Pictures.IniText);
    parsed.Sections.ReadSections(ini);
  } catch (const Exception&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  ReadAsInflatedStream(Data, Size);
  TspCompressedStoredSkin stored(nullptr);
  try {
    stored.LoadFromMemory(Data, Size);
  } catch (const Exception&) {
    // A refused file leaves no half-read skin behind.
    FUZZ_CHECK(stored.IsEmpty());
    return 0;
  }
  if (stored.IsEmpty()) return 0;
  try {
    TspParsedSkin parsed;
    const auto& bytes = stored.CompressedStream()->Bytes();
    ParseCompressedSkin(bytes.data(), bytes.size(), parsed);
    DecodePictures(parsed.Pictures);
  } catch (const Exception&) {
    // Every fault of the data must surface as one of the library's errors.
  }
  return 0;
}

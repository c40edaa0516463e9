// Fuzz target of the skin reader: .skn bytes through the stored skin, the
// inflate, the skin stream, the BMP reader, the INI and every record. Built as
// a libFuzzer target when the compiler offers one, else as a program that
// replays files and folders given on its command line.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/SkinSections.h"
#include "skin/SkinStoredSkin.h"

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
  try {
    TspCompressedStoredSkin stored(nullptr);
    stored.LoadFromMemory(Data, Size);
    if (stored.IsEmpty()) return 0;
    TspParsedSkin parsed;
    const auto& bytes = stored.CompressedStream()->Bytes();
    ParseCompressedSkin(bytes.data(), bytes.size(), parsed);
    DecodePictures(parsed.Pictures);
  } catch (const Exception&) {
    // Every fault of the data must surface as one of the library's errors.
  }
  return 0;
}

#ifdef SKIN_FUZZ_REPLAY_MAIN
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

static void Replay(const std::filesystem::path& File) {
  std::ifstream in(File, std::ios::binary);
  std::vector<uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(data.data(), data.size());
  std::cout << "ok " << File.filename().string() << "\n";
}

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::filesystem::path p(argv[i]);
    if (std::filesystem::is_directory(p)) {
      for (const auto& entry : std::filesystem::directory_iterator(p))
        if (entry.is_regular_file()) Replay(entry.path());
    } else {
      Replay(p);
    }
  }
  return 0;
}
#endif

// Runs a fuzz target once over every file given, or every file of every
// folder given, for builds without libFuzzer: the corpus becomes a regression
// test that any compiler can run.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size);

namespace fs = std::filesystem;

static void Replay(const fs::path& File) {
  std::ifstream in(File, std::ios::binary);
  std::vector<uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // An empty vector's data() may be null; the target is promised a pointer.
  static const uint8_t kNone = 0;
  LLVMFuzzerTestOneInput(data.empty() ? &kNone : data.data(), data.size());
}

int main(int argc, char** argv) {
  size_t count = 0;
  for (int i = 1; i < argc; ++i) {
    const fs::path p(argv[i]);
    std::vector<fs::path> files;
    if (fs::is_directory(p)) {
      for (const auto& entry : fs::directory_iterator(p))
        if (entry.is_regular_file()) files.push_back(entry.path());
      std::sort(files.begin(), files.end());
    } else if (fs::is_regular_file(p)) {
      files.push_back(p);
    } else {
      std::cerr << "no such file or folder: " << p << "\n";
      return 2;
    }
    for (const fs::path& f : files) {
      Replay(f);
      ++count;
    }
  }
  std::cout << "replayed " << count << " inputs\n";
  // A corpus that went missing must not pass as a clean run.
  return count ? 0 : 2;
}

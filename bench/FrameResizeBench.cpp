// Benchmark: resizing a form that wears the skinned frame (frame composed
// and painted, window shape rebuilt) at 50 sizes, against the same resizes of
// a form with the system frame. Prints the times and their ratio.
//   FrameResizeBench [skin.ini]   (default: the frame test skin of the sources)
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "bench/BenchTiming.h"
#include "classlib/TextCodec.h"
#include "skin/SkinForm.h"

namespace {

// Best of Rounds runs of 50 resizes, each drawn at once, in milliseconds.
double ResizeTime(TForm* Form, int Rounds) {
  double best = 1e30;
  for (int round = 0; round < Rounds; ++round) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 50; ++i) {
      Form->SetBounds(40, 40, 300 + i * 12, 200 + i * 8);
      RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    GdiFlush();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
    Application->ProcessMessages();
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  std::string skin = argc > 1 ? argv[1] : std::string(SKINGUI_SOURCE_DIR) + "/skins/Test/frame.ini";
  if (!skin.empty() && skin[0] == '/') skin = "Z:" + skin;  // Wine maps Z: to the Unix root
  TspSkinData data(nullptr);
  try {
    TspCompressedStoredSkin stored(nullptr);
    stored.LoadFromSkinFile(Utf8ToWide(skin));
    data.LoadCompressedStoredSkin(&stored);
  } catch (const Exception& e) {
    std::printf("cannot load %s\n", skin.c_str());
    return 1;
  }
  auto* plain = new TForm(nullptr);
  plain->SetCaption(L"System frame");
  auto* skinned = new TForm(nullptr);
  skinned->SetCaption(L"Skinned frame");
  auto* frame = new TspSkinForm(skinned);
  frame->SetSkinData(&data);
  for (TForm* form : {plain, skinned}) {
    form->SetBounds(40, 40, 300, 200);
    form->Show();
  }
  Application->ProcessMessages();
  ResizeTime(plain, 1);  // warm both up
  ResizeTime(skinned, 1);
  const double system = ResizeTime(plain, 5);
  const double skin_ = ResizeTime(skinned, 5);
  std::printf("50 resizes, system frame:  %8.2f ms (%.3f ms each)\n", system, system / 50);
  std::printf("50 resizes, skinned frame: %8.2f ms (%.3f ms each)\n", skin_, skin_ / 50);
  std::printf("ratio skinned / system:    %8.2f (target within 3)\n", skin_ / system);
  bench::PrintRatio("frame resize: skinned / system frame", skin_ / system, bench::Target(3));
  Free(plain);
  Free(skinned);
  return 0;
}

// Benchmark: repainting the frame of a form whose caption glows, with a glow
// of size 255 (the largest a skin may give) against one of size 3, in the
// built-in skin. Prints the times and their ratio.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>

#include "bench/BenchSkin.h"
#include "bench/BenchTiming.h"
#include "skin/SkinForm.h"

namespace {

// Median of Rounds repaints of the form's frame, each drawn at once, in milliseconds.
double RepaintTime(TForm* Form, int Rounds) {
  std::vector<double> times;
  for (int round = 0; round < Rounds; ++round) {
    times.push_back(bench::Milliseconds([Form] {
      RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
      GdiFlush();
    }));
    Application->ProcessMessages();
  }
  return bench::Median(times);
}

}  // namespace

int main() {
  std::unique_ptr<TspCompressedStoredSkin> stored(bench::NewBuiltInStoredSkin());
  std::unique_ptr<TspSkinData> data(bench::NewSkinData(stored.get()));
  auto* caption = dynamic_cast<TspDataSkinCaption*>(data->ObjectList[data->GetObjectIndex(L"caption")]);
  if (!caption) return 1;
  auto* form = new TForm(nullptr);
  form->SetCaption(L"A form whose caption glows");
  form->SetBounds(40, 40, 480, 300);
  auto* frame = new TspSkinForm(form);
  form->Show();
  double times[2] = {};
  const int sizes[2] = {3, 255};
  for (int k = 0; k < 2; ++k) {
    // The frame's objects are made from the records when it takes the skin.
    caption->GlowEffect = caption->GlowInActiveEffect = true;
    caption->GlowSize = sizes[k];
    caption->GlowActiveColor = caption->GlowColor = clWhite;
    frame->SetSkinData(nullptr);
    frame->SetSkinData(data.get());
    Application->ProcessMessages();
    RepaintTime(form, 3);  // warm up
    times[k] = RepaintTime(form, 41);
    std::printf("frame repaint, caption glow of size %d: %.3f ms\n", sizes[k], times[k]);
  }
  bench::PrintRatio("frame repaint, caption glow of size 255 / of size 3", times[1] / times[0], bench::Target(2));
  Free(form);
  return 0;
}

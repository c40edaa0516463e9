// Benchmark: a 1280 x 800 skinned panel whose record tiles its edges and
// client with pieces of one pixel, against the same panel tiled with pieces
// of 28 x 12. Each repaint composes the panel's look anew (an invalidation
// drops the kept look). Tiling should cost about the same whatever the size
// of the pieces.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench/BenchTiming.h"
#include "classlib/Forms.h"
#include "skin/SkinData.h"
#include "skin/SkinStoredSkin.h"
#include "skinctrls/SkinPanels.h"

namespace {

constexpr int kWidth = 1280, kHeight = 800, kRuns = 15;

void Settle() {
  for (int i = 0; i < 10; ++i) Application->ProcessMessages();
}

// The test skin with its panel record made a nine-piece image of a one-pixel
// border around a client piece of PieceW x PieceH, nothing stretched.
TspSkinData* TiledSkin(TspCompressedStoredSkin* Stored, int PieceW, int PieceH) {
  auto* data = new TspSkinData(nullptr);
  data->LoadCompressedStoredSkin(Stored);
  auto* r = dynamic_cast<TspDataSkinPanelControl*>(data->CtrlList[data->GetControlIndex(L"panel")]);
  r->SkinRect = TRect(0, 0, PieceW + 2, PieceH + 2);
  r->LTPoint = TPoint(1, 1);
  r->RTPoint = TPoint(PieceW + 1, 1);
  r->LBPoint = TPoint(1, PieceH + 1);
  r->RBPoint = TPoint(PieceW + 1, PieceH + 1);
  r->ClRect = TRect(1, 1, PieceW + 1, PieceH + 1);
  r->LeftStretch = r->TopStretch = r->RightStretch = r->BottomStretch = r->StretchEffect = false;
  return data;
}

double RepaintMs(TspSkinPanel* Panel) {
  Panel->Invalidate();
  const auto start = std::chrono::steady_clock::now();
  UpdateWindow(Panel->Handle());
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int wmain() {
  Application->Initialize();
  auto* stored = new TspCompressedStoredSkin(nullptr);
  stored->LoadFromSkinFile(String(SKINGUI_SOURCE_DIR L"/skins/Test/skin.ini"));
  TspSkinData* onePixel = TiledSkin(stored, 1, 1);
  TspSkinData* larger = TiledSkin(stored, 28, 12);

  auto* form = new TForm(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetBounds(0, 0, kWidth, kHeight);
  auto* panel = new TspSkinPanel(form);
  panel->SetParent(form);
  panel->SetBounds(0, 0, kWidth, kHeight);
  form->Show();
  Settle();
  // The two skins take turns, so that both meet the machine's load alike.
  std::vector<double> small, big;
  for (int i = 0; i < bench::kWarmUp + kRuns; ++i) {
    panel->SetSkinData(onePixel);
    Settle();
    const double s = RepaintMs(panel);
    panel->SetSkinData(larger);
    Settle();
    const double b = RepaintMs(panel);
    if (i < bench::kWarmUp) continue;
    small.push_back(s);
    big.push_back(b);
  }
  const double s = bench::Median(small), b = bench::Median(big);
  std::printf("1280 x 800 panel repainted: 1 x 1 pieces %.2f ms, 28 x 12 pieces %.2f ms\n", s, b);
  bench::PrintRatio("1280 x 800 panel tiled with 1-pixel pieces / the same with 28 x 12 pieces", s / b,
                    bench::Target(1.5));
  Free(form);
  Free(larger);
  Free(onePixel);
  Free(stored);
  return 0;
}

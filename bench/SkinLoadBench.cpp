// Benchmark: the whole load of a realistic skin (about 1.4 MB inflated, 15
// pictures, a full INI) against the bare inflate of the same data; and the
// load of skins of 5,000 and 40,000 records with small pictures, each against
// the bare inflate of its own data, so that a load that grows faster than its
// records shows as a ratio that grows with them.
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

#include "bench/BenchTiming.h"
#include "classlib/ZLib.h"
#include "skin/SkinData.h"

namespace {

TBmpImage Picture(int Width, int Height, int Seed) {
  TBmpImage image;
  image.Width = Width;
  image.Height = Height;
  image.Allocate();
  uint32_t noise = 12345u + uint32_t(Seed);
  for (int y = 0; y < Height; ++y) {
    uint8_t* row = image.Row(y);
    for (int x = 0; x < Width; ++x) {
      noise = noise * 1103515245u + 12345u;
      // Bands and blocks with a little grain, as drawn frames and buttons have.
      int band = (y / 6 + x / 24 + Seed) % 7;
      int grain = (noise >> 24) % 23 == 0 ? int(noise >> 30) : 0;
      row[x * 3] = uint8_t(90 + band * 20 + grain);
      row[x * 3 + 1] = uint8_t(120 + (y * 40) / Height + grain);
      row[x * 3 + 2] = uint8_t(160 + ((x / 8) % 4) * 10);
    }
  }
  return image;
}

// The INI of a skin of Controls control records (23 kinds in turn) and
// Objects object records.
std::vector<String> FullIni(int Controls = 69, int Objects = 13) {
  const wchar_t* controls[] = {L"button", L"checkradio", L"panel", L"edit", L"combobox", L"listbox",
                               L"scrollbar", L"spinedit", L"updown", L"tab", L"stdlabel", L"label",
                               L"trackbar", L"gauge", L"memo", L"checklistbox", L"menubutton",
                               L"treeview", L"listview", L"richedit", L"scrollbox", L"splitter", L"bevel"};
  const wchar_t* objects[] = {L"stdbutton", L"caption", L"menuitem", L"mainmenuitem", L"label", L"button"};
  TspSkinIni ini;
  ini.WriteString(L"VERSION", L"skinname", L"Benchmark");
  ini.WriteString(L"PICTURES", L"picture", L"frame.bmp");
  ini.WriteInteger(L"PICTURES", L"activepicturescount", 14);
  for (int i = 0; i < 14; ++i) ini.WriteString(L"PICTURES", std::to_wstring(i), L"p" + std::to_wstring(i) + L".bmp");
  ini.WriteString(L"FORMINFO", L"clientrect", L"6,28,394,292");
  ini.WriteString(L"FORMINFO", L"lefttoppoint", L"7,30");
  ini.WriteString(L"FORMINFO", L"rightbottompoint", L"390,290");
  ini.WriteInteger(L"SKINOBJECTS", L"count", Objects);
  for (int i = 0; i < Objects; ++i) {
    String name = L"obj" + std::to_wstring(i), type = objects[i % 6];
    ini.WriteString(L"SKINOBJECTS", std::to_wstring(i), name + L":" + type);
  }
  ini.WriteInteger(L"SKINCONTROLS", L"count", Controls);
  for (int i = 0; i < Controls; ++i) {
    String name = L"ctrl" + std::to_wstring(i), type = controls[i % 23];
    ini.WriteString(L"SKINCONTROLS", std::to_wstring(i), name + L":" + type);
  }
  for (int i = 0; i < Objects; ++i) {
    std::unique_ptr<TspDataSkinObject> r(CreateSkinObjectRecord(objects[i % 6], L"obj" + std::to_wstring(i)));
    r->SkinRect = TRect(i, i + 1, i + 20, i + 22);
    r->SaveToFile(ini);
  }
  for (int i = 0; i < Controls; ++i) {
    std::unique_ptr<TspDataSkinControl> r(CreateSkinControlRecord(controls[i % 23], L"ctrl" + std::to_wstring(i)));
    r->SkinRect = TRect(i, 2 * i, i + 40, 2 * i + 21);
    r->PictureIndex = i % 14;
    r->SaveToFile(ini);
  }
  return ini.GetLines();
}

double Milliseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}


// A stored skin of the pictures and INI lines, and the inflated bytes it holds.
struct TBenchSkin {
  TMemoryStream Stream;
  std::vector<uint8_t> Packed;
  TspCompressedStoredSkin Stored{nullptr};
};

void Pack(TBenchSkin& Skin, const TBmpImage (&Slots)[SkinPictureSlotCount], const std::vector<TBmpImage>& Actives,
          const std::vector<String>& Ini) {
  WriteSkinStream(&Skin.Stream, Slots, Actives, Ini);
  Skin.Packed = ZCompressBuffer(Skin.Stream.Bytes().data(), Skin.Stream.Bytes().size(), zcMax);
  TMemoryStream skn;
  uint8_t header[8] = {2, 0, 0, 0};
  for (int i = 0; i < 4; ++i) header[4 + i] = uint8_t(Skin.Packed.size() >> (8 * i));
  skn.WriteBuffer(header, 8);
  skn.WriteBuffer(Skin.Packed.data(), static_cast<int64_t>(Skin.Packed.size()));
  Skin.Stored.LoadFromCompressStream(&skn);
}

// Median times of the bare inflate and of the whole load into Data, by turns.
std::pair<double, double> Time(TBenchSkin& Skin, TspSkinData& Data, int Rounds) {
  std::vector<double> inflateTimes, loadTimes;
  for (int i = 0; i < Rounds; ++i) {
    auto t0 = std::chrono::steady_clock::now();
    // The bare inflate knows the size and gets its own output block each time.
    uLongf size = static_cast<uLongf>(Skin.Stream.Bytes().size());
    std::unique_ptr<uint8_t[]> out(new uint8_t[size]);
    if (uncompress(out.get(), &size, Skin.Packed.data(), static_cast<uLong>(Skin.Packed.size())) != Z_OK) std::exit(1);
    auto t1 = std::chrono::steady_clock::now();
    Data.LoadCompressedStoredSkin(&Skin.Stored);
    auto t2 = std::chrono::steady_clock::now();
    inflateTimes.push_back(Milliseconds(t1 - t0));
    loadTimes.push_back(Milliseconds(t2 - t1));
  }
  return {bench::Median(inflateTimes), bench::Median(loadTimes)};
}

}  // namespace

int main() {
  TBmpImage slots[SkinPictureSlotCount];
  slots[spsPicture] = Picture(400, 300, 0);
  std::vector<TBmpImage> actives;
  for (int i = 0; i < 14; ++i) actives.push_back(Picture(160, 150 + i, i + 1));
  TBenchSkin full;
  Pack(full, slots, actives, FullIni());
  TspSkinData data(nullptr);
  const auto [inflateMs, loadMs] = Time(full, data, 30);
  std::printf("skin: %zu bytes compressed, %zu inflated, %d pictures, %d objects, %d controls\n", full.Packed.size(),
              full.Stream.Bytes().size(), 1 + data.ActivePictures.Count(), data.ObjectList.Count(), data.CtrlList.Count());
  std::printf("median of %d rounds: bare inflate %.2f ms, whole load %.2f ms, ratio %.2f (target 1.5 or less)\n", 30,
              inflateMs, loadMs, loadMs / inflateMs);
  bench::PrintRatio("whole skin load / bare inflate", loadMs / inflateMs, bench::Target(1.5));

  // Many records: the pictures are tiny, so that the records' text is what
  // is inflated and read, and the bare inflate grows with the records. A
  // load linear in its records keeps its ratio to the inflate, and its time
  // per record, from 5,000 to 40,000 records.
  TBmpImage tiny[SkinPictureSlotCount];
  tiny[spsPicture] = Picture(16, 16, 0);
  const std::vector<TBmpImage> tinyActives(14, Picture(16, 16, 1));
  double perRecord[2] = {};
  const int counts[2] = {5000, 40000};
  const char* names[2] = {"skin of 5,000 records: load / bare inflate", "skin of 40,000 records: load / bare inflate"};
  for (int k = 0; k < 2; ++k) {
    TBenchSkin many;
    Pack(many, tiny, tinyActives, FullIni(counts[k] - counts[k] / 8, counts[k] / 8));
    const auto [inflate, load] = Time(many, data, k == 0 ? 9 : 5);
    perRecord[k] = load / counts[k];
    std::printf("%d control and %d object records: bare inflate %.2f ms, whole load %.2f ms\n", data.CtrlList.Count(),
                data.ObjectList.Count(), inflate, load);
    bench::PrintRatio(names[k], load / inflate, bench::kNoTarget);
  }
  bench::PrintRatio("load time per record, 40,000 / 5,000 records", perRecord[1] / perRecord[0], bench::Target(1.3));
  return 0;
}

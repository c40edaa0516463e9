// Benchmark: the whole load of a realistic skin (about 1.4 MB inflated, 15
// pictures, a full INI) against the bare inflate of the same data.
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
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

std::vector<String> FullIni() {
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
  ini.WriteInteger(L"SKINOBJECTS", L"count", 13);
  for (int i = 0; i < 13; ++i) {
    String name = L"obj" + std::to_wstring(i), type = objects[i % 6];
    ini.WriteString(L"SKINOBJECTS", std::to_wstring(i), name + L":" + type);
  }
  ini.WriteInteger(L"SKINCONTROLS", L"count", 69);
  for (int i = 0; i < 69; ++i) {
    String name = L"ctrl" + std::to_wstring(i), type = controls[i % 23];
    ini.WriteString(L"SKINCONTROLS", std::to_wstring(i), name + L":" + type);
  }
  for (int i = 0; i < 13; ++i) {
    std::unique_ptr<TspDataSkinObject> r(CreateSkinObjectRecord(objects[i % 6], L"obj" + std::to_wstring(i)));
    r->SkinRect = TRect(i, i + 1, i + 20, i + 22);
    r->SaveToFile(ini);
  }
  for (int i = 0; i < 69; ++i) {
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

}  // namespace

int main() {
  TBmpImage slots[SkinPictureSlotCount];
  slots[spsPicture] = Picture(400, 300, 0);
  std::vector<TBmpImage> actives;
  for (int i = 0; i < 14; ++i) actives.push_back(Picture(160, 150 + i, i + 1));
  TMemoryStream stream;
  WriteSkinStream(&stream, slots, actives, FullIni());
  std::vector<uint8_t> packed = ZCompressBuffer(stream.Bytes().data(), stream.Bytes().size(), zcMax);
  TMemoryStream skn;
  uint8_t header[8] = {2, 0, 0, 0};
  for (int i = 0; i < 4; ++i) header[4 + i] = uint8_t(packed.size() >> (8 * i));
  skn.WriteBuffer(header, 8);
  skn.WriteBuffer(packed.data(), static_cast<int64_t>(packed.size()));
  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromCompressStream(&skn);

  const int rounds = 30;
  std::vector<double> inflateTimes, loadTimes;
  TspSkinData data(nullptr);
  for (int i = 0; i < rounds; ++i) {
    auto t0 = std::chrono::steady_clock::now();
    // The bare inflate knows the size and gets its own output block each time.
    uLongf size = static_cast<uLongf>(stream.Bytes().size());
    std::unique_ptr<uint8_t[]> out(new uint8_t[size]);
    if (uncompress(out.get(), &size, packed.data(), static_cast<uLong>(packed.size())) != Z_OK) return 1;
    auto t1 = std::chrono::steady_clock::now();
    data.LoadCompressedStoredSkin(&stored);
    auto t2 = std::chrono::steady_clock::now();
    inflateTimes.push_back(Milliseconds(t1 - t0));
    loadTimes.push_back(Milliseconds(t2 - t1));
  }
  std::sort(inflateTimes.begin(), inflateTimes.end());
  std::sort(loadTimes.begin(), loadTimes.end());
  double inflateMs = inflateTimes[rounds / 2], loadMs = loadTimes[rounds / 2];
  std::printf("skin: %zu bytes compressed, %zu inflated, %d pictures, %d objects, %d controls\n", packed.size(),
              stream.Bytes().size(), 1 + data.ActivePictures.Count(), data.ObjectList.Count(), data.CtrlList.Count());
  std::printf("median of %d rounds: bare inflate %.2f ms, whole load %.2f ms, ratio %.2f (target 1.5 or less)\n",
              rounds, inflateMs, loadMs, loadMs / inflateMs);
  bench::PrintRatio("whole skin load / bare inflate", loadMs / inflateMs, bench::Target(1.5));
  return 0;
}

// Benchmark: an in-memory table of 100,000 rows against the plain read and
// write of its file's bytes: loading and saving it, the memory the loaded
// table holds against the size of its text, and moving through the rows with
// a bound combo shown (prints timings and ratios).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/BenchHeap.h"
#include "bench/BenchTiming.h"
#include "classlib/Forms.h"
#include "classlib/MemTable.h"
#include "components/fcStringCombo.h"

namespace {

constexpr int kRows = 100000;
const wchar_t* const kFile = L"TableFileBench.txt";

double Ms(const std::function<void()>& Body) {
  const auto start = std::chrono::steady_clock::now();
  Body();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Median of three timings of Body.
double MedianMs(const std::function<void()>& Body) {
  std::vector<double> times;
  for (int i = 0; i < 3; ++i) times.push_back(Ms(Body));
  std::sort(times.begin(), times.end());
  return times[1];
}

void DefineFields(TMemTable& Table) {
  Table.AddField(L"Name", ftString, 30);
  Table.AddField(L"Age", ftInteger);
  Table.AddField(L"Score", ftFloat);
  Table.AddField(L"Born", ftDate);
  Table.AddField(L"Vip", ftBoolean);
  Table.AddField(L"Notes", ftMemo);
}

// Rows of a contacts list, about 60 bytes each in the file.
void Fill(TMemTable& Table) {
  for (int i = 0; i < kRows; ++i) {
    Table.Append();
    Table.FieldByName(L"Name")->SetAsString(L"Contact " + IntToStr(i) + (i % 7 ? L" Lee" : L" 李明"));
    Table.FieldByName(L"Age")->SetAsInteger(18 + i % 70);
    Table.FieldByName(L"Score")->SetAsFloat(i % 1000 + (i % 4) * 0.25);
    Table.FieldByName(L"Born")->SetAsDateTime(20000 + i % 20000);
    Table.FieldByName(L"Vip")->SetAsBoolean(i % 3 == 0);
    Table.FieldByName(L"Notes")->SetAsString(i % 10 ? L"called back on Monday" : L"two lines\nof notes");
    Table.Post();
  }
}

std::string PlainRead() {
  std::FILE* f = _wfopen(kFile, L"rb");
  std::string bytes;
  std::fseek(f, 0, SEEK_END);
  bytes.resize(static_cast<size_t>(std::ftell(f)));
  std::fseek(f, 0, SEEK_SET);
  if (std::fread(&bytes[0], 1, bytes.size(), f) != bytes.size()) std::puts("short read");
  std::fclose(f);
  return bytes;
}

void PlainWrite(const std::string& Bytes) {
  std::FILE* f = _wfopen(L"TableFileBench.plain.txt", L"wb");
  if (std::fwrite(Bytes.data(), 1, Bytes.size(), f) != Bytes.size()) std::puts("short write");
  std::fclose(f);
}

// The time of a step to the prior row with a combo on a shown form bound to
// the table, from the last row back a thousand rows.
double PriorWithBoundCombo(TMemTable& Table) {
  auto* form = new TForm(nullptr);
  form->SetBounds(100, 100, 300, 120);
  auto* source = new TDataSource(form);
  source->SetDataSet(&Table);
  auto* combo = new TfcStringCombo(form);
  combo->SetParent(form);
  combo->SetBounds(10, 10, 200, 21);
  combo->SetDataSource(source);
  combo->SetDataField(L"Name");
  form->Show();
  Application->ProcessMessages();
  Table.Last();
  const double ms = Ms([&] {
    for (int i = 0; i < 1000; ++i) {
      Table.Prior();
      combo->Update();
    }
  });
  delete form;
  return ms / 1000;
}

}  // namespace

int wmain() {
  Application->Initialize();
  TMemTable table(nullptr);
  DefineFields(table);
  table.Open();
  Fill(table);
  table.SaveToFile(kFile);
  const std::string bytes = PlainRead();
  std::printf("%d rows, %.1f MB of text\n", kRows, bytes.size() / 1e6);

  const double plainRead = MedianMs([] { PlainRead(); });
  const double load = MedianMs([&] { table.LoadFromFile(kFile); });
  const double plainWrite = MedianMs([&] { PlainWrite(bytes); });
  const double save = MedianMs([&] { table.SaveToFile(kFile); });
  std::printf("load %8.2f ms   plain read  %6.2f ms\n", load, plainRead);
  std::printf("save %8.2f ms   plain write %6.2f ms\n", save, plainWrite);

  TMemTable loaded(nullptr);
  DefineFields(loaded);
  loaded.Open();
  const long long before = bench::HeapBytesInUse();
  loaded.LoadFromFile(kFile);
  const long long held = bench::HeapBytesInUse() - before;
  std::printf("the loaded table holds %.1f MB\n", held / 1e6);
  std::printf("a step to the prior row with a bound combo: %.3f ms\n", PriorWithBoundCombo(loaded));

  bench::PrintRatio("table of 100,000 rows: load / plain read of its file", load / plainRead, bench::Target(10));
  bench::PrintRatio("table of 100,000 rows: save / plain write of its file", save / plainWrite, bench::Target(5));
  bench::PrintRatio("table of 100,000 rows: memory held / size of its text", double(held) / bytes.size(),
                    bench::Target(2));
  _wremove(kFile);
  _wremove(L"TableFileBench.plain.txt");
  return 0;
}

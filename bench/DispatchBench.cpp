// The cost of the deferred free on the message path: Perform of a cheap
// message against a direct call of the control's WindowProc, an event's call
// against a plain function object's, and a walk over a list its calls may
// change against a plain walk over a copy of the list. Each ratio is the
// median of alternating runs.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/BenchTiming.h"
#include "classlib/Forms.h"
#include "classlib/ListWalk.h"
#include "classlib/StdCtrls.h"

namespace {

constexpr int kCalls = 200000;

double Ratio(const std::function<void()>& Measured, const std::function<void()>& Baseline, int Calls = kCalls) {
  std::vector<double> measured, baseline;
  for (int run = 0; run < bench::kWarmUp + bench::kRuns; ++run) {
    const double m = bench::Milliseconds(Measured), b = bench::Milliseconds(Baseline);
    if (run < bench::kWarmUp) continue;
    measured.push_back(m);
    baseline.push_back(b);
  }
  const double m = bench::Median(measured), b = bench::Median(baseline);
  std::printf("%.1f ns against %.1f ns a call\n", m * 1e6 / Calls, b * 1e6 / Calls);
  return m / b;
}

}  // namespace

int main() {
  Application->Initialize();
  auto* form = new TForm(Application);
  auto* label = new TLabel(form);
  label->SetParent(form);

  // CM_HITTEST is answered at once by every control.
  volatile intptr_t sink = 0;
  const double perform = Ratio(
      [&] {
        for (int i = 0; i < kCalls; ++i) sink = sink + label->Perform(CM_HITTEST, 0, 0);
      },
      [&] {
        for (int i = 0; i < kCalls; ++i) {
          TMessage m;
          m.Msg = CM_HITTEST;
          label->WindowProc(m);
          sink = sink + m.Result;
        }
      });
  bench::PrintRatio("Perform of a cheap message / a direct WindowProc call", perform, bench::Target(1.5));

  int count = 0;
  TNotifyEvent event = [&count](TObject*) { ++count; };
  std::function<void(TObject*)> plain = [&count](TObject*) { ++count; };
  const double call = Ratio(
      [&] {
        for (int i = 0; i < kCalls; ++i) event(label);
      },
      [&] {
        for (int i = 0; i < kCalls; ++i) plain(label);
      });
  bench::PrintRatio("An event's call / a plain function object's call", call, bench::Target(1.5));

  // The walks of the control lists, the data set's sources and data links;
  // each call reads its item, as every real call does.
  for (int items : {100, 5000}) {
    std::vector<TObject*> list;
    for (int i = 0; i < items; ++i) list.push_back(new TObject);
    const int walks = kCalls / items;
    const double walk = Ratio(
        [&] {
          for (int w = 0; w < walks; ++w) ForEachStillListed(list, [&](TObject* o) { sink = sink + o->TornDown(); });
        },
        [&] {
          for (int w = 0; w < walks; ++w) {
            const std::vector<TObject*> copy = list;
            for (TObject* o : copy) sink = sink + o->TornDown();
          }
        },
        walks * items);
    const std::string name = "a walk over a changing list of " + std::to_string(items) + " / a walk over its copy";
    bench::PrintRatio(name.c_str(), walk, bench::Target(2));
    for (TObject* o : list) delete o;
  }
  Free(form);
  return count > 0 && sink >= 0 ? 0 : 1;
}

// A full Apply download into the simulated keyboard with a modelled 1 ms USB round trip, against
// the physical bound of 1 ms per acknowledged report.
#include <benchmark/benchmark.h>

#include <chrono>

#include "sim/in_process.h"
#include "store/download.h"

namespace {

// The largest macro table the keyboard's full space (255 x 128 bytes) holds: 100 macros of 80
// actions (names no longer fit and are dropped).
void Fill(mv::store::ConfigStore& working) {
  (void)working.AllocateSlots();
  working.mainBlock = mv::store::CreateDefaultMainBlock();
  working.macros.resize(mv::store::kMaxMacros);
  for (int m = 0; m < mv::store::kMaxMacros; ++m) {
    auto& record = working.macros[m];
    record.SetName(u"Macro");
    record.SetMacroId(static_cast<std::uint16_t>(m + 1));
    for (int a = 0; a < 80; ++a) record.AppendAction({20, 0x1E, static_cast<std::uint16_t>(a % 2)});
  }
}

void BM_ApplyDownload(benchmark::State& state) {
  mv::sim::SimSettings settings;
  settings.replyDelay = std::chrono::milliseconds(1);
  mv::sim::InProcessDevice keyboard(settings);
  mv::store::ConfigStores stores;
  Fill(stores.working);
  mv::store::DeviceState device;
  device.SetMacroCapacity(255);
  mv::store::SilentPrompter prompter;
  const mv::LanguageTable texts;
  mv::store::DownloadContext context{stores, device, keyboard.commands(), prompter, texts};
  std::size_t reports = 0;
  for (auto _ : state) {
    keyboard.keyboard().ClearLog();
    auto lock = stores.working.Lock();
    if (mv::store::ApplyWorkingStore(context, true) != 1) state.SkipWithError("download failed");
    reports = keyboard.keyboard().ReceivedCount();
  }
  state.counters["reports"] = static_cast<double>(reports);
  state.counters["bound_ms"] = static_cast<double>(reports);  // 1 ms per acknowledged report
  state.counters["ratio_to_bound"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * static_cast<double>(reports) * 1e-3,
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ApplyDownload)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace

BENCHMARK_MAIN();

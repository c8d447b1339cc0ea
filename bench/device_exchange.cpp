// Cost of the command exchange: our own overhead per report with a keyboard that answers at once,
// and a full download with a modelled 1 ms USB round trip, as a ratio to 1 ms per acknowledged report.
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "device/commands.h"
#include "device/exchange.h"
#include "sim/in_process.h"

namespace {

using namespace std::chrono_literals;

void BM_OneExchange(benchmark::State& state) {
  mv::sim::InProcessDevice device;
  device.keyboard().SetRecording(false);
  mv::device::CommandReport frame{};
  frame[0] = 4;
  frame[3] = mv::device::kOpBeginSession;
  mv::device::StoreFrameSum(frame);
  mv::device::CommandReport reply{};
  std::size_t delivered = 0;
  for (auto _ : state) {
    if (device.exchange().ExchangeReport(frame, reply, delivered) != mv::device::kOk) {
      state.SkipWithError("exchange failed");
      break;
    }
    benchmark::DoNotOptimize(reply);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OneExchange)->UseRealTime();

// 255 x 128 bytes of macro area (583 reports) and three key blocks (21 reports).
void BM_FullDownload1msRoundTrip(benchmark::State& state) {
  mv::sim::InProcessDevice device({true, 1ms, 255});
  device.keyboard().SetRecording(false);
  const std::vector<std::uint8_t> macro(mv::device::kMaxMacroAreaSize, 0x11);
  const std::array<std::uint8_t, mv::device::kKeyBlockSize> block{};
  constexpr int kReports = 583 + 21;
  double seconds = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    int result = device.commands().WriteMacroArea(macro);
    for (int bank = 0; bank < 3 && result == mv::device::kOk; ++bank) result = device.commands().WriteKeyBlock(block, bank);
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (result != mv::device::kOk) {
      state.SkipWithError("download failed");
      break;
    }
  }
  state.counters["reports"] = kReports;
  state.counters["ratio_to_1ms_per_report"] =
      seconds / static_cast<double>(state.iterations()) / (kReports * 0.001);
}
BENCHMARK(BM_FullDownload1msRoundTrip)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();

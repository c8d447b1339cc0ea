// Building the key maps of three profiles and encoding the largest macro table.
#include <benchmark/benchmark.h>

#include <vector>

#include "store/config_store.h"
#include "store/key_map.h"
#include "store/macro_area.h"

namespace {

void Fill(mv::store::ConfigStores& stores) {
  stores.applied.mainBlock = mv::store::CreateDefaultMainBlock();
  stores.working.macros.resize(mv::store::kMaxMacros);
  for (int m = 0; m < mv::store::kMaxMacros; ++m) {
    auto& record = stores.working.macros[m];
    record.SetName(u"Macro");
    record.SetMacroId(static_cast<std::uint16_t>(m + 1));
    for (int a = 0; a < mv::store::kMaxMacroActions; ++a) record.AppendAction({50, 0x1D, static_cast<std::uint16_t>(a % 2)});
  }
  stores.applied.macros = stores.working.macros;
  for (int p = 0; p < 3; ++p)
    for (int k = 0; k < 256; ++k) {
      mv::keys::KeyAssignment r;
      r.type = static_cast<std::uint16_t>(mv::keys::AssignmentType::PlayMacro);
      r.value = static_cast<std::uint32_t>(100 - k % 100);  // late in the table: the slowest lookup
      stores.applied.mainBlock->SetRecord(mv::store::MainBlock::RecordNumber(p, k), r);
    }
}

void BM_BuildThreeKeyMaps(benchmark::State& state) {
  mv::store::ConfigStores stores;
  Fill(stores);
  const auto& layout = mv::store::BuiltInLayout();
  for (auto _ : state)
    for (int p = 0; p < 3; ++p) benchmark::DoNotOptimize(mv::store::BuildKeyMapImage(stores, layout, p));
}
BENCHMARK(BM_BuildThreeKeyMaps)->Unit(benchmark::kMicrosecond);

void BM_EncodeLargestMacroArea(benchmark::State& state) {
  mv::store::ConfigStores stores;
  Fill(stores);
  const auto sizes = mv::store::MacroAreaSizes(stores.applied);
  std::vector<std::uint8_t> area(sizes.withoutNames);
  // Beyond a 16-bit area size the encoder refuses; measure the work on the largest it accepts.
  const std::size_t macros = std::min<std::size_t>(stores.applied.macros.size(), 0xFFFF / (4 + 4 * 2000));
  std::vector<mv::store::MacroRecord> table(stores.applied.macros.begin(), stores.applied.macros.begin() + macros);
  std::vector<std::uint8_t> fitting(mv::store::MacroAreaSizes(table).withoutNames);
  for (auto _ : state) benchmark::DoNotOptimize(mv::store::EncodeMacroArea(table, fitting, false));
  state.counters["macros"] = static_cast<double>(macros);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fitting.size()));
}
BENCHMARK(BM_EncodeLargestMacroArea)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

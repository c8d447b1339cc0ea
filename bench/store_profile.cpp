// Save and load of the largest profile file: 100 macros of 2000 actions and texts in many slots.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "platform/text.h"
#include "profiles/profile_file.h"
#include "store/config_store.h"

namespace {

void FillLargest(mv::store::ConfigStore& working) {
  (void)working.AllocateSlots();
  working.mainBlock = mv::store::CreateDefaultMainBlock();
  working.macros.resize(mv::store::kMaxMacros);
  for (int m = 0; m < mv::store::kMaxMacros; ++m) {
    auto& record = working.macros[m];
    record.SetName(u"Macro" + std::u16string(1, static_cast<char16_t>(u'A' + m % 26)));
    record.SetMacroId(static_cast<std::uint16_t>(m + 1));
    record.SetCycles(1);
    for (int a = 0; a < mv::store::kMaxMacroActions; ++a)
      record.AppendAction({10, 0x1E, static_cast<std::uint16_t>(a % 2)});
  }
  for (int s = 0; s < mv::store::kSlotCount; s += 2) {
    auto r = working.mainBlock->Record(s);
    r.type = static_cast<std::uint16_t>(s % 4 == 0 ? mv::keys::AssignmentType::LaunchProgram : mv::keys::AssignmentType::TextBlock);
    working.mainBlock->SetRecord(s, r);
    (void)working.SetText(s, u"C:\\Programs\\Some Tool\\tool.exe --option value");
  }
}

std::u16string BenchPath() {
  return mv::Utf8ToUtf16((std::filesystem::temp_directory_path() / "mv-bench-largest.mvn").string());
}

void BM_SaveLargestProfile(benchmark::State& state) {
  mv::store::ConfigStore working;
  FillLargest(working);
  const auto path = BenchPath();
  for (auto _ : state) benchmark::DoNotOptimize(mv::profiles::SaveProfileAs(working, true, path));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(working.mainBlock->Header().totalSize));
}
BENCHMARK(BM_SaveLargestProfile)->Unit(benchmark::kMillisecond);

void BM_LoadLargestProfile(benchmark::State& state) {
  {
    mv::store::ConfigStore working;
    FillLargest(working);
    (void)mv::profiles::SaveProfileAs(working, true, BenchPath());
  }
  const auto path = BenchPath();
  std::int64_t bytes = 0;
  for (auto _ : state) {
    mv::store::ConfigStore working;
    auto lock = working.Lock();
    benchmark::DoNotOptimize(mv::profiles::LoadProfileFile(working, path));
    bytes = working.mainBlock ? working.mainBlock->Header().totalSize : 0;
  }
  state.SetBytesProcessed(state.iterations() * bytes);
  std::filesystem::remove(std::filesystem::temp_directory_path() / "mv-bench-largest.mvn");
}
BENCHMARK(BM_LoadLargestProfile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

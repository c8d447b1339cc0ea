// Fuzz target: a profile file's bytes through validation and loading into a working store.
#include <cstddef>
#include <cstdint>
#include <span>

#include "profiles/profile_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const auto check = mv::profiles::CheckProfileBytes(bytes);
  mv::store::ConfigStore working;
  auto lock = working.Lock();
  const int loaded = mv::profiles::LoadProfileBytes(working, bytes);
  // Loading succeeds exactly for the files that validate, and leaves a consistent store.
  if ((loaded == 1) != (check == mv::profiles::ProfileCheck::Valid)) __builtin_trap();
  if (loaded == 1) {
    std::uint32_t sum = 0;
    for (const auto& slot : working.slots) sum += slot.bytes;
    if (sum != working.textBytes || !working.mainBlock || working.MacroCount() > 100) __builtin_trap();
  }
  return 0;
}

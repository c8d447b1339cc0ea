// Fuzz target: what the simulated keyboard reads from outside. The first byte chooses: even, the
// bytes are "Quenlink.ini" beside the library; odd, they are lines for the control channel, run one
// by one on a fresh keyboard. Settings stay within their documented ranges and every answer is
// whole lines.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/text.h"
#include "sim/control_commands.h"
#include "sim/sim_settings.h"
#include "sim/simulated_keyboard.h"

namespace {

const std::u16string& FuzzFile() {
  static const std::u16string path =
      mv::Utf8ToUtf16("/tmp/mv-fuzz-quenlink-" + std::to_string(::getpid()) + ".ini");
  return path;
}

void CheckSettings(const std::uint8_t* data, std::size_t size) {
  const std::u16string& file = FuzzFile();
  std::FILE* f = std::fopen(mv::Utf16ToUtf8(file).c_str(), "wb");
  if (!f) return;
  if (size) std::fwrite(data, 1, size, f);
  std::fclose(f);
  const mv::sim::SimSettings s = mv::sim::ReadSimSettings(file);
  if (s.macroCapacity < 0 || s.macroCapacity > 255) __builtin_trap();
  if (s.replyDelay.count() < 0 || s.replyDelay > std::chrono::milliseconds(60000)) __builtin_trap();
}

void CheckCommands(std::string_view text) {
  mv::sim::SimulatedKeyboard keyboard;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    const std::string answer = mv::sim::RunControlCommand(keyboard, line);
    // Whole lines; an empty listing ("log" of nothing) is no lines at all.
    if (!answer.empty() && answer.back() != '\n') __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  if (data[0] % 2 == 0) {
    CheckSettings(data + 1, size - 1);
  } else {
    CheckCommands(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
  }
  return 0;
}

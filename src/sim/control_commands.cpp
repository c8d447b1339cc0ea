// Parsing and running the control channel's text commands.
#include "sim/control_commands.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace mv::sim {
namespace {

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r' || line[i] == '\n')) ++i;
    std::size_t j = i;
    while (j < line.size() && !(line[j] == ' ' || line[j] == '\t' || line[j] == '\r' || line[j] == '\n')) ++j;
    if (j > i) words.push_back(line.substr(i, j - i));
    i = j;
  }
  return words;
}

// A decimal or 0x-prefixed number within [low, high].
bool ParseNumber(std::string_view word, long low, long high, long& out) {
  const std::string text(word);
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(text.c_str(), &end, 0);
  if (errno != 0 || end != text.c_str() + text.size() || v < low || v > high) return false;
  out = v;
  return true;
}

std::string Hex(const std::uint8_t* bytes, std::size_t n) {
  std::string s;
  char b[4];
  for (std::size_t i = 0; i < n; ++i) {
    std::snprintf(b, sizeof b, i ? " %02X" : "%02X", bytes[i]);
    s += b;
  }
  return s;
}

std::string ListLog(const SimulatedKeyboard& keyboard) {
  std::string out;
  for (const auto& r : keyboard.ReceivedReports()) out += Hex(r.data(), r.size()) + "\n";
  return out;
}

std::string ListLed(const SimulatedKeyboard& keyboard) {
  const auto status = keyboard.LedStatus();
  char line[64];
  std::snprintf(line, sizeof line, "%s writes %zu\n", Hex(status.data(), status.size()).c_str(),
                keyboard.LedWrites().size());
  return line;
}

constexpr char kOk[] = "ok\n";

}  // namespace

std::string RunControlCommand(SimulatedKeyboard& keyboard, std::string_view line) {
  const auto w = Words(line);
  if (w.empty()) return "error: empty command\n";
  const std::string_view cmd = w[0];
  long a = 0;
  long b = 0;
  if (cmd == "help") return ControlHelpText();
  if (w.size() == 1) {
    if (cmd == "plug") return keyboard.Plug(), kOk;
    if (cmd == "unplug") return keyboard.Unplug(), kOk;
    if (cmd == "present") return keyboard.IsPresent() ? "1\n" : "0\n";
    if (cmd == "bootmode") return keyboard.InBootMode() ? "1\n" : "0\n";
    if (cmd == "log") return ListLog(keyboard);
    if (cmd == "clear") return keyboard.ClearLog(), kOk;
    if (cmd == "led") return ListLed(keyboard);
  }
  if (w.size() == 2) {
    if (cmd == "consumer" && ParseNumber(w[1], 0, 0xFFFF, a)) {
      keyboard.SendConsumerCode(static_cast<std::uint16_t>(a));
      return kOk;
    }
    if (cmd == "delay" && ParseNumber(w[1], 0, 60000, a)) {
      keyboard.SetReplyDelay(std::chrono::milliseconds(a));
      return kOk;
    }
    if (cmd == "drop" && ParseNumber(w[1], 0, 1000000, a)) return keyboard.DropNextReplies(static_cast<int>(a)), kOk;
    if (cmd == "wrongop" && ParseNumber(w[1], 0, 1000000, a)) {
      keyboard.AnswerWrongOpcodeNext(static_cast<int>(a));
      return kOk;
    }
    if (cmd == "refuse" && ParseNumber(w[1], 0, 1, a)) return keyboard.SetRefuseWrites(a == 1), kOk;
  }
  if (w.size() == 3 && cmd == "status" && ParseNumber(w[1], 0, 1000000, a) && ParseNumber(w[2], 0, 255, b)) {
    keyboard.AnswerStatusNext(static_cast<int>(a), static_cast<std::uint8_t>(b));
    return kOk;
  }
  return "error: unknown command or bad argument (try help)\n";
}

}  // namespace mv::sim

// The text commands of the simulator's control channel ("plug", "consumer 0x2FF", "log", ...),
// shared by the named pipe of Quenlink.dll and by tests. One line in, a text answer out.
#pragma once

#include <string>
#include <string_view>

#include "sim/simulated_keyboard.h"

namespace mv::sim {

// Answers "ok", a listing, or "error: ..." (each line ends with '\n'). "help" lists the commands.
std::string RunControlCommand(SimulatedKeyboard& keyboard, std::string_view line);

struct ControlCommandHelp {
  const char* usage;    // the command with its arguments
  const char* meaning;
  const char* example;  // a line the channel accepts
};

// Every command, in the order "help" lists them. simctl prints the same list without a running program.
inline constexpr ControlCommandHelp kControlCommands[] = {
    {"plug", "plug the keyboard in; the program reads it again", "plug"},
    {"unplug", "pull the keyboard out; replies on their way are lost", "unplug"},
    {"present", "1 when the keyboard is plugged in, else 0", "present"},
    {"consumer CODE", "press a consumer key (CODE up to 0xFFFF, e.g. consumer 0x2FF)", "consumer 0x2FF"},
    {"log", "every report the keyboard received since the last clear, in hex, one a line", "log"},
    {"clear", "forget the received reports and LED writes", "clear"},
    {"led", "the last LED status written (two bytes) and how many writes there were", "led"},
    {"delay MS", "answer every command MS milliseconds late (0 to 60000; 0 ends it)", "delay 0"},
    {"drop N", "carry out the next N commands but lose their replies", "drop 0"},
    {"wrongop N", "answer the next N commands with another opcode", "wrongop 0"},
    {"status N VALUE", "refuse the next N commands with status VALUE (e.g. 0xFF or 0xFE)", "status 0 0xFF"},
    {"refuse 0|1", "1: single writes fail (RequestWriteOne returns 0); 0: they work again", "refuse 0"},
    {"bootmode", "1 while the keyboard is in its boot loader (it answers nothing), else 0", "bootmode"},
    {"help", "this list", "help"},
};

// The "help" answer: one line a command, its arguments and what it does.
inline std::string ControlHelpText() {
  std::string text;
  for (const ControlCommandHelp& c : kControlCommands) {
    std::string usage = c.usage;
    if (usage.size() < 16) usage.resize(16, ' ');
    text += "  " + usage + "  " + c.meaning + "\n";
  }
  return text;
}

// Default name of the control pipe of a running program.
inline constexpr char16_t kControlPipeName[] = u"\\\\.\\pipe\\QuenlinkSim";

}  // namespace mv::sim

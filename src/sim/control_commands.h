// The text commands of the simulator's control channel ("plug", "consumer 0x2FF", "log", ...),
// shared by the named pipe of Quenlink.dll and by tests. One line in, a text answer out.
#pragma once

#include <string>
#include <string_view>

#include "sim/simulated_keyboard.h"

namespace mv::sim {

// Answers "ok", a listing, or "error: ..." (each line ends with '\n'). "help" lists the commands.
std::string RunControlCommand(SimulatedKeyboard& keyboard, std::string_view line);

// Default name of the control pipe of a running program.
inline constexpr char16_t kControlPipeName[] = u"\\\\.\\pipe\\QuenlinkSim";

}  // namespace mv::sim

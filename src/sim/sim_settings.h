// The simulated keyboard's start-up settings from "Quenlink.ini" beside the library:
//   [Keyboard]  Present=1  ReplyDelayMs=0  MacroCapacity=255
// Missing file, keys or unreadable values give the defaults (plugged in, no delay, 255).
#pragma once

#include <string>

#include "sim/simulated_keyboard.h"

namespace mv::sim {

inline constexpr char16_t kSimIniName[] = u"Quenlink.ini";

SimSettings ReadSimSettings(const std::u16string& iniPath);

}  // namespace mv::sim

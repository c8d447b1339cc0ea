// Clock, sleep and the well-known folders.
#pragma once

#include <cstdint>
#include <string>

namespace mv::platform {

// Milliseconds since an arbitrary start, wrapping at 2^32 like GetTickCount.
std::uint32_t TickCountMs();
void SleepMs(std::uint32_t ms);

// The user's documents folder, without a trailing separator.
std::u16string DocumentsFolder();

// Full path of the running executable.
std::u16string ExecutablePath();

}  // namespace mv::platform

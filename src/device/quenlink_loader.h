// Binding to the device service library at run time, and the notification-side requests (the
// CTRL and CONS reads and the LED status write) with their request-number rule.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "device/quenlink_api.h"

namespace mv::device {

// The library as the program loads it on Windows (bare name: the program folder is searched first).
inline constexpr char16_t kQuenlinkLibraryName[] = u"Quenlink.dll";

// Loads the library at path (a bare name on Windows, a .so path on POSIX) and resolves all twelve
// exports by name. On success fills api, keeps the library loaded for the rest of the process and
// returns 1; returns 0 when the library or any export is missing (api is left untouched).
[[nodiscard]] int LoadQuenlink(const std::u16string& path, QuenlinkApi& api);

// Cancels the unit's previous request (requestNumber, 0 at first) and submits an asynchronous read
// with the callback; requestNumber receives the new number. Returns the library's result.
int SubmitAsyncRead(const QuenlinkApi& api, const UnitId& unit, std::uint32_t tag, QuenlinkCallback callback,
                    int& requestNumber);

// The two LED status bytes: 0x05, then 0x02 with bit 0 the G-key layer.
using LedStatus = std::array<std::uint8_t, 2>;
inline constexpr LedStatus kInitialLedStatus{0x05, 0x02};

// Cancels the LED unit's previous request and writes the two status bytes.
int WriteLedStatus(const QuenlinkApi& api, const LedStatus& status, QuenlinkCallback callback, int& requestNumber);

}  // namespace mv::device

// What a colour component edit (red, green or blue, 0 to 255) may hold while the user types or
// pastes into it: digits only, and never more than 255.
#pragma once

#include <string>
#include <string_view>

namespace mv::lighting {

inline constexpr int kColourComponentMax = 255;

// The typed text with everything but digits dropped and a value above 255 replaced by "255".
// Empty stays empty: the user may be between two keystrokes.
std::u16string ColourComponentText(std::u16string_view typed);

}  // namespace mv::lighting

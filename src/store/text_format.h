// Fills the one "%s" or "%d" of a language text: the texts are UTF-16 and printf cannot take them.
#pragma once

#include <string>
#include <string_view>

namespace mv::store {

// Replaces the first "%s" with the argument; the text unchanged when it has none.
std::u16string FormatWithText(std::u16string_view format, std::u16string_view argument);
// Replaces the first "%d" with the decimal number.
std::u16string FormatWithNumber(std::u16string_view format, long long number);
std::u16string DecimalText(long long number);

}  // namespace mv::store

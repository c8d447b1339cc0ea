// Small helpers for the UTF-16 texts of the language file: the language texts carry one "%s" or
// "%d" that the code fills (printf cannot take UTF-16, and a text from a file must never be used
// as a format), and every text slot or buffer cuts its text without splitting a surrogate pair.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mv {

// Decimal digits of a number ("-12", "0", ...).
std::u16string DecimalText(long long number);

// The first "%s" replaced by the argument; the text unchanged when it has none.
std::u16string FormatWithText(std::u16string_view format, std::u16string_view argument);

// At most maxUnits units, one fewer when the last kept unit would be the first half of a pair.
std::u16string_view CutToUnits(std::u16string_view text, std::size_t maxUnits);
// What a terminated buffer of capacity units holds: at most capacity - 1 units, cut as above.
void CutToCapacity(std::u16string& text, std::size_t capacity);

}  // namespace mv

// Text helpers shared by the key names and the assignment texts: the fallback name of an unnamed
// key and the 260-unit cut every key text goes through.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/language.h"
#include "app/text_format.h"

namespace mv::keys {

// The format's first hex directive (%x, %X, %03x, ...) replaced by the code; every other unit of
// the text stays as it is. The text comes from the language file, so it is never given to printf.
std::u16string FormatKeyCode(std::u16string_view format, std::uint32_t code);

// Name of a key code held in a 32-bit field (a record's value): beyond 16 bits it names no key.
std::u16string KeyValueName(std::uint32_t value, const LanguageTable& texts);

}  // namespace mv::keys

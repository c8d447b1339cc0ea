// Replacing a file as a whole: the new contents go to a temporary file beside it, are flushed to
// the disk and then take the old file's place in one step, so a failure at any point leaves the
// previous file whole.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

namespace mv::store {

// The temporary name used beside path.
std::u16string TemporaryPathFor(const std::u16string& path);

// Writes the parts one after another. true when the file at path now holds exactly them.
[[nodiscard]] bool WriteFileAtomically(const std::u16string& path,
                                       std::initializer_list<std::span<const std::uint8_t>> parts);

}  // namespace mv::store

// Whole-file replacement through a flushed temporary file.
#include "store/atomic_file.h"

#include <cstdio>

#include "platform/files.h"

namespace mv::store {

std::u16string TemporaryPathFor(const std::u16string& path) { return path + u".tmp"; }

namespace {
bool WriteParts(const std::u16string& file, std::initializer_list<std::span<const std::uint8_t>> parts) {
  platform::UniqueFile out = platform::OpenFile(file, "wb");
  if (!out) return false;
  for (const auto& part : parts)
    if (!part.empty() && std::fwrite(part.data(), 1, part.size(), out.get()) != part.size()) return false;
  if (!platform::FlushToDisk(out.get())) return false;
  return std::fclose(out.release()) == 0;
}
}  // namespace

bool WriteFileAtomically(const std::u16string& path, std::initializer_list<std::span<const std::uint8_t>> parts) {
  const std::u16string temporary = TemporaryPathFor(path);
  if (WriteParts(temporary, parts) && platform::ReplaceFileAtomically(temporary, path)) return true;
  platform::RemoveFile(temporary);
  return false;
}

}  // namespace mv::store

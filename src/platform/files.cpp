// Path-name helpers shared by both platforms.
#include "platform/files.h"

#include <cstdio>

namespace mv::platform {

namespace {
std::size_t LastSeparator(const std::u16string& path) { return path.find_last_of(u"\\/"); }
}  // namespace

std::u16string FileNameOf(const std::u16string& path) {
  const auto pos = LastSeparator(path);
  return pos == std::u16string::npos ? path : path.substr(pos + 1);
}

std::u16string FolderOf(const std::u16string& path) {
  const auto pos = LastSeparator(path);
  return pos == std::u16string::npos ? std::u16string() : path.substr(0, pos + 1);
}

std::u16string TemporaryPathFor(const std::u16string& path) { return path + u".tmp"; }

namespace {
bool WriteParts(const std::u16string& file, std::initializer_list<std::span<const std::uint8_t>> parts) {
  UniqueFile out = OpenFile(file, "wb");
  if (!out) return false;
  for (const auto& part : parts)
    if (!part.empty() && std::fwrite(part.data(), 1, part.size(), out.get()) != part.size()) return false;
  if (!FlushToDisk(out.get())) return false;
  return std::fclose(out.release()) == 0;
}
}  // namespace

bool WriteFileAtomically(const std::u16string& path, std::initializer_list<std::span<const std::uint8_t>> parts) {
  const std::u16string temporary = TemporaryPathFor(path);
  if (WriteParts(temporary, parts) && ReplaceFileAtomically(temporary, path)) return true;
  RemoveFile(temporary);
  return false;
}

}  // namespace mv::platform

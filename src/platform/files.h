// The file-system services the core needs, with UTF-16 path names.
#pragma once

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace mv::platform {

#ifdef _WIN32
inline constexpr char16_t kPathSeparator = u'\\';
#else
inline constexpr char16_t kPathSeparator = u'/';
#endif

struct FileCloser {
  void operator()(std::FILE* f) const noexcept {
    if (f) std::fclose(f);
  }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// fopen with a UTF-16 name ("rb", "wb", ...); null on failure.
UniqueFile OpenFile(const std::u16string& path, const char* mode);

bool FileExists(const std::u16string& path);
bool DirectoryExists(const std::u16string& path);
// Creates the folder (its parent must exist); true when it exists afterwards.
bool CreateFolder(const std::u16string& path);
bool RemoveFile(const std::u16string& path);
// Size in bytes, or nothing when the file cannot be examined.
std::optional<std::uint64_t> FileSize(const std::u16string& path);
// Flushes a written file through to the disk; false on failure.
bool FlushToDisk(std::FILE* file);
// Replaces target by source in one step (the old target stays whole if this fails).
[[nodiscard]] bool ReplaceFileAtomically(const std::u16string& source, const std::u16string& target);

// Replaces a file as a whole: the parts go one after another to a temporary file beside it (path
// + ".tmp"), which is flushed to the disk and then takes the old file's place in one step, so a
// failure at any point leaves the previous file whole. true when path now holds exactly the parts.
std::u16string TemporaryPathFor(const std::u16string& path);
[[nodiscard]] bool WriteFileAtomically(const std::u16string& path,
                                       std::initializer_list<std::span<const std::uint8_t>> parts);

// The last path component ("C:\a\b.mvn" -> "b.mvn"), and everything up to and including the last
// separator ("C:\a\"). Both separators are accepted on every platform.
std::u16string FileNameOf(const std::u16string& path);
std::u16string FolderOf(const std::u16string& path);

}  // namespace mv::platform

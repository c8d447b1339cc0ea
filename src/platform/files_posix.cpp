// File-system services on POSIX: UTF-16 names are passed to the OS as UTF-8.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "platform/files.h"
#include "platform/text.h"

namespace mv::platform {

namespace {
std::string Native(const std::u16string& path) { return Utf16ToUtf8(path); }
}  // namespace

UniqueFile OpenFile(const std::u16string& path, const char* mode) {
  return UniqueFile(std::fopen(Native(path).c_str(), mode));
}

bool FileExists(const std::u16string& path) {
  struct stat st {};
  return ::stat(Native(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::u16string& path) {
  struct stat st {};
  return ::stat(Native(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CreateFolder(const std::u16string& path) {
  ::mkdir(Native(path).c_str(), 0777);
  return DirectoryExists(path);
}

bool RemoveFile(const std::u16string& path) { return ::unlink(Native(path).c_str()) == 0; }

std::optional<std::uint64_t> FileSize(const std::u16string& path) {
  struct stat st {};
  if (::stat(Native(path).c_str(), &st) != 0) return std::nullopt;
  return static_cast<std::uint64_t>(st.st_size);
}

bool FlushToDisk(std::FILE* file) { return std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0; }

bool ReplaceFileAtomically(const std::u16string& source, const std::u16string& target) {
  return std::rename(Native(source).c_str(), Native(target).c_str()) == 0;
}

}  // namespace mv::platform

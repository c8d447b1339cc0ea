// Path-name helpers shared by both platforms.
#include "platform/files.h"

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

}  // namespace mv::platform

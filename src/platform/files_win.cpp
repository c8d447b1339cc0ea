// File-system services on Windows, through the wide-character API.
#include <windows.h>

#include <io.h>

#include <cstdio>
#include <string>

#include "platform/files.h"

namespace mv::platform {

namespace {
const wchar_t* W(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }
}  // namespace

UniqueFile OpenFile(const std::u16string& path, const char* mode) {
  std::wstring wmode(mode, mode + std::char_traits<char>::length(mode));
  return UniqueFile(_wfopen(W(path), wmode.c_str()));
}

bool FileExists(const std::u16string& path) {
  const DWORD a = GetFileAttributesW(W(path));
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::u16string& path) {
  const DWORD a = GetFileAttributesW(W(path));
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateFolder(const std::u16string& path) {
  CreateDirectoryW(W(path), nullptr);
  return DirectoryExists(path);
}

bool RemoveFile(const std::u16string& path) { return DeleteFileW(W(path)) != 0; }

std::optional<std::uint64_t> FileSize(const std::u16string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(W(path), GetFileExInfoStandard, &data)) return std::nullopt;
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool FlushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle) != 0;
}

bool ReplaceFileAtomically(const std::u16string& source, const std::u16string& target) {
  return MoveFileExW(W(source), W(target), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace mv::platform

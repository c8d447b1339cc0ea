// A fresh empty folder under the system's temporary folder for one test, removed with everything
// in it when the test ends; plus helpers to put literal bytes into files there and read them back.
#pragma once

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <system_error>

namespace mv::test {

class ScratchFolder {
 public:
  ScratchFolder() {
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
      const auto name = "mv-test-" + std::to_string(random()) + "-" + std::to_string(counter++);
      std::error_code ec;
      if (std::filesystem::create_directory(base / name, ec)) {
        path_ = base / name;
        break;
      }
    }
  }
  ~ScratchFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  bool IsValid() const { return !path_.empty(); }
  // The folder itself, and a path inside it, as UTF-16 with the platform's separators.
  std::u16string Path() const { return path_.u16string(); }
  std::u16string Path(const std::u16string& name) const { return (path_ / name).u16string(); }

 private:
  std::filesystem::path path_;
};

inline bool WriteBytes(const std::u16string& path, const std::string& bytes) {
  std::FILE* f = nullptr;
#ifdef _WIN32
  f = _wfopen(reinterpret_cast<const wchar_t*>(path.c_str()), L"wb");
#else
  f = std::fopen(std::filesystem::path(path).string().c_str(), "wb");
#endif
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

inline std::optional<std::string> ReadBytes(const std::u16string& path) {
  std::FILE* f = nullptr;
#ifdef _WIN32
  f = _wfopen(reinterpret_cast<const wchar_t*>(path.c_str()), L"rb");
#else
  f = std::fopen(std::filesystem::path(path).string().c_str(), "rb");
#endif
  if (!f) return std::nullopt;
  std::string bytes;
  char chunk[4096];
  std::size_t n = 0;
  while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.append(chunk, n);
  std::fclose(f);
  return bytes;
}

// UTF-16LE bytes with a byte-order mark, as a file saved "Unicode" holds them.
inline std::string Utf16LeFile(const std::u16string& text) {
  std::string out = "\xFF\xFE";
  for (const char16_t c : text) {
    out.push_back(static_cast<char>(c & 0xFF));
    out.push_back(static_cast<char>(c >> 8));
  }
  return out;
}

}  // namespace mv::test

// Clock, sleep and folders on POSIX.
#include <time.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/system.h"
#include "platform/text.h"

namespace mv::platform {

std::uint32_t TickCountMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ts.tv_sec) * 1000u + ts.tv_nsec / 1000000);
}

void SleepMs(std::uint32_t ms) {
  timespec ts{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
  while (nanosleep(&ts, &ts) != 0) {
  }
}

std::u16string DocumentsFolder() {
  if (const char* dir = std::getenv("XDG_DOCUMENTS_DIR"); dir && *dir) return Utf8ToUtf16(dir);
  const char* home = std::getenv("HOME");
  return Utf8ToUtf16(std::string(home && *home ? home : "/tmp") + "/Documents");
}

std::u16string ExecutablePath() {
  char buf[4096];
  const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  return n > 0 ? Utf8ToUtf16(std::string(buf, static_cast<std::size_t>(n))) : std::u16string();
}

}  // namespace mv::platform

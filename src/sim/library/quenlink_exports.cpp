// Quenlink.dll (Quenlink.so on POSIX): the device service library's twelve entry points over one
// simulated keyboard, plus Sim* exports to drive it and, on Windows, a control pipe for other
// processes. The keyboard and the pipe start with Init and stop with End.
#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>

#include "device/quenlink_api.h"
#include "platform/files.h"
#include "sim/control_channel.h"
#include "sim/control_commands.h"
#include "sim/module_path.h"
#include "sim/sim_settings.h"
#include "sim/simulated_keyboard.h"

#ifdef _WIN32
#define QUENLINK_EXPORT extern "C" __declspec(dllexport)
#else
#define QUENLINK_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {

using mv::device::QuenlinkCallback;
using mv::sim::SimulatedKeyboard;

// The library's one keyboard. Created on first use so that control calls before Init work too.
class Library {
 public:
  SimulatedKeyboard& Keyboard() {
    std::lock_guard lock(lock_);
    return KeyboardLocked();
  }

  int Init() {
    std::lock_guard lock(lock_);
    const int result = KeyboardLocked().Init(0);
    if (!channelOpen_) channelOpen_ = channel_.Start(*keyboard_, mv::sim::kControlPipeName);
    return result;
  }

  int End() {
    std::lock_guard lock(lock_);
    channel_.Stop();
    channelOpen_ = false;
    return keyboard_ ? keyboard_->End() : 1;
  }

 private:
  SimulatedKeyboard& KeyboardLocked() {
    if (!keyboard_) {
      const std::u16string ini = mv::platform::FolderOf(mv::sim::ThisModulePath()) + mv::sim::kSimIniName;
      keyboard_ = std::make_unique<SimulatedKeyboard>(mv::sim::ReadSimSettings(ini));
    }
    return *keyboard_;
  }

  std::mutex lock_;
  std::unique_ptr<SimulatedKeyboard> keyboard_;
  mv::sim::ControlChannel channel_;
  bool channelOpen_ = false;
};

Library& TheLibrary() {
  // Never destroyed: at process exit the keyboard's thread may already be gone, and End is the
  // orderly way to stop it.
  static Library* library = new Library;
  return *library;
}

SimulatedKeyboard& K() { return TheLibrary().Keyboard(); }

}  // namespace

// --- the twelve entry points ---------------------------------------------------------------------------

QUENLINK_EXPORT int Debug(int level) { return K().Debug(level); }
QUENLINK_EXPORT int Init(int) { return TheLibrary().Init(); }
QUENLINK_EXPORT int End() { return TheLibrary().End(); }

QUENLINK_EXPORT int RequestGetDeviceCount(const std::uint8_t* unitId, QuenlinkCallback callback, std::uint32_t tag,
                                          std::uint32_t checksum, int reserved) {
  return K().RequestGetDeviceCount(unitId, callback, tag, checksum, reserved);
}

QUENLINK_EXPORT int DeleteRequestFromUnitId(int requestNumber) { return K().DeleteRequestFromUnitId(requestNumber); }
QUENLINK_EXPORT int DeleteRequestFromHandle(void* handle) { return K().DeleteRequestFromHandle(handle); }

QUENLINK_EXPORT int RequestWrite(const std::uint8_t* unitId, QuenlinkCallback callback, std::uint32_t tag,
                                 const std::uint8_t* data, int length, std::uint32_t checksum, int* requestNumber) {
  return K().RequestWrite(unitId, callback, tag, data, length, checksum, requestNumber);
}

QUENLINK_EXPORT int RequestWriteOne(const std::uint8_t* unitId, QuenlinkCallback callback, std::uint32_t tag,
                                    const std::uint8_t* data, int length, std::uint32_t checksum, int reserved) {
  return K().RequestWriteOne(unitId, callback, tag, data, length, checksum, reserved);
}

QUENLINK_EXPORT int RequestStatusWrite(const std::uint8_t* unitId, QuenlinkCallback callback, std::uint32_t tag,
                                       const std::uint8_t* data, int length, std::uint32_t checksum,
                                       int* requestNumber) {
  return K().RequestStatusWrite(unitId, callback, tag, data, length, checksum, requestNumber);
}

QUENLINK_EXPORT int RequestStatusGet(const std::uint8_t* unitId, QuenlinkCallback callback, std::uint32_t tag,
                                     std::uint8_t* data, int length, std::uint32_t checksum, int* requestNumber) {
  return K().RequestStatusGet(unitId, callback, tag, data, length, checksum, requestNumber);
}

QUENLINK_EXPORT int RequestAsyncRead(const std::uint8_t* unitId, QuenlinkCallback callback, std::uint32_t tag,
                                     std::uint32_t checksum, int* requestNumber) {
  return K().RequestAsyncRead(unitId, callback, tag, checksum, requestNumber);
}

QUENLINK_EXPORT int RequestStatusSetFeature(const std::uint8_t* unitId, QuenlinkCallback callback, std::uint32_t tag,
                                            const std::uint8_t* data, int length, std::uint32_t checksum,
                                            int* requestNumber) {
  return K().RequestStatusSetFeature(unitId, callback, tag, data, length, checksum, requestNumber);
}

// --- control exports -------------------------------------------------------------------------------------

QUENLINK_EXPORT void SimPlug() { K().Plug(); }
QUENLINK_EXPORT void SimUnplug() { K().Unplug(); }
QUENLINK_EXPORT void SimConsumerCode(int code) { K().SendConsumerCode(static_cast<std::uint16_t>(code)); }
QUENLINK_EXPORT void SimSetReplyDelayMs(int ms) { K().SetReplyDelay(std::chrono::milliseconds(ms < 0 ? 0 : ms)); }
QUENLINK_EXPORT void SimDropNextReplies(int count) { K().DropNextReplies(count); }
QUENLINK_EXPORT void SimWrongOpcodeNext(int count) { K().AnswerWrongOpcodeNext(count); }
QUENLINK_EXPORT void SimStatusNext(int count, int status) {
  K().AnswerStatusNext(count, static_cast<std::uint8_t>(status));
}
QUENLINK_EXPORT void SimRefuseWrites(int refuse) { K().SetRefuseWrites(refuse != 0); }
QUENLINK_EXPORT void SimClearLog() { K().ClearLog(); }
QUENLINK_EXPORT int SimLogCount() { return static_cast<int>(K().ReceivedCount()); }

// Copies report number index (64 bytes) to out; 1, or 0 when there is no such report.
QUENLINK_EXPORT int SimLogReport(int index, std::uint8_t* out) {
  const auto reports = K().ReceivedReports();
  if (!out || index < 0 || static_cast<std::size_t>(index) >= reports.size()) return 0;
  std::memcpy(out, reports[static_cast<std::size_t>(index)].data(), 64);
  return 1;
}

// The last LED status bytes; returns the number of LED writes so far.
QUENLINK_EXPORT int SimLedStatus(std::uint8_t* out) {
  if (out) {
    const auto status = K().LedStatus();
    out[0] = status[0];
    out[1] = status[1];
  }
  return static_cast<int>(K().LedWrites().size());
}

// Runs one control-channel command in this process; copies the answer (cut, NUL-terminated) to out
// and returns its full length.
QUENLINK_EXPORT int SimCommand(const char* line, char* out, int capacity) {
  const std::string answer = mv::sim::RunControlCommand(K(), line ? line : "");
  if (out && capacity > 0) {
    const std::size_t n = std::min(answer.size(), static_cast<std::size_t>(capacity - 1));
    std::memcpy(out, answer.data(), n);
    out[n] = '\0';
  }
  return static_cast<int>(answer.size());
}

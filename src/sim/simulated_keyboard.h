// A simulated keyboard behind the device service library's entry points: it holds every area of
// the command set, answers each command report from its own thread through the registered callback,
// reports plug, unplug and consumer codes, and can be told to misbehave. Tests, the benchmarks and
// Quenlink.dll all use this one class.
#pragma once

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "device/commands.h"
#include "device/exchange.h"
#include "device/quenlink_api.h"
#include "device/settings_block.h"

namespace mv::sim {

inline constexpr std::size_t kLightingAreaSize = 3 * device::kLightingRecordSize;  // 126
inline constexpr std::size_t kKeyColourAreaSize = 3 * device::kKeyBlockSize;       // 1071
inline constexpr int kDefaultMacroCapacity = 255;

struct SimSettings {
  bool present = true;
  std::chrono::microseconds replyDelay{0};
  int macroCapacity = kDefaultMacroCapacity;  // units of 128 bytes, 0..255
};

// Everything the keyboard stores.
struct KeyboardAreas {
  device::SettingsBlock settings;
  std::array<std::uint8_t, kLightingAreaSize> lighting{};
  std::array<std::array<std::uint8_t, device::kKeyBlockSize>, device::kKeyBankCount> keyBanks{};
  std::vector<std::uint8_t> macroArea = std::vector<std::uint8_t>(device::kMaxMacroAreaSize, 0);
  std::array<std::uint8_t, device::kKeyBlockSize> defaultKeyBlock{};
  std::array<std::uint8_t, kKeyColourAreaSize> keyColours{};
};

// The factory state: effect list 1-18 and 20, lighting defaults in every profile, the factory
// layout in every bank, an empty macro area.
KeyboardAreas FactoryAreas(int macroCapacity = kDefaultMacroCapacity);

class SimulatedKeyboard {
 public:
  explicit SimulatedKeyboard(SimSettings settings = {});
  ~SimulatedKeyboard();
  SimulatedKeyboard(const SimulatedKeyboard&) = delete;
  SimulatedKeyboard& operator=(const SimulatedKeyboard&) = delete;

  // --- the library's entry points -------------------------------------------------------------------
  int Debug(int level);
  int Init(int reserved);  // starts the keyboard's thread; 1
  int End();               // stops and joins it, forgets every request; 1
  int RequestGetDeviceCount(const std::uint8_t* unitId, device::QuenlinkCallback callback, std::uint32_t tag,
                            std::uint32_t checksum, int reserved);
  int DeleteRequestFromUnitId(int requestNumber);
  int DeleteRequestFromHandle(void* handle);
  int RequestWrite(const std::uint8_t* unitId, device::QuenlinkCallback callback, std::uint32_t tag,
                   const std::uint8_t* data, int length, std::uint32_t checksum, int* requestNumber);
  int RequestWriteOne(const std::uint8_t* unitId, device::QuenlinkCallback callback, std::uint32_t tag,
                      const std::uint8_t* data, int length, std::uint32_t checksum, int reserved);
  int RequestStatusWrite(const std::uint8_t* unitId, device::QuenlinkCallback callback, std::uint32_t tag,
                         const std::uint8_t* data, int length, std::uint32_t checksum, int* requestNumber);
  int RequestStatusGet(const std::uint8_t* unitId, device::QuenlinkCallback callback, std::uint32_t tag,
                       std::uint8_t* data, int length, std::uint32_t checksum, int* requestNumber);
  int RequestAsyncRead(const std::uint8_t* unitId, device::QuenlinkCallback callback, std::uint32_t tag,
                       std::uint32_t checksum, int* requestNumber);
  int RequestStatusSetFeature(const std::uint8_t* unitId, device::QuenlinkCallback callback, std::uint32_t tag,
                              const std::uint8_t* data, int length, std::uint32_t checksum, int* requestNumber);

  // --- the cable and the keys ---------------------------------------------------------------------------
  void Plug();    // present again (and out of boot mode); readers get a device change with count 1
  void Unplug();  // replies on their way are lost; readers get a device change with count 0
  bool IsPresent() const;
  bool InBootMode() const;
  void SendConsumerCode(std::uint16_t code);

  // --- faults ---------------------------------------------------------------------------------------------
  void SetReplyDelay(std::chrono::microseconds delay);
  void DropNextReplies(int count);              // commands are carried out, their replies lost
  void AnswerWrongOpcodeNext(int count);        // commands are carried out, replies name another opcode
  void AnswerStatusNext(int count, std::uint8_t status);  // commands are refused with this status
  void SetRefuseWrites(bool refuse);            // RequestWriteOne returns 0

  // --- what arrived -----------------------------------------------------------------------------------
  std::vector<device::CommandReport> ReceivedReports() const;  // every report on the command unit
  std::size_t ReceivedCount() const;
  void ClearLog();
  void SetRecording(bool record);  // on by default; benchmarks turn it off to keep memory flat
  std::vector<std::array<std::uint8_t, 2>> LedWrites() const;
  std::array<std::uint8_t, 2> LedStatus() const;  // last written, 0 0 before any write
  // Reports that arrived while the reply to an earlier one was still on its way: two exchanges
  // interleaving (or a retry after a reply the host gave up on).
  int OverlapCount() const;
  int ChecksumErrors() const;
  int DeviceCountQueries() const;    // RequestGetDeviceCount calls since the last ClearLog
  std::uint64_t RepliesDelivered() const;  // replies whose callbacks have returned

  // --- the areas --------------------------------------------------------------------------------------
  KeyboardAreas Areas() const;
  void ModifyAreas(const std::function<void(KeyboardAreas&)>& change);
  device::SettingsBlock SettingsBlock() const;
  std::array<std::uint8_t, device::kKeyBlockSize> KeyBank(int bank) const;
  std::vector<std::uint8_t> MacroArea() const;  // the whole stored area (capacity x 128 bytes usable)

 private:
  enum class EventKind { kReply, kDeviceChange, kConsumer };
  struct PendingEvent {
    std::chrono::steady_clock::time_point due;
    EventKind kind;
    device::CommandReport report{};
    std::uint32_t count = 0;
  };
  struct Reader {
    int requestNumber;
    device::UnitId unit;
    std::uint32_t tag;
    device::QuenlinkCallback callback;
  };

  void Run();
  void Dispatch(const PendingEvent& event);
  void Enqueue(PendingEvent event);  // lock held
  bool ChecksumMatches(const std::uint8_t* unitId, device::QuenlinkCallback callback, std::uint32_t tag,
                       const std::uint8_t* data, int length, std::uint32_t checksum);  // lock held
  void ReceiveCommandReport(const device::CommandReport& report);  // lock held
  device::CommandReport Answer(const device::CommandReport& request);  // lock held
  std::uint8_t Execute(const device::CommandReport& request, device::CommandReport& reply);  // lock held
  int NextRequestNumber() { return nextRequestNumber_++; }

  mutable std::mutex lock_;
  std::condition_variable wake_;
  std::thread worker_;
  bool running_ = false;
  bool stopping_ = false;

  KeyboardAreas areas_;
  bool present_;
  bool bootMode_ = false;
  std::chrono::microseconds replyDelay_;
  int dropNext_ = 0;
  int wrongOpcodeNext_ = 0;
  int statusNext_ = 0;
  std::uint8_t forcedStatus_ = 0;
  bool refuseWrites_ = false;

  std::deque<PendingEvent> queue_;
  int repliesOnTheirWay_ = 0;
  std::vector<Reader> readers_;
  int nextRequestNumber_ = 1;

  std::vector<device::CommandReport> log_;
  bool recording_ = true;
  std::vector<std::array<std::uint8_t, 2>> ledWrites_;
  std::array<std::uint8_t, 2> ledStatus_{};
  int overlaps_ = 0;
  int checksumErrors_ = 0;
  int deviceCountQueries_ = 0;
  std::uint64_t repliesDelivered_ = 0;
};

}  // namespace mv::sim

// The command exchange: one 64-byte command report out, one reply back through the notification
// callback, with the frame sum, three attempts and the result codes of the command set. Exchanges
// from different threads run one after another; the library thread only ever takes the small
// reply-slot lock, so it never waits for an exchange.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <span>

#include "device/quenlink_api.h"

namespace mv::device {

using CommandReport = std::array<std::uint8_t, 64>;

inline constexpr std::size_t kReportIdByte = 0;
inline constexpr std::size_t kFrameSumByte = 1;
inline constexpr std::size_t kOpcodeByte = 3;
inline constexpr std::size_t kLengthByte = 4;
inline constexpr std::size_t kOffsetByte = 5;
inline constexpr std::size_t kStatusByte = 7;
inline constexpr std::size_t kPayloadByte = 8;
inline constexpr std::uint8_t kCommandReportId = 4;
inline constexpr std::uint8_t kStatusFailure = 0xFF;
inline constexpr std::uint8_t kStatusRejection = 0xFE;
inline constexpr int kExchangeAttempts = 3;

// Low 16 bits of the sum of bytes 3 to 63.
std::uint16_t FrameSum(const CommandReport& report);
// Stores FrameSum in bytes 1-2, little-endian.
void StoreFrameSum(CommandReport& report);

struct ExchangeTiming {
  std::chrono::milliseconds replyWait{1000};
  std::chrono::milliseconds retryPause{10};
};

class CommandExchange {
 public:
  explicit CommandExchange(const QuenlinkApi& api, ExchangeTiming timing = {});
  CommandExchange(const CommandExchange&) = delete;
  CommandExchange& operator=(const CommandExchange&) = delete;

  // Sends the request (cut or zero-filled to 64 bytes) and waits for a reply with the same opcode.
  // 1 reply received (it may carry a failure status), 0 no keyboard, -1 write refused, -2 three
  // sends without a right reply. deliveredLength receives the bytes copied into reply.
  [[nodiscard]] int ExchangeReport(std::span<const std::uint8_t> request, std::span<std::uint8_t> reply,
                                   std::size_t& deliveredLength);
  // One report, no device count, no reply, reply slot untouched: the result of RequestWriteOne.
  [[nodiscard]] int WriteReport(std::span<const std::uint8_t> bytes);
  // Called on the library thread for each CTRL input report. Taken only while an exchange waits,
  // and only once per send; anything else is dropped.
  void DeliverReply(const std::uint8_t* data, std::size_t count);

  void SetTiming(ExchangeTiming timing);
  ExchangeTiming Timing() const;
  // From now on exchanges end at once without a reply (the waiting one too): the program is
  // stopping and must not wait out a silent keyboard.
  void Cancel();
  // Reports exchanged since the start, for progress shown while a long write runs.
  std::uint64_t reportsExchanged() const { return reports_.load(); }
  const QuenlinkApi& Api() const { return api_; }

 private:
  enum class WaitOutcome { kReply, kTimedOut };
  enum class Verdict { kAccepted, kAcceptedWithFailureStatus, kWrongReply };

  [[nodiscard]] bool KeyboardPresent() const;
  [[nodiscard]] bool Cancelled() const;
  [[nodiscard]] int SendFrame(const CommandReport& frame, std::uint32_t checksum) const;
  void PublishSlot(std::span<std::uint8_t> reply);
  WaitOutcome WaitForReply(std::chrono::milliseconds wait, std::size_t& deliveredLength);
  void ClearSlot();
  static Verdict Judge(const CommandReport& frame, std::span<const std::uint8_t> reply, std::size_t delivered);

  const QuenlinkApi& api_;
  std::mutex exchangeLock_;  // held over a whole ExchangeReport
  std::atomic<std::uint64_t> reports_{0};

  mutable std::mutex slotLock_;  // the reply slot; never held across a library call
  std::condition_variable replyEvent_;
  bool cancelled_ = false;  // under slotLock_
  ExchangeTiming timing_;
  bool busy_ = false;
  bool signalled_ = false;
  std::uint8_t* replyBuffer_ = nullptr;
  std::size_t replyCapacity_ = 0;
  std::size_t delivered_ = 0;
};

}  // namespace mv::device

// The framed command exchange over the device service library.
#include "device/exchange.h"

#include <algorithm>
#include <cstring>

#include "device/commands.h"
#include "platform/system.h"

namespace mv::device {
namespace {

CommandReport ToReport(std::span<const std::uint8_t> bytes) {
  CommandReport frame{};  // a short request goes out zero-filled: the keyboard reads all 64 bytes
  std::copy_n(bytes.begin(), std::min(bytes.size(), frame.size()), frame.begin());
  return frame;
}

std::uint32_t ChecksumOf(const CommandReport& frame) { return RequestChecksum(kCommandUnit, nullptr, 0, frame); }

}  // namespace

std::uint16_t FrameSum(const CommandReport& report) {
  std::uint32_t sum = 0;
  for (std::size_t i = kOpcodeByte; i < report.size(); ++i) sum += report[i];
  return static_cast<std::uint16_t>(sum & 0xFFFF);
}

void StoreFrameSum(CommandReport& report) {
  const std::uint16_t sum = FrameSum(report);
  report[kFrameSumByte] = static_cast<std::uint8_t>(sum & 0xFF);
  report[kFrameSumByte + 1] = static_cast<std::uint8_t>(sum >> 8);
}

CommandExchange::CommandExchange(const QuenlinkApi& api, ExchangeTiming timing) : api_(api), timing_(timing) {}

void CommandExchange::SetTiming(ExchangeTiming timing) {
  std::lock_guard lock(slotLock_);
  timing_ = timing;
}

ExchangeTiming CommandExchange::Timing() const {
  std::lock_guard lock(slotLock_);
  return timing_;
}

bool CommandExchange::KeyboardPresent() const {
  if (!api_.RequestGetDeviceCount) return false;
  const int count = api_.RequestGetDeviceCount(kCommandUnit.data(), nullptr, 0,
                                               RequestChecksum(kCommandUnit, nullptr, 0), 0);
  return count > 0;
}

int CommandExchange::SendFrame(const CommandReport& frame, std::uint32_t checksum) const {
  if (!api_.RequestWriteOne) return kWriteRefused;
  const int result = api_.RequestWriteOne(kCommandUnit.data(), nullptr, 0, frame.data(),
                                          static_cast<int>(frame.size()), checksum, 0);
  return result > 0 ? result : kWriteRefused;
}

void CommandExchange::PublishSlot(std::span<std::uint8_t> reply) {
  std::lock_guard lock(slotLock_);
  std::fill(reply.begin(), reply.end(), std::uint8_t{0});  // no bytes of an earlier attempt survive
  replyBuffer_ = reply.data();
  replyCapacity_ = reply.size();
  delivered_ = 0;
  signalled_ = false;
  busy_ = true;
}

CommandExchange::WaitOutcome CommandExchange::WaitForReply(std::chrono::milliseconds wait,
                                                           std::size_t& deliveredLength) {
  std::unique_lock lock(slotLock_);
  if (!replyEvent_.wait_for(lock, wait, [this] { return signalled_ || cancelled_; }) || !signalled_)
    return WaitOutcome::kTimedOut;
  signalled_ = false;
  deliveredLength = delivered_;
  return WaitOutcome::kReply;
}

void CommandExchange::ClearSlot() {
  std::lock_guard lock(slotLock_);
  busy_ = false;
  signalled_ = false;
  replyBuffer_ = nullptr;
  replyCapacity_ = 0;
}

CommandExchange::Verdict CommandExchange::Judge(const CommandReport& frame, std::span<const std::uint8_t> reply,
                                                std::size_t delivered) {
  // A reply too short to hold its opcode and status cannot be judged: it counts as a wrong one.
  if (delivered <= kStatusByte || reply[kOpcodeByte] != frame[kOpcodeByte]) return Verdict::kWrongReply;
  const std::uint8_t status = reply[kStatusByte];
  if (status == kStatusFailure || status == kStatusRejection) return Verdict::kAcceptedWithFailureStatus;
  return Verdict::kAccepted;
}

int CommandExchange::ExchangeReport(std::span<const std::uint8_t> request, std::span<std::uint8_t> reply,
                                    std::size_t& deliveredLength) {
  std::lock_guard exchange(exchangeLock_);
  deliveredLength = 0;
  if (Cancelled()) return kNoReply;
  if (!KeyboardPresent()) return kNoDevice;
  reports_.fetch_add(1);
  const CommandReport frame = ToReport(request);
  const std::uint32_t checksum = ChecksumOf(frame);
  const ExchangeTiming timing = Timing();
  for (int attempt = 1;; ++attempt) {
    PublishSlot(reply);
    if (const int sent = SendFrame(frame, checksum); sent <= 0) {
      ClearSlot();
      return kWriteRefused;
    }
    std::size_t delivered = 0;
    const WaitOutcome outcome = WaitForReply(timing.replyWait, delivered);
    ClearSlot();  // from here on a late or duplicate reply is dropped
    if (outcome == WaitOutcome::kReply) {
      const Verdict verdict = Judge(frame, reply, delivered);
      if (verdict == Verdict::kAccepted || (verdict == Verdict::kAcceptedWithFailureStatus &&
                                            attempt == kExchangeAttempts)) {
        deliveredLength = delivered;
        return kOk;
      }
    }
    if (attempt == kExchangeAttempts || Cancelled()) return kNoReply;
    platform::SleepMs(static_cast<std::uint32_t>(timing.retryPause.count()));
  }
}

void CommandExchange::Cancel() {
  {
    std::lock_guard lock(slotLock_);
    cancelled_ = true;
  }
  replyEvent_.notify_all();
}

bool CommandExchange::Cancelled() const {
  std::lock_guard lock(slotLock_);
  return cancelled_;
}

int CommandExchange::WriteReport(std::span<const std::uint8_t> bytes) {
  if (!api_.RequestWriteOne) return kWriteRefused;
  const CommandReport frame = ToReport(bytes);
  return api_.RequestWriteOne(kCommandUnit.data(), nullptr, 0, frame.data(), static_cast<int>(frame.size()),
                              ChecksumOf(frame), 0);
}

void CommandExchange::DeliverReply(const std::uint8_t* data, std::size_t count) {
  std::lock_guard lock(slotLock_);
  if (!busy_ || !replyBuffer_ || (!data && count > 0)) return;
  const std::size_t n = std::min(count, replyCapacity_);
  if (n > 0) std::memcpy(replyBuffer_, data, n);
  delivered_ = n;
  busy_ = false;  // one reply per send: a duplicate cannot overwrite what the exchange is judging
  signalled_ = true;
  replyEvent_.notify_one();
}

}  // namespace mv::device

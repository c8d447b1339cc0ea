// The keyboard's command set: one operation per command, each carried in 64-byte reports through
// the command exchange. Results: 1 success, 0 no keyboard (or a failed wait), -1 write refused,
// -2 no reply with the right opcode, -102 / -103 failure status, -201 bank out of range.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace mv::device {

inline constexpr int kOk = 1;
inline constexpr int kNoDevice = 0;
inline constexpr int kWriteRefused = -1;
inline constexpr int kNoReply = -2;
inline constexpr int kStatusFailed = -102;   // reply status 0xFF
inline constexpr int kStatusRejected = -103; // reply status 0xFE
inline constexpr int kBadBank = -201;

inline constexpr std::size_t kReportSize = 64;
inline constexpr std::size_t kPayloadSize = 56;
inline constexpr std::size_t kSettingsBlockSize = 44;
inline constexpr std::size_t kLightingRecordSize = 42;
inline constexpr std::size_t kKeyBlockSize = 357;
inline constexpr int kKeyBankCount = 3;
inline constexpr int kKeyBankStride = 512;
inline constexpr std::size_t kMaxMacroAreaSize = 255 * 128;
inline constexpr int kColourKeys = 119;

enum Opcode : std::uint8_t {
  kOpBeginSession = 1,
  kOpEndSession = 2,
  kOpReadSettingsBlock = 3,
  kOpWriteSettingsBlock = 4,
  kOpReadSettingsBytes = 5,
  kOpWriteSettingsBytes = 6,
  kOpReadKeyBlock = 7,
  kOpWriteKeyBlock = 8,
  kOpReadMacroArea = 9,
  kOpWriteMacroArea = 10,
  kOpReadDefaultKeyBlock = 15,
  kOpWriteKeyColours = 17,
  kOpEnterBootMode = 0xEE,
};

class CommandExchange;

// Stateless apart from the exchange it sends through. Callers keep every single-report length at
// 56 or less; longer payloads are refused with -1 before anything is sent.
class DeviceCommands {
 public:
  explicit DeviceCommands(CommandExchange& exchange) : exchange_(exchange) {}

  int BeginSession();
  int EndSession();  // pauses 10 ms before sending
  int ReadSettingsBlock(std::span<std::uint8_t, kSettingsBlockSize> out);
  int WriteSettingsBlock(std::span<const std::uint8_t, kSettingsBlockSize> block);
  // Always returns all 56 payload bytes of the reply, whatever the length asked.
  int ReadSettingsBytes(std::span<std::uint8_t, kPayloadSize> out, int length, int offset);
  int WriteSettingsBytes(std::span<const std::uint8_t> bytes, int offset);
  int ReadKeyBlock(std::span<std::uint8_t, kKeyBlockSize> out, int bank);
  int WriteKeyBlock(std::span<const std::uint8_t, kKeyBlockSize> block, int bank);
  int ReadMacroArea(std::span<std::uint8_t> out);  // reads out.size() bytes from position 0
  int WriteMacroArea(std::span<const std::uint8_t> bytes);
  int ReadDefaultKeyBlock(std::span<std::uint8_t, kKeyBlockSize> out);
  int WriteKeyColours(std::span<const std::uint8_t> bytes, int firstKey, int profile);
  // One raw frame through WriteReport: no device count, no reply. 1 only when the write succeeded.
  int EnterBootMode();

  CommandExchange& Exchange() { return exchange_; }

 private:
  CommandExchange& exchange_;
};

}  // namespace mv::device

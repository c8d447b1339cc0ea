// The keyboard's command set: framing of each command, 56-byte chunking of the long transfers and
// the mapping of reply status to result codes.
#include "device/commands.h"

#include <algorithm>
#include <cstring>

#include "device/exchange.h"
#include "platform/system.h"

namespace mv::device {
namespace {

constexpr int kMaxOffset = 0xFFFF;
constexpr std::uint32_t kEndSessionPauseMs = 10;

bool FitsFrame(std::size_t length, int offset) {
  return length <= kPayloadSize && offset >= 0 && offset <= kMaxOffset;
}

CommandReport BuildFrame(std::uint8_t opcode, std::size_t length, int offset,
                         std::span<const std::uint8_t> payload) {
  CommandReport frame{};
  frame[kReportIdByte] = kCommandReportId;
  frame[kOpcodeByte] = opcode;
  frame[kLengthByte] = static_cast<std::uint8_t>(length);
  frame[kOffsetByte] = static_cast<std::uint8_t>(offset & 0xFF);
  frame[kOffsetByte + 1] = static_cast<std::uint8_t>((offset >> 8) & 0xFF);
  std::copy_n(payload.begin(), std::min(payload.size(), kPayloadSize), frame.begin() + kPayloadByte);
  StoreFrameSum(frame);
  return frame;
}

// One report through the exchange; on success reply holds the keyboard's answer. A reply that ends
// before the bytes the caller takes from it is no proper answer.
int Transact(CommandExchange& exchange, const CommandReport& frame, CommandReport& reply, std::size_t needed) {
  std::size_t delivered = 0;
  const int result = exchange.ExchangeReport(frame, reply, delivered);
  if (result != kOk) return result;
  if (reply[kStatusByte] == kStatusFailure) return kStatusFailed;
  if (reply[kStatusByte] == kStatusRejection) return kStatusRejected;
  if (delivered < kPayloadByte + needed) return kNoReply;
  return kOk;
}

int SingleReport(CommandExchange& exchange, std::uint8_t opcode, std::size_t length, int offset,
                 std::span<const std::uint8_t> payload = {}, std::span<std::uint8_t> out = {}) {
  if (!FitsFrame(length, offset) || payload.size() > kPayloadSize) return kWriteRefused;
  CommandReport reply{};
  const int result = Transact(exchange, BuildFrame(opcode, length, offset, payload), reply, out.size());
  if (result == kOk) std::copy_n(reply.begin() + kPayloadByte, out.size(), out.begin());
  return result;
}

std::size_t ChunkAt(std::size_t position, std::size_t total) { return std::min(kPayloadSize, total - position); }

// Reads total bytes in 56-byte pieces from base + position; stops at the first failure.
int ChunkedRead(CommandExchange& exchange, std::uint8_t opcode, int base, std::span<std::uint8_t> out) {
  for (std::size_t position = 0; position < out.size(); position += kPayloadSize) {
    const std::size_t chunk = ChunkAt(position, out.size());
    const int offset = base + static_cast<int>(position);
    if (!FitsFrame(chunk, offset)) return kWriteRefused;
    CommandReport reply{};
    const int result = Transact(exchange, BuildFrame(opcode, chunk, offset, {}), reply, chunk);
    if (result != kOk) return result;
    std::copy_n(reply.begin() + kPayloadByte, chunk, out.begin() + static_cast<std::ptrdiff_t>(position));
  }
  return kOk;
}

int ChunkedWrite(CommandExchange& exchange, std::uint8_t opcode, int base, std::span<const std::uint8_t> bytes) {
  for (std::size_t position = 0; position < bytes.size(); position += kPayloadSize) {
    const std::size_t chunk = ChunkAt(position, bytes.size());
    const int offset = base + static_cast<int>(position);
    if (!FitsFrame(chunk, offset)) return kWriteRefused;
    CommandReport reply{};
    const int result =
        Transact(exchange, BuildFrame(opcode, chunk, offset, bytes.subspan(position, chunk)), reply, 0);
    if (result != kOk) return result;
  }
  return kOk;
}

bool ValidBank(int bank) { return bank >= 0 && bank < kKeyBankCount; }

}  // namespace

int DeviceCommands::BeginSession() { return SingleReport(exchange_, kOpBeginSession, 0, 0); }

int DeviceCommands::EndSession() {
  platform::SleepMs(kEndSessionPauseMs);  // gives the keyboard time to finish storing what came before
  return SingleReport(exchange_, kOpEndSession, 0, 0);
}

int DeviceCommands::ReadSettingsBlock(std::span<std::uint8_t, kSettingsBlockSize> out) {
  return SingleReport(exchange_, kOpReadSettingsBlock, kSettingsBlockSize, 0, {}, out);
}

int DeviceCommands::WriteSettingsBlock(std::span<const std::uint8_t, kSettingsBlockSize> block) {
  return SingleReport(exchange_, kOpWriteSettingsBlock, kSettingsBlockSize, 0, block);
}

int DeviceCommands::ReadSettingsBytes(std::span<std::uint8_t, kPayloadSize> out, int length, int offset) {
  if (length < 0) return kWriteRefused;
  return SingleReport(exchange_, kOpReadSettingsBytes, static_cast<std::size_t>(length), offset, {}, out);
}

int DeviceCommands::WriteSettingsBytes(std::span<const std::uint8_t> bytes, int offset) {
  return SingleReport(exchange_, kOpWriteSettingsBytes, bytes.size(), offset, bytes);
}

int DeviceCommands::ReadKeyBlock(std::span<std::uint8_t, kKeyBlockSize> out, int bank) {
  if (!ValidBank(bank)) return kBadBank;
  return ChunkedRead(exchange_, kOpReadKeyBlock, bank * kKeyBankStride, out);
}

int DeviceCommands::WriteKeyBlock(std::span<const std::uint8_t, kKeyBlockSize> block, int bank) {
  if (!ValidBank(bank)) return kBadBank;
  return ChunkedWrite(exchange_, kOpWriteKeyBlock, bank * kKeyBankStride, block);
}

int DeviceCommands::ReadMacroArea(std::span<std::uint8_t> out) {
  if (out.size() > kMaxMacroAreaSize) return kWriteRefused;
  return ChunkedRead(exchange_, kOpReadMacroArea, 0, out);
}

int DeviceCommands::WriteMacroArea(std::span<const std::uint8_t> bytes) {
  if (bytes.size() > kMaxMacroAreaSize) return kWriteRefused;
  return ChunkedWrite(exchange_, kOpWriteMacroArea, 0, bytes);
}

int DeviceCommands::ReadDefaultKeyBlock(std::span<std::uint8_t, kKeyBlockSize> out) {
  return ChunkedRead(exchange_, kOpReadDefaultKeyBlock, 0, out);
}

int DeviceCommands::WriteKeyColours(std::span<const std::uint8_t> bytes, int firstKey, int profile) {
  const std::int64_t offset = (static_cast<std::int64_t>(profile) * kColourKeys + firstKey) * 3;
  if (offset < 0 || offset > kMaxOffset) return kWriteRefused;
  return SingleReport(exchange_, kOpWriteKeyColours, bytes.size(), static_cast<int>(offset), bytes);
}

int DeviceCommands::EnterBootMode() {
  // Sent as is: the boot loader expects this exact frame, sum bytes zero.
  CommandReport frame{};
  frame[kReportIdByte] = kCommandReportId;
  frame[kOpcodeByte] = kOpEnterBootMode;
  frame[kLengthByte] = kOpEnterBootMode;
  return exchange_.WriteReport(frame);
}

}  // namespace mv::device

// Fuzz target for replies: arbitrary bytes arriving any number of times, of any length, through
// DeliverReply while the command layer waits for them. Nothing may be read or written outside the
// buffers, whatever the replies claim.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "device/commands.h"
#include "device/exchange.h"
#include "device/quenlink_api.h"

namespace {

// A library stand-in that answers every write at once, on the caller's thread, with the next piece
// of the fuzz input: the first byte of each piece says how long it is and how often it repeats.
struct FuzzLibrary {
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;
  std::size_t position = 0;
  mv::device::CommandExchange* exchange = nullptr;
};
FuzzLibrary g_lib;

void DeliverNextPiece() {
  if (g_lib.position >= g_lib.size) return;
  const std::uint8_t control = g_lib.data[g_lib.position++];
  const std::size_t length = std::min<std::size_t>(control & 0x7F, g_lib.size - g_lib.position);
  // Copy so the exchange sees exactly these bytes and nothing after them.
  const std::vector<std::uint8_t> piece(g_lib.data + g_lib.position, g_lib.data + g_lib.position + length);
  g_lib.position += length;
  const int times = (control & 0x80) ? 2 : 1;
  for (int i = 0; i < times; ++i) g_lib.exchange->DeliverReply(piece.empty() ? nullptr : piece.data(), piece.size());
}

int Count(const std::uint8_t*, mv::device::QuenlinkCallback, std::uint32_t, std::uint32_t, int) {
  return g_lib.position < g_lib.size ? 1 : 0;
}
int WriteOne(const std::uint8_t*, mv::device::QuenlinkCallback, std::uint32_t, const std::uint8_t*, int,
             std::uint32_t, int) {
  DeliverNextPiece();
  return 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  mv::device::QuenlinkApi api;
  api.RequestGetDeviceCount = Count;
  api.RequestWriteOne = WriteOne;
  // Replies are already there when the exchange waits: no time-out is ever needed.
  mv::device::CommandExchange exchange(api, {std::chrono::milliseconds(0), std::chrono::milliseconds(0)});
  mv::device::DeviceCommands commands(exchange);
  g_lib = {data, size, 0, &exchange};

  std::array<std::uint8_t, mv::device::kSettingsBlockSize> settings{};
  std::array<std::uint8_t, mv::device::kPayloadSize> bytes{};
  std::array<std::uint8_t, mv::device::kKeyBlockSize> block{};
  std::vector<std::uint8_t> macro(300);
  (void)commands.ReadSettingsBlock(settings);
  (void)commands.ReadSettingsBytes(bytes, 56, 0);
  (void)commands.ReadKeyBlock(block, 1);
  (void)commands.ReadMacroArea(macro);
  (void)commands.ReadDefaultKeyBlock(block);
  (void)commands.WriteMacroArea(macro);
  // A short reply buffer: copies must respect its capacity.
  mv::device::CommandReport frame{};
  frame[0] = 4;
  frame[3] = mv::device::kOpReadSettingsBlock;
  mv::device::StoreFrameSum(frame);
  std::vector<std::uint8_t> small(9);
  std::size_t delivered = 0;
  (void)exchange.ExchangeReport(frame, small, delivered);
  if (delivered > small.size()) __builtin_trap();
  g_lib = {};
  return 0;
}

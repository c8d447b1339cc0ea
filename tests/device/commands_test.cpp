// The command set against the simulated keyboard: what each command puts on the wire, how long
// transfers are cut, how reply status maps to results, and what arrives in the keyboard's areas.
#include "device/commands.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <numeric>
#include <thread>
#include <vector>

#include "device/exchange.h"
#include "device/factory_layout.h"
#include "device/settings_block.h"
#include "sim/in_process.h"

namespace mv::device {
namespace {

using namespace std::chrono_literals;

struct Piece {
  std::uint8_t opcode;
  int length;
  int offset;
  bool operator==(const Piece&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Piece& p) {
  return os << "op " << int(p.opcode) << " len " << p.length << " @" << p.offset;
}

class CommandsTest : public ::testing::Test {
 protected:
  sim::InProcessDevice device{{}, {1000ms, 1ms}};
  sim::SimulatedKeyboard& keyboard = device.keyboard();
  DeviceCommands& commands = device.commands();

  std::vector<Piece> Sent() const {
    std::vector<Piece> pieces;
    for (const auto& r : keyboard.ReceivedReports()) {
      pieces.push_back({r[kOpcodeByte], r[kLengthByte], r[kOffsetByte] | (r[kOffsetByte + 1] << 8)});
    }
    return pieces;
  }
};

std::vector<std::uint8_t> Pattern(std::size_t n, std::uint8_t seed) {
  std::vector<std::uint8_t> v(n);
  for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<std::uint8_t>(seed + i * 7);
  return v;
}

TEST_F(CommandsTest, EveryFrameCarriesReportIdAndFrameSum) {
  ASSERT_EQ(commands.BeginSession(), kOk);
  const std::uint8_t bytes[] = {9, 8, 7};
  ASSERT_EQ(commands.WriteKeyColours(bytes, 100, 1), kOk);  // offset (119 + 100) x 3 = 0x0291
  const auto reports = keyboard.ReceivedReports();
  ASSERT_EQ(reports.size(), 2u);
  for (const auto& r : reports) {
    EXPECT_EQ(r[kReportIdByte], 4);
    EXPECT_EQ(r[1] | (r[2] << 8), FrameSum(r));
    EXPECT_EQ(r[kStatusByte], 0);
  }
  const auto& w = reports[1];
  EXPECT_EQ(w[kOpcodeByte], kOpWriteKeyColours);
  EXPECT_EQ(w[kLengthByte], 3);
  EXPECT_EQ(w[5], 0x91);
  EXPECT_EQ(w[6], 0x02);
  EXPECT_EQ(w[8], 9);
  EXPECT_EQ(w[10], 7);
  EXPECT_EQ(w[11], 0);
}

struct ChunkCase {
  const char* name;
  std::function<int(DeviceCommands&)> run;
  std::vector<Piece> pieces;
};

std::vector<Piece> KeyBlockPieces(std::uint8_t opcode, int base) {
  std::vector<Piece> p;
  for (int pos = 0; pos < 357; pos += 56) p.push_back({opcode, std::min(56, 357 - pos), base + pos});
  return p;
}

class ChunkTest : public CommandsTest, public ::testing::WithParamInterface<ChunkCase> {};

TEST_P(ChunkTest, CutsIntoPiecesOf56) {
  EXPECT_EQ(GetParam().run(commands), kOk);
  EXPECT_EQ(Sent(), GetParam().pieces);
}

std::array<std::uint8_t, kKeyBlockSize> g_block{};
std::vector<std::uint8_t> g_macro(200);

INSTANTIATE_TEST_SUITE_P(
    Transfers, ChunkTest,
    ::testing::Values(
        ChunkCase{"ReadMacroArea100",
                  [](DeviceCommands& c) { return c.ReadMacroArea(std::span(g_macro).first(100)); },
                  {{kOpReadMacroArea, 56, 0}, {kOpReadMacroArea, 44, 56}}},
        ChunkCase{"WriteMacroArea112",
                  [](DeviceCommands& c) { return c.WriteMacroArea(std::span(g_macro).first(112)); },
                  {{kOpWriteMacroArea, 56, 0}, {kOpWriteMacroArea, 56, 56}}},
        ChunkCase{"MacroAreaOfNothing", [](DeviceCommands& c) { return c.ReadMacroArea({}); }, {}},
        ChunkCase{"WriteKeyBlockBank2", [](DeviceCommands& c) { return c.WriteKeyBlock(g_block, 2); },
                  {{kOpWriteKeyBlock, 56, 1024}, {kOpWriteKeyBlock, 56, 1080}, {kOpWriteKeyBlock, 56, 1136},
                   {kOpWriteKeyBlock, 56, 1192}, {kOpWriteKeyBlock, 56, 1248}, {kOpWriteKeyBlock, 56, 1304},
                   {kOpWriteKeyBlock, 21, 1360}}},
        ChunkCase{"ReadKeyBlockBank1", [](DeviceCommands& c) { return c.ReadKeyBlock(g_block, 1); },
                  KeyBlockPieces(kOpReadKeyBlock, 512)},
        ChunkCase{"ReadDefaultKeyBlock", [](DeviceCommands& c) { return c.ReadDefaultKeyBlock(g_block); },
                  KeyBlockPieces(kOpReadDefaultKeyBlock, 0)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandsTest, BankOutOfRangeSendsNothing) {
  std::array<std::uint8_t, kKeyBlockSize> block{};
  for (int bank : {3, 4, -1}) {
    EXPECT_EQ(commands.ReadKeyBlock(block, bank), kBadBank) << bank;
    EXPECT_EQ(commands.WriteKeyBlock(block, bank), kBadBank) << bank;
  }
  EXPECT_EQ(keyboard.ReceivedCount(), 0u);
}

TEST_F(CommandsTest, SingleReportLongerThanOnePayloadIsRefusedUnsent) {
  const std::vector<std::uint8_t> tooLong(57, 1);
  std::array<std::uint8_t, kPayloadSize> out{};
  EXPECT_EQ(commands.WriteSettingsBytes(tooLong, 0), kWriteRefused);
  EXPECT_EQ(commands.WriteKeyColours(tooLong, 0, 0), kWriteRefused);
  EXPECT_EQ(commands.ReadSettingsBytes(out, 57, 0), kWriteRefused);
  EXPECT_EQ(commands.ReadSettingsBytes(out, -1, 0), kWriteRefused);
  EXPECT_EQ(commands.WriteSettingsBytes(std::span(tooLong).first(1), 0x10000), kWriteRefused);
  EXPECT_EQ(commands.WriteKeyColours(std::span(tooLong).first(3), 0, 1 << 30), kWriteRefused);
  EXPECT_EQ(keyboard.ReceivedCount(), 0u);
}

TEST_F(CommandsTest, MacroAreaBeyondTheLargestIsRefusedUnsent) {
  std::vector<std::uint8_t> big(kMaxMacroAreaSize + 1);
  EXPECT_EQ(commands.WriteMacroArea(big), kWriteRefused);
  EXPECT_EQ(commands.ReadMacroArea(big), kWriteRefused);
  EXPECT_EQ(keyboard.ReceivedCount(), 0u);
}

TEST_F(CommandsTest, NoKeyboardEveryCommandReturnsZeroAndSendsNothing) {
  keyboard.Unplug();
  std::array<std::uint8_t, kSettingsBlockSize> settings{};
  std::array<std::uint8_t, kPayloadSize> bytes{};
  std::array<std::uint8_t, kKeyBlockSize> block{};
  std::vector<std::uint8_t> macro(100);
  EXPECT_EQ(commands.BeginSession(), kNoDevice);
  EXPECT_EQ(commands.EndSession(), kNoDevice);
  EXPECT_EQ(commands.ReadSettingsBlock(settings), kNoDevice);
  EXPECT_EQ(commands.WriteSettingsBlock(settings), kNoDevice);
  EXPECT_EQ(commands.ReadSettingsBytes(bytes, 56, 0), kNoDevice);
  EXPECT_EQ(commands.WriteSettingsBytes(std::span(bytes).first(4), 0), kNoDevice);
  EXPECT_EQ(commands.ReadKeyBlock(block, 0), kNoDevice);
  EXPECT_EQ(commands.WriteKeyBlock(block, 0), kNoDevice);
  EXPECT_EQ(commands.ReadMacroArea(macro), kNoDevice);
  EXPECT_EQ(commands.WriteMacroArea(macro), kNoDevice);
  EXPECT_EQ(commands.ReadDefaultKeyBlock(block), kNoDevice);
  EXPECT_EQ(commands.WriteKeyColours(std::span(bytes).first(3), 0, 0), kNoDevice);
  EXPECT_EQ(keyboard.ReceivedCount(), 0u);
}

TEST_F(CommandsTest, FailureStatusMapsToItsCode) {
  std::array<std::uint8_t, kSettingsBlockSize> settings{};
  keyboard.AnswerStatusNext(3, 0xFF);
  EXPECT_EQ(commands.ReadSettingsBlock(settings), kStatusFailed);
  keyboard.AnswerStatusNext(3, 0xFE);
  EXPECT_EQ(commands.BeginSession(), kStatusRejected);
  keyboard.AnswerWrongOpcodeNext(3);
  EXPECT_EQ(commands.EndSession(), kNoReply);
  keyboard.SetRefuseWrites(true);
  EXPECT_EQ(commands.BeginSession(), kWriteRefused);
}

TEST_F(CommandsTest, FailedPieceStopsTheTransferKeepingWhatWasRead) {
  // Capacity 1 x 128: the third piece of a 200-byte read lies beyond the keyboard's macro area.
  keyboard.ModifyAreas([](sim::KeyboardAreas& a) {
    a.settings.SetMacroCapacity(1);
    for (std::size_t i = 0; i < 128; ++i) a.macroArea[i] = static_cast<std::uint8_t>(i + 1);
  });
  std::vector<std::uint8_t> out(200, 0xEE);
  EXPECT_EQ(commands.ReadMacroArea(out), kStatusFailed);
  for (std::size_t i = 0; i < 112; ++i) ASSERT_EQ(out[i], i + 1) << i;
  for (std::size_t i = 112; i < out.size(); ++i) ASSERT_EQ(out[i], 0xEE) << i;
  const auto sent = Sent();
  ASSERT_EQ(sent.size(), 5u);  // two good pieces, then three sends of the failing one
  EXPECT_EQ(sent.back(), (Piece{kOpReadMacroArea, 56, 112}));
}

TEST_F(CommandsTest, ReadSettingsBytesReturnsAllFiftySixWhateverTheLength) {
  keyboard.ModifyAreas([](sim::KeyboardAreas& a) {
    for (std::size_t i = 0; i < a.lighting.size(); ++i) a.lighting[i] = static_cast<std::uint8_t>(i);
  });
  std::array<std::uint8_t, kPayloadSize> out{};
  ASSERT_EQ(commands.ReadSettingsBytes(out, 1, 42), kOk);
  for (std::size_t i = 0; i < out.size(); ++i) EXPECT_EQ(out[i], 42 + i);
  EXPECT_EQ(Sent().at(0), (Piece{kOpReadSettingsBytes, 1, 42}));
}

TEST_F(CommandsTest, AreasRoundTrip) {
  SettingsBlock settings;
  ASSERT_EQ(commands.ReadSettingsBlock(settings.Bytes()), kOk);
  EXPECT_EQ(settings, keyboard.SettingsBlock());
  settings.SetActiveProfile(2);
  ASSERT_EQ(commands.WriteSettingsBlock(settings.Bytes()), kOk);
  EXPECT_EQ(keyboard.SettingsBlock().ActiveProfile(), 2);

  const auto image = Pattern(kKeyBlockSize, 3);
  std::array<std::uint8_t, kKeyBlockSize> block{};
  std::copy(image.begin(), image.end(), block.begin());
  ASSERT_EQ(commands.WriteKeyBlock(block, 1), kOk);
  EXPECT_EQ(keyboard.KeyBank(1), block);
  EXPECT_EQ(keyboard.KeyBank(0), kFactoryLayout);
  std::array<std::uint8_t, kKeyBlockSize> back{};
  ASSERT_EQ(commands.ReadKeyBlock(back, 1), kOk);
  EXPECT_EQ(back, block);

  const auto macro = Pattern(1000, 11);
  ASSERT_EQ(commands.WriteMacroArea(macro), kOk);
  std::vector<std::uint8_t> macroBack(1000);
  ASSERT_EQ(commands.ReadMacroArea(macroBack), kOk);
  EXPECT_EQ(macroBack, macro);

  ASSERT_EQ(commands.ReadDefaultKeyBlock(back), kOk);
  EXPECT_EQ(back, kFactoryLayout);
}

TEST_F(CommandsTest, KeyColoursLandAtProfileAndKey) {
  const std::uint8_t rgb[] = {0x10, 0x20, 0x30};
  ASSERT_EQ(commands.WriteKeyColours(rgb, 5, 2), kOk);
  const auto colours = keyboard.Areas().keyColours;
  const std::size_t at = (2 * 119 + 5) * 3;
  EXPECT_EQ(colours[at], 0x10);
  EXPECT_EQ(colours[at + 2], 0x30);
  EXPECT_EQ(Sent().at(0), (Piece{kOpWriteKeyColours, 3, static_cast<int>(at)}));
  const std::vector<std::uint8_t> last(51, 0x77);  // the seventh 17-key piece ends the image exactly
  EXPECT_EQ(commands.WriteKeyColours(last, 102, 2), kOk);
}

TEST_F(CommandsTest, EnterBootModeIsTheRawFrameEvenWhileAnExchangeWaits) {
  keyboard.SetReplyDelay(300ms);
  std::thread busy([&] { (void)commands.BeginSession(); });
  while (keyboard.ReceivedCount() == 0) std::this_thread::sleep_for(1ms);
  keyboard.ClearLog();
  EXPECT_EQ(commands.EnterBootMode(), 1);
  EXPECT_EQ(keyboard.DeviceCountQueries(), 0);
  busy.join();
  CommandReport expected{};
  expected[0] = 4;
  expected[3] = 0xEE;
  expected[4] = 0xEE;
  ASSERT_EQ(keyboard.ReceivedCount(), 1u);
  EXPECT_EQ(keyboard.ReceivedReports()[0], expected);
  EXPECT_TRUE(keyboard.InBootMode());
}

TEST_F(CommandsTest, EnterBootModeReportsARefusedWrite) {
  keyboard.SetRefuseWrites(true);
  EXPECT_EQ(commands.EnterBootMode(), 0);
}

TEST_F(CommandsTest, EndSessionIsOpcodeTwo) {
  ASSERT_EQ(commands.EndSession(), kOk);
  EXPECT_EQ(Sent(), (std::vector<Piece>{{kOpEndSession, 0, 0}}));
}

}  // namespace
}  // namespace mv::device

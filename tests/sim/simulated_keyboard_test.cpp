// The simulated keyboard as a library would be seen from outside: its factory state, how it judges
// frames and addresses, boot mode, device changes, consumer codes, LED writes and shutdown.
#include "sim/simulated_keyboard.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "device/factory_layout.h"
#include "device/quenlink_loader.h"
#include "sim/in_process.h"

namespace mv::sim {
namespace {

using namespace std::chrono_literals;
using device::CommandReport;

CommandReport Frame(std::uint8_t opcode, int length = 0, int offset = 0) {
  CommandReport f{};
  f[device::kReportIdByte] = device::kCommandReportId;
  f[device::kOpcodeByte] = opcode;
  f[device::kLengthByte] = static_cast<std::uint8_t>(length);
  f[device::kOffsetByte] = static_cast<std::uint8_t>(offset & 0xFF);
  f[device::kOffsetByte + 1] = static_cast<std::uint8_t>(offset >> 8);
  device::StoreFrameSum(f);
  return f;
}

class SimTest : public ::testing::Test {
 protected:
  InProcessDevice device{{}, {1000ms, 1ms}};
  SimulatedKeyboard& keyboard = device.keyboard();
  CommandReport reply{};

  std::uint8_t StatusOf(const CommandReport& frame) {
    std::size_t got = 0;
    EXPECT_EQ(device.exchange().ExchangeReport(frame, reply, got), device::kOk);
    EXPECT_EQ(reply[device::kOpcodeByte], frame[device::kOpcodeByte]);
    return reply[device::kStatusByte];
  }
};

template <typename Pred>
void WaitUntil(Pred done) {
  for (int i = 0; i < 5000 && !done(); ++i) std::this_thread::sleep_for(1ms);
}

TEST(FactoryAreasTest, StartsAsTheFactoryKeyboard) {
  const KeyboardAreas a = FactoryAreas();
  EXPECT_EQ(a.settings.MacroCapacity(), 255);
  EXPECT_EQ(a.settings.ActiveProfile(), 0);
  bool hasUserMode = false;
  for (const std::uint8_t code : a.settings.EffectList()) hasUserMode |= code == 20;
  EXPECT_TRUE(hasUserMode);
  for (const auto& bank : a.keyBanks) EXPECT_EQ(bank, device::kFactoryLayout);
  EXPECT_EQ(a.defaultKeyBlock, device::kFactoryLayout);
  EXPECT_EQ(a.macroArea.size(), 255u * 128u);
  EXPECT_FALSE(a.macroArea[0] == 0xAA && a.macroArea[1] == 0x55);  // no valid macro area yet
  for (int p = 0; p < 3; ++p) EXPECT_EQ(a.lighting[p * 42], 1) << "effect of profile " << p;
}

TEST(FactoryLayoutTest, KnownPositions) {
  // Position 8 is Escape (usage 0x29), 53 a stop-macro key, 112 a consumer key (0x00B6).
  EXPECT_EQ(device::kFactoryLayout[8 * 3 + 2], 0x29);
  EXPECT_EQ(device::kFactoryLayout[53 * 3 + 0], 0x05);
  EXPECT_EQ(device::kFactoryLayout[53 * 3 + 2], 0x02);
  EXPECT_EQ(device::kFactoryLayout[112 * 3 + 0], 0x03);
  EXPECT_EQ(device::kFactoryLayout[112 * 3 + 1], 0xB6);
  EXPECT_EQ(device::kFactoryLayout[118 * 3 + 2], 0x56);
}

TEST_F(SimTest, BadFramesGetStatusFF) {
  CommandReport badSum = Frame(device::kOpBeginSession);
  badSum[1] ^= 1;
  EXPECT_EQ(StatusOf(badSum), 0xFF);
  CommandReport badId = Frame(device::kOpBeginSession);
  badId[0] = 5;
  EXPECT_EQ(StatusOf(badId), 0xFF);
  CommandReport spoiled = Frame(device::kOpBeginSession);
  spoiled[40] = 1;  // payload changed after the sum was taken
  EXPECT_EQ(StatusOf(spoiled), 0xFF);
  EXPECT_EQ(StatusOf(Frame(0x55)), 0xFF);  // a command the keyboard does not know
}

struct AddressCase {
  const char* name;
  std::uint8_t opcode;
  int length;
  int offset;
  std::uint8_t status;
};

class SimAddressTest : public SimTest, public ::testing::WithParamInterface<AddressCase> {};

TEST_P(SimAddressTest, ChecksAreaBounds) {
  const AddressCase& c = GetParam();
  EXPECT_EQ(StatusOf(Frame(c.opcode, c.length, c.offset)), c.status);
}

INSTANTIATE_TEST_SUITE_P(
    Areas, SimAddressTest,
    ::testing::Values(AddressCase{"LastKeyPieceOfBank2", device::kOpReadKeyBlock, 21, 1360, 0},
                      AddressCase{"KeyPiecePastTheBlock", device::kOpReadKeyBlock, 22, 1360, 0xFF},
                      AddressCase{"Bank3", device::kOpWriteKeyBlock, 1, 1536, 0xFF},
                      AddressCase{"SettingsReadPastRecords", device::kOpReadSettingsBytes, 56, 84, 0},
                      AddressCase{"SettingsReadOutside", device::kOpReadSettingsBytes, 1, 126, 0xFF},
                      AddressCase{"SettingsWritePastRecords", device::kOpWriteSettingsBytes, 2, 125, 0xFF},
                      AddressCase{"MacroEnd", device::kOpReadMacroArea, 56, 255 * 128 - 56, 0},
                      AddressCase{"MacroPastCapacity", device::kOpWriteMacroArea, 1, 255 * 128, 0xFF},
                      AddressCase{"LengthAbove56", device::kOpReadMacroArea, 57, 0, 0xFF},
                      AddressCase{"SettingsBlockWrongLength", device::kOpWriteSettingsBlock, 43, 0, 0xFF},
                      AddressCase{"DefaultBlockEnd", device::kOpReadDefaultKeyBlock, 21, 336, 0},
                      AddressCase{"ColoursEnd", device::kOpWriteKeyColours, 3, 1068, 0},
                      AddressCase{"ColoursPastEnd", device::kOpWriteKeyColours, 3, 1069, 0xFF}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SimTest, ReplyEchoesTheRequestAndIsFramed) {
  StatusOf(Frame(device::kOpReadSettingsBlock, 44));
  EXPECT_EQ(reply[device::kReportIdByte], 4);
  EXPECT_EQ(reply[device::kLengthByte], 44);
  const auto block = keyboard.SettingsBlock();
  EXPECT_TRUE(std::equal(block.Bytes().begin(), block.Bytes().end(), reply.begin() + device::kPayloadByte));
}

TEST_F(SimTest, SilentInBootModeUntilReplugged) {
  ASSERT_EQ(device.commands().EnterBootMode(), 1);
  device.exchange().SetTiming({10ms, 1ms});
  EXPECT_EQ(device.commands().BeginSession(), device::kNoReply);
  keyboard.Unplug();
  keyboard.Plug();
  EXPECT_FALSE(keyboard.InBootMode());
  EXPECT_EQ(device.commands().BeginSession(), device::kOk);
}

TEST_F(SimTest, ChecksumMismatchIsRefused) {
  const CommandReport f = Frame(device::kOpBeginSession);
  EXPECT_EQ(keyboard.RequestWriteOne(device::kCommandUnit.data(), nullptr, 0, f.data(), 64, 12345, 0), 0);
  EXPECT_EQ(keyboard.RequestGetDeviceCount(device::kCommandUnit.data(), nullptr, 0, 1, 0), 0);
  EXPECT_EQ(keyboard.ChecksumErrors(), 2);
  EXPECT_EQ(keyboard.ReceivedCount(), 0u);
}

class EventLog {
 public:
  void Add(const device::DecodedEvent& e) {
    std::lock_guard lock(m_);
    events_.push_back({e.kind, e.tag, e.count, device::ConsumerCodeOf(e)});
  }
  struct Entry {
    std::uint32_t kind, tag, count;
    std::uint16_t code;
  };
  std::vector<Entry> Events() {
    std::lock_guard lock(m_);
    return events_;
  }

 private:
  std::mutex m_;
  std::vector<Entry> events_;
};

TEST_F(SimTest, DeviceChangesReachTheCtrlReaderWithTheCount) {
  EventLog log;
  device.SetEventHandler([&](const device::DecodedEvent& e) { log.Add(e); });
  keyboard.Unplug();
  keyboard.Plug();
  WaitUntil([&] { return log.Events().size() == 2; });
  const auto events = log.Events();
  ASSERT_EQ(events.size(), 2u);
  for (const auto& e : events) {
    EXPECT_EQ(e.kind, device::kEventDeviceChange);
    EXPECT_EQ(e.tag, device::kTagCtrl);
  }
  EXPECT_EQ(events[0].count, 0u);
  EXPECT_EQ(events[1].count, 1u);
}

TEST_F(SimTest, ConsumerCodesReachTheConsReaderLittleEndian) {
  EventLog log;
  device.SetEventHandler([&](const device::DecodedEvent& e) { log.Add(e); });
  keyboard.SendConsumerCode(0x02FF);
  keyboard.SendConsumerCode(0x1811);
  WaitUntil([&] { return log.Events().size() == 2; });
  const auto events = log.Events();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].kind, device::kEventInputReport);
  EXPECT_EQ(events[0].tag, device::kTagCons);
  EXPECT_EQ(events[0].code, 0x02FF);
  EXPECT_EQ(events[1].code, 0x1811);
}

TEST_F(SimTest, CancelledReadGetsNothingMore) {
  EventLog log;
  device.SetEventHandler([&](const device::DecodedEvent& e) { log.Add(e); });
  int request = 0;
  // Resubmitting the CONS read the way the program does: the old number is cancelled first.
  ASSERT_EQ(device::SubmitAsyncRead(device.api(), device::kConsumerUnit, device::kTagCons, device.callback(), request),
            1);
  const int first = request;
  ASSERT_EQ(device::SubmitAsyncRead(device.api(), device::kConsumerUnit, device::kTagCons, device.callback(), request),
            1);
  EXPECT_NE(request, first);
  keyboard.SendConsumerCode(0x0401);
  keyboard.Unplug();  // a later event on the other unit marks the end of delivery
  WaitUntil([&] { return log.Events().size() >= 3; });
  std::this_thread::sleep_for(5ms);
  int cons = 0;
  for (const auto& e : log.Events()) cons += e.tag == device::kTagCons ? 1 : 0;
  EXPECT_EQ(cons, 2);  // the constructor's read and the last one; the cancelled one is gone
}

TEST_F(SimTest, LedStatusWritesAreRecorded) {
  int request = 0;
  device::LedStatus status = device::kInitialLedStatus;
  ASSERT_EQ(device::WriteLedStatus(device.api(), status, device.callback(), request), 1);
  const int first = request;
  status[1] ^= 1;
  ASSERT_EQ(device::WriteLedStatus(device.api(), status, device.callback(), request), 1);
  EXPECT_NE(request, first);
  const auto writes = keyboard.LedWrites();
  ASSERT_EQ(writes.size(), 2u);
  EXPECT_EQ(writes[0], (std::array<std::uint8_t, 2>{0x05, 0x02}));
  EXPECT_EQ(writes[1], (std::array<std::uint8_t, 2>{0x05, 0x03}));
  EXPECT_EQ(keyboard.LedStatus(), writes[1]);
}

TEST(SimShutdownTest, EndJoinsWithRepliesStillOnTheirWay) {
  SimulatedKeyboard keyboard({true, std::chrono::seconds(30), 255});
  ASSERT_EQ(keyboard.Init(0), 1);
  const CommandReport f = Frame(device::kOpBeginSession);
  ASSERT_EQ(keyboard.RequestWriteOne(device::kCommandUnit.data(), nullptr, 0, f.data(), 64,
                                     device::RequestChecksum(device::kCommandUnit, nullptr, 0, f), 0),
            1);
  EXPECT_EQ(keyboard.End(), 1);  // returns at once: the 30 s reply is abandoned
  EXPECT_EQ(keyboard.End(), 1);
}

TEST(SimShutdownTest, RefusesRequestsBeforeInit) {
  SimulatedKeyboard keyboard;
  const CommandReport f = Frame(device::kOpBeginSession);
  EXPECT_EQ(keyboard.RequestWriteOne(device::kCommandUnit.data(), nullptr, 0, f.data(), 64,
                                     device::RequestChecksum(device::kCommandUnit, nullptr, 0, f), 0),
            0);
}

TEST(InProcessTest, ManyDevicesAtOnceStayApart) {
  std::vector<std::unique_ptr<InProcessDevice>> devices;
  for (int i = 0; i < 4; ++i) devices.push_back(std::make_unique<InProcessDevice>());
  devices[2]->keyboard().Unplug();
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(devices[i]->commands().BeginSession(), i == 2 ? device::kNoDevice : device::kOk) << i;
    EXPECT_EQ(devices[i]->keyboard().ReceivedCount(), i == 2 ? 0u : 1u) << i;
  }
}

}  // namespace
}  // namespace mv::sim

// The command exchange against the simulated keyboard: presence check, framing, retries and their
// result codes, the reply slot under late, duplicate and concurrent replies.
#include "device/exchange.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "device/commands.h"
#include "sim/in_process.h"

namespace mv::device {
namespace {

using namespace std::chrono_literals;

// Long enough that a reply on a loaded machine always arrives; tests that expect time-outs use short.
constexpr ExchangeTiming kPatient{1000ms, 1ms};
constexpr ExchangeTiming kImpatient{20ms, 1ms};

CommandReport Frame(std::uint8_t opcode) {
  CommandReport f{};
  f[kReportIdByte] = kCommandReportId;
  f[kOpcodeByte] = opcode;
  StoreFrameSum(f);
  return f;
}

template <typename Pred>
void WaitUntil(Pred done) {
  for (int i = 0; i < 5000 && !done(); ++i) std::this_thread::sleep_for(1ms);
}

class ExchangeTest : public ::testing::Test {
 protected:
  sim::InProcessDevice device{{}, kPatient};
  sim::SimulatedKeyboard& keyboard = device.keyboard();
  CommandExchange& exchange = device.exchange();
  CommandReport reply{};
  std::size_t delivered = 99;

  int Exchange(std::uint8_t opcode) { return exchange.ExchangeReport(Frame(opcode), reply, delivered); }
};

TEST(FrameSumTest, SumsBytesThreeToSixtyThreeLittleEndian) {
  CommandReport f{};
  f.fill(0xFF);
  f[1] = f[2] = 0;
  StoreFrameSum(f);
  // 61 x 255 = 15555 = 0x3CC3; bytes 0-2 are not part of the sum.
  EXPECT_EQ(FrameSum(f), 15555);
  EXPECT_EQ(f[1], 0xC3);
  EXPECT_EQ(f[2], 0x3C);
}

TEST_F(ExchangeTest, ReplyWithRightOpcodeIsDeliveredWhole) {
  EXPECT_EQ(Exchange(kOpBeginSession), kOk);
  EXPECT_EQ(delivered, 64u);
  EXPECT_EQ(reply[kOpcodeByte], kOpBeginSession);
  EXPECT_EQ(keyboard.ReceivedCount(), 1u);
}

TEST_F(ExchangeTest, NoKeyboardSendsNothing) {
  keyboard.Unplug();
  EXPECT_EQ(Exchange(kOpBeginSession), kNoDevice);
  EXPECT_EQ(delivered, 0u);
  EXPECT_EQ(keyboard.ReceivedCount(), 0u);
}

TEST_F(ExchangeTest, ShortRequestIsZeroFilled) {
  const std::uint8_t request[] = {4, 1, 0, 1};  // opcode 1, frame sum 1
  EXPECT_EQ(exchange.ExchangeReport(request, reply, delivered), kOk);
  const auto sent = keyboard.ReceivedReports().at(0);
  for (std::size_t i = 4; i < sent.size(); ++i) EXPECT_EQ(sent[i], 0) << "byte " << i;
  EXPECT_EQ(reply[kStatusByte], 0);  // the keyboard accepted the padded frame
}

TEST_F(ExchangeTest, LongRequestIsCutTo64Bytes) {
  std::vector<std::uint8_t> request(100, 0);
  request[0] = 4;
  request[3] = 1;
  request[1] = 1;
  request[80] = 0xAA;  // beyond the report: would spoil the sum if it were sent
  EXPECT_EQ(exchange.ExchangeReport(request, reply, delivered), kOk);
  EXPECT_EQ(reply[kStatusByte], 0);
}

struct RetryCase {
  const char* name;
  int wrongOpcodes;
  int failureStatuses;
  std::uint8_t status;
  int expected;
  std::size_t sends;
  std::uint8_t finalStatus;
};

class ExchangeRetryTest : public ExchangeTest, public ::testing::WithParamInterface<RetryCase> {};

TEST_P(ExchangeRetryTest, CountsAttempts) {
  const RetryCase& c = GetParam();
  keyboard.AnswerWrongOpcodeNext(c.wrongOpcodes);
  keyboard.AnswerStatusNext(c.failureStatuses, c.status);
  EXPECT_EQ(Exchange(kOpReadSettingsBlock), c.expected);
  EXPECT_EQ(keyboard.ReceivedCount(), c.sends);
  if (c.expected == kOk) {
    EXPECT_EQ(reply[kStatusByte], c.finalStatus);
    EXPECT_EQ(delivered, 64u);
  } else {
    EXPECT_EQ(delivered, 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ExchangeRetryTest,
    ::testing::Values(RetryCase{"WrongOpcodeThrice", 3, 0, 0, kNoReply, 3, 0},
                      RetryCase{"WrongOpcodeTwice", 2, 0, 0, kOk, 3, 0},
                      RetryCase{"RejectedThrice", 0, 3, 0xFE, kOk, 3, 0xFE},
                      RetryCase{"FailedThrice", 0, 3, 0xFF, kOk, 3, 0xFF},
                      RetryCase{"FailedOnceThenFine", 0, 1, 0xFF, kOk, 2, 0},
                      RetryCase{"OtherStatusIsSuccess", 0, 1, 0x01, kOk, 1, 0x01}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExchangeTest, RefusedWriteGivesMinusOneAfterOneTry) {
  keyboard.SetRefuseWrites(true);
  EXPECT_EQ(Exchange(kOpBeginSession), kWriteRefused);
  keyboard.SetRefuseWrites(false);
  EXPECT_EQ(Exchange(kOpBeginSession), kOk);  // the slot was released on the way out
}

TEST_F(ExchangeTest, ThreeLostRepliesGiveMinusTwo) {
  exchange.SetTiming(kImpatient);
  keyboard.DropNextReplies(3);
  EXPECT_EQ(Exchange(kOpBeginSession), kNoReply);
  EXPECT_EQ(keyboard.ReceivedCount(), 3u);
}

TEST_F(ExchangeTest, CancelEndsTheWaitingExchangeAndSendsNothingAfter) {
  exchange.SetTiming(ExchangeTiming{600000ms, 1ms});  // a silent keyboard would hold it for good
  keyboard.DropNextReplies(1000000);
  int waited = 1;
  std::thread stopping([&] { waited = Exchange(kOpBeginSession); });
  WaitUntil([&] { return keyboard.ReceivedCount() >= 1; });
  exchange.Cancel();
  stopping.join();
  EXPECT_EQ(waited, kNoReply);
  EXPECT_EQ(keyboard.ReceivedCount(), 1u) << "no second try after the cancel";

  keyboard.DropNextReplies(0);
  EXPECT_EQ(Exchange(kOpBeginSession), kNoReply);
  EXPECT_EQ(keyboard.ReceivedCount(), 1u);
}

TEST_F(ExchangeTest, ReplyIsCutToCapacity) {
  std::array<std::uint8_t, 64> big{};
  big.fill(0xCC);
  std::size_t got = 0;
  EXPECT_EQ(exchange.ExchangeReport(Frame(kOpReadSettingsBlock), std::span(big).first(10), got), kOk);
  EXPECT_EQ(got, 10u);
  EXPECT_EQ(big[3], kOpReadSettingsBlock);
  for (std::size_t i = 10; i < big.size(); ++i) ASSERT_EQ(big[i], 0xCC) << "byte " << i;
}

TEST_F(ExchangeTest, ReplyTooShortForItsStatusCountsAsWrong) {
  // A reply slot of 5 bytes can never show the status byte: such a reply is not taken as success.
  std::array<std::uint8_t, 5> tiny{};
  std::size_t got = 0;
  EXPECT_EQ(exchange.ExchangeReport(Frame(kOpBeginSession), tiny, got), kNoReply);
}

TEST_F(ExchangeTest, ReplyWithNoExchangeWaitingIsDropped) {
  CommandReport stray = Frame(kOpBeginSession);
  exchange.DeliverReply(stray.data(), stray.size());
  exchange.DeliverReply(nullptr, 64);
  EXPECT_EQ(Exchange(kOpReadSettingsBlock), kOk);
  EXPECT_EQ(reply[kOpcodeByte], kOpReadSettingsBlock);
  EXPECT_EQ(keyboard.ReceivedCount(), 1u);
}

TEST_F(ExchangeTest, LateRepliesAfterGivingUpNeverReachTheAbandonedBuffer) {
  exchange.SetTiming(kImpatient);
  keyboard.SetReplyDelay(150ms);
  EXPECT_EQ(Exchange(kOpReadSettingsBlock), kNoReply);
  reply.fill(0x5A);
  WaitUntil([&] { return keyboard.RepliesDelivered() == 3; });
  ASSERT_EQ(keyboard.RepliesDelivered(), 3u);
  for (std::uint8_t b : reply) ASSERT_EQ(b, 0x5A);
  keyboard.SetReplyDelay(0ms);
  exchange.SetTiming(kPatient);
  EXPECT_EQ(Exchange(kOpBeginSession), kOk);
  EXPECT_EQ(reply[kOpcodeByte], kOpBeginSession);
}

TEST_F(ExchangeTest, LateReplyTakenByTheNextExchangeFailsTheOpcodeTest) {
  exchange.SetTiming(kImpatient);
  keyboard.DropNextReplies(2);  // the first two sends of the first exchange go unanswered
  keyboard.SetReplyDelay(40ms);  // the third answer comes after the first exchange gave up
  EXPECT_EQ(Exchange(kOpReadSettingsBlock), kNoReply);
  keyboard.SetReplyDelay(0ms);
  exchange.SetTiming(kPatient);
  // The late opcode-3 reply may land while this exchange waits: it is rejected and the command resent.
  EXPECT_EQ(Exchange(kOpBeginSession), kOk);
  EXPECT_EQ(reply[kOpcodeByte], kOpBeginSession);
}

TEST_F(ExchangeTest, ExchangesFromTwoThreadsNeverOverlap) {
  keyboard.SetReplyDelay(300us);
  std::atomic<int> failures{0};
  auto worker = [&](std::uint8_t opcode) {
    CommandReport r{};
    std::size_t got = 0;
    for (int i = 0; i < 40; ++i) {
      if (exchange.ExchangeReport(Frame(opcode), r, got) != kOk || r[kOpcodeByte] != opcode) ++failures;
    }
  };
  std::thread a(worker, kOpBeginSession);
  std::thread b(worker, kOpReadSettingsBlock);
  a.join();
  b.join();
  EXPECT_EQ(failures.load(), 0);
  EXPECT_EQ(keyboard.ReceivedCount(), 80u);
  EXPECT_EQ(keyboard.OverlapCount(), 0);
}

TEST_F(ExchangeTest, AsksForTheDeviceCountBeforeEveryExchange) {
  keyboard.ClearLog();
  ASSERT_EQ(Exchange(kOpBeginSession), kOk);
  ASSERT_EQ(Exchange(kOpBeginSession), kOk);
  EXPECT_EQ(keyboard.DeviceCountQueries(), 2);
  EXPECT_EQ(keyboard.ChecksumErrors(), 0);
}

TEST_F(ExchangeTest, WriteReportNeitherWaitsNorAsks) {
  keyboard.ClearLog();
  EXPECT_EQ(exchange.WriteReport(Frame(kOpBeginSession)), 1);
  EXPECT_EQ(keyboard.DeviceCountQueries(), 0);
  keyboard.SetRefuseWrites(true);
  EXPECT_EQ(exchange.WriteReport(Frame(kOpBeginSession)), 0);
}

}  // namespace
}  // namespace mv::device

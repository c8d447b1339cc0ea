// Fuzz target: event records as the device library hands them to the callback, in any order and
// with any kind, tag, count and null pointers. Each record is built from the input: kind, tag,
// which pointers are null, and a data block of exactly count bytes (the library's promise); the raw
// report is always a whole report. The layer toggle must flip the LED bit once per toggle code.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "device/exchange.h"
#include "device/notifications.h"
#include "device/quenlink_api.h"

namespace {

class QuietSink final : public mv::device::NotificationSink {
 public:
  void StartTimer(mv::device::WindowTimer, unsigned) override {}
  void LayerChanged(bool layerB) override { lastLayerB = layerB; }
  void StartTrayIconThread(bool) override {}
  void StartPresenceThread(int) override {}
  bool lastLayerB = false;
};

int StatusWrite(const std::uint8_t*, mv::device::QuenlinkCallback, std::uint32_t, const std::uint8_t*, int,
                std::uint32_t, int* requestNumber) {
  if (requestNumber) *requestNumber = 1;
  return 1;
}
int Delete(int) { return 1; }
int Callback(const void*) { return 1; }

constexpr std::uint32_t kTags[] = {mv::device::kTagCtrl, mv::device::kTagCons, mv::device::kTagLed, 0};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  mv::device::QuenlinkApi api;
  api.RequestStatusWrite = StatusWrite;
  api.DeleteRequestFromUnitId = Delete;
  mv::device::CommandExchange exchange(api, {std::chrono::milliseconds(0), std::chrono::milliseconds(0)});
  QuietSink sink;
  mv::device::DeviceNotifications notifications(api, exchange, sink, Callback);
  mv::device::SetActiveNotifications(&notifications);

  // A null record, as a library may pass on shutdown.
  if (mv::device::NotificationCallback(nullptr) != 1) __builtin_trap();

  int toggles = 0;
  std::size_t at = 0;
  while (at + 3 <= size) {
    const std::uint8_t control = data[at];
    const std::uint8_t tagPick = data[at + 1];
    const std::size_t count = std::min<std::size_t>(data[at + 2], size - at - 3);
    at += 3;
    const std::vector<std::uint8_t> block(data + at, data + at + count);
    at += count;
    std::array<std::uint8_t, 64> raw{};
    std::copy_n(block.begin(), std::min(block.size(), raw.size()), raw.begin());

    const std::uint32_t kind = (control & 3) == 3 ? 0x7FFFFFFFu : control & 3;
    const std::uint32_t tag = kTags[tagPick % 4];
    const bool nullData = control & 0x04;
    const bool nullRaw = control & 0x08;
    const bool nullRequest = control & 0x10;
    mv::device::EventRecords records;
    mv::device::BuildEventRecords(records, kind, tag, static_cast<std::uint32_t>(block.size()),
                                  nullData || block.empty() ? nullptr : block.data(),
                                  nullRaw ? nullptr : raw.data());
    if (nullRequest) std::fill_n(records.event.begin() + mv::device::kEventRequestOffset, 8, std::uint8_t{0});

    const mv::device::DecodedEvent decoded = mv::device::DecodeEventRecord(records.event.data());
    if (!nullRequest && kind == mv::device::kEventInputReport && tag == mv::device::kTagCons &&
        mv::device::ConsumerCodeOf(decoded) == mv::device::kCodeLayerToggle)
      ++toggles;
    if (mv::device::NotificationCallback(records.event.data()) != 1) __builtin_trap();
  }
  if (notifications.LayerB() != (toggles % 2 == 1)) __builtin_trap();
  if (toggles > 0 && sink.lastLayerB != notifications.LayerB()) __builtin_trap();
  mv::device::SetActiveNotifications(nullptr);
  return 0;
}

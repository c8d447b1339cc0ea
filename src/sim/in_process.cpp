// Binds the library's plain function pointers to one SimulatedKeyboard object. The entry points
// carry no context, so each live device takes one of a fixed set of slots, and each slot has its
// own instantiation of every entry point.
#include "sim/in_process.h"

#include <array>
#include <atomic>
#include <utility>

#include "device/quenlink_loader.h"

namespace mv::sim {
namespace {

constexpr int kSlotCount = 16;

std::array<std::atomic<InProcessDevice*>, kSlotCount> g_devices{};
std::array<std::atomic<SimulatedKeyboard*>, kSlotCount> g_keyboards{};

int TakeSlot(InProcessDevice* device, SimulatedKeyboard* keyboard) {
  for (int i = 0; i < kSlotCount; ++i) {
    InProcessDevice* expected = nullptr;
    if (g_devices[i].compare_exchange_strong(expected, device)) {
      g_keyboards[i].store(keyboard);
      return i;
    }
  }
  return -1;
}

template <int N>
struct Thunks {
  static SimulatedKeyboard& K() { return *g_keyboards[N].load(); }
  static int Debug(int level) { return K().Debug(level); }
  static int Init(int reserved) { return K().Init(reserved); }
  static int End() { return K().End(); }
  static int GetDeviceCount(const std::uint8_t* u, device::QuenlinkCallback c, std::uint32_t t, std::uint32_t s,
                            int r) {
    return K().RequestGetDeviceCount(u, c, t, s, r);
  }
  static int DeleteFromUnitId(int n) { return K().DeleteRequestFromUnitId(n); }
  static int DeleteFromHandle(void* h) { return K().DeleteRequestFromHandle(h); }
  static int Write(const std::uint8_t* u, device::QuenlinkCallback c, std::uint32_t t, const std::uint8_t* d, int l,
                   std::uint32_t s, int* n) {
    return K().RequestWrite(u, c, t, d, l, s, n);
  }
  static int WriteOne(const std::uint8_t* u, device::QuenlinkCallback c, std::uint32_t t, const std::uint8_t* d,
                      int l, std::uint32_t s, int r) {
    return K().RequestWriteOne(u, c, t, d, l, s, r);
  }
  static int StatusWrite(const std::uint8_t* u, device::QuenlinkCallback c, std::uint32_t t, const std::uint8_t* d,
                         int l, std::uint32_t s, int* n) {
    return K().RequestStatusWrite(u, c, t, d, l, s, n);
  }
  static int StatusGet(const std::uint8_t* u, device::QuenlinkCallback c, std::uint32_t t, std::uint8_t* d, int l,
                       std::uint32_t s, int* n) {
    return K().RequestStatusGet(u, c, t, d, l, s, n);
  }
  static int AsyncRead(const std::uint8_t* u, device::QuenlinkCallback c, std::uint32_t t, std::uint32_t s, int* n) {
    return K().RequestAsyncRead(u, c, t, s, n);
  }
  static int SetFeature(const std::uint8_t* u, device::QuenlinkCallback c, std::uint32_t t, const std::uint8_t* d,
                        int l, std::uint32_t s, int* n) {
    return K().RequestStatusSetFeature(u, c, t, d, l, s, n);
  }
  static int Callback(const void* record) {
    if (InProcessDevice* d = g_devices[N].load()) d->OnEvent(record);
    return 1;
  }
  static device::QuenlinkApi Api() {
    return {Debug, Init, End, GetDeviceCount, DeleteFromUnitId, DeleteFromHandle,
            Write, WriteOne, StatusWrite, StatusGet, AsyncRead, SetFeature};
  }
};

struct SlotBinding {
  device::QuenlinkApi api;
  device::QuenlinkCallback callback;
};

template <int... N>
constexpr std::array<SlotBinding (*)(), sizeof...(N)> MakeBinders(std::integer_sequence<int, N...>) {
  return {+[]() { return SlotBinding{Thunks<N>::Api(), &Thunks<N>::Callback}; }...};
}

SlotBinding BindingOf(int slot) {
  static const auto binders = MakeBinders(std::make_integer_sequence<int, kSlotCount>{});
  return binders[static_cast<std::size_t>(slot)]();
}

}  // namespace

InProcessDevice::InProcessDevice(SimSettings settings, device::ExchangeTiming timing)
    : slot_(TakeSlot(this, &keyboard_)), keyboard_(settings), exchange_(api_, timing), commands_(exchange_) {
  // With every slot taken the api stays empty: the exchange then sees no keyboard at all.
  if (slot_ < 0) return;
  const SlotBinding binding = BindingOf(slot_);
  api_ = binding.api;
  callback_ = binding.callback;
  (void)api_.Init(0);
  (void)device::SubmitAsyncRead(api_, device::kConsumerUnit, device::kTagCons, callback_, consRequest_);
  (void)device::SubmitAsyncRead(api_, device::kCommandUnit, device::kTagCtrl, callback_, ctrlRequest_);
}

InProcessDevice::~InProcessDevice() {
  keyboard_.End();  // no callback may reach this object once it starts going away
  if (slot_ >= 0) {
    g_keyboards[slot_].store(nullptr);
    g_devices[slot_].store(nullptr);
  }
}

void InProcessDevice::SetEventHandler(std::function<void(const device::DecodedEvent&)> handler) {
  std::lock_guard lock(handlerLock_);
  handler_ = std::move(handler);
}

void InProcessDevice::OnEvent(const void* eventRecord) {
  const device::DecodedEvent event = device::DecodeEventRecord(eventRecord);
  if (!event.valid) return;
  if (event.kind == device::kEventInputReport && event.tag == device::kTagCtrl) {
    exchange_.DeliverReply(event.data, event.count);
    return;
  }
  std::function<void(const device::DecodedEvent&)> handler;
  {
    std::lock_guard lock(handlerLock_);
    handler = handler_;
  }
  if (handler) handler(event);
}

}  // namespace mv::sim

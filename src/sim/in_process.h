// A simulated keyboard wired to the program's device layer inside one process, with no library
// file: the keyboard, the twelve entry points bound to it, the command exchange (its CTRL read
// already submitted) and the command set. Native tests and benchmarks use this as their keyboard.
#pragma once

#include <functional>
#include <mutex>

#include "device/commands.h"
#include "device/exchange.h"
#include "device/quenlink_api.h"
#include "sim/simulated_keyboard.h"

namespace mv::sim {

class InProcessDevice {
 public:
  explicit InProcessDevice(SimSettings settings = {}, device::ExchangeTiming timing = {});
  ~InProcessDevice();
  InProcessDevice(const InProcessDevice&) = delete;
  InProcessDevice& operator=(const InProcessDevice&) = delete;

  SimulatedKeyboard& keyboard() { return keyboard_; }
  const device::QuenlinkApi& api() const { return api_; }
  device::CommandExchange& exchange() { return exchange_; }
  device::DeviceCommands& commands() { return commands_; }
  // The callback the CTRL and CONS reads were submitted with (for submitting more requests).
  device::QuenlinkCallback callback() const { return callback_; }

  // Called on the keyboard's thread for every event other than a command reply (device changes,
  // consumer codes), after the reply routing. Keep it short; it must not block.
  void SetEventHandler(std::function<void(const device::DecodedEvent&)> handler);

  // Routes one event record: CTRL input reports to the exchange, the rest to the handler.
  void OnEvent(const void* eventRecord);

 private:
  int slot_ = -1;
  SimulatedKeyboard keyboard_;
  device::QuenlinkApi api_{};
  device::QuenlinkCallback callback_ = nullptr;
  device::CommandExchange exchange_;
  device::DeviceCommands commands_;
  std::mutex handlerLock_;
  std::function<void(const device::DecodedEvent&)> handler_;
  int ctrlRequest_ = 0;
  int consRequest_ = 0;
};

}  // namespace mv::sim

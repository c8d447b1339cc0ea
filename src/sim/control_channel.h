// The control channel of a running simulated keyboard: a server thread answering one text command
// per connection (see control_commands.h). Windows: a named pipe. POSIX has none; Start fails.
#pragma once

#include <atomic>
#include <string>
#include <thread>

#include "sim/simulated_keyboard.h"

namespace mv::sim {

class ControlChannel {
 public:
  ControlChannel() = default;
  ~ControlChannel() { Stop(); }
  ControlChannel(const ControlChannel&) = delete;
  ControlChannel& operator=(const ControlChannel&) = delete;

  // Starts serving keyboard under the name; false when the channel cannot be opened.
  bool Start(SimulatedKeyboard& keyboard, const std::u16string& name);
  // Stops and joins the server thread.
  void Stop();

 private:
  void Serve();

  // Used only where the platform has a channel (Windows).
  [[maybe_unused]] SimulatedKeyboard* keyboard_ = nullptr;
  std::u16string name_;
  std::atomic<bool> stopping_{false};
  std::atomic<bool> serverDone_{false};
  std::thread thread_;
  [[maybe_unused]] void* firstPipe_ = nullptr;
};

}  // namespace mv::sim

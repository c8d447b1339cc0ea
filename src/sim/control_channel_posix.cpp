// No control channel on POSIX: native tools drive the keyboard through the Sim* exports.
#include "sim/control_channel.h"

namespace mv::sim {

bool ControlChannel::Start(SimulatedKeyboard& keyboard, const std::u16string& name) {
  keyboard_ = &keyboard;
  name_ = name;
  firstPipe_ = nullptr;
  return false;
}

void ControlChannel::Stop() { keyboard_ = nullptr; }

void ControlChannel::Serve() {}

}  // namespace mv::sim

// No control channel on POSIX: native tools drive the keyboard through the Sim* exports.
#include "sim/control_channel.h"

namespace mv::sim {

bool ControlChannel::Start(SimulatedKeyboard&, const std::u16string&) { return false; }
void ControlChannel::Stop() {}
void ControlChannel::Serve() {}

}  // namespace mv::sim

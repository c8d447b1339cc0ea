// Where the module holding the simulator lives (the DLL or .so, or the executable it is linked into),
// so Quenlink.dll finds "Quenlink.ini" beside itself.
#pragma once

#include <string>

namespace mv::sim {

// Full path of the module that contains this code; empty when it cannot be found.
std::u16string ThisModulePath();

}  // namespace mv::sim

// A skin picture that cannot be loaded (or a mask too busy to shape a window) leaves the program
// without its windows; it ends at once, with exit code 0 and no message, as the start-up contract
// of the program says.
#pragma once

namespace mv::ui {

[[noreturn]] void EndForMissingSkinPicture();

}  // namespace mv::ui

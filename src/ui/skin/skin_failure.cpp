// Ending the process for a missing skin picture.
#include "ui/skin/skin_failure.h"

#include <windows.h>

namespace mv::ui {

void EndForMissingSkinPicture() { ::ExitProcess(0); }

}  // namespace mv::ui

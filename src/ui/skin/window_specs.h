// The descriptions of the program's skinned windows: the main window, the key editor, the
// profile manager and the update dialog.
#pragma once

#include "ui/skin/window_spec.h"

namespace mv::ui {

extern const WindowSpec kMainWindowSpec;
extern const WindowSpec kCompositeEditorSpec;
extern const WindowSpec kProfileManagerSpec;
extern const WindowSpec kUpdateDialogSpec;

}  // namespace mv::ui

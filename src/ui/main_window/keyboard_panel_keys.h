// The keyboard panel's keys for the window: the core's table (keys/panel_keys.h) under the names the
// panel uses, and compile-time checks that its control numbers are the template's resource ids.
#pragma once

#include "keys/panel_keys.h"
#include "ui/res/resource.h"

namespace mv::ui {

using keys::EditorRequest;
using keys::GKeyOfControl;
using keys::GKeyRecord;
using keys::kGKeyControls;
using keys::kMacroEditButton;
using keys::kMacroOnlyControl;
using keys::kPanelKeys;
using keys::MakeEditorRequest;
using keys::PanelKey;
using keys::PanelPositionOfControl;

static_assert(kGKeyControls == std::array<int, keys::kGKeyCount>{IDC_FUNC_G1, IDC_FUNC_G2, IDC_FUNC_G3, IDC_FUNC_G4,
                                                                 IDC_FUNC_G5, IDC_FUNC_G6, IDC_FUNC_G7, IDC_FUNC_G8,
                                                                 IDC_FUNC_G9});
static_assert(kMacroOnlyControl == IDC_FUNC_G9 && kMacroEditButton == IDC_FUNC_MACRO);
static_assert(PanelPositionOfControl(IDC_KEY_01E) == 0 && PanelPositionOfControl(IDC_KEY_D1) < 0);

}  // namespace mv::ui

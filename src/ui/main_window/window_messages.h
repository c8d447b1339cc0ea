// The main window's private messages: the ones other programs and the keyboard's threads send it
// (numbers that read as two characters, wParams that read as four) and our own, for work the
// library and indicator threads hand over without waiting.
#pragma once

#include <windows.h>

#include "ui/app/instance.h"

namespace mv::ui {

inline constexpr UINT kMsgInit = 0x4D4E;
inline constexpr WPARAM kInitRequest = 0x494E4954;
inline constexpr UINT kMsgReload = 0x5452;
inline constexpr WPARAM kReloadRequest = 0x50524F46;
inline constexpr UINT kMsgLed = 0x5045;
inline constexpr WPARAM kLedRequest = 0x004C4544;
inline constexpr UINT kMsgRemoved = 0x4753;
inline constexpr UINT kMsgPostedApply = 30;  // posted to the window: Apply
inline constexpr UINT kTrayCallback = 1725;
inline constexpr UINT kTrayIconId = 140;

inline constexpr UINT kMsgStartTimer = WM_APP + 0x10;
inline constexpr UINT kMsgBusyFrame = WM_APP + 0x11;
inline constexpr UINT kMsgApplyNow = WM_APP + 0x12;
inline constexpr UINT kMsgTell = WM_APP + 0x13;  // wParam: the TextId of a message for the user
// The presence handling opens the window after a read (the first one, or one during which the
// user asked): shown only while the keyboard is still there, never answered with a box.
inline constexpr UINT kMsgOpenAfterRead = WM_APP + 0x14;

}  // namespace mv::ui

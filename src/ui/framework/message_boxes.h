// The standard dialogs a window owns on its own thread (message boxes): finding them, telling
// which one shows a text, and the loop that keeps a window's thread serving its messages while
// work runs elsewhere.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

namespace mv::ui {

// The dialogs of the standard class ("#32770") that owner owns on its thread.
std::vector<HWND> OwnedStandardDialogs(HWND owner);

// Whether a child of the window shows exactly this text (a message box's text).
bool ShowsText(HWND window, const std::u16string& text);

// Serves the calling thread's messages (paint, timers, sent and posted messages) until finished
// is set; post a message to the thread to wake it then. A WM_QUIT is put back and ends the wait.
void ServeMessagesUntil(const std::atomic<bool>& finished);

}  // namespace mv::ui

// The numbers behind the core's meanings: which icon resource shows each tray icon, which timer id
// each window timer runs under. The core names what it wants; only this table knows the numbers,
// and the checks below keep every meaning on one number of its own.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "app/presence.h"
#include "device/notifications.h"
#include "ui/res/resource.h"

namespace mv::ui {

// Every enumerator needs a case: -Wswitch (an error here) reports a meaning without a number.
constexpr int TrayIconResource(app::TrayIcon icon) {
  switch (icon) {
    case app::TrayIcon::kNoKeyboard:
      return IDR_MAINFRAME;
    case app::TrayIcon::kKeyboardPresent:
      return IDI_KEYBOARD_PRESENT;
    case app::TrayIcon::kPlay:
      return IDI_KEYBOARD_PLAY;
  }
  return 0;
}

constexpr int TimerId(device::WindowTimer timer) {
  switch (timer) {
    case device::WindowTimer::kLightingReread:
      return 1051;
    case device::WindowTimer::kLightingDefaults:
      return 1054;
  }
  return 0;
}

// The window's own timer for the lighting panel's periodic step; it shares the window with the above.
inline constexpr int kTimerLightingStep = 1052;
// The window's own timer that shows a long Apply's progress.
inline constexpr int kTimerApplyProgress = 1060;

// The window timer a WM_TIMER id stands for, none for the window's own timers.
constexpr std::optional<device::WindowTimer> WindowTimerOf(unsigned long long timerId) {
  for (const auto timer : {device::WindowTimer::kLightingReread, device::WindowTimer::kLightingDefaults})
    if (static_cast<unsigned long long>(TimerId(timer)) == timerId) return timer;
  return std::nullopt;
}

namespace numbers_check {
template <std::size_t N>
constexpr bool AllDistinctAndSet(const std::array<int, N>& numbers) {
  for (std::size_t i = 0; i < N; ++i) {
    if (numbers[i] == 0) return false;
    for (std::size_t j = i + 1; j < N; ++j)
      if (numbers[i] == numbers[j]) return false;
  }
  return true;
}
static_assert(AllDistinctAndSet(std::array{TrayIconResource(app::TrayIcon::kNoKeyboard),
                                           TrayIconResource(app::TrayIcon::kKeyboardPresent),
                                           TrayIconResource(app::TrayIcon::kPlay)}),
              "each tray icon needs an icon resource of its own");
static_assert(AllDistinctAndSet(std::array{TimerId(device::WindowTimer::kLightingReread),
                                           TimerId(device::WindowTimer::kLightingDefaults), kTimerLightingStep,
                                           kTimerApplyProgress}),
              "each timer of the main window needs an id of its own");
static_assert(WindowTimerOf(1054) == device::WindowTimer::kLightingDefaults && !WindowTimerOf(kTimerLightingStep));
}  // namespace numbers_check

}  // namespace mv::ui

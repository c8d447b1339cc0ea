// The bitmap slider's arithmetic: positions are whole steps from minimum to maximum spread evenly
// over the control's width, so a drag or a click lands on the nearest step. Kept apart from the
// widget so the rounding and clamping can be tested without a window.
#pragma once

#include <algorithm>

namespace mv::app {

struct SliderRange {
  int minimum = 0;
  int maximum = 4;

  // The range between two ends given in either order.
  static constexpr SliderRange Between(int a, int b) { return {std::min(a, b), std::max(a, b)}; }

  constexpr int Clamp(int position) const { return std::clamp(position, minimum, maximum); }

  // The step under client x of a control width pixels wide: x is held inside the control and
  // rounded to the nearest step, halves upwards. A control too narrow to tell steps apart, or a
  // range of one step, gives the minimum.
  constexpr int PositionAt(int x, int width) const {
    if (width <= 1 || maximum <= minimum) return minimum;
    const long long steps = static_cast<long long>(maximum) - minimum;
    const long long span = width - 1;
    const long long clampedX = std::clamp(x, 0, width - 1);
    return minimum + static_cast<int>((clampedX * steps + span / 2) / span);
  }
};

}  // namespace mv::app

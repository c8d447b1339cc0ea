// Where the key editor opens: beside the key button that was clicked, on the side where it fits
// on the screen, preferring right over left and below over above.
#pragma once

namespace mv::app {

struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

struct ScreenPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// The dialog's top-left corner for a screen of screenWidth x screenHeight, the key button's screen
// rectangle and the dialog's size. Right and below of the key when both fit, then right and above,
// left and below, left and above; when no corner fits, right and below all the same (the dialog
// then runs off the screen rather than covering the key).
constexpr ScreenPoint KeyEditorPosition(int screenWidth, int screenHeight, const ScreenRect& key, int dialogWidth,
                                        int dialogHeight) {
  const bool right = screenWidth - key.right >= dialogWidth;
  const bool below = screenHeight - key.bottom >= dialogHeight;
  const bool left = key.left >= dialogWidth;
  const bool above = key.top >= dialogHeight;
  if (right && below) return {key.right, key.bottom};
  if (right && above) return {key.right, key.top - dialogHeight};
  if (left && below) return {key.left - dialogWidth, key.bottom};
  if (left && above) return {key.left - dialogWidth, key.top - dialogHeight};
  return {key.right, key.bottom};
}

}  // namespace mv::app

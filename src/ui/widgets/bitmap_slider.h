// A slider drawn as one picture per position (range 0 to 4 by default). Dragging or the arrow keys
// move it; when the user lets go it posts kSliderReleasedMessage to its parent with the control id
// (wParam) and the new position (lParam). The pictures are borrowed from the window that loads them.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/framework/subclassed_window.h"

namespace mv::ui {

inline constexpr UINT kSliderReleasedMessage = 0x28D1;

class BitmapSlider : public SubclassedWindow {
 public:
  void SetRange(int minimum, int maximum);
  // Pictures for positions minimum.. in order; a position without one keeps the current picture.
  void SetPositionPictures(std::vector<HBITMAP> pictures);
  // Shows this picture whatever the position (the window chooses pictures itself).
  void SetPicture(HBITMAP picture);
  void SetPosition(int position);
  int position() const { return position_; }
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  HBITMAP picture() const { return picture_; }

  // Position under client x for a control width (nearest step, clamped).
  int PositionAt(int x, int width) const;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc) const;
  void Release();

  int minimum_ = 0;
  int maximum_ = 4;
  int position_ = 0;
  bool dragging_ = false;
  std::vector<HBITMAP> pictures_;
  HBITMAP picture_ = nullptr;
};

}  // namespace mv::ui

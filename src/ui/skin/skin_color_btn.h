// CSkinColorBtn: the colour picker in the skinned look. The left part shows the colour in a 3-D
// frame, the right part is a grey drop area with a small black arrow; hover and focus changes
// redraw it. Everything else is the picker base's.
#pragma once

#include "ui/widgets/colour_picker_button.h"

namespace mv::ui {

class CSkinColorBtn : public ColourPickerButton {
 public:
  // Right edge of the colour part for a face rectangle.
  static int SwatchRight(const RECT& face) { return face.left + (face.right - face.left) / 2 + 5; }

 protected:
  void DrawFace(HDC dc, const RECT& rect, UINT itemState) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool tracking_ = false;
};

}  // namespace mv::ui

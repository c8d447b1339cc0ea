// A button that shows a colour and, when clicked, drops down a palette (10 columns by default)
// with an optional "automatic" entry and an "other" button that opens the system colour dialog.
// A choice notifies the parent with WM_COMMAND (control id, kColourPickerSelEndOk).
// Derived classes (CSkinColorBtn) draw the face themselves through DrawFace.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "ui/framework/subclassed_window.h"

namespace mv::ui {

// Notification code of the choice, in the high word of WM_COMMAND's wParam.
inline constexpr WORD kColourPickerSelEndOk = 0x8001;
// The colour value that stands for "automatic".
inline constexpr COLORREF kAutomaticColour = 0xFF000000;  // CLR_DEFAULT

class ColourPickerButton : public SubclassedWindow {
 public:
  ColourPickerButton();

  void SetColour(COLORREF colour);
  COLORREF colour() const { return colour_; }
  void SetAutomaticColour(COLORREF colour) { automaticColour_ = colour; }
  COLORREF automaticColour() const { return automaticColour_; }
  // What the face shows: the automatic colour while the current one is "automatic".
  COLORREF ShownColour() const { return colour_ == kAutomaticColour ? automaticColour_ : colour_; }
  // Empty text: no such button in the palette.
  void SetAutomaticText(const std::u16string& text) { automaticText_ = text; }
  void SetOtherText(const std::u16string& text) { otherText_ = text; }
  const std::u16string& otherText() const { return otherText_; }
  void SetColumns(int columns) { columns_ = columns > 0 ? columns : 1; }
  int columns() const { return columns_; }
  const std::vector<COLORREF>& paletteColours() const { return palette_; }

  // Opens the palette under the button and waits for the choice; true when a colour was chosen.
  bool DropDown();
  // Takes a colour as a choice from the palette would: stores it, redraws, notifies the parent.
  void Choose(COLORREF colour);

 protected:
  void OnAttached() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The face; the default is a plain swatch with a drop arrow.
  virtual void DrawFace(HDC dc, const RECT& rect, UINT itemState);

 private:
  bool ChooseOther();

  COLORREF colour_ = RGB(0, 0, 0);
  COLORREF automaticColour_ = RGB(0, 0, 0);
  std::u16string automaticText_;
  std::u16string otherText_ = u"other";
  int columns_ = 10;
  std::vector<COLORREF> palette_;
  std::array<COLORREF, 16> customColours_{};
};

}  // namespace mv::ui

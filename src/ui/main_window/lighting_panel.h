// The lighting panel of the main window: every control placed from the skin layout file when the
// window opens, the labels' captions in the chosen language, the pictures in their "off" or
// unselected look (each file loaded once), the sliders, colour pickers and image buttons attached,
// the controls shown or hidden for the lamp switch and the effect, the panel's colours (labels
// over the skin, dark edits and lists) and its timers.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "lighting/panel_visibility.h"
#include "ui/framework/gdi_handle.h"
#include "ui/framework/offscreen_picture.h"
#include "ui/framework/panel.h"
#include "ui/skin/png_button.h"
#include "ui/skin/skin_color_btn.h"
#include "ui/skin/skin_colours.h"
#include "ui/skin/skin_pictures.h"
#include "ui/widgets/bitmap_slider.h"

namespace mv::ui {

// The lamp switch as the per-user wskb.ini holds it.
bool ReadLampSwitch();

class LightingPanel : public Panel {
 public:
  struct Setup {
    HWND window = nullptr;
    const std::u16string& layoutFile;    // Skins\Main.ini
    bool english = false;                // the language switch
    SkinPictures& pictures;              // the panel's bitmaps, loaded once
    const OffscreenPicture& background;  // the window's skin, painted under the labels
  };

  // Gives the pictures their "off" look and attaches the sliders, colour pickers and image
  // buttons, before the window places the controls (ButtonOf hands the buttons over).
  void AttachControls(const Setup& setup);
  // Once placed: the captions, and the controls for the lamp switch with no effect known yet.
  void ShowPlaced(bool lightingOn);
  // The panel's image button of a control (effect arrows, colour presets), or null.
  CPngButton* ButtonOf(int controlId);
  // Starts the panel's periodic step; Stop ends it and the lighting timers the keyboard started.
  void Start();
  void Stop();

  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  // The colour edits take digits only, at most 255.
  bool OnCommand(int id, int code, HWND control) override;
  // Shows the controls of the effect's group while the lamp is on, only the lamp and the
  // always-shown controls otherwise.
  void ShowFor(bool lightingOn, std::uint8_t effectCode) const;

  // WM_CTLCOLORSTATIC for a label of the panel: paints the skin under it and sets a light text on
  // a transparent background. Null for any other control.
  HBRUSH ColourLabel(HDC dc, HWND control) const;

  BitmapSlider& brightnessSlider() { return brightness_; }
  BitmapSlider& speedSlider() { return speed_; }
  CSkinColorBtn& hxColourPicker() { return hxColour_; }
  CSkinColorBtn& fyColourPicker() { return fyColour_; }

 private:
  HBITMAP Picture(std::u16string_view file);
  void SetCaptions() const;
  void SetPictures();
  void AttachWidgets();
  void OnTimer(UINT_PTR timer);

  HWND window_ = nullptr;
  std::u16string layoutFile_;
  bool english_ = false;
  SkinPictures* pictures_ = nullptr;
  const OffscreenPicture* background_ = nullptr;
  bool stopped_ = false;
  SkinColourBrushes skinColours_;  // dark fields for the RGB edits and drop-down lists
  BitmapSlider brightness_;
  BitmapSlider speed_;
  CSkinColorBtn hxColour_;
  CSkinColorBtn fyColour_;
  std::array<CPngButton, 2> arrows_;
  std::array<CPngButton, 6> colourPresets_;
};

}  // namespace mv::ui

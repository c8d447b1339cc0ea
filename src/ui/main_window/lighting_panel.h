// The lighting panel of the main window: every control placed from the skin layout file when the
// window opens, the labels' captions in the chosen language, the pictures in their "off" or
// unselected look (each file loaded once), the sliders, colour pickers and image buttons attached,
// the controls shown or hidden for the lamp switch and the effect, the panel's colours (labels
// over the skin, dark edits and lists) and its timers.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "lighting/panel_visibility.h"
#include "ui/framework/gdi_handle.h"
#include "ui/framework/offscreen_picture.h"
#include "ui/framework/panel.h"
#include "ui/skin/png_button.h"
#include "ui/skin/skin_color_btn.h"
#include "ui/skin/skin_colours.h"
#include "ui/widgets/bitmap_slider.h"

namespace mv::ui {

// The lamp switch as the per-user wskb.ini holds it.
bool ReadLampSwitch();

class LightingPanel : public Panel {
 public:
  struct Setup {
    HWND window = nullptr;
    const std::u16string& layoutFile;    // Skins\Main.ini
    const std::u16string& skinsFolder;   // with its trailing separator
    bool english = false;                // the language switch
    const OffscreenPicture& arrow;       // the pictures of the effect list's arrows
    const SkinLooks& windowLooks;        // the looks of the colour preset buttons
    const OffscreenPicture& background;  // the window's skin, painted under the labels
  };

  // Places, captions and pictures every control, then shows the controls for the lamp switch with
  // no effect known yet.
  void Lay(const Setup& setup, bool lightingOn);
  // Starts the panel's periodic step; Stop ends it and the lighting timers the keyboard started.
  void Start();
  void Stop();

  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
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
  void PlaceAll(const Setup& setup);
  void SetCaptions(const Setup& setup) const;
  void SetPictures();
  void AttachWidgets();
  void OnTimer(UINT_PTR timer);

  HWND window_ = nullptr;
  const OffscreenPicture* background_ = nullptr;
  bool stopped_ = false;
  SkinColourBrushes skinColours_;  // dark fields for the RGB edits and drop-down lists
  std::u16string skinsFolder_;
  std::map<std::u16string, UniqueBitmap, std::less<>> pictures_;
  BitmapSlider brightness_;
  BitmapSlider speed_;
  CSkinColorBtn hxColour_;
  CSkinColorBtn fyColour_;
  std::array<CPngButton, 2> arrows_;
  std::array<CPngButton, 6> colourPresets_;
};

}  // namespace mv::ui

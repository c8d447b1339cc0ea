// LightingPanel: the table of the panel's controls, what opening the window does to them, and the
// panel's messages.
#include "ui/main_window/lighting_panel.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <vector>

#include "app/layout.h"
#include "device/notifications.h"
#include "lighting/colour_text.h"
#include "lighting/lighting_state.h"
#include "lighting/user_folder.h"
#include "platform/system.h"
#include "ui/framework/controls.h"
#include "ui/framework/wide_text.h"
#include "ui/res/resource.h"
#include "ui/res/ui_numbers.h"
#include "ui/skin/placement.h"

namespace mv::ui {

namespace {
using lighting::PanelRole;
using R = PanelRole;

// One control of the panel: its role, and for a label its caption's key, for a picture its file.
// Where each control sits is the window's description (kMainWindowSpec).
struct PanelControl {
  PanelRole role;
  int id;
  std::u16string_view captionKey = {};
  std::u16string_view picture = {};  // the "off" or unselected look
};

constexpr PanelControl kPanelControls[] = {
    {R::kLamp, IDC_CONTROL_DengStaPic, {}, u"dengup.bmp"},
    {R::kLampCaption, IDC_CONTROL_DengStatic, u"Deng"},
    {R::kEffectList, IDC_CONTROL_XGcombox},
    {R::kEffectArrows, IDC_LEFT_ARROW},
    {R::kEffectArrows, IDC_RIGHT_ARROW},
    {R::kBrightnessCaption, IDC_CONTROL_LightStatic, u"Light"},
    {R::kBrightnessSlider, IDC_CONTROL_LightSlider},
    {R::kSpeedCaption, IDC_CONTROL_SpeedStatic, u"Speed"},
    {R::kSpeedSlider, IDC_CONTROL_SpeedSlider},
    {R::kDirectionCaption, IDC_CONTROL_BLFXStatic, u"FX"},
    {R::kDirectionPictures, IDC_CONTROL_BLFXLStaPic, {}, u"leftup.bmp"},
    {R::kDirectionPictures, IDC_CONTROL_BLFXRStaPic, {}, u"rightup.bmp"},
    {R::kHxColourGroup, IDC_CONTROL_HXysStatic, u"Color"},
    {R::kHxColourGroup, IDC_CONTROL_HXysButton},
    {R::kHxColourGroup, IDC_CONTROL_HXsjsStatic, u"DC"},
    {R::kHxColourGroup, IDC_CONTROL_HXsjsStaPic, {}, u"sjsup.bmp"},
    {R::kFyColourGroup, IDC_CONTROL_FYYSStatic, u"Color"},
    {R::kFyColourGroup, IDC_CONTROL_FYYSButton},
    {R::kFyColourGroup, IDC_CONTROL_FYSJSStatic, u"DC"},
    {R::kFyColourGroup, IDC_CONTROL_FYSJSStaPic, {}, u"sjsup.bmp"},
    {R::kPresetColours, IDC_CONTROL_HONGPIC, {}, u"hong.bmp"},
    {R::kPresetColours, IDC_CONTROL_HUANGPIC, {}, u"huang.bmp"},
    {R::kPresetColours, IDC_CONTROL_LVPIC, {}, u"lv.bmp"},
    {R::kPresetColours, IDC_CONTROL_LANPIC, {}, u"lan.bmp"},
    {R::kUserMode, IDC_CONTROL_USERysStatic, u"Color"},
    {R::kUserMode, IDC_CONTROL_USERysButton},
    {R::kUserMode, IDC_CONTROL_USERjsStatic, u"JColor"},
    {R::kUserMode, IDC_CONTROL_USERjsButton},
    {R::kUserMode, IDC_CONTROL_USERgjStatic, u"Tool"},
    {R::kUserMode, IDC_CONTROL_USERgjStaPic1, {}, u"user1up.bmp"},
    {R::kUserMode, IDC_CONTROL_USERgjStaPic2, {}, u"user2up.bmp"},
    {R::kUserMode, IDC_CONTROL_umCombo},
    {R::kReportRateCaption, IDC_CONTROL_UsbStatic, u"Usb"},
    {R::kReportRateButtons, IDC_FUNC_REPORT1},
    {R::kReportRateButtons, IDC_FUNC_REPORT2},
    {R::kReportRateButtons, IDC_FUNC_REPORT3},
    {R::kReportRateButtons, IDC_FUNC_REPORT4},
    {R::kRgbEdits, IDC_m_edit_rgbr},
    {R::kRgbEdits, IDC_m_edit_rgbg},
    {R::kRgbEdits, IDC_m_edit_rgbb},
    {R::kColourPresetButtons, IDC_m_button_rgb1},
    {R::kColourPresetButtons, IDC_m_button_rgb2},
    {R::kColourPresetButtons, IDC_m_button_rgb3},
    {R::kColourPresetButtons, IDC_m_button_rgb4},
    {R::kColourPresetButtons, IDC_m_button_rgb5},
    {R::kColourPresetButtons, IDC_m_button_rgb6},
    {R::kBusyAnimation, IDC_CONTROL_JDTStatic},
    {R::kAlwaysHidden, IDC_CONTROL_JTysStatic},
    {R::kAlwaysHidden, IDC_CONTROL_JTysButton},
    {R::kAlwaysHidden, IDC_CONTROL_FYCFStatic},
    {R::kAlwaysHidden, IDC_CONTROL_FYdjcfStatic},
    {R::kAlwaysHidden, IDC_CONTROL_FYggcfStatc},
    {R::kAlwaysHidden, IDC_CONTROL_FYdjcfStaPic},
    {R::kAlwaysHidden, IDC_CONTROL_FYggcfStaPic},
    {R::kAlwaysHidden, IDC_CONTROL_TSysStatic},
    {R::kAlwaysHidden, IDC_CONTROL_TSysButton},
    {R::kAlwaysHidden, IDC_CONTROL_TSsjsStatic},
    {R::kAlwaysHidden, IDC_CONTROL_TSsjsStaPic},
    {R::kAlwaysHidden, IDC_CONTROL_CDysStatic},
    {R::kAlwaysHidden, IDC_CONTROL_CDysButton},
    {R::kAlwaysHidden, IDC_CONTROL_CDsjsStatic},
    {R::kAlwaysHidden, IDC_CONTROL_CDsjsStaPic},
};

constexpr COLORREF kLabelTextColour = RGB(0xE4, 0xE4, 0xE4);
constexpr int kColourEdits[] = {IDC_m_edit_rgbr, IDC_m_edit_rgbg, IDC_m_edit_rgbb};
constexpr UINT kFirstStepMs = 100;
constexpr UINT kStepMs = 50;
constexpr int kSliderPositions = 5;

bool IsLabel(const PanelControl& control) { return !control.captionKey.empty(); }

const PanelControl* FindControl(int id) {
  for (const PanelControl& control : kPanelControls)
    if (control.id == id) return &control;
  return nullptr;
}
}  // namespace

bool ReadLampSwitch() {
  return lighting::ReadLightingOn(lighting::UserFilePath(platform::DocumentsFolder(), lighting::kWskbIniName));
}

void LightingPanel::AttachControls(const Setup& setup) {
  window_ = setup.window;
  layoutFile_ = setup.layoutFile;
  english_ = setup.english;
  pictures_ = &setup.pictures;
  background_ = &setup.background;
  for (int id : kColourEdits) {
    const Edit edit(window_, id);
    ::SetWindowLongPtrW(edit.hwnd(), GWL_STYLE, ::GetWindowLongPtrW(edit.hwnd(), GWL_STYLE) | ES_NUMBER);
    edit.LimitText(3);
    edit.SetText(u"0");
  }
  // Pictures first: a picture control takes its bitmap's size, and the layout entry must win.
  SetPictures();
  AttachWidgets();
}

void LightingPanel::ShowPlaced(bool lightingOn) {
  SetCaptions();
  ShowFor(lightingOn, 0);
}

HBITMAP LightingPanel::Picture(std::u16string_view file) { return pictures_->Bitmap(file); }

CPngButton* LightingPanel::ButtonOf(int controlId) {
  for (CPngButton* button : {&arrows_[0], &arrows_[1]})
    if (button->hwnd() && button->id() == controlId) return button;
  for (CPngButton& button : colourPresets_)
    if (button.hwnd() && button.id() == controlId) return &button;
  return nullptr;
}

void LightingPanel::SetPictures() {
  for (const PanelControl& control : kPanelControls) {
    if (control.picture.empty()) continue;
    if (HBITMAP bitmap = Picture(control.picture))
      (void)Label(window_, control.id).SetImage(bitmap);
  }
}

void LightingPanel::AttachWidgets() {
  // Brightness shows "0.bmp".."4.bmp" by position; speed "5.bmp".."9.bmp" (position 4 - speed).
  auto attachSlider = [this](BitmapSlider& slider, int id, int firstPicture) {
    if (!slider.AttachItem(window_, id)) return;
    std::vector<HBITMAP> pictures;
    for (int i = 0; i < kSliderPositions; ++i) {
      const char16_t digit = static_cast<char16_t>(u'0' + firstPicture + i);
      pictures.push_back(Picture(std::u16string(1, digit) + u".bmp"));
    }
    slider.SetRange(0, kSliderPositions - 1);
    slider.SetPositionPictures(std::move(pictures));
    slider.SetPosition(0);
  };
  attachSlider(brightness_, IDC_CONTROL_LightSlider, 0);
  attachSlider(speed_, IDC_CONTROL_SpeedSlider, 5);

  for (CSkinColorBtn* picker : {&hxColour_, &fyColour_}) {
    picker->SetOtherText(u"other");
    picker->SetAutomaticText(u"");
    picker->SetColumns(10);
  }
  (void)hxColour_.AttachItem(window_, IDC_CONTROL_HXysButton);
  (void)fyColour_.AttachItem(window_, IDC_CONTROL_FYYSButton);
  (void)arrows_[0].AttachItem(window_, IDC_LEFT_ARROW);
  (void)arrows_[1].AttachItem(window_, IDC_RIGHT_ARROW);
  static constexpr int kPresetIds[] = {IDC_m_button_rgb1, IDC_m_button_rgb2, IDC_m_button_rgb3,
                                       IDC_m_button_rgb4, IDC_m_button_rgb5, IDC_m_button_rgb6};
  for (std::size_t i = 0; i < colourPresets_.size(); ++i) (void)colourPresets_[i].AttachItem(window_, kPresetIds[i]);
}

void LightingPanel::SetCaptions() const {
  for (const PanelControl& control : kPanelControls) {
    if (!IsLabel(control)) continue;
    SetWindowTextU16(::GetDlgItem(window_, control.id),
                     app::ReadControlCaption(layoutFile_, english_, control.captionKey));
  }
}

void LightingPanel::ShowFor(bool lightingOn, std::uint8_t effectCode) const {
  const lighting::RoleSet visible = lighting::VisibleRoles(lightingOn, effectCode);
  for (const PanelControl& control : kPanelControls) {
    if (!lighting::VisibilityFollowsLighting(control.role)) continue;
    if (HWND item = ::GetDlgItem(window_, control.id)) ::ShowWindow(item, visible.Has(control.role) ? SW_SHOW : SW_HIDE);
  }
}

HBRUSH LightingPanel::ColourLabel(HDC dc, HWND control) const {
  if (!control || ::GetParent(control) != window_) return nullptr;
  const PanelControl* entry = FindControl(::GetDlgCtrlID(control));
  if (!entry || !IsLabel(*entry)) return nullptr;
  RECT rect{};
  ::GetClientRect(control, &rect);
  POINT origin{0, 0};
  ::MapWindowPoints(control, window_, &origin, 1);
  if (background_ && background_->valid())
    ::BitBlt(dc, 0, 0, rect.right, rect.bottom, background_->dc(), origin.x, origin.y, SRCCOPY);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, kLabelTextColour);
  return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void LightingPanel::Start() { ::SetTimer(window_, kTimerLightingStep, kFirstStepMs, nullptr); }

void LightingPanel::Stop() {
  stopped_ = true;
  if (!window_) return;
  ::KillTimer(window_, kTimerLightingStep);
  for (const auto timer : {device::WindowTimer::kLightingReread, device::WindowTimer::kLightingDefaults})
    ::KillTimer(window_, TimerId(timer));
}

void LightingPanel::OnTimer(UINT_PTR timer) {
  ::KillTimer(window_, timer);
  if (timer == kTimerLightingStep) {
    // The panel's periodic step joins here.
    if (!stopped_) ::SetTimer(window_, kTimerLightingStep, kStepMs, nullptr);
  }
  // The keyboard's re-read and restore timers: the panel re-reads or restores its values here.
}

bool LightingPanel::OnCommand(int id, int code, HWND control) {
  if (code != EN_CHANGE || std::find(std::begin(kColourEdits), std::end(kColourEdits), id) == std::end(kColourEdits))
    return false;
  // Pasted text gets past the digits-only style: the rule is applied to whatever arrived.
  const Edit edit(control);
  const std::u16string typed = edit.Text();
  const std::u16string kept = lighting::ColourComponentText(typed);
  if (kept != typed) {
    edit.SetText(kept);
    edit.SetSelection(static_cast<int>(kept.size()), static_cast<int>(kept.size()));
  }
  return true;
}

bool LightingPanel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  switch (message) {
    case WM_TIMER:
      if (wParam != kTimerLightingStep && !WindowTimerOf(wParam)) return false;
      OnTimer(wParam);
      result = TRUE;
      return true;
    case WM_CTLCOLORSTATIC:
      if (HBRUSH brush = ColourLabel(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
        result = reinterpret_cast<INT_PTR>(brush);
        return true;
      }
      return false;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (HBRUSH brush = skinColours_.Answer(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
        result = reinterpret_cast<INT_PTR>(brush);
        return true;
      }
      return false;
    default:
      return false;
  }
}

}  // namespace mv::ui

// CPngButton: drawing, mouse tracking, tooltip.
#include "ui/skin/png_button.h"

#include <commctrl.h>

#include <cmath>
#include <numbers>

#include "ui/framework/device_context.h"
#include "ui/framework/dialog.h"
#include "ui/framework/wide_text.h"
#include "ui/skin/chinese_font.h"

namespace mv::ui {
namespace {

constexpr int kFrameWidth = 2;
constexpr int kBoldWeight = 956;  // heavier than FW_BOLD, as the skins were drawn for
constexpr int kNormalWeight = FW_NORMAL;
constexpr DWORD kHoverTimeMs = 1;
constexpr int kTooltipDelayMs = 2000;
constexpr UINT_PTR kToolId = 1;

}  // namespace

void CPngButton::OnAttached() {
  // Always owner-drawn, whatever the template said.
  const LONG_PTR style = ::GetWindowLongPtrW(hwnd(), GWL_STYLE);
  ::SetWindowLongPtrW(hwnd(), GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
  RebuildFont();
}

void CPngButton::Redraw() const {
  if (hwnd()) ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void CPngButton::SetLooks(const SkinLooks& looks, int originX, int originY) {
  looks_ = looks;
  origin_ = POINT{originX, originY};
  hover_.Reset();
  pressed_ = false;
  Redraw();
}

void CPngButton::SetLookPictures(const SkinLooks& looks) {
  looks_ = looks;
  Redraw();
}

void CPngButton::SetLookOrigin(int x, int y) {
  origin_ = POINT{x, y};
  Redraw();
}

void CPngButton::SetOverrideLooks(const OffscreenPicture* a, const OffscreenPicture* b, bool on,
                                  bool selector) {
  overrideA_ = a;
  overrideB_ = b;
  overrideOn_ = on;
  overrideSelector_ = selector;
  Redraw();
}

void CPngButton::SetSelected(bool selected, bool redraw) {
  selected_ = selected;
  if (redraw) Redraw();
}

void CPngButton::SetColourFrame(COLORREF colour, int level, bool on) {
  frameColour_ = colour;
  frameLevel_ = app::StoredFrameLevel(level, on);
  frameOn_ = on;
  Redraw();
}

void CPngButton::SetCaptionStyle(bool on, int pointSize, const std::u16string& face, COLORREF colour,
                                 UINT format) {
  captionOn_ = on;
  pointSize_ = pointSize;
  face_ = face;
  captionColour_ = colour;
  captionFormat_ = format;
  RebuildFont();
  Redraw();
}

void CPngButton::SetCaptionMargins(int left, int top, int right, int bottom) {
  margins_ = RECT{left, top, right, bottom};
  Redraw();
}

void CPngButton::SetCaptionAngle(int tenthsOfDegree, bool bold) {
  angle_ = tenthsOfDegree;
  bold_ = bold;
  RebuildFont();
  Redraw();
}

void CPngButton::RebuildFont() {
  ClientDc screen(nullptr);
  const int height = -::MulDiv(pointSize_, ::GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
  font_.Reset(::CreateFontW(height, 0, angle_, angle_, bold_ ? kBoldWeight : kNormalWeight, FALSE,
                            FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, Wide(face_)));
  chineseFont_.Reset();
}

HFONT CPngButton::CaptionFont() {
  if (!font_) RebuildFont();
  if (FontCovers(font_.get(), WindowText(hwnd()))) return font_.get();
  if (!chineseFont_) chineseFont_ = ChineseFontLike(font_.get());
  return chineseFont_ ? chineseFont_.get() : font_.get();
}

void CPngButton::SetTooltip(const std::u16string& text, bool active) {
  if (!hwnd()) return;
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = hwnd();
  tool.uId = kToolId;
  tool.lpszText = const_cast<wchar_t*>(Wide(text));
  if (!tooltip_) {
    tooltip_.Reset(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                     hwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr));
    if (!tooltip_) return;
    tool.uFlags = TTF_SUBCLASS;
    ::GetClientRect(hwnd(), &tool.rect);  // the whole button
    ::SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    ::SendMessageW(tooltip_.get(), TTM_SETDELAYTIME, TTDT_AUTOMATIC, kTooltipDelayMs);
  } else {
    ::SendMessageW(tooltip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  ::SendMessageW(tooltip_.get(), TTM_ACTIVATE, active ? TRUE : FALSE, 0);
}

app::ButtonLook CPngButton::CurrentLook() const {
  app::ButtonLookInputs in;
  in.enabled = hwnd() ? ::IsWindowEnabled(hwnd()) != FALSE : true;
  in.overrideOn = overrideOn_;
  in.overrideSelector = overrideSelector_;
  in.pressed = pressed_;
  in.hover = hover_.hover();
  in.selected = selected_;
  return app::ChooseButtonLook(in);
}

const OffscreenPicture* CPngButton::PictureFor(app::ButtonLook look) const {
  switch (look) {
    case app::ButtonLook::kNormal: return looks_.normal;
    case app::ButtonLook::kHover: return looks_.hover;
    case app::ButtonLook::kPressed: return looks_.pressed;
    case app::ButtonLook::kDisabled: return looks_.disabled;
    case app::ButtonLook::kAlternate: return looks_.alternate;
    case app::ButtonLook::kOverrideA: return overrideA_;
    case app::ButtonLook::kOverrideB: return overrideB_;
  }
  return nullptr;
}

void CPngButton::DrawLook(HDC dc, const RECT& client, const OffscreenPicture* picture) const {
  if (!picture || !picture->valid()) {
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  // The looks are cut one pixel up and left of the button's position, as the skins are drawn.
  ::BitBlt(dc, client.left, client.top, client.right - client.left, client.bottom - client.top,
           picture->dc(), origin_.x - 1, origin_.y - 1, SRCCOPY);
}

void CPngButton::DrawFrame(HDC dc, const RECT& client) const {
  UniquePen pen(::CreatePen(PS_SOLID, kFrameWidth, frameColour_));
  SelectedObject selectPen(dc, pen.get());
  SelectedObject selectBrush(dc, ::GetStockObject(NULL_BRUSH));
  ::Rectangle(dc, client.left + 1, client.top + 1, client.right - 1, client.bottom - 1);
}

void CPngButton::DrawCaption(HDC dc, const RECT& client) {
  const std::u16string text = WindowText(hwnd());
  if (text.empty()) return;
  SelectedObject selectFont(dc, CaptionFont());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, captionColour_);
  RECT area{client.left + margins_.left, client.top + margins_.top, client.right - margins_.right,
            client.bottom - margins_.bottom};
  if (bold_ && angle_ != 0) {
    // Rotated text: place its top-left so that the text's middle lands on the area's middle.
    SIZE size{};
    ::GetTextExtentPoint32W(dc, Wide(text), static_cast<int>(text.size()), &size);
    const double a = angle_ / 10.0 * std::numbers::pi / 180.0;
    const double cx = (area.left + area.right) / 2.0;
    const double cy = (area.top + area.bottom) / 2.0;
    const double x = cx - size.cx / 2.0 * std::cos(a) - size.cy / 2.0 * std::sin(a);
    const double y = cy + size.cx / 2.0 * std::sin(a) - size.cy / 2.0 * std::cos(a);
    ::TextOutW(dc, static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)), Wide(text),
               static_cast<int>(text.size()));
    return;
  }
  ::DrawTextW(dc, Wide(text), static_cast<int>(text.size()), &area, captionFormat_);
}

void CPngButton::Draw(HDC dc, const RECT& client) {
  const app::ButtonLook look = CurrentLook();
  if (frameOn_) {
    DrawFrame(dc, client);
  } else {
    DrawLook(dc, client, PictureFor(look));
  }
  if (captionOn_) DrawCaption(dc, client);
  if (paintCallback_) paintCallback_(hwnd(), look == app::ButtonLook::kNormal);
}

void CPngButton::RequestHoverTracking() const {
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof(track);
  track.dwFlags = TME_HOVER | TME_LEAVE;
  track.hwndTrack = hwnd();
  track.dwHoverTime = kHoverTimeMs;
  ::TrackMouseEvent(&track);
}

LRESULT CPngButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kReflectedDrawItem: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      pressed_ = (item->itemState & ODS_SELECTED) != 0;
      Draw(item->hDC, item->rcItem);
      return TRUE;
    }
    case WM_ERASEBKGND:
      return TRUE;  // the look covers the whole button
    case WM_MOUSEMOVE:
      if (hover_.OnMouseMove()) RequestHoverTracking();
      break;
    case WM_MOUSEHOVER:
      if (hover_.OnHover()) Redraw();
      break;
    case WM_MOUSELEAVE:
      if (hover_.OnLeave()) Redraw();
      break;
    case WM_LBUTTONDBLCLK:
      // A double click is two clicks: the second press is an ordinary press.
      return Default(WM_LBUTTONDOWN, wParam, lParam);
    case WM_ENABLE:
      Redraw();
      break;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace mv::ui

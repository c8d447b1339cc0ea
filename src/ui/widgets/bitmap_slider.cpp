// BitmapSlider: painting, dragging and the release notification.
#include "ui/widgets/bitmap_slider.h"

#include <windowsx.h>

#include "app/slider_steps.h"
#include "ui/framework/device_context.h"

namespace mv::ui {

void BitmapSlider::SetRange(int minimum, int maximum) {
  const app::SliderRange range = app::SliderRange::Between(minimum, maximum);
  minimum_ = range.minimum;
  maximum_ = range.maximum;
  SetPosition(position_);
}

void BitmapSlider::SetPositionPictures(std::vector<HBITMAP> pictures) {
  pictures_ = std::move(pictures);
  SetPosition(position_);
}

void BitmapSlider::SetPicture(HBITMAP picture) {
  picture_ = picture;
  if (hwnd()) ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void BitmapSlider::SetPosition(int position) {
  position_ = app::SliderRange{minimum_, maximum_}.Clamp(position);
  const std::size_t index = static_cast<std::size_t>(position_ - minimum_);
  if (index < pictures_.size() && pictures_[index]) picture_ = pictures_[index];
  if (hwnd()) ::InvalidateRect(hwnd(), nullptr, FALSE);
}

int BitmapSlider::PositionAt(int x, int width) const {
  return app::SliderRange{minimum_, maximum_}.PositionAt(x, width);
}

void BitmapSlider::Paint(HDC dc) const {
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  if (!picture_) {
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  BITMAP info{};
  ::GetObjectW(picture_, sizeof(info), &info);
  MemoryDc source(dc);
  SelectedObject selected(source.get(), picture_);
  ::SetStretchBltMode(dc, COLORONCOLOR);
  ::StretchBlt(dc, 0, 0, client.right, client.bottom, source.get(), 0, 0, info.bmWidth,
               info.bmHeight, SRCCOPY);
}

void BitmapSlider::Release() {
  ::PostMessageW(::GetParent(hwnd()), kSliderReleasedMessage, static_cast<WPARAM>(id()),
                 static_cast<LPARAM>(position_));
}

LRESULT BitmapSlider::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PaintDc paint(hwnd());
      Paint(paint.get());
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE: {
      if (message == WM_LBUTTONDOWN) {
        dragging_ = true;
        ::SetCapture(hwnd());
        ::SetFocus(hwnd());
      }
      if (!dragging_) break;
      RECT client{};
      ::GetClientRect(hwnd(), &client);
      const int at = PositionAt(GET_X_LPARAM(lParam), client.right);
      if (at != position_) SetPosition(at);
      return 0;
    }
    case WM_LBUTTONUP:
      if (!dragging_) break;
      dragging_ = false;
      ::ReleaseCapture();
      Release();
      return 0;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      break;
    case WM_KEYDOWN:
      if (wParam == VK_LEFT || wParam == VK_RIGHT) {
        SetPosition(position_ + (wParam == VK_RIGHT ? 1 : -1));
        Release();
        return 0;
      }
      break;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace mv::ui

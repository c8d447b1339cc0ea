// CSkinColorBtn drawing and mouse tracking.
#include "ui/skin/skin_color_btn.h"

#include "ui/framework/controls.h"
#include "ui/framework/device_context.h"
#include "ui/framework/gdi_handle.h"

namespace mv::ui {
namespace {
constexpr COLORREF kDropAreaGrey = RGB(148, 146, 139);
constexpr int kFocusOutset = 3;
}

void CSkinColorBtn::DrawFace(HDC dc, const RECT& rect, UINT itemState) {
  const int split = SwatchRight(rect);
  RECT swatch{rect.left, rect.top, split, rect.bottom};
  ::DrawEdge(dc, &swatch, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  COLORREF colour = ShownColour();
  if (::GetDeviceCaps(dc, BITSPIXEL) == 8) colour = ::GetNearestColor(dc, colour);
  UniqueBrush brush(::CreateSolidBrush(colour));
  ::FillRect(dc, &swatch, brush.get());

  RECT drop{split, rect.top, rect.right, rect.bottom};
  UniqueBrush grey(::CreateSolidBrush(kDropAreaGrey));
  ::FillRect(dc, &drop, grey.get());
  const int middle = (rect.top + rect.bottom) / 2;
  const POINT arrow[3] = {{rect.right - 11, middle - 2}, {rect.right - 5, middle - 2}, {rect.right - 8, middle + 1}};
  SelectedObject pen(dc, ::GetStockObject(BLACK_PEN));
  SelectedObject fill(dc, ::GetStockObject(BLACK_BRUSH));
  ::Polygon(dc, arrow, 3);

  if (itemState & ODS_FOCUS) {
    RECT focus{rect.left - kFocusOutset, rect.top - kFocusOutset, rect.right + kFocusOutset,
               rect.bottom + kFocusOutset};
    ::DrawFocusRect(dc, &focus);
  }
}

LRESULT CSkinColorBtn::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_HOVER | TME_LEAVE, hwnd(), HOVER_DEFAULT};
        tracking_ = ::TrackMouseEvent(&track) != FALSE;
      }
      break;
    case WM_MOUSELEAVE:
      tracking_ = false;
      ::InvalidateRect(hwnd(), nullptr, FALSE);
      break;
    case WM_KILLFOCUS:
      if (::GetCapture() == hwnd()) ::ReleaseCapture();
      Button(hwnd()).SetPushed(false);  // neither pressed nor highlighted
      ::InvalidateRect(hwnd(), nullptr, FALSE);
      break;
    default:
      break;
  }
  return ColourPickerButton::HandleMessage(message, wParam, lParam);
}

}  // namespace mv::ui

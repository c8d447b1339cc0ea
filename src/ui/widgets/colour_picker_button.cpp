// ColourPickerButton: the drop-down palette (a popup with its own little modal loop) and the
// "other" button's colour dialog.
#include "ui/widgets/colour_picker_button.h"

#include <commdlg.h>
#include <windowsx.h>

#include "ui/framework/controls.h"
#include "ui/framework/device_context.h"
#include "ui/framework/dialog.h"
#include "ui/framework/gdi_handle.h"
#include "ui/framework/popup_window.h"
#include "ui/framework/wide_text.h"

namespace mv::ui {
namespace {

constexpr int kCell = 18;
constexpr int kGap = 2;
constexpr int kButtonRow = 22;

// The usual 40-colour office palette, 4 rows of 10.
constexpr COLORREF kPalette[] = {
    RGB(0, 0, 0),       RGB(153, 51, 0),    RGB(51, 51, 0),     RGB(0, 51, 0),
    RGB(0, 51, 102),    RGB(0, 0, 128),     RGB(51, 51, 153),   RGB(51, 51, 51),
    RGB(128, 0, 0),     RGB(255, 102, 0),   RGB(128, 128, 0),   RGB(0, 128, 0),
    RGB(0, 128, 128),   RGB(0, 0, 255),     RGB(102, 102, 153), RGB(128, 128, 128),
    RGB(255, 0, 0),     RGB(255, 153, 0),   RGB(153, 204, 0),   RGB(51, 153, 102),
    RGB(51, 204, 204),  RGB(51, 102, 255),  RGB(128, 0, 128),   RGB(153, 153, 153),
    RGB(255, 0, 255),   RGB(255, 204, 0),   RGB(255, 255, 0),   RGB(0, 255, 0),
    RGB(0, 255, 255),   RGB(0, 204, 255),   RGB(153, 51, 102),  RGB(192, 192, 192),
    RGB(255, 153, 204), RGB(255, 204, 153), RGB(255, 255, 153), RGB(204, 255, 204),
    RGB(204, 255, 255), RGB(153, 204, 255), RGB(204, 153, 255), RGB(255, 255, 255),
};

enum class PaletteResult { kNone, kColour, kAutomatic, kOther };

// The drop-down: cells, an optional automatic row on top, the "other" row at the bottom.
class PalettePopup : public PopupWindow {
 public:
  PalettePopup(const std::vector<COLORREF>& colours, int columns, const std::u16string& automatic,
               const std::u16string& other)
      : colours_(colours), columns_(columns), automatic_(automatic), other_(other) {}

  SIZE Size() const {
    const int rows = (static_cast<int>(colours_.size()) + columns_ - 1) / columns_;
    const int top = automatic_.empty() ? 0 : kButtonRow;
    return SIZE{kGap + columns_ * (kCell + kGap), top + kGap + rows * (kCell + kGap) + kButtonRow};
  }

  PaletteResult Run(HWND owner, POINT at, COLORREF& chosen) {
    const SIZE size = Size();
    const RECT rect{at.x, at.y, at.x + size.cx, at.y + size.cy};
    if (!Create(L"MvColourPalette", WS_POPUP | WS_BORDER, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, rect, owner)) {
      return PaletteResult::kNone;
    }
    ::ShowWindow(hwnd(), SW_SHOWNA);
    ::SetCapture(hwnd());
    MSG msg{};
    while (!done_ && ::GetMessageW(&msg, nullptr, 0, 0) > 0) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    if (msg.message == WM_QUIT) ::PostQuitMessage(static_cast<int>(msg.wParam));
    if (::GetCapture() == hwnd()) ::ReleaseCapture();
    Destroy();
    chosen = chosen_;
    return result_;
  }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_PAINT: {
        PaintDc paint(hwnd());
        Paint(paint.get());
        return 0;
      }
      case WM_LBUTTONUP:
        Pick(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
      case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) Finish(PaletteResult::kNone);
        return 0;
      case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd()) Finish(PaletteResult::kNone);
        return 0;
      default:
        return PopupWindow::HandleMessage(message, wParam, lParam);
    }
  }

 private:
  int Top() const { return automatic_.empty() ? 0 : kButtonRow; }
  RECT CellRect(int i) const {
    const int x = kGap + (i % columns_) * (kCell + kGap);
    const int y = Top() + kGap + (i / columns_) * (kCell + kGap);
    return RECT{x, y, x + kCell, y + kCell};
  }
  RECT OtherRect() const {
    const SIZE s = Size();
    return RECT{kGap, s.cy - kButtonRow + kGap, s.cx - kGap, s.cy - kGap};
  }

  void Paint(HDC dc) const {
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    for (std::size_t i = 0; i < colours_.size(); ++i) {
      RECT r = CellRect(static_cast<int>(i));
      ::DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
      UniqueBrush brush(::CreateSolidBrush(colours_[i]));
      ::FillRect(dc, &r, brush.get());
    }
    ::SetBkMode(dc, TRANSPARENT);
    SelectedObject font(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    if (!automatic_.empty()) {
      RECT r{kGap, kGap, client.right - kGap, kButtonRow - kGap};
      ::DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
      ::DrawTextW(dc, Wide(automatic_), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    RECT other = OtherRect();
    ::DrawEdge(dc, &other, EDGE_RAISED, BF_RECT);
    ::DrawTextW(dc, Wide(other_), -1, &other, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }

  void Pick(POINT p) {
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    if (!::PtInRect(&client, p)) return Finish(PaletteResult::kNone);
    const RECT other = OtherRect();
    if (::PtInRect(&other, p)) return Finish(PaletteResult::kOther);
    if (!automatic_.empty() && p.y < kButtonRow) return Finish(PaletteResult::kAutomatic);
    for (std::size_t i = 0; i < colours_.size(); ++i) {
      const RECT r = CellRect(static_cast<int>(i));
      if (::PtInRect(&r, p)) {
        chosen_ = colours_[i];
        return Finish(PaletteResult::kColour);
      }
    }
  }

  void Finish(PaletteResult result) {
    if (done_) return;
    result_ = result;
    done_ = true;
  }

  const std::vector<COLORREF>& colours_;
  int columns_;
  std::u16string automatic_;
  std::u16string other_;
  bool done_ = false;
  PaletteResult result_ = PaletteResult::kNone;
  COLORREF chosen_ = 0;
};

}  // namespace

ColourPickerButton::ColourPickerButton() : palette_(std::begin(kPalette), std::end(kPalette)) {
  customColours_.fill(RGB(255, 255, 255));
}

void ColourPickerButton::OnAttached() {
  const LONG_PTR style = ::GetWindowLongPtrW(hwnd(), GWL_STYLE);
  ::SetWindowLongPtrW(hwnd(), GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
}

void ColourPickerButton::SetColour(COLORREF colour) {
  colour_ = colour;
  if (hwnd()) ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void ColourPickerButton::Choose(COLORREF colour) {
  SetColour(colour);
  ::SendMessageW(::GetParent(hwnd()), WM_COMMAND, MAKEWPARAM(id(), kColourPickerSelEndOk),
                 reinterpret_cast<LPARAM>(hwnd()));
}

bool ColourPickerButton::ChooseOther() {
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof(cc);
  cc.hwndOwner = ::GetParent(hwnd());
  cc.rgbResult = ShownColour();
  cc.lpCustColors = customColours_.data();
  cc.Flags = CC_FULLOPEN | CC_RGBINIT | CC_ANYCOLOR;
  if (!::ChooseColorW(&cc)) return false;
  Choose(cc.rgbResult);
  return true;
}

bool ColourPickerButton::DropDown() {
  RECT r{};
  ::GetWindowRect(hwnd(), &r);
  PalettePopup popup(palette_, columns_, automaticText_, otherText_);
  COLORREF chosen = 0;
  switch (popup.Run(hwnd(), POINT{r.left, r.bottom}, chosen)) {
    case PaletteResult::kColour:
      Choose(chosen);
      return true;
    case PaletteResult::kAutomatic:
      Choose(kAutomaticColour);
      return true;
    case PaletteResult::kOther:
      return ChooseOther();
    case PaletteResult::kNone:
      break;
  }
  ::InvalidateRect(hwnd(), nullptr, FALSE);
  return false;
}

void ColourPickerButton::DrawFace(HDC dc, const RECT& rect, UINT itemState) {
  RECT face = rect;
  ::DrawFrameControl(dc, &face, DFC_BUTTON,
                     DFCS_BUTTONPUSH | ((itemState & ODS_SELECTED) ? DFCS_PUSHED : 0));
  RECT swatch{rect.left + 4, rect.top + 4, rect.right - 16, rect.bottom - 4};
  UniqueBrush brush(::CreateSolidBrush(ShownColour()));
  ::FillRect(dc, &swatch, brush.get());
}

LRESULT ColourPickerButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kReflectedDrawItem: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      DrawFace(item->hDC, item->rcItem, item->itemState);
      return TRUE;
    }
    case WM_LBUTTONUP: {
      const bool pushed = Button(hwnd()).pushed();
      const LRESULT result = Default(message, wParam, lParam);
      if (pushed) DropDown();
      return result;
    }
    case WM_KEYUP:
      if (wParam == VK_SPACE) {
        const LRESULT result = Default(message, wParam, lParam);
        DropDown();
        return result;
      }
      break;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace mv::ui

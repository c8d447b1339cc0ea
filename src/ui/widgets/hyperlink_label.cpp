// HyperlinkLabel.
#include "ui/widgets/hyperlink_label.h"

#include <shellapi.h>

#include "ui/framework/controls.h"
#include "ui/framework/device_context.h"
#include "ui/framework/wide_text.h"

namespace mv::ui {
namespace {
constexpr COLORREF kLinkColour = RGB(0, 102, 204);
}

void HyperlinkLabel::SetUrl(const std::u16string& url) {
  url_ = url;
  if (hwnd() && WindowText(hwnd()).empty()) SetWindowTextU16(hwnd(), url_);
  if (hwnd()) ::InvalidateRect(hwnd(), nullptr, TRUE);
}

bool HyperlinkLabel::Open() const {
  if (url_.empty()) return false;
  const auto result = reinterpret_cast<INT_PTR>(
      ::ShellExecuteW(hwnd(), L"open", Wide(url_), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

void HyperlinkLabel::Paint(HDC dc) {
  if (!underlined_) {
    const HFONT base = Control(hwnd()).Font();
    LOGFONTW lf{};
    ::GetObjectW(base ? static_cast<HGDIOBJ>(base) : ::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfUnderline = TRUE;
    underlined_.Reset(::CreateFontIndirectW(&lf));
  }
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  HWND parent = ::GetParent(hwnd());
  // Let the dialog paint behind us (skinned parents have no plain background).
  HBRUSH brush = reinterpret_cast<HBRUSH>(::SendMessageW(parent, WM_CTLCOLORSTATIC,
                                                         reinterpret_cast<WPARAM>(dc),
                                                         reinterpret_cast<LPARAM>(hwnd())));
  ::FillRect(dc, &client, brush ? brush : ::GetSysColorBrush(COLOR_BTNFACE));
  SelectedObject font(dc, underlined_.get());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, kLinkColour);
  const std::u16string text = WindowText(hwnd());
  ::DrawTextW(dc, Wide(text), static_cast<int>(text.size()), &client,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}

LRESULT HyperlinkLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PaintDc paint(hwnd());
      Paint(paint.get());
      return 0;
    }
    case WM_SETCURSOR:
      ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
      return TRUE;
    case WM_LBUTTONUP:
      Open();
      return 0;
    case WM_SETFONT:
      underlined_.Reset();
      break;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace mv::ui

// Dark colours for the common controls of the skinned windows.
#include "ui/skin/skin_colours.h"

#include <commctrl.h>

#include <array>

#include "ui/framework/controls.h"
#include "ui/framework/device_context.h"
#include "ui/framework/wide_text.h"

namespace mv::ui {
namespace {

bool IsEditControl(HWND control) {
  std::array<wchar_t, 16> name{};
  return ::GetClassNameW(control, name.data(), static_cast<int>(name.size())) > 0 &&
         ::lstrcmpiW(name.data(), WC_EDITW) == 0;
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  ::SetBkColor(dc, colour);
  ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void FrameSolid(HDC dc, const RECT& r, COLORREF colour) {
  FillSolid(dc, RECT{r.left, r.top, r.right, r.top + 1}, colour);
  FillSolid(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, colour);
  FillSolid(dc, RECT{r.left, r.top, r.left + 1, r.bottom}, colour);
  FillSolid(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, colour);
}

// Messages after which the combo box draws its face itself, outside WM_PAINT.
bool ComboDrawsAfter(UINT message) {
  switch (message) {
    case CB_SETCURSEL:
    case CB_SELECTSTRING:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_KEYDOWN:
    case WM_SETTEXT:
    case WM_SETFONT:
      return true;
    default:
      return false;
  }
}

// A line after every column and under every row, down to the list's bottom, as the list's own grid.
void DrawListGrid(const ListView& list, HDC dc, COLORREF colour) {
  RECT client{};
  ::GetClientRect(list.hwnd(), &client);
  const Header header = list.header();
  if (header && ::IsWindowVisible(header.hwnd())) {
    RECT headerRect{};
    ::GetWindowRect(header.hwnd(), &headerRect);
    client.top += headerRect.bottom - headerRect.top;
  }
  int x = -list.Origin().x;
  const int columns = header ? header.count() : 0;
  for (int i = 0; i < columns; ++i) {
    x += list.ColumnWidth(i);
    FillSolid(dc, RECT{x - 1, client.top, x, client.bottom}, colour);
  }
  if (list.count() == 0) return;
  const std::optional<RECT> first = list.ItemRect(0);
  if (!first) return;
  const int rowHeight = first->bottom - first->top;
  if (rowHeight <= 0) return;
  for (int y = first->bottom - 1; y < client.bottom; y += rowHeight)
    if (y >= client.top) FillSolid(dc, RECT{client.left, y, client.right, y + 1}, colour);
}

}  // namespace

SkinColourBrushes::SkinColourBrushes(const SkinColours& colours)
    : colours_(colours), field_(::CreateSolidBrush(colours.field)) {}

HBRUSH SkinColourBrushes::Field(HDC dc) const {
  ::SetTextColor(dc, colours_.text);
  ::SetBkColor(dc, colours_.field);
  ::SetBkMode(dc, OPAQUE);
  return field_.get();
}

HBRUSH SkinColourBrushes::Label(HDC dc) const {
  ::SetTextColor(dc, colours_.text);
  ::SetBkMode(dc, TRANSPARENT);
  return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

HBRUSH SkinColourBrushes::Answer(UINT message, HDC dc, HWND control) const {
  switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return Field(dc);
    case WM_CTLCOLORSTATIC:
      return IsEditControl(control) ? Field(dc) : Label(dc);
    default:
      return nullptr;
  }
}

void ThemeListView(HWND list, COLORREF background, COLORREF text) { ListView(list).SetColours(background, text); }

LRESULT SkinListCustomDraw(NMHDR* header, const SkinListLook& look, const SkinColours& colours) {
  auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
  switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW | (look.gridLines ? CDRF_NOTIFYPOSTPAINT : 0);
    case CDDS_ITEMPREPAINT:
      return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
      const int column = draw->iSubItem;
      const bool muted = column >= 0 && column < 32 && ((look.mutedColumns >> column) & 1u);
      draw->clrText = muted ? colours.mutedText : colours.text;
      draw->clrTextBk = look.background;
      return CDRF_DODEFAULT;
    }
    case CDDS_POSTPAINT:
      DrawListGrid(ListView(header->hwndFrom), draw->nmcd.hdc, colours.border);
      return CDRF_DODEFAULT;
    default:
      return CDRF_DODEFAULT;
  }
}

void DropControlFrame(HWND control) {
  const LONG_PTR style = ::GetWindowLongPtrW(control, GWL_STYLE);
  const LONG_PTR exStyle = ::GetWindowLongPtrW(control, GWL_EXSTYLE);
  ::SetWindowLongPtrW(control, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_BORDER));
  ::SetWindowLongPtrW(control, GWL_EXSTYLE,
                      exStyle & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
  ::SetWindowPos(control, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

LRESULT SkinPaintedControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PaintDc dc(hwnd());
      Paint(dc.get());
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    default:
      return OnOtherMessage(message, wParam, lParam);
  }
}

void SkinHeader::Paint(HDC dc) const {
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  FillSolid(dc, client, colours_.header);
  const HFONT font = Control(hwnd()).Font();
  SelectedObject selectFont(dc, font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT));
  const int count = Header(hwnd()).count();
  for (int i = 0; i < count; ++i) PaintItem(dc, i);
  RECT line = client;
  line.top = line.bottom - 1;
  FillSolid(dc, line, colours_.border);
}

void SkinHeader::PaintItem(HDC dc, int index) const {
  const Header header(hwnd());
  const std::optional<RECT> rect = header.ItemRect(index);
  const std::optional<Header::Item> info = rect ? header.GetItem(index) : std::nullopt;
  if (!info) return;
  const RECT item = *rect;

  RECT divider = item;
  divider.left = divider.right - 1;
  FillSolid(dc, divider, colours_.border);

  RECT textRect = item;
  ::InflateRect(&textRect, -6, 0);
  UINT align = DT_LEFT;
  if ((info->format & HDF_JUSTIFYMASK) == HDF_CENTER) align = DT_CENTER;
  if ((info->format & HDF_JUSTIFYMASK) == HDF_RIGHT) align = DT_RIGHT;
  ::SetTextColor(dc, colours_.text);
  ::SetBkMode(dc, TRANSPARENT);
  ::DrawTextW(dc, Wide(info->text), -1, &textRect, align | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}

LRESULT SkinComboBox::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = Default(message, wParam, lParam);
  if (ComboDrawsAfter(message)) ::InvalidateRect(hwnd(), nullptr, FALSE);
  return result;
}

void SkinComboBox::Paint(HDC dc) const {
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  FillSolid(dc, client, colours_.field);
  FrameSolid(dc, client, colours_.border);
  RECT button = client;
  button.left = button.right - ::GetSystemMetrics(SM_CXVSCROLL);
  PaintArrow(dc, button);

  const LONG_PTR style = ::GetWindowLongPtrW(hwnd(), GWL_STYLE);
  if ((style & 3) != CBS_DROPDOWNLIST) return;  // a drop-down combo's edit draws the text
  const ComboBox box(hwnd());
  const int selected = box.selection();
  if (selected < 0) return;
  const std::u16string text = box.ItemText(selected);
  const HFONT font = box.Font();
  SelectedObject selectFont(dc, font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT));
  RECT textRect{client.left + 8, client.top, button.left - 4, client.bottom};
  ::SetTextColor(dc, ::IsWindowEnabled(hwnd()) ? colours_.text : colours_.mutedText);
  ::SetBkMode(dc, TRANSPARENT);
  ::DrawTextW(dc, Wide(text), -1, &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void SkinComboBox::PaintArrow(HDC dc, const RECT& button) const {
  const int cx = (button.left + button.right) / 2;
  const int cy = (button.top + button.bottom) / 2;
  const POINT points[] = {{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}};
  UniqueBrush brush(::CreateSolidBrush(colours_.mutedText));
  UniquePen pen(::CreatePen(PS_SOLID, 1, colours_.mutedText));
  SelectedObject selectBrush(dc, brush.get());
  SelectedObject selectPen(dc, pen.get());
  ::Polygon(dc, points, 3);
}

void SkinEditFrame::OnAttached() {
  const LONG_PTR style = ::GetWindowLongPtrW(hwnd(), GWL_STYLE);
  const LONG_PTR exStyle = ::GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
  ::SetWindowLongPtrW(hwnd(), GWL_STYLE, style | WS_BORDER);
  ::SetWindowLongPtrW(hwnd(), GWL_EXSTYLE,
                      exStyle & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
  ::SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

LRESULT SkinEditFrame::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_NCPAINT) return Default(message, wParam, lParam);
  const WindowDc dc(hwnd());
  if (!dc.get()) return 0;
  RECT window{};
  ::GetWindowRect(hwnd(), &window);
  ::OffsetRect(&window, -window.left, -window.top);
  FrameSolid(dc.get(), window, colours_.border);
  return 0;
}

}  // namespace mv::ui

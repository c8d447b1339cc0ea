// The control wrappers' calls that need more than one message or a buffer.
#include "ui/framework/controls.h"

#include <iterator>

#include "ui/framework/dialog.h"
#include "ui/framework/wide_text.h"

namespace mv::ui {
namespace {

// Window messages take terminated texts; a view need not be one.
std::u16string Terminated(std::u16string_view text) { return std::u16string(text); }

LPARAM TextParam(const std::u16string& text) { return reinterpret_cast<LPARAM>(Wide(text)); }

}  // namespace

Control::Control(const Dialog& dialog, int id) : hwnd_(dialog.Item(id)) {}

std::u16string Control::Text() const { return WindowText(hwnd_); }

void Control::SetText(std::u16string_view text) const { SetWindowTextU16(hwnd_, Terminated(text)); }

// --- ComboBox ------------------------------------------------------------------------------------

int ComboBox::Add(std::u16string_view text) const {
  const LRESULT index = Send(CB_ADDSTRING, 0, TextParam(Terminated(text)));
  return index < 0 ? -1 : static_cast<int>(index);
}

int ComboBox::Insert(int index, std::u16string_view text) const {
  const LRESULT at = Send(CB_INSERTSTRING, static_cast<WPARAM>(index), TextParam(Terminated(text)));
  return at < 0 ? -1 : static_cast<int>(at);
}

int ComboBox::Delete(int index) const {
  const LRESULT left = Send(CB_DELETESTRING, static_cast<WPARAM>(index));
  return left < 0 ? -1 : static_cast<int>(left);
}

bool ComboBox::SetSelection(int index) const {
  // The control answers the index it selected, or CB_ERR (which is also -1) for none.
  return Send(CB_SETCURSEL, static_cast<WPARAM>(index)) == index;
}

std::u16string ComboBox::ItemText(int index) const {
  const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length <= 0) return {};
  std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
  const LRESULT copied = Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

int ComboBox::FindExact(std::u16string_view text, int after) const {
  const LRESULT found = Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(after), TextParam(Terminated(text)));
  return found < 0 ? -1 : static_cast<int>(found);
}

// --- Edit ----------------------------------------------------------------------------------------

std::optional<int> Edit::Number() const {
  BOOL ok = FALSE;
  const UINT value = ::GetDlgItemInt(::GetParent(hwnd()), id(), &ok, TRUE);
  if (!ok) return std::nullopt;
  return static_cast<int>(value);
}

void Edit::SetNumber(int value) const { ::SetDlgItemInt(::GetParent(hwnd()), id(), static_cast<UINT>(value), TRUE); }

std::pair<int, int> Edit::selection() const {
  DWORD start = 0;
  DWORD end = 0;
  Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {static_cast<int>(start), static_cast<int>(end)};
}

// --- Header --------------------------------------------------------------------------------------

std::optional<RECT> Header::ItemRect(int index) const {
  RECT rect{};
  if (!Send(HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect))) return std::nullopt;
  return rect;
}

std::optional<Header::Item> Header::GetItem(int index) const {
  // Column titles are short; a longer one is cut.
  wchar_t buffer[260] = {};
  HDITEMW info{};
  info.mask = HDI_TEXT | HDI_FORMAT;
  info.pszText = buffer;
  info.cchTextMax = static_cast<int>(std::size(buffer));
  if (!Send(HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info))) return std::nullopt;
  return Item{FromWide(buffer), info.fmt};
}

// --- ListView ------------------------------------------------------------------------------------

int ListView::InsertColumn(int index, std::u16string_view title, int width, int format) const {
  std::u16string text = Terminated(title);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
  column.fmt = format;
  column.cx = width;
  column.iSubItem = index;
  column.pszText = reinterpret_cast<wchar_t*>(text.data());
  const LRESULT at = Send(LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
  return at < 0 ? -1 : static_cast<int>(at);
}

int ListView::InsertItem(int row, std::u16string_view text, LPARAM data) const {
  std::u16string cell = Terminated(text);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = row;
  item.pszText = reinterpret_cast<wchar_t*>(cell.data());
  item.lParam = data;
  const LRESULT at = Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  return at < 0 ? -1 : static_cast<int>(at);
}

bool ListView::SetItemText(int row, int column, std::u16string_view text) const {
  std::u16string cell = Terminated(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = reinterpret_cast<wchar_t*>(cell.data());
  return Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)) != FALSE;
}

std::u16string ListView::ItemText(int row, int column) const {
  // The control reports only how much it copied: grow until the text fits with room to spare.
  std::u16string text(128, u'\0');
  for (;;) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<wchar_t*>(text.data());
    item.cchTextMax = static_cast<int>(text.size());
    const LRESULT copied = Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    if (copied < 0) return {};
    if (static_cast<std::size_t>(copied) + 1 < text.size() || text.size() >= 0x10000) {
      text.resize(static_cast<std::size_t>(copied));
      return text;
    }
    text.assign(text.size() * 2, u'\0');
  }
}

LPARAM ListView::itemData(int row) const {
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  if (!Send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return 0;
  return item.lParam;
}

bool ListView::SetItemData(int row, LPARAM data) const {
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  item.lParam = data;
  return Send(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item)) != FALSE;
}

void ListView::SetSelection(int row) const {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = 0;
  Send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));  // -1: every row
  if (row < 0) return;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

bool ListView::checked(int row) const {
  // State image 2 is the ticked box, 1 the empty one.
  const auto state = static_cast<UINT>(Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
  return (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
}

void ListView::SetChecked(int row, bool checked) const {
  LVITEMW item{};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
  Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void ListView::SetColours(COLORREF background, COLORREF text) const {
  Send(LVM_SETBKCOLOR, 0, static_cast<LPARAM>(background));
  Send(LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(background));
  Send(LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(text));
}

std::optional<RECT> ListView::ItemRect(int row, int area) const {
  RECT rect{};
  rect.left = area;
  if (!Send(LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect))) return std::nullopt;
  return rect;
}

std::optional<RECT> ListView::SubItemRect(int row, int column, int area) const {
  RECT rect{};
  rect.top = column;
  rect.left = area;
  if (!Send(LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect))) return std::nullopt;
  return rect;
}

std::pair<int, int> ListView::SubItemHitTest(POINT point) const {
  LVHITTESTINFO hit{};
  hit.pt = point;
  Send(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  return {hit.iItem, hit.iSubItem};
}

POINT ListView::Origin() const {
  POINT origin{};
  Send(LVM_GETORIGIN, 0, reinterpret_cast<LPARAM>(&origin));
  return origin;
}

}  // namespace mv::ui

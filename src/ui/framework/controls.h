// Thin typed wrappers over the stock controls' messages: drop-down list, edit, list view and its
// header, push button, check box and label. They own nothing: each holds the control's HWND, is
// copied freely and made where needed from the HWND or from the dialog and the control's id.
// Texts cross as UTF-16 strings; indexes are ints with -1 for "none", as the controls answer.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace mv::ui {

class Dialog;

// What every control has: its window, text, font, enabled and shown state.
class Control {
 public:
  Control() = default;
  explicit Control(HWND window) : hwnd_(window) {}
  Control(HWND parent, int id) : hwnd_(::GetDlgItem(parent, id)) {}
  Control(const Dialog& dialog, int id);

  HWND hwnd() const { return hwnd_; }
  explicit operator bool() const { return hwnd_ != nullptr; }
  int id() const { return ::GetDlgCtrlID(hwnd_); }

  std::u16string Text() const;
  void SetText(std::u16string_view text) const;
  HFONT Font() const { return reinterpret_cast<HFONT>(Send(WM_GETFONT)); }
  // The control does not own the font: it must outlive the control or be replaced first.
  void SetFont(HFONT font, bool redraw = true) const {
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
  }
  bool enabled() const { return ::IsWindowEnabled(hwnd_) != FALSE; }
  void Enable(bool enable) const { ::EnableWindow(hwnd_, enable ? TRUE : FALSE); }
  void Show(bool show) const { ::ShowWindow(hwnd_, show ? SW_SHOW : SW_HIDE); }

 protected:
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageW(hwnd_, message, wParam, lParam);
  }

 private:
  HWND hwnd_ = nullptr;
};

// A drop-down list or drop-down combo box (the CB_ messages).
class ComboBox : public Control {
 public:
  using Control::Control;

  // The new entry's index (sorted boxes put it in order), or -1 when it could not be added.
  int Add(std::u16string_view text) const;
  // Inserts at index (-1 appends) without sorting; the index, or -1.
  int Insert(int index, std::u16string_view text) const;
  // Removes the entry; the number left, or -1 when there was no such entry.
  int Delete(int index) const;
  void Reset() const { Send(CB_RESETCONTENT); }
  int count() const { return static_cast<int>(Send(CB_GETCOUNT)); }

  int selection() const { return static_cast<int>(Send(CB_GETCURSEL)); }
  // -1 clears the selection. False when the index is not an entry.
  bool SetSelection(int index) const;

  LPARAM itemData(int index) const { return static_cast<LPARAM>(Send(CB_GETITEMDATA, static_cast<WPARAM>(index))); }
  bool SetItemData(int index, LPARAM data) const {
    return Send(CB_SETITEMDATA, static_cast<WPARAM>(index), data) != CB_ERR;
  }
  // Empty when the index is not an entry.
  std::u16string ItemText(int index) const;
  // The first entry after `after` (-1: from the top) whose text equals text, ignoring case as
  // the control does; -1 when none.
  int FindExact(std::u16string_view text, int after = -1) const;

  void ShowDropDown(bool show) const { Send(CB_SHOWDROPDOWN, show ? TRUE : FALSE); }
};

// A single-line edit (the EM_ messages and its text as a number).
class Edit : public Control {
 public:
  using Control::Control;

  // At most units UTF-16 units typed or pasted; 0 restores the control's own limit.
  void LimitText(int units) const { Send(EM_SETLIMITTEXT, static_cast<WPARAM>(units)); }
  // The text as a signed decimal number, read by the system's own rule for dialog numbers
  // (GetDlgItemInt, through the parent); nothing when it is not one.
  std::optional<int> Number() const;
  void SetNumber(int value) const;

  bool readOnly() const { return (::GetWindowLongPtrW(hwnd(), GWL_STYLE) & ES_READONLY) != 0; }
  void SetReadOnly(bool readOnly) const { Send(EM_SETREADONLY, readOnly ? TRUE : FALSE); }

  // The selected units as [start, end).
  std::pair<int, int> selection() const;
  // end -1 selects to the end; start -1 removes the selection.
  void SetSelection(int start, int end) const { Send(EM_SETSEL, static_cast<WPARAM>(start), end); }
  void SelectAll() const { SetSelection(0, -1); }
};

// A list view's column header (the HDM_ messages a skin painter and a cell editor need).
class Header : public Control {
 public:
  using Control::Control;

  struct Item {
    std::u16string text;
    int format = 0;  // HDF_ alignment and flags
  };

  int count() const { return static_cast<int>(Send(HDM_GETITEMCOUNT)); }
  // Nothing when the index is not a column.
  std::optional<RECT> ItemRect(int index) const;
  // Nothing when the index is not a column.
  std::optional<Item> GetItem(int index) const;
};

// A report-style list view (the LVM_ messages).
class ListView : public Control {
 public:
  using Control::Control;

  // The new column's index, or -1.
  int InsertColumn(int index, std::u16string_view title, int width, int format = LVCFMT_LEFT) const;
  int columnCount() const { return header().count(); }
  int ColumnWidth(int column) const { return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column))); }
  Header header() const { return Header(reinterpret_cast<HWND>(Send(LVM_GETHEADER))); }

  // Inserts a row with its first cell's text and data; the new row's index, or -1.
  int InsertItem(int row, std::u16string_view text, LPARAM data = 0) const;
  bool SetItemText(int row, int column, std::u16string_view text) const;
  // The whole cell text, however long; empty when the cell does not exist.
  std::u16string ItemText(int row, int column) const;
  int count() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
  bool Delete(int row) const { return Send(LVM_DELETEITEM, static_cast<WPARAM>(row)) != FALSE; }
  bool DeleteAll() const { return Send(LVM_DELETEALLITEMS) != FALSE; }

  LPARAM itemData(int row) const;
  bool SetItemData(int row, LPARAM data) const;

  // The first selected row, or -1.
  int selection() const { return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)); }
  // Selects and focuses only this row; -1 clears the selection.
  void SetSelection(int row) const;
  bool EnsureVisible(int row) const { return Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE) != FALSE; }

  // The state-image tick of a list with LVS_EX_CHECKBOXES.
  bool checked(int row) const;
  void SetChecked(int row, bool checked) const;

  DWORD extendedStyle() const { return static_cast<DWORD>(Send(LVM_GETEXTENDEDLISTVIEWSTYLE)); }
  // Sets the bits of mask to style (mask 0: every bit).
  void SetExtendedStyle(DWORD style, DWORD mask = 0) const { Send(LVM_SETEXTENDEDLISTVIEWSTYLE, mask, style); }

  // The list's background, its entries' background and their text colour.
  void SetColours(COLORREF background, COLORREF text) const;

  // area: LVIR_BOUNDS, LVIR_LABEL, ... Nothing when the row does not exist.
  std::optional<RECT> ItemRect(int row, int area = LVIR_BOUNDS) const;
  // For column 0 the whole row, as the control answers.
  std::optional<RECT> SubItemRect(int row, int column, int area = LVIR_BOUNDS) const;
  // Row and column under a client point; row -1 when none.
  std::pair<int, int> SubItemHitTest(POINT point) const;
  POINT Origin() const;
};

// A push button: its pressed look (BM_GETSTATE / BM_SETSTATE).
class Button : public Control {
 public:
  using Control::Control;

  bool pushed() const { return (Send(BM_GETSTATE) & BST_PUSHED) != 0; }
  void SetPushed(bool pushed) const { Send(BM_SETSTATE, pushed ? TRUE : FALSE); }
};

// A check box (BS_CHECKBOX or BS_AUTOCHECKBOX).
class CheckBox : public Button {
 public:
  using Button::Button;

  bool checked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
  void SetChecked(bool checked) const { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
};

// A static label: its text (Control) or, with SS_BITMAP, its picture.
class Label : public Control {
 public:
  using Control::Control;

  // The label does not own the picture: the caller keeps it alive while it is shown and deletes
  // it afterwards. Returns the picture shown before; when that is not one the caller gave, it is
  // the control's own copy (it copies 32-bit pictures with alpha) and the caller's to delete.
  HBITMAP SetImage(HBITMAP bitmap) const {
    return reinterpret_cast<HBITMAP>(Send(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
  }
  HBITMAP image() const { return reinterpret_cast<HBITMAP>(Send(STM_GETIMAGE, IMAGE_BITMAP)); }
};

}  // namespace mv::ui

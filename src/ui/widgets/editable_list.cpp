// EditableList: the in-place editors and their life.
#include "ui/widgets/editable_list.h"

#include <commctrl.h>
#include <windowsx.h>

#include "ui/framework/wide_text.h"

namespace mv::ui {
namespace {
// Posted to the list so an editor is never destroyed inside its own message handler.
constexpr UINT kFinishEditMessage = WM_APP + 0x2E1;
constexpr UINT_PTR kEditorId = 0x2E1;
}  // namespace

// The editor window with its keys watched.
class EditableList::EditorHook : public SubclassedWindow {
 public:
  EditorHook(HWND list, int row, int column, bool dropList)
      : list_(list), row_(row), column_(column), dropList_(dropList) {}
  ~EditorHook() override {
    HWND window = hwnd();
    Detach();
    if (window) ::DestroyWindow(window);
  }
  int row() const { return row_; }
  int column() const { return column_; }
  bool dropList() const { return dropList_; }

  CellEditResult Result() const {
    CellEditResult r{row_, column_, WindowText(hwnd()), -1};
    if (dropList_) r.selected = static_cast<int>(::SendMessageW(hwnd(), CB_GETCURSEL, 0, 0));
    return r;
  }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS | Default(message, wParam, lParam);
      case WM_KEYDOWN:
        if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
          ::PostMessageW(list_, kFinishEditMessage, wParam == VK_RETURN ? 1 : 0, 0);
          return 0;
        }
        break;
      case WM_KILLFOCUS:
        ::PostMessageW(list_, kFinishEditMessage, 1, 0);
        break;
      default:
        break;
    }
    return Default(message, wParam, lParam);
  }

 private:
  HWND list_;
  int row_;
  int column_;
  bool dropList_;
};

EditableList::EditableList() = default;
EditableList::~EditableList() { editor_.reset(); }

void EditableList::SetCallbacks(StartEdit start, Accept accept, Cancel cancel) {
  start_ = std::move(start);
  accept_ = std::move(accept);
  cancel_ = std::move(cancel);
}

HWND EditableList::editorWindow() const { return editor_ ? editor_->hwnd() : nullptr; }

RECT EditableList::CellRect(int row, int column) const {
  RECT r{};
  r.top = column;
  r.left = LVIR_BOUNDS;
  ::SendMessageW(hwnd(), LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
  if (column == 0) {
    // Column 0's bounds are the whole row; cut it to the column's width.
    r.right = r.left + static_cast<int>(::SendMessageW(hwnd(), LVM_GETCOLUMNWIDTH, 0, 0));
  }
  return r;
}

bool EditableList::BeginEdit(int row, int column) {
  EndEdit(true);
  if (!start_ || !hwnd()) return false;
  const int rows = static_cast<int>(::SendMessageW(hwnd(), LVM_GETITEMCOUNT, 0, 0));
  HWND header = reinterpret_cast<HWND>(::SendMessageW(hwnd(), LVM_GETHEADER, 0, 0));
  const int columns = header ? static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  if (row < 0 || row >= rows || column < 0 || column >= columns) return false;
  const CellEditor spec = start_(row, column);
  if (spec.kind == CellEditor::Kind::kNone) return false;

  const RECT cell = CellRect(row, column);
  const int cellHeight = cell.bottom - cell.top;
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  HFONT font = reinterpret_cast<HFONT>(::SendMessageW(hwnd(), WM_GETFONT, 0, 0));
  HWND window = nullptr;
  const bool dropList = spec.kind == CellEditor::Kind::kDropList;
  if (dropList) {
    const DWORD style = WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | (spec.verticalScroll ? WS_VSCROLL : 0);
    window = ::CreateWindowExW(0, WC_COMBOBOXW, L"", style, cell.left, cell.top, cell.right - cell.left,
                               cellHeight * (spec.visibleCells + 1), hwnd(),
                               reinterpret_cast<HMENU>(kEditorId), instance, nullptr);
  } else {
    const std::u16string text = [&] {
      wchar_t buffer[260] = {};
      LVITEMW item{};
      item.iSubItem = column;
      item.pszText = buffer;
      item.cchTextMax = 260;
      ::SendMessageW(hwnd(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
      return FromWide(buffer);
    }();
    window = ::CreateWindowExW(0, WC_EDITW, Wide(text), WS_CHILD | WS_VISIBLE | WS_BORDER | ES_NUMBER | ES_AUTOHSCROLL,
                               cell.left, cell.top, cell.right - cell.left, cellHeight, hwnd(),
                               reinterpret_cast<HMENU>(kEditorId), instance, nullptr);
  }
  if (!window) return false;
  ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (dropList) {
    for (const std::u16string& item : spec.items) {
      ::SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item)));
    }
    ::SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(spec.selected), 0);
  } else {
    ::SendMessageW(window, EM_SETSEL, 0, -1);
  }
  editor_ = std::make_unique<EditorHook>(hwnd(), row, column, dropList);
  editor_->Attach(window);
  ::SetFocus(window);
  if (dropList && spec.openAtOnce) ::SendMessageW(window, CB_SHOWDROPDOWN, TRUE, 0);
  return true;
}

void EditableList::EndEdit(bool accept) {
  if (!editor_) return;
  std::unique_ptr<EditorHook> editor = std::move(editor_);  // a callback may start a new edit
  const CellEditResult result = editor->Result();
  if (accept && accept_) accept_(result);
  if (!accept && cancel_) cancel_(result);
  editor.reset();
}

LRESULT EditableList::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kFinishEditMessage:
      EndEdit(wParam != 0);
      return 0;
    case WM_LBUTTONDBLCLK: {
      LVHITTESTINFO hit{};
      hit.pt = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ::SendMessageW(hwnd(), LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
      if (hit.iItem >= 0 && BeginEdit(hit.iItem, hit.iSubItem)) return 0;
      break;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kEditorId) {
        const WORD code = HIWORD(wParam);
        if (code == CBN_SELENDOK) ::PostMessageW(hwnd(), kFinishEditMessage, 1, 0);
        if (code == CBN_SELENDCANCEL) ::PostMessageW(hwnd(), kFinishEditMessage, 0, 0);
        return 0;
      }
      break;
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
      EndEdit(true);  // the editor would no longer sit on its cell
      break;
    case WM_NCDESTROY:
      editor_.reset();
      break;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace mv::ui

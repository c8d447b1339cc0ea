// EditableList: the in-place editors and their life.
#include "ui/widgets/editable_list.h"

#include <commctrl.h>
#include <windowsx.h>

#include "ui/framework/controls.h"
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
  EditorHook(HWND list, HWND editor, int row, int column, bool dropList)
      : list_(list), window_(editor), row_(row), column_(column), dropList_(dropList) {
    Attach(editor);
  }
  // Unhooked first, so that the editor's last messages (focus loss) end no edit.
  ~EditorHook() override { Detach(); }
  int row() const { return row_; }
  int column() const { return column_; }
  bool dropList() const { return dropList_; }

  CellEditResult Result() const {
    CellEditResult r{row_, column_, WindowText(hwnd()), -1};
    if (dropList_) r.selected = ComboBox(hwnd()).selection();
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
      case WM_NCDESTROY:
        (void)window_.Release();  // destroyed with the list
        break;
      default:
        break;
    }
    return Default(message, wParam, lParam);
  }

 private:
  HWND list_;
  UniqueWindow window_;
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
  const ListView list(hwnd());
  RECT r = list.SubItemRect(row, column).value_or(RECT{});
  // Column 0's bounds are the whole row; cut it to the column's width.
  if (column == 0) r.right = r.left + list.ColumnWidth(0);
  return r;
}

bool EditableList::BeginEdit(int row, int column) {
  EndEdit(true);
  if (!start_ || !hwnd()) return false;
  const ListView list(hwnd());
  const Header header = list.header();
  const int columns = header ? header.count() : 0;
  if (row < 0 || row >= list.count() || column < 0 || column >= columns) return false;
  const CellEditor spec = start_(row, column);
  if (spec.kind == CellEditor::Kind::kNone) return false;

  const RECT cell = CellRect(row, column);
  const int cellHeight = cell.bottom - cell.top;
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  HWND window = nullptr;
  const bool dropList = spec.kind == CellEditor::Kind::kDropList;
  if (dropList) {
    const DWORD style = WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | (spec.verticalScroll ? WS_VSCROLL : 0);
    window = ::CreateWindowExW(0, WC_COMBOBOXW, L"", style, cell.left, cell.top, cell.right - cell.left,
                               cellHeight * (spec.visibleCells + 1), hwnd(),
                               reinterpret_cast<HMENU>(kEditorId), instance, nullptr);
  } else {
    const std::u16string text = list.ItemText(row, column);
    window = ::CreateWindowExW(0, WC_EDITW, Wide(text), WS_CHILD | WS_VISIBLE | WS_BORDER | ES_NUMBER | ES_AUTOHSCROLL,
                               cell.left, cell.top, cell.right - cell.left, cellHeight, hwnd(),
                               reinterpret_cast<HMENU>(kEditorId), instance, nullptr);
  }
  if (!window) return false;
  editor_ = std::make_unique<EditorHook>(hwnd(), window, row, column, dropList);
  Control(window).SetFont(list.Font());
  if (dropList) {
    const ComboBox box(window);
    for (const std::u16string& item : spec.items) box.Add(item);
    box.SetSelection(spec.selected);
  } else {
    Edit(window).SelectAll();
  }
  ::SetFocus(window);
  if (dropList && spec.openAtOnce) ComboBox(window).ShowDropDown(true);
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
      const auto [row, column] = ListView(hwnd()).SubItemHitTest(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      if (row >= 0 && BeginEdit(row, column)) return 0;
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

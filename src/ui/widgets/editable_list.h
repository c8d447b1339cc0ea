// A report-style list view whose cells can be edited in place: a double click on a cell asks the
// owner (StartEdit callback) what editor it wants there: a digits-only edit or a drop-down list of
// a given height, or none. Enter or losing the focus accepts, Escape cancels; the owner's Accept or
// Cancel callback then runs and the editor window is destroyed.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/framework/subclassed_window.h"
#include "ui/framework/user_handle.h"

namespace mv::ui {

struct CellEditor {
  enum class Kind { kNone, kDigits, kDropList };
  Kind kind = Kind::kNone;
  std::vector<std::u16string> items;  // drop-down entries
  int selected = -1;                  // drop-down selection at the start
  int visibleCells = 6;               // drop-down area height in cells
  bool verticalScroll = false;
  bool openAtOnce = true;
};

struct CellEditResult {
  int row = -1;
  int column = -1;
  std::u16string text;  // the edit's text or the chosen entry's
  int selected = -1;    // drop-down selection, -1 for the edit
};

class EditableList : public SubclassedWindow {
 public:
  using StartEdit = std::function<CellEditor(int row, int column)>;
  using Accept = std::function<void(const CellEditResult&)>;
  using Cancel = std::function<void(const CellEditResult&)>;

  EditableList();
  ~EditableList() override;

  void SetCallbacks(StartEdit start, Accept accept, Cancel cancel);
  // Opens the owner's editor on the cell; false when it wants none or the cell does not exist.
  bool BeginEdit(int row, int column);
  // Ends a running edit, accepting or cancelling it; nothing when none runs.
  void EndEdit(bool accept);
  bool editing() const { return editor_ != nullptr; }
  HWND editorWindow() const;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  class EditorHook;
  RECT CellRect(int row, int column) const;

  StartEdit start_;
  Accept accept_;
  Cancel cancel_;
  std::unique_ptr<EditorHook> editor_;
};

}  // namespace mv::ui

// Stand-in for the composite key editor until it is built: a modal dialog on the editor's
// template that shows which record it was opened on and closes with its cancel button. It keeps
// the request so the caller (and tests) can see what the editor would edit.
#pragma once

#include "ui/framework/dialog.h"
#include "ui/main_window/keyboard_panel_keys.h"

namespace mv::ui {

class KeyEditorPlaceholder : public Dialog {
 public:
  explicit KeyEditorPlaceholder(const EditorRequest& request);
  const EditorRequest& request() const { return request_; }

 protected:
  BOOL OnInitDialog() override;

 private:
  EditorRequest request_;
};

}  // namespace mv::ui

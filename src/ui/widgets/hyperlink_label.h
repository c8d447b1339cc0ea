// A label that shows an address as a link (blue, underlined, hand cursor) and opens it with the
// shell's "open" verb when clicked. Attach it to a static control with SS_NOTIFY.
#pragma once

#include <windows.h>

#include <string>

#include "ui/framework/gdi_handle.h"
#include "ui/framework/subclassed_window.h"

namespace mv::ui {

class HyperlinkLabel : public SubclassedWindow {
 public:
  // The address to open; the label's text is shown (the address itself when the text is empty).
  void SetUrl(const std::u16string& url);
  const std::u16string& url() const { return url_; }
  // Opens the address; true when the shell accepted it.
  bool Open() const;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc);

  std::u16string url_;
  UniqueFont underlined_;
};

}  // namespace mv::ui

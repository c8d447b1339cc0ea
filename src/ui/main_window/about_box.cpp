// The About box.
#include "ui/main_window/about_box.h"

#include <utility>

#include "ui/framework/wide_text.h"
#include "ui/res/resource.h"

namespace mv::ui {

AboutBox::AboutBox(std::u16string description, std::u16string copyright, std::u16string link,
                   std::function<void()> help)
    : Dialog(IDD_ABOUTBOX),
      description_(std::move(description)),
      copyright_(std::move(copyright)),
      link_(std::move(link)),
      help_(std::move(help)) {}

BOOL AboutBox::OnInitDialog() {
  SetWindowTextU16(Item(IDC_ABOUT_TEXT), description_);
  SetWindowTextU16(Item(IDC_ABOUT_COPYRIGHT), copyright_);
  SetWindowTextU16(Item(IDC_ABOUT_LINK), link_);
  if (linkLabel_.AttachItem(hwnd(), IDC_ABOUT_LINK)) linkLabel_.SetUrl(link_);
  return TRUE;
}

INT_PTR AboutBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HELP) {
    if (help_) help_();
    return TRUE;
  }
  return Dialog::HandleMessage(message, wParam, lParam);
}

}  // namespace mv::ui

// The About box.
#include "ui/main_window/about_box.h"

#include <utility>

#include "ui/framework/wide_text.h"
#include "ui/res/resource.h"
#include "ui/skin/chinese_font.h"

namespace mv::ui {

AboutBox::AboutBox(AboutTexts texts, std::u16string link, std::function<void()> help)
    : Dialog(IDD_ABOUTBOX), texts_(std::move(texts)), link_(std::move(link)), help_(std::move(help)) {}

BOOL AboutBox::OnInitDialog() {
  SetWindowTextU16(hwnd(), texts_.title);
  SetWindowTextU16(Item(IDC_ABOUT_TEXT), texts_.description);
  SetWindowTextU16(Item(IDC_ABOUT_COPYRIGHT), texts_.copyright);
  SetWindowTextU16(Item(IDOK), texts_.ok);
  SetWindowTextU16(Item(IDC_ABOUT_LINK), link_);
  // The box is not skinned, so it does not follow the language switch: it follows its texts.
  const HFONT font = reinterpret_cast<HFONT>(::SendMessageW(hwnd(), WM_GETFONT, 0, 0));
  if (!FontCovers(font, texts_.description + texts_.copyright + texts_.ok)) {
    chineseFont_ = ChineseFontLike(font);
    if (chineseFont_) SetDialogFont(hwnd(), chineseFont_.get());
  }
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

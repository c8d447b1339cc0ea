// The About box (dialog 100): its title, the program's description and copyright and its OK
// button from the language file, the link address as a hyperlink; F1 opens help.
#pragma once

#include <functional>
#include <string>

#include "ui/framework/dialog.h"
#include "ui/framework/gdi_handle.h"
#include "ui/widgets/hyperlink_label.h"

namespace mv::ui {

struct AboutTexts {
  std::u16string title;
  std::u16string description;
  std::u16string copyright;
  std::u16string ok;
};

class AboutBox : public Dialog {
 public:
  AboutBox(AboutTexts texts, std::u16string link, std::function<void()> help);

 protected:
  BOOL OnInitDialog() override;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  AboutTexts texts_;
  std::u16string link_;
  std::function<void()> help_;
  HyperlinkLabel linkLabel_;
  UniqueFont chineseFont_;  // made when the template's font cannot draw the texts
};

}  // namespace mv::ui

// The About box (dialog 100): the program's description and copyright from the language file and
// the link address as a hyperlink; F1 opens help.
#pragma once

#include <functional>
#include <string>

#include "ui/framework/dialog.h"
#include "ui/widgets/hyperlink_label.h"

namespace mv::ui {

class AboutBox : public Dialog {
 public:
  AboutBox(std::u16string description, std::u16string copyright, std::u16string link, std::function<void()> help);

 protected:
  BOOL OnInitDialog() override;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::u16string description_;
  std::u16string copyright_;
  std::u16string link_;
  std::function<void()> help_;
  HyperlinkLabel linkLabel_;
};

}  // namespace mv::ui

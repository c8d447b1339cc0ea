// How the core reaches the user: the window implements this with message boxes, tests with fakes.
#pragma once

#include <string>
#include <string_view>

namespace mv::store {

class Prompter {
 public:
  virtual ~Prompter() = default;
  // An information or error message with an OK button.
  virtual void Tell(std::u16string_view text) = 0;
  // A Yes/No question; true for Yes. defaultNo makes No the default button.
  virtual bool AskYesNo(std::u16string_view text, bool defaultNo) = 0;
};

// For callers that have no one to ask (tools, background checks): tells nothing, answers No.
class SilentPrompter final : public Prompter {
 public:
  void Tell(std::u16string_view) override {}
  bool AskYesNo(std::u16string_view, bool) override { return false; }
};

}  // namespace mv::store

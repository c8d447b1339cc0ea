// Fuzz target: ValidateProfileFile on a file of arbitrary bytes, as the program checks an imported
// or stored profile before it loads it. Its verdict must agree with the byte check, and only a
// malformed file may produce a message.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

#include "app/language.h"
#include "platform/text.h"
#include "profiles/profile_file.h"
#include "store/prompter.h"

namespace {

const std::u16string& FuzzFile() {
  static const std::u16string path =
      mv::Utf8ToUtf16("/tmp/mv-fuzz-profile-" + std::to_string(::getpid()) + ".mvn");
  return path;
}

class CountingPrompter final : public mv::store::Prompter {
 public:
  void Tell(std::u16string_view) override { ++told; }
  bool AskYesNo(std::u16string_view, bool) override {
    ++asked;
    return false;
  }
  int told = 0;
  int asked = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const mv::LanguageTable texts;
  const std::u16string& file = FuzzFile();
  std::FILE* f = std::fopen(mv::Utf16ToUtf8(file).c_str(), "wb");
  if (!f) return 0;
  if (size) std::fwrite(data, 1, size, f);
  std::fclose(f);

  CountingPrompter prompter;
  const int result = mv::profiles::ValidateProfileFile(file, prompter, texts);
  const auto check = mv::profiles::CheckProfileBytes(std::span<const std::uint8_t>(data, size));
  if ((result == mv::profiles::kProfileValid) != (check == mv::profiles::ProfileCheck::Valid)) __builtin_trap();
  if (result != mv::profiles::kProfileValid && result != mv::profiles::kProfileInvalid) __builtin_trap();
  if (prompter.asked != 0 || prompter.told > 1) __builtin_trap();
  return 0;
}

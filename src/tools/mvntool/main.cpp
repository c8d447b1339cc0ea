// mvntool: checks, prints and creates profile files with the same code as the program.
//   mvntool validate FILE   exit 0 well-formed, 1 malformed/missing/too small/too large, 2 cannot open
//   mvntool dump FILE       header, non-default key assignments and macros; exit 1 when not well-formed
//   mvntool new FILE        writes a default profile file
#include <cstdio>
#include <cstring>
#include <string>

#include "app/language.h"
#include "keys/key_assignment.h"
#include "keys/key_codes.h"
#include "platform/text.h"
#include "profiles/profile_file.h"
#include "store/config_store.h"
#include "store/macro_model.h"
#include "store/prompter.h"

namespace {

using mv::Utf16ToUtf8;
using mv::Utf8ToUtf16;

// The format message goes to standard error, as the program would show it.
class ConsolePrompter final : public mv::store::Prompter {
 public:
  void Tell(std::u16string_view text) override { std::fprintf(stderr, "%s\n", Utf16ToUtf8(text).c_str()); }
  bool AskYesNo(std::u16string_view, bool) override { return false; }
};

int Usage() {
  std::fprintf(stderr, "usage: mvntool validate|dump|new FILE\n");
  return 2;
}

int Validate(const std::u16string& path, const mv::LanguageTable& texts) {
  ConsolePrompter prompter;
  const int result = mv::profiles::ValidateProfileFile(path, prompter, texts);
  switch (result) {
    case mv::profiles::kProfileValid: std::printf("well-formed\n"); return 0;
    case mv::profiles::kProfileCannotOpen: std::printf("cannot open\n"); return 2;
    case mv::profiles::kProfileNoMemory: std::printf("out of memory\n"); return 2;
    default: std::printf("not a profile file (missing, too small, too large or malformed)\n"); return 1;
  }
}

const char* TypeName(std::uint16_t type) {
  static const char* const kNames[] = {"Default", "Disabled", "Key", "LaunchProgram", "PlayMacro",
                                       "StopMacro", "TextBlock", "Media", "Function"};
  return type < std::size(kNames) ? kNames[type] : "Unknown";
}

void DumpHeader(const mv::store::MainBlock& block) {
  const auto h = block.Header();
  std::printf("header: magic 0x%04X size %u version %u.%u totalSize %u slots %u macros %u textArea %u flag %u "
              "checksum 0x%02X\n",
              h.magic, h.headerSize, h.version, h.subVersion, h.totalSize, h.slotCount, h.macroCount,
              h.textAreaSize, h.flag, h.checksum);
}

void DumpKeys(const mv::store::ConfigStore& store, const mv::LanguageTable& texts) {
  const mv::keys::MacroNameLookup macroName = mv::store::MacroNameLookupOf(store);
  for (int block = 0; block < mv::store::kProfileBlockCount; ++block) {
    std::printf("profile block %d:\n", block);
    for (int key = 0; key <= mv::keys::kLastAssignableRecord; ++key) {
      const int s = mv::store::MainBlock::RecordNumber(block, key);
      const auto record = store.mainBlock->Record(s);
      if (record.type == 0) continue;
      const bool gKey = key >= mv::keys::kFirstGKeyRecord;
      const auto text = gKey ? mv::keys::DescribeGKeyAssignment((key - mv::keys::kFirstGKeyRecord) % mv::keys::kGKeyCount,
                                                                record, texts, macroName)
                             : mv::keys::DescribeKeyAssignment(mv::keys::KeyCodeOf(static_cast<mv::keys::KeyIndex>(key)),
                                                               record, texts, macroName);
      std::printf("  record %4d  %-13s value %-6u %s", s, TypeName(record.type), record.value,
                  Utf16ToUtf8(text.text).c_str());
      if (const auto* slot = store.Slot(s); slot && !slot->Empty())
        std::printf("  text \"%s\"", Utf16ToUtf8(slot->text).c_str());
      std::printf("\n");
    }
  }
}

void DumpMacros(const mv::store::ConfigStore& store) {
  for (std::size_t i = 0; i < store.macros.size(); ++i) {
    const auto& m = store.macros[i];
    std::printf("macro %zu: id %u name \"%s\" cycles %u playMode %u actions %u\n", i, m.MacroId(),
                Utf16ToUtf8(m.Name()).c_str(), m.Cycles(), m.PlayMode(), m.ActionCount());
    for (int a = 0; a < m.UsableActionCount(); ++a) {
      const auto action = m.Action(a);
      std::printf("  %4d  key 0x%03X %-4s then %u ms\n", a, action.keyCode, action.state == 0 ? "down" : "up",
                  action.delayMs);
    }
  }
}

int Dump(const std::u16string& path, const mv::LanguageTable& texts) {
  ConsolePrompter prompter;
  if (mv::profiles::ValidateProfileFile(path, prompter, texts) != mv::profiles::kProfileValid) {
    std::fprintf(stderr, "not a well-formed profile file\n");
    return 1;
  }
  mv::store::ConfigStore store;
  auto lock = store.Lock();
  if (mv::profiles::LoadProfileFile(store, path) != 1) {
    std::fprintf(stderr, "cannot load the profile file\n");
    return 1;
  }
  DumpHeader(*store.mainBlock);
  DumpKeys(store, texts);
  DumpMacros(store);
  return 0;
}

int New(const std::u16string& path) {
  if (mv::profiles::WriteDefaultProfileFile(path) != 1) {
    std::fprintf(stderr, "cannot write the file\n");
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return Usage();
  const mv::LanguageTable texts;
  const std::u16string path = Utf8ToUtf16(argv[2]);
  if (std::strcmp(argv[1], "validate") == 0) return Validate(path, texts);
  if (std::strcmp(argv[1], "dump") == 0) return Dump(path, texts);
  if (std::strcmp(argv[1], "new") == 0) return New(path);
  return Usage();
}

// The shipped Skins folder holds every picture and layout entry the windows load: a missing picture
// would end the program at start, a missing entry would leave a control disabled at (1, 1).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/layout.h"
#include "app/paths.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/system.h"
#include "platform/text.h"

namespace mv::ui {
namespace {

constexpr char16_t kMissing[] = u"\x01missing";

std::u16string SkinsFolder() { return app::BuildProgramPaths(platform::ExecutablePath()).skinsFolder; }

std::u16string U(const char* s) { return Utf8ToUtf16(s); }

std::vector<std::u16string> Numbered(const char* pattern, int first, int last) {
  std::vector<std::u16string> names;
  for (int i = first; i <= last; ++i) {
    char buffer[64];
    std::snprintf(buffer, sizeof(buffer), pattern, i);
    names.push_back(U(buffer));
  }
  return names;
}

std::vector<std::u16string> Pictures() {
  std::vector<std::u16string> names;
  for (const char* n : {"main_normal.jpg", "main_over.jpg", "main_down.jpg", "main_disable.jpg", "Arrow.jpg",
                        "main_color0.jpg", "main_color1.jpg", "key_normal.jpg", "key_over.jpg", "key_down.jpg",
                        "macro_normal.jpg", "macro_over.jpg", "macro_down.jpg", "macro_disable.jpg",
                        "macro2_normal.jpg", "macro2_over.jpg", "macro2_down.jpg", "macro2_disable.jpg",
                        "media_normal.jpg", "media_over.jpg", "media_down.jpg", "function_normal.jpg",
                        "function_over.jpg", "function_down.jpg", "Profile_normal.jpg", "Profile_over.jpg",
                        "Profile_down.jpg", "update_normal.jpg", "update_over.jpg", "dengup.bmp",
                        "dengdown.bmp", "leftup.bmp", "leftdown.bmp", "rightup.bmp", "rightdown.bmp", "upup.bmp",
                        "updown.bmp", "downup.bmp", "downdown.bmp", "kuosan.bmp", "kuosandown.bmp", "julong.bmp",
                        "julongdown.bmp", "sjsup.bmp", "sjsdown.bmp", "hong.bmp", "hongok.bmp", "huang.bmp",
                        "huangok.bmp", "lv.bmp", "lvok.bmp", "lan.bmp", "lanok.bmp", "user1up.bmp",
                        "user1down.bmp", "user2up.bmp", "user2down.bmp", "language.ini",
                        "UserDengColor_3.userd"}) {
    names.push_back(U(n));
  }
  for (auto& n : Numbered("%d.bmp", 0, 9)) names.push_back(n);
  for (auto& n : Numbered("jdt%d.bmp", 1, 10)) names.push_back(n);
  return names;
}

std::vector<std::u16string> Words(std::initializer_list<const char*> words) {
  std::vector<std::u16string> out;
  for (const char* w : words) out.push_back(U(w));
  return out;
}

std::vector<std::u16string> MainEntries() {
  std::vector<std::u16string> e = Numbered("FUNC_G%d", 1, 9);
  const int keyIndices[] = {
      0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x10, 0x11, 0x12,
      0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F, 0x20, 0x21, 0x22, 0x23, 0x24,
      0x25, 0x26, 0x27, 0x28, 0x29, 0x2A, 0x2B, 0x2C, 0x2D, 0x2E, 0x2F, 0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36,
      0x37, 0x38, 0x39, 0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48,
      0x49, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 0x4F, 0x50, 0x51, 0x52, 0x53, 0x57, 0x58, 0x9C, 0x9D, 0xB5, 0xB7, 0xB8,
      0xC5, 0xC7, 0xC8, 0xC9, 0xCB, 0xCD, 0xCF, 0xD0, 0xD1, 0xD2, 0xD3, 0xDB, 0xDC, 0xDD};
  static_assert(sizeof(keyIndices) / sizeof(keyIndices[0]) == 104);
  for (int index : keyIndices) e.push_back(app::KeyEntryName(index));
  for (auto& w : Words({"VOLSKA_LINK", "FUNC_PROFILES", "FUNC_MACRO", "CONTROL_OK", "CONTROL_CANCEL", "CONTROL_HELP",
                        "CONTROL_CLOSE", "CONTROL_MINIMIZE", "CONTROL_MENU", "CONTROL2_APPLY", "LOCK_CAPS",
                        "LOCK_NUM", "LOCK_SCROLL", "LOCK_AB", "FLIP_0", "FLIP_1", "FLIP_2", "VOLSKA_VER",
                        "FUNC_PROFILE1", "FUNC_PROFILE2", "FUNC_PROFILE3", "FUNC_DEFAULT", "FUNC_SWITCH",
                        "FUNC_REPORT1", "FUNC_REPORT2", "FUNC_REPORT3", "FUNC_REPORT4", "KEY_FN",
                        "CONTROL_UsbStatic", "CONTROL_DengStatic", "CONTROL_DengStaPic", "CONTROL_XGcombox",
                        "CONTROL_JDTStatic", "CONTROL_LightStatic", "CONTROL_LightSlider", "CONTROL_SpeedStatic",
                        "CONTROL_SpeedSlider", "CONTROL_BLFXStatic", "CONTROL_BLFXLStaPic", "CONTROL_BLFXRStaPic",
                        "CONTROL_FYYSStatic", "CONTROL_FYYSButton", "CONTROL_FYSJSStaPic", "CONTROL_FYSJSStatic",
                        "CONTROL_FYCFStatic", "CONTROL_FYdjcfStatic", "CONTROL_FYggcfStatc", "CONTROL_FYdjcfStaPic",
                        "CONTROL_FYggcfStaPic", "CONTROL_HONGPIC", "CONTROL_HUANGPIC", "CONTROL_LVPIC",
                        "CONTROL_LANPIC", "CONTROL_HXysStatic", "CONTROL_HXysButton", "CONTROL_HXsjsStatic",
                        "CONTROL_HXsjsStaPic", "CONTROL_JTysStatic", "CONTROL_JTysButton", "CONTROL_USERysStatic",
                        "CONTROL_USERysButton", "CONTROL_USERjsStatic", "CONTROL_USERjsButton",
                        "CONTROL_USERgjStatic", "CONTROL_USERgjStaPic1", "CONTROL_USERgjStaPic2",
                        "CONTROL_TSysStatic", "CONTROL_TSysButton", "CONTROL_TSsjsStatic", "CONTROL_TSsjsStaPic",
                        "CONTROL_CDysStatic", "CONTROL_CDysButton", "CONTROL_CDsjsStatic", "CONTROL_CDsjsStaPic",
                        "CONTROL_umCombo", "m_edit_rgbr", "m_edit_rgbg", "m_edit_rgbb", "CONTROL_BLFXStatic2",
                        "CONTROL_BLFXLStaPic2", "CONTROL_BLFXRStaPic2", "CONTROL_BLFXStatic3",
                        "CONTROL_BLFXLStaPic3", "CONTROL_BLFXRStaPic3", "LEFT_ARROW", "RIGHT_ARROW"})) {
    e.push_back(w);
  }
  for (auto& n : Numbered("m_button_rgb%d", 1, 6)) e.push_back(n);
  return e;
}

struct LayoutFile {
  const char* name;
  std::vector<std::u16string> entries;
};

std::vector<LayoutFile> LayoutFiles() {
  return {
      {"Main.ini", MainEntries()},
      {"Composite.ini",
       Words({"CONTROL_MASK", "CONTROL_TITLE", "CONTROL_OSK", "CONTROL_CLEAR", "CONTROL_MEDIA", "CONTROL_MACRO",
              "CONTROL_KEY", "CONTROL_FUNCTION", "CONTROL_OK", "CONTROL_CANCEL", "FUNC_MACRO_DELETE",
              "FUNC_MACRO_ADD", "FUNC_MACRO_UP_TOP", "FUNC_MACRO_UP", "FUNC_MACRO_DOWN", "FUNC_MACRO_DOWN_BOTTOM",
              "FUNC_MACRO_DELETE2", "FUNC_MACRO_CLEAR", "FUNC_MACRO_RECORD", "FUNC_MACRO_RECORD_DELAY",
              "FUNC_MACRO_LIST2", "FUNC_MACRO_CYCLES", "FUNC_MACRO_CYCLES_PROMPT", "TISHI_SINGLE_STATIC",
              "MARCO_NAME_SETTING", "KEY_SETTING", "MEDIA_SETTING_TISHI", "FUNCTION_KEY_SETTING_TISHI",
              "FUNC_MACRO_RECORD_DELAY2", "FUNC_KEY_INPUT", "FUNC_MEDIA_SELECT", "FUNC_MACRO_LIST",
              "FUNC_FUNCTION_SELECT"})},
      {"Profile.ini",
       Words({"CONTROL_OK", "CONTROL_CANCEL", "FUNC_ADD", "FUNC_LOAD", "FUNC_DELETE", "CONTROL2_APPLY",
              "PROGRAM_LIST"})},
      {"UpdateDlg.ini",
       Words({"CONTROL_CUPButton", "CONTROL_UPButton", "CONTROL_OPENButton", "CONTROL_BACKUPButton",
              "CONTROL_UPStatic", "CONTROL_UPCombox"})},
  };
}

TEST(SkinFiles, EveryPictureTheWindowsLoadIsThere) {
  const std::u16string folder = SkinsFolder();
  ASSERT_TRUE(platform::DirectoryExists(folder.substr(0, folder.size() - 1))) << "build product_files first";
  for (const std::u16string& name : Pictures()) {
    EXPECT_TRUE(platform::FileExists(folder + name)) << Utf16ToUtf8(name);
  }
}

TEST(SkinFiles, EveryLayoutFileNamesItsPicturesAndHoldsEveryEntry) {
  const std::u16string folder = SkinsFolder();
  for (const LayoutFile& file : LayoutFiles()) {
    const std::u16string path = folder + U(file.name);
    ASSERT_TRUE(platform::FileExists(path)) << file.name;
    const app::SkinPictureNames pictures = app::ReadSkinPictureNames(path);
    EXPECT_FALSE(pictures.background.empty()) << file.name;
    EXPECT_TRUE(platform::FileExists(folder + pictures.background)) << file.name;
    EXPECT_TRUE(platform::FileExists(folder + pictures.mask)) << file.name;
    for (const std::u16string& key : file.entries) {
      const std::u16string value = platform::ReadIniString(path, app::kLayoutSection, key, kMissing);
      EXPECT_NE(value, kMissing) << file.name << " " << Utf16ToUtf8(key);
    }
  }
}

}  // namespace
}  // namespace mv::ui

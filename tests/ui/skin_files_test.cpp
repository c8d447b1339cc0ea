// The shipped Skins folder holds every picture and layout entry the windows load: a missing picture
// would end the program at start, a missing entry would leave a control disabled at (1, 1). What
// the windows load is the skin manifest, the same list the skin generator checks its output with;
// the windows' own descriptions must stay inside it.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "app/layout.h"
#include "app/paths.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/system.h"
#include "platform/text.h"
#include "ui/skin/window_specs.h"

namespace mv::ui {
namespace {

enum class Need { kFile, kPicture, kValue };

struct ManifestRecord {
  Need need;
  const char* layout;   // empty for kFile
  const char* section;  // kValue only
  const char* name;     // file name or key
};

constexpr ManifestRecord kManifest[] = {
#define SKIN_FILE(name) {Need::kFile, "", "", name},
#define SKIN_PICTURE(layout, name) {Need::kPicture, layout, "", name},
#define SKIN_ENTRY(layout, key) {Need::kValue, layout, "BUTTONINFO", key},
#define SKIN_VALUE(layout, section, key) {Need::kValue, layout, section, key},
#include "../../tools/skin/manifest.def"
#undef SKIN_FILE
#undef SKIN_PICTURE
#undef SKIN_ENTRY
#undef SKIN_VALUE
};

constexpr char16_t kMissing[] = u"\x01missing";

std::u16string SkinsFolder() { return app::BuildProgramPaths(platform::ExecutablePath()).skinsFolder; }

std::u16string U(const char* s) { return Utf8ToUtf16(s); }

std::u16string LayoutName(const WindowSpec& spec) {
  return platform::FileNameOf(LayoutFileOf(spec, app::BuildProgramPaths(platform::ExecutablePath())));
}

bool Listed(Need need, const std::u16string& layout, const std::u16string& name) {
  for (const ManifestRecord& r : kManifest)
    if (r.need == need && U(r.layout) == layout && U(r.name) == name) return true;
  return false;
}

TEST(SkinFiles, EveryPictureTheWindowsLoadIsThere) {
  const std::u16string folder = SkinsFolder();
  ASSERT_TRUE(platform::DirectoryExists(folder.substr(0, folder.size() - 1))) << "build product_files first";
  for (const ManifestRecord& r : kManifest) {
    if (r.need == Need::kValue) continue;
    EXPECT_TRUE(platform::FileExists(folder + U(r.name))) << r.name;
  }
}

TEST(SkinFiles, EveryLayoutFileNamesItsPicturesAndHoldsEveryEntry) {
  const std::u16string folder = SkinsFolder();
  std::set<std::string> layouts;
  for (const ManifestRecord& r : kManifest)
    if (*r.layout) layouts.insert(r.layout);
  ASSERT_FALSE(layouts.empty());
  for (const std::string& layout : layouts) {
    const std::u16string path = folder + U(layout.c_str());
    ASSERT_TRUE(platform::FileExists(path)) << layout;
    const app::SkinPictureNames pictures = app::ReadSkinPictureNames(path);
    EXPECT_FALSE(pictures.background.empty()) << layout;
    EXPECT_TRUE(platform::FileExists(folder + pictures.background)) << layout;
    EXPECT_TRUE(platform::FileExists(folder + pictures.mask)) << layout;
  }
  for (const ManifestRecord& r : kManifest) {
    if (r.need != Need::kValue) continue;
    const std::u16string value = platform::ReadIniString(folder + U(r.layout), U(r.section), U(r.name), kMissing);
    EXPECT_NE(value, kMissing) << r.layout << " [" << r.section << "] " << r.name;
    EXPECT_FALSE(value.empty()) << r.layout << " [" << r.section << "] " << r.name;
  }
}

// A control or look the descriptions place but the manifest forgets would go unchecked by the
// skin generator and by the test above.
TEST(SkinFiles, WindowDescriptionsLoadOnlyWhatTheManifestLists) {
  for (const WindowSpec* spec : {&kMainWindowSpec, &kCompositeEditorSpec, &kProfileManagerSpec, &kUpdateDialogSpec}) {
    SCOPED_TRACE(spec->name);
    const std::u16string layout = LayoutName(*spec);
    for (const Placement& p : spec->placements) {
      EXPECT_TRUE(Listed(Need::kValue, layout, std::u16string(p.key))) << Utf16ToUtf8(p.key);
      if (p.kind == PlacementKind::kArrow) {
        EXPECT_TRUE(Listed(Need::kValue, layout, std::u16string(p.key) + u"_PIC")) << Utf16ToUtf8(p.key);
      }
    }
    for (const LookFiles* looks : {&spec->looks, &spec->secondLooks}) {
      for (std::u16string_view file : *looks) {
        if (!file.empty()) {
          EXPECT_TRUE(Listed(Need::kPicture, layout, std::u16string(file))) << Utf16ToUtf8(file);
        }
      }
    }
    if (!spec->arrowPicture.empty()) {
      EXPECT_TRUE(Listed(Need::kFile, u"", std::u16string(spec->arrowPicture)));
    }
  }
}

}  // namespace
}  // namespace mv::ui

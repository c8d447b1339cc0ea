// The rest of the platform seam: path-name helpers, file replacement, well-known folders, the
// tick counter and run-time library loading.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/files.h"
#include "platform/shared_library.h"
#include "platform/system.h"
#include "platform/text.h"
#include "scratch_folder.h"

namespace {

namespace pf = mv::platform;
using mv::test::ReadBytes;
using mv::test::ScratchFolder;
using mv::test::WriteBytes;

TEST(PathNames, SplitOnEitherSeparator) {
  const struct {
    std::u16string path, name, folder;
  } cases[] = {
      {u"C:\\Program Files\\Morvane\\Morvane.exe", u"Morvane.exe", u"C:\\Program Files\\Morvane\\"},
      {u"/opt/morvane/bin/Morvane", u"Morvane", u"/opt/morvane/bin/"},
      {u"C:/mixed\\dir/file.mvn", u"file.mvn", u"C:/mixed\\dir/"},
      {u"file.mvn", u"file.mvn", u""},
      {u"C:\\dir\\", u"", u"C:\\dir\\"},
      {u"", u"", u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(pf::FileNameOf(c.path), c.name) << mv::Utf16ToUtf8(c.path);
    EXPECT_EQ(pf::FolderOf(c.path), c.folder) << mv::Utf16ToUtf8(c.path);
  }
}

class Files : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.IsValid()); }
  ScratchFolder folder_;
};

TEST_F(Files, ReplaceFileAtomicallyReplacesAnExistingTarget) {
  const std::u16string source = folder_.Path(u"new.tmp");
  const std::u16string target = folder_.Path(u"profile.mvn");
  ASSERT_TRUE(WriteBytes(target, "old contents"));
  ASSERT_TRUE(WriteBytes(source, "new"));
  ASSERT_TRUE(pf::ReplaceFileAtomically(source, target));
  EXPECT_EQ(ReadBytes(target), "new");
  EXPECT_FALSE(pf::FileExists(source));
}

TEST_F(Files, FailedReplaceLeavesTheTargetWhole) {
  const std::u16string target = folder_.Path(u"profile.mvn");
  ASSERT_TRUE(WriteBytes(target, "old contents"));
  EXPECT_FALSE(pf::ReplaceFileAtomically(folder_.Path(u"absent.tmp"), target));
  EXPECT_EQ(ReadBytes(target), "old contents");
}

TEST_F(Files, ExistenceSizeFoldersAndRemoval) {
  const std::u16string file = folder_.Path(u"\u914D\u7F6E.bin");  // a non-ASCII name reaches the OS intact
  const std::u16string sub = folder_.Path(u"sub");
  EXPECT_FALSE(pf::FileExists(file));
  EXPECT_FALSE(pf::FileSize(file).has_value());
  ASSERT_TRUE(WriteBytes(file, std::string(1234, 'x')));
  EXPECT_TRUE(pf::FileExists(file));
  EXPECT_EQ(pf::FileSize(file), 1234u);
  EXPECT_FALSE(pf::DirectoryExists(file));

  EXPECT_TRUE(pf::CreateFolder(sub));
  EXPECT_TRUE(pf::CreateFolder(sub)) << "an existing folder is success";
  EXPECT_TRUE(pf::DirectoryExists(sub));
  EXPECT_FALSE(pf::FileExists(sub));
  EXPECT_FALSE(pf::CreateFolder(folder_.Path(u"no") + pf::kPathSeparator + u"parent"));

  EXPECT_TRUE(pf::RemoveFile(file));
  EXPECT_FALSE(pf::FileExists(file));
  EXPECT_FALSE(pf::RemoveFile(file));
}

TEST_F(Files, OpenFileWritesAndFlushes) {
  const std::u16string file = folder_.Path(u"w.bin");
  {
    const pf::UniqueFile f = pf::OpenFile(file, "wb");
    ASSERT_TRUE(f);
    ASSERT_EQ(std::fwrite("abc", 1, 3, f.get()), 3u);
    EXPECT_TRUE(pf::FlushToDisk(f.get()));
  }
  EXPECT_EQ(ReadBytes(file), "abc");
  EXPECT_FALSE(pf::OpenFile(folder_.Path(u"absent.bin"), "rb"));
}

TEST(System, ExecutablePathNamesThisTestProgram) {
  const std::u16string exe = pf::ExecutablePath();
  EXPECT_TRUE(pf::FileExists(exe)) << mv::Utf16ToUtf8(exe);
  EXPECT_NE(pf::FileNameOf(exe).find(u"platform_tests"), std::u16string::npos);
}

TEST(System, DocumentsFolderHasNoTrailingSeparator) {
  const std::u16string docs = pf::DocumentsFolder();
  ASSERT_FALSE(docs.empty());
  EXPECT_NE(docs.back(), u'\\');
  EXPECT_NE(docs.back(), u'/');
}

#ifndef _WIN32
TEST(System, DocumentsFolderIsDocumentsUnderHome) {
  const char* oldHome = std::getenv("HOME");
  const std::string savedHome = oldHome ? oldHome : "";
  const char* oldXdg = std::getenv("XDG_DOCUMENTS_DIR");
  const std::string savedXdg = oldXdg ? oldXdg : "";
  ::unsetenv("XDG_DOCUMENTS_DIR");
  ::setenv("HOME", "/home/someone", 1);
  EXPECT_EQ(pf::DocumentsFolder(), u"/home/someone/Documents");
  ::setenv("XDG_DOCUMENTS_DIR", "/data/docs", 1);
  EXPECT_EQ(pf::DocumentsFolder(), u"/data/docs");
  oldHome ? ::setenv("HOME", savedHome.c_str(), 1) : ::unsetenv("HOME");
  oldXdg ? ::setenv("XDG_DOCUMENTS_DIR", savedXdg.c_str(), 1) : ::unsetenv("XDG_DOCUMENTS_DIR");
}
#endif

TEST(System, TickCountNeverRunsBackwardsAndSleepWaits) {
  std::uint32_t previous = pf::TickCountMs();
  for (int i = 0; i < 1000; ++i) {
    const std::uint32_t now = pf::TickCountMs();
    ASSERT_LT(static_cast<std::uint32_t>(now - previous), 0x80000000u) << "the tick went backwards";
    previous = now;
  }
  // A sleep lasts at least its time; the tick may be coarse, so allow one tick period of slack.
  const std::uint32_t before = pf::TickCountMs();
  pf::SleepMs(60);
  EXPECT_GE(static_cast<std::uint32_t>(pf::TickCountMs() - before), 40u);
}

TEST(SharedLibrary, LoadsASystemLibraryAndFindsItsExports) {
#ifdef _WIN32
  const pf::SharedLibrary lib(u"kernel32.dll");
  const char* symbol = "GetTickCount";
#else
  const pf::SharedLibrary lib(u"libc.so.6");
  const char* symbol = "strlen";
#endif
  ASSERT_TRUE(lib.IsLoaded());
  EXPECT_NE(lib.Symbol(symbol), nullptr);
  EXPECT_EQ(lib.Symbol("NoSuchExportMv"), nullptr);
}

TEST(SharedLibrary, MissingLibraryIsNotLoadedAndMoveKeepsOneOwner) {
  const pf::SharedLibrary missing(u"NoSuchLibraryMv.dll");
  EXPECT_FALSE(missing.IsLoaded());
  EXPECT_EQ(missing.Symbol("x"), nullptr);

#ifdef _WIN32
  pf::SharedLibrary a(u"kernel32.dll");
#else
  pf::SharedLibrary a(u"libc.so.6");
#endif
  pf::SharedLibrary b(std::move(a));
  EXPECT_FALSE(a.IsLoaded());  // NOLINT(bugprone-use-after-move): moved-from state is defined
  EXPECT_TRUE(b.IsLoaded());
}

}  // namespace

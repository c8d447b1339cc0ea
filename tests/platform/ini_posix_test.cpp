// What our own INI implementation promises beyond the shared conformance table: UTF-8 files
// without a byte-order mark, the bytes of the files it writes, and that a failed write loses
// nothing. (The OS functions read BOM-less files in the ANSI code page, so these run natively.)
#include <gtest/gtest.h>

#ifndef _WIN32

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "platform/ini.h"
#include "scratch_folder.h"

namespace {

namespace pf = mv::platform;
using mv::test::ReadBytes;
using mv::test::WriteBytes;

class IniPosix : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.IsValid()); }
  mv::test::ScratchFolder folder_;
  std::u16string path_ = folder_.Path(u"a.ini");
};

TEST_F(IniPosix, ReadsUtf8WithoutBom) {
  ASSERT_TRUE(WriteBytes(path_, "[\xE4\xB8\xAD]\n\xE5\x90\x8D=\xE5\x80\xBC\n"));
  EXPECT_EQ(pf::ReadIniString(path_, u"\u4E2D", u"\u540D", u"d"), u"\u503C");
}

TEST_F(IniPosix, NewFileIsUtf8WithCrLf) {
  ASSERT_TRUE(pf::WriteIniString(path_, u" Sec ", u" key ", u"  \u4E2D "));
  EXPECT_EQ(ReadBytes(path_), "[Sec]\r\nkey=\xE4\xB8\xAD \r\n");
}

TEST_F(IniPosix, EditKeepsEveryOtherByte) {
  const std::string before = "; top\n\n[A]\n  x = 1   \n\n[B]\ny=2\n\n; tail";
  ASSERT_TRUE(WriteBytes(path_, before));
  ASSERT_TRUE(pf::WriteIniString(path_, u"a", u"NEW", u"n"));
  ASSERT_TRUE(pf::WriteIniString(path_, u"B", u"y", u"3"));
  ASSERT_TRUE(pf::WriteIniString(path_, u"C", u"z", u"4"));
  EXPECT_EQ(ReadBytes(path_), "; top\n\n[A]\n  x = 1   \nNEW=n\n\n[B]\ny=3\n\n; tail\n[C]\nz=4\n");
}

TEST_F(IniPosix, KeepsUtf16LeBytes) {
  ASSERT_TRUE(WriteBytes(path_, mv::test::Utf16LeFile(u"[A]\r\nx=1\r\n")));
  ASSERT_TRUE(pf::WriteIniString(path_, u"A", u"x", u"\u4E2D"));
  EXPECT_EQ(ReadBytes(path_), mv::test::Utf16LeFile(u"[A]\r\nx=\u4E2D\r\n"));
}

TEST_F(IniPosix, LeavesNoTemporaryFileBehind) {
  ASSERT_TRUE(pf::WriteIniString(path_, u"A", u"x", u"1"));
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder_.Path())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST_F(IniPosix, UnreadableFileIsNeitherReadNorOverwritten) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  ASSERT_TRUE(WriteBytes(path_, "[A]\nx=1\n"));
  ASSERT_EQ(::chmod(std::filesystem::path(path_).c_str(), 0), 0);
  EXPECT_EQ(pf::ReadIniString(path_, u"A", u"x", u"d"), u"d");
  EXPECT_FALSE(pf::WriteIniString(path_, u"A", u"x", u"2"));
  ASSERT_EQ(::chmod(std::filesystem::path(path_).c_str(), 0600), 0);
  EXPECT_EQ(ReadBytes(path_), "[A]\nx=1\n");
}

TEST_F(IniPosix, ReadOnlyFolderFailsTheWriteAndKeepsTheFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes every folder";
  ASSERT_TRUE(WriteBytes(path_, "[A]\nx=1\n"));
  ASSERT_EQ(::chmod(std::filesystem::path(folder_.Path()).c_str(), 0500), 0);
  EXPECT_FALSE(pf::WriteIniString(path_, u"A", u"x", u"2"));
  ASSERT_EQ(::chmod(std::filesystem::path(folder_.Path()).c_str(), 0700), 0);
  EXPECT_EQ(ReadBytes(path_), "[A]\nx=1\n");
}

TEST_F(IniPosix, AFolderIsNoFile) {
  EXPECT_EQ(pf::ReadIniString(folder_.Path(), u"A", u"x", u"d"), u"d");
  EXPECT_FALSE(pf::WriteIniString(folder_.Path(), u"A", u"x", u"1"));
}

}  // namespace

#endif  // !_WIN32

// mvntool run as its own process on files written by the program's code.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "../store/fakes.h"
#include "platform/text.h"
#include "profiles/profile_file.h"

namespace mv::profiles {
namespace {

struct ToolRun {
  int exitCode = -1;
  std::string out;
};

// The tool is built into the same folder as this test program.
std::filesystem::path ToolPath() { return std::filesystem::read_symlink("/proc/self/exe").parent_path() / "mvntool"; }

ToolRun RunTool(const std::string& args) {
  ToolRun run;
  const std::string command = "'" + ToolPath().string() + "' " + args + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buffer{};
  while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) run.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

class MvnToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(ToolPath())) GTEST_SKIP() << "mvntool not built";
    folder = std::filesystem::temp_directory_path() / ("mv-mvntool-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }
  std::string File(const char* name) const { return "'" + (folder / name).string() + "'"; }
  std::filesystem::path folder;
};

TEST_F(MvnToolTest, NewWritesAFileThatValidates) {
  EXPECT_EQ(RunTool("new " + File("a.mvn")).exitCode, 0);
  EXPECT_EQ(std::filesystem::file_size(folder / "a.mvn"), 32832u);
  const ToolRun run = RunTool("validate " + File("a.mvn"));
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("well-formed"), std::string::npos);
}

TEST_F(MvnToolTest, ValidateExitCodes) {
  std::ofstream(folder / "small.mvn") << "short";
  std::vector<char> junk(32832, 1);
  std::ofstream(folder / "junk.mvn", std::ios::binary).write(junk.data(), static_cast<std::streamsize>(junk.size()));
  EXPECT_EQ(RunTool("validate " + File("missing.mvn")).exitCode, 1);
  EXPECT_EQ(RunTool("validate " + File("small.mvn")).exitCode, 1);
  EXPECT_EQ(RunTool("validate " + File("junk.mvn")).exitCode, 1);
  if (getuid() != 0) {
    std::filesystem::copy_file(folder / "junk.mvn", folder / "locked.mvn");
    std::filesystem::permissions(folder / "locked.mvn", std::filesystem::perms::none);
    EXPECT_EQ(RunTool("validate " + File("locked.mvn")).exitCode, 2);
  }
  EXPECT_EQ(RunTool("frobnicate " + File("a.mvn")).exitCode, 2);
}

TEST_F(MvnToolTest, DumpPrintsAssignmentsAndMacrosOrRefuses) {
  store::ConfigStore working;
  store::testing::StartWorkingStore(working);
  working.mainBlock->SetRecord(0x1E, store::testing::Assignment(keys::AssignmentType::Key, 0x30));
  working.mainBlock->SetRecord(512 + 0x10, store::testing::Assignment(keys::AssignmentType::PlayMacro, 7));
  working.macros = {store::testing::Macro(7, u"Jump", {{120, 0x39, 0}, {0, 0x39, 1}})};
  ASSERT_EQ(SaveProfileAs(working, true, Utf8ToUtf16((folder / "full.mvn").string())), 1);
  const ToolRun run = RunTool("dump " + File("full.mvn"));
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("macros 1"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("record   30  Key"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("AKeys, Set: Key(B)"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("record  528  PlayMacro"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Macro(Jump)"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("id 7 name \"Jump\" cycles 1"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("key 0x039 down then 120 ms"), std::string::npos) << run.out;

  std::ofstream(folder / "bad.mvn") << std::string(40000, 'x');
  const ToolRun bad = RunTool("dump " + File("bad.mvn"));
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_TRUE(bad.out.empty());
}

}  // namespace
}  // namespace mv::profiles
#endif

// Profile files: validation, save and load round trips, atomic replacement, and the read-back
// from the simulated keyboard loaded again.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#endif

#include "../store/fakes.h"
#include "platform/files.h"
#include "platform/text.h"
#include "profiles/profile_file.h"
#include "sim/in_process.h"
#include "store/byte_layout.h"
#include "store/download.h"

namespace mv::profiles {
namespace {

using keys::AssignmentType;
using store::testing::Assignment;
using store::testing::Macro;

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}
void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class ProfileFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder = std::filesystem::temp_directory_path() / (std::string("mv-profile-") + info->test_suite_name() + "-" + info->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    store::testing::StartWorkingStore(working);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }
  std::u16string Path(const char* name) const { return Utf8ToUtf16((folder / name).string()); }

  // A store with something of every kind: keys, a text, macros.
  void Fill(store::ConfigStore& s) {
    s.mainBlock->SetRecord(0x1E, Assignment(AssignmentType::Key, 0x30));
    s.mainBlock->SetRecord(512 + 0x10, Assignment(AssignmentType::PlayMacro, 2));
    s.mainBlock->SetRecord(1024 + 0x11, Assignment(AssignmentType::Media, 4));
    s.mainBlock->SetRecord(1536 + 0x12, Assignment(AssignmentType::LaunchProgram));
    s.mainBlock->SetRecord(5, Assignment(AssignmentType::TextBlock));
    ASSERT_EQ(s.SetText(1536 + 0x12, u"C:\\Program\\run.exe"), 1);
    ASSERT_EQ(s.SetText(5, u"hello"), 1);
    s.macros = {Macro(1, u"first", {{50, 0x1E, 0}, {0, 0x1E, 1}}), Macro(2, u"second", {{1230, 0x1D, 0}, {0, 0x1D, 1}})};
  }

  std::filesystem::path folder;
  store::ConfigStore working;
  store::testing::RecordingPrompter prompter;
  LanguageTable texts;
};

TEST_F(ProfileFileTest, SavedStoreLoadsBackTheSame) {
  Fill(working);
  const auto path = Path("saved.mvn");
  ASSERT_EQ(SaveProfileAs(working, true, path), 1);
  EXPECT_EQ(ValidateProfileFile(path, prompter, texts), 1);

  store::ConfigStore loaded;
  ASSERT_EQ(LoadProfileFile(loaded, path), 1);
  EXPECT_EQ(*loaded.mainBlock, *working.mainBlock);  // offsets were written into working before saving
  EXPECT_EQ(loaded.macros, working.macros);
  EXPECT_EQ(loaded.textBytes, working.textBytes);
  EXPECT_EQ(loaded.Slot(1536 + 0x12)->text, u"C:\\Program\\run.exe");
  EXPECT_EQ(loaded.Slot(5)->text, u"hello");
  EXPECT_TRUE(prompter.told.empty());
}

TEST_F(ProfileFileTest, EmptyStoreIsOneMainBlock) {
  const auto path = Path("empty.mvn");
  ASSERT_EQ(SaveProfileAs(working, false, path), 1);
  const auto bytes = ReadBytes(folder / "empty.mvn");
  EXPECT_EQ(bytes.size(), 32832u);
  EXPECT_EQ(store::LoadU32(bytes, 8), 32832u);
  store::ConfigStore loaded;
  ASSERT_EQ(LoadProfileFile(loaded, path), 1);
  EXPECT_EQ(loaded.MacroCount(), 0);
  EXPECT_EQ(loaded.textBytes, 0u);
}

TEST_F(ProfileFileTest, StaleTextWidensTheAreaWithAZeroTailThatLoadingIgnores) {
  working.mainBlock->SetRecord(7, Assignment(AssignmentType::Key, 0x30));
  ASSERT_EQ(working.SetText(7, u"left over"), 1);
  const auto path = Path("stale.mvn");
  ASSERT_EQ(SaveProfileAs(working, true, path), 1);
  const auto bytes = ReadBytes(folder / "stale.mvn");
  ASSERT_EQ(bytes.size(), 32832u + 20u);
  EXPECT_TRUE(std::all_of(bytes.begin() + 32832, bytes.end(), [](auto b) { return b == 0; }));
  store::ConfigStore loaded;
  ASSERT_EQ(LoadProfileFile(loaded, path), 1);
  EXPECT_EQ(loaded.textBytes, 0u);
}

TEST_F(ProfileFileTest, ValidationTellsWhatIsWrong) {
  Fill(working);
  ASSERT_EQ(SaveProfileAs(working, true, Path("good.mvn")), 1);
  const auto good = ReadBytes(folder / "good.mvn");
  auto withHeader = [](std::vector<std::uint8_t> b, auto change) {
    change(b);
    b[31] = store::HeaderChecksum(std::span<const std::uint8_t>(b).first<32>());
    return b;
  };
  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;
    int expected;
    bool message;
  } cases[] = {
      {"well-formed", good, 1, false},
      {"extra bytes", [&] { auto b = good; b.resize(b.size() + 100, 0x77); return b; }(), 1, false},
      {"checksum off by one", [&] { auto b = good; b[31] += 1; return b; }(), 0, true},
      {"101 macros", withHeader(good, [](auto& b) { store::StoreU16(b, 14, 101); store::StoreU32(b, 8, 32832 + 101 * 16512 + store::LoadU32(b, 16)); }), 0, true},
      {"total size disagrees", withHeader(good, [](auto& b) { store::StoreU32(b, 8, store::LoadU32(b, 8) + 2); }), 0, true},
      {"flag 2", withHeader(good, [](auto& b) { b[30] = 2; }), 0, true},
      {"flag 1", withHeader(good, [](auto& b) { b[30] = 1; }), 1, false},
      {"wrong magic", withHeader(good, [](auto& b) { b[0] = 0x47; }), 0, true},
      {"cut inside the macros", [&] { auto b = good; b.resize(32832 + 100); return b; }(), 0, true},
      {"too small", [&] { auto b = good; b.resize(32831); return b; }(), 0, false},
      {"empty", {}, 0, false},
  };
  for (const auto& c : cases) {
    WriteBytes(folder / "case.mvn", c.bytes);
    prompter.told.clear();
    EXPECT_EQ(ValidateProfileFile(Path("case.mvn"), prompter, texts), c.expected) << c.what;
    EXPECT_EQ(prompter.told.size(), c.message ? 1u : 0u) << c.what;
    store::ConfigStore loaded;
    EXPECT_EQ(LoadProfileFile(loaded, Path("case.mvn")), c.expected) << c.what;
    if (c.expected == 0) {
      EXPECT_FALSE(loaded.mainBlock) << c.what;
    }
  }
  EXPECT_EQ(ValidateProfileFile(Path("missing.mvn"), prompter, texts), 0);
  WriteBytes(folder / "bad.mvn", std::vector<std::uint8_t>(32832, 1));
  prompter.told.clear();
  EXPECT_EQ(ValidateProfileFile(Path("bad.mvn"), prompter, texts), 0);
  ASSERT_EQ(prompter.told.size(), 1u);
  EXPECT_NE(prompter.told[0].find(Path("bad.mvn")), std::u16string::npos);
}

TEST_F(ProfileFileTest, TextOffsetsOutsideTheAreaLeaveTheSlotEmpty) {
  working.mainBlock->SetRecord(3, Assignment(AssignmentType::LaunchProgram));
  ASSERT_EQ(working.SetText(3, u"abc"), 1);
  ASSERT_EQ(SaveProfileAs(working, true, Path("t.mvn")), 1);
  auto bytes = ReadBytes(folder / "t.mvn");
  store::StoreU32(bytes, 64 + 3 * 16 + 4, 0x7FFFFFFF);
  bytes.resize(bytes.size() - 2);  // the text loses its terminator as well
  store::StoreU32(bytes, 64 + 3 * 16 + 4, 0x7FFFFFFF);
  std::vector<std::uint8_t> header(bytes.begin(), bytes.begin() + 32);
  store::StoreU32(bytes, 16, 6);
  store::StoreU32(bytes, 8, 32832 + 6);
  bytes[31] = store::HeaderChecksum(std::span<const std::uint8_t>(bytes).first<32>());
  store::ConfigStore loaded;
  ASSERT_EQ(LoadProfileBytes(loaded, bytes), 1);
  EXPECT_TRUE(loaded.Slot(3)->Empty());
  store::StoreU32(bytes, 64 + 3 * 16 + 4, 0);
  ASSERT_EQ(LoadProfileBytes(loaded, bytes), 1);
  EXPECT_EQ(loaded.Slot(3)->text, u"abc");  // read up to the end of the area
}

TEST_F(ProfileFileTest, ProfilePathIsOneFileInTheUserFolder) {
  int created = 0;
  ProfileLocation location{Utf8ToUtf16(folder.string()), [&](const std::u16string&) { ++created; }};
  const auto path = ProfileFilePath(2, location);
  EXPECT_EQ(path, ProfileFilePath(0, location));
  EXPECT_EQ(platform::FileNameOf(path), u"$Profile0");
  EXPECT_TRUE(std::filesystem::is_directory(folder / "Tamro"));
  EXPECT_EQ(created, 1);

  EXPECT_EQ(SaveCurrentProfile(working, true, location), 0);  // nothing before the first read-back
  EXPECT_FALSE(platform::FileExists(path));
  ASSERT_EQ(WriteDefaultProfileFile(path), 1);
  EXPECT_EQ(ValidateProfileFile(path, prompter, texts), 1);
  Fill(working);
  EXPECT_EQ(SaveCurrentProfile(working, true, location), 1);
  EXPECT_GT(ReadBytes(folder / "Tamro" / "$Profile0").size(), 32832u);
}

TEST_F(ProfileFileTest, TheTemporaryFileOfASaveCutShortGoesAtTheNextStartAndTheProfileStays) {
  const ProfileLocation location{Utf8ToUtf16(folder.string()), {}};
  RemoveInterruptedSave(location);  // nothing there: the user folder is not made for it
  EXPECT_FALSE(std::filesystem::exists(folder / "Tamro"));

  const auto path = ProfileFilePath(0, location);
  ASSERT_EQ(WriteDefaultProfileFile(path), 1);
  const auto profile = ReadBytes(folder / "Tamro" / "$Profile0");
  std::ofstream(folder / "Tamro" / "$Profile0.tmp", std::ios::binary) << "half a save";
  RemoveInterruptedSave(location);
  EXPECT_FALSE(std::filesystem::exists(folder / "Tamro" / "$Profile0.tmp"));
  EXPECT_EQ(ReadBytes(folder / "Tamro" / "$Profile0"), profile);
}

#ifndef _WIN32
// A file-size limit makes the write fail part-way through, as a full disk would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    signal(SIGXFSZ, previous_);
  }

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

TEST_F(ProfileFileTest, SaveFailingHalfWayLeavesThePreviousFileWhole) {
  const auto path = Path("profile.mvn");
  ASSERT_EQ(SaveProfileAs(working, true, path), 1);
  const auto before = ReadBytes(folder / "profile.mvn");
  Fill(working);
  {
    FileSizeLimit limit(40000);  // inside the first macro record
    EXPECT_EQ(SaveProfileAs(working, true, path), 0);
  }
  EXPECT_EQ(ReadBytes(folder / "profile.mvn"), before);
  EXPECT_FALSE(std::filesystem::exists(folder / "profile.mvn.tmp"));
}
#endif

TEST_F(ProfileFileTest, SaveIntoAFolderThatIsNotThereFailsCleanly) {
  EXPECT_EQ(SaveProfileAs(working, true, Path("no-such-folder/x.mvn")), 0);
  EXPECT_EQ(WriteDefaultProfileFile(Path("no-such-folder/x.mvn")), 0);
}

// --- through the keyboard ----------------------------------------------------------------------
TEST_F(ProfileFileTest, AppliedStoreComesBackFromTheKeyboardWithTheKnownLosses) {
  sim::InProcessDevice keyboard;
  store::ConfigStores stores;
  store::testing::StartWorkingStore(stores.working);
  Fill(stores.working);
  stores.working.mainBlock->SetRecord(256 + 2, [] {
    auto r = Assignment(AssignmentType::Key, 0x1E);
    r.aux = 0x0303;
    return r;
  }());  // G3: no key position
  auto marked = Assignment(AssignmentType::Function, 3);
  marked.mark = 0xABCD;
  stores.working.mainBlock->SetRecord(1024 + 0x20, marked);
  store::DeviceState deviceState;
  deviceState.SetMacroCapacity(255);
  store::DownloadContext context{stores, deviceState, keyboard.commands(), prompter, texts};
  {
    auto lock = stores.working.Lock();
    ASSERT_EQ(store::ApplyWorkingStore(context, true), 1);
  }
  const auto path = Path("readback.mvn");
  ASSERT_EQ(store::ReadBackToFile(deviceState, keyboard.commands(), texts, path), 1);
  ASSERT_EQ(ValidateProfileFile(path, prompter, texts), 1);
  store::ConfigStore back;
  ASSERT_EQ(LoadProfileFile(back, path), 1);

  // What comes back: keys, macros (names and timing to 10 ms), media, functions.
  EXPECT_EQ(back.mainBlock->Record(0x1E), Assignment(AssignmentType::Key, 0x30));
  EXPECT_EQ(back.mainBlock->Record(512 + 0x10), Assignment(AssignmentType::PlayMacro, 2));
  EXPECT_EQ(back.mainBlock->Record(1024 + 0x11), Assignment(AssignmentType::Media, 4));
  EXPECT_EQ(back.mainBlock->Record(1024 + 0x20), Assignment(AssignmentType::Function, 3));  // the mark is lost
  ASSERT_EQ(back.MacroCount(), 2);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(back.macros[i].Name(), stores.working.macros[i].Name());
    EXPECT_EQ(back.macros[i].MacroId(), i + 1);
    ASSERT_EQ(back.macros[i].ActionCount(), 2);
    for (int a = 0; a < 2; ++a) EXPECT_EQ(back.macros[i].Action(a), stores.working.macros[i].Action(a));
  }
  // What is lost: texts (program back as default, text block as disabled), G keys, block 3.
  EXPECT_EQ(back.textBytes, 0u);
  EXPECT_EQ(back.mainBlock->Record(1536 + 0x12), keys::KeyAssignment{});
  EXPECT_EQ(back.mainBlock->Record(5), Assignment(AssignmentType::Disabled));
  EXPECT_EQ(back.mainBlock->Record(256 + 2).type, 0);
  EXPECT_EQ(back.mainBlock->Record(256 + 2).aux, 0x0303);
}

TEST_F(ProfileFileTest, ReadBackWithoutKeyboardLeavesTheFileAlone) {
  sim::InProcessDevice keyboard(sim::SimSettings{.present = false},
                                device::ExchangeTiming{std::chrono::milliseconds(50), std::chrono::milliseconds(1)});
  const auto path = Path("keep.mvn");
  ASSERT_EQ(WriteDefaultProfileFile(path), 1);
  const auto before = ReadBytes(folder / "keep.mvn");
  store::DeviceState deviceState;
  EXPECT_EQ(store::ReadBackToFile(deviceState, keyboard.commands(), texts, path), 0);
  EXPECT_EQ(ReadBytes(folder / "keep.mvn"), before);
}

TEST_F(ProfileFileTest, ReadBackOfAnInconsistentMacroAreaKeepsTheKeyMaps) {
  sim::InProcessDevice keyboard;
  keyboard.keyboard().ModifyAreas([](sim::KeyboardAreas& a) {
    store::StoreU16(a.macroArea, 0, 0x55AA);
    store::StoreU16(a.macroArea, 2, 20);
    store::StoreU16(a.macroArea, 4, 3);  // three offsets do not fit in 20 bytes... with entries
    store::StoreU16(a.macroArea, 16, 0x4000);
    a.keyBanks[0][19 * 3] = 0;  // A disabled
  });
  store::DeviceState deviceState;
  const auto path = Path("odd.mvn");
  ASSERT_EQ(store::ReadBackToFile(deviceState, keyboard.commands(), texts, path), 1);
  store::ConfigStore back;
  ASSERT_EQ(LoadProfileFile(back, path), 1);
  EXPECT_EQ(back.MacroCount(), 0);
  EXPECT_EQ(back.mainBlock->Record(0x1E), Assignment(AssignmentType::Disabled));
}

}  // namespace
}  // namespace mv::profiles

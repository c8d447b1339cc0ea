// The Windows binaries of the build carry their hardening: address-space randomisation (64-bit),
// no-execute data, a stack protector and fortified library calls, all linked in (no runtime DLL
// beside the program). Reads each file's PE headers, imports and COFF symbol table directly, so a
// flag dropped from the build fails here rather than going unnoticed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::uint16_t kDynamicBase = 0x0040;
constexpr std::uint16_t kHighEntropyVa = 0x0020;
constexpr std::uint16_t kNxCompat = 0x0100;

// What the checks need of one PE32+ file. Every read is bounds-checked: a truncated or foreign
// file gives nullopt, never a read past the bytes.
struct PeFacts {
  std::uint16_t dllCharacteristics = 0;
  std::vector<std::string> importedDlls;
  std::vector<std::string> importedNames;
  std::vector<std::string> symbols;  // COFF symbol table, empty when stripped
};

class Bytes {
 public:
  explicit Bytes(std::vector<std::uint8_t> data) : data_(std::move(data)) {}
  bool Has(std::uint64_t offset, std::uint64_t size) const {
    return offset <= data_.size() && size <= data_.size() - offset;
  }
  std::uint32_t U8(std::uint64_t at) const { return Has(at, 1) ? data_[at] : 0; }
  std::uint32_t U16(std::uint64_t at) const { return U8(at) | U8(at + 1) << 8; }
  std::uint32_t U32(std::uint64_t at) const { return Has(at, 4) ? U16(at) | U16(at + 2) << 16 : 0; }
  std::uint64_t U64(std::uint64_t at) const { return U32(at) | std::uint64_t{U32(at + 4)} << 32; }
  // A NUL-terminated string of at most max bytes; nullopt when it runs off the file.
  std::optional<std::string> Text(std::uint64_t at, std::size_t max = 4096) const {
    std::string s;
    for (std::uint64_t i = at; i < data_.size() && s.size() < max; ++i) {
      if (data_[i] == 0) return s;
      s += static_cast<char>(data_[i]);
    }
    return std::nullopt;
  }
  std::size_t size() const { return data_.size(); }

 private:
  std::vector<std::uint8_t> data_;
};

struct Section {
  std::uint32_t rva, virtualSize, rawSize, rawOffset;
};

std::optional<std::uint64_t> FileOffset(const std::vector<Section>& sections, std::uint32_t rva) {
  for (const Section& s : sections) {
    const std::uint32_t span = std::max(s.virtualSize, s.rawSize);
    if (rva >= s.rva && rva - s.rva < span && rva - s.rva < s.rawSize) return std::uint64_t{s.rawOffset} + (rva - s.rva);
  }
  return std::nullopt;
}

std::optional<PeFacts> ReadPe(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  const Bytes b(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {}));
  if (b.U16(0) != 0x5A4D) return std::nullopt;  // "MZ"
  const std::uint64_t pe = b.U32(0x3C);
  if (!b.Has(pe, 24) || b.U32(pe) != 0x00004550) return std::nullopt;  // "PE\0\0"
  const std::uint64_t coff = pe + 4;
  const std::uint32_t sectionCount = b.U16(coff + 2);
  const std::uint32_t symbolTable = b.U32(coff + 8);
  const std::uint32_t symbolCount = b.U32(coff + 12);
  const std::uint32_t optionalSize = b.U16(coff + 16);
  const std::uint64_t opt = coff + 20;
  if (!b.Has(opt, optionalSize) || optionalSize < 112 || b.U16(opt) != 0x20B) return std::nullopt;  // PE32+

  PeFacts facts;
  facts.dllCharacteristics = static_cast<std::uint16_t>(b.U16(opt + 70));

  std::vector<Section> sections;
  const std::uint64_t table = opt + optionalSize;
  for (std::uint32_t i = 0; i < sectionCount; ++i) {
    const std::uint64_t s = table + i * 40ull;
    if (!b.Has(s, 40)) return std::nullopt;
    sections.push_back({b.U32(s + 12), b.U32(s + 8), b.U32(s + 16), b.U32(s + 20)});
  }

  // Import directory: data directory 1 of NumberOfRvaAndSizes.
  if (b.U32(opt + 108) > 1 && optionalSize >= 128) {
    const std::uint32_t importRva = b.U32(opt + 112 + 8);
    std::optional<std::uint64_t> desc = importRva ? FileOffset(sections, importRva) : std::nullopt;
    for (int n = 0; desc && b.Has(*desc, 20) && n < 1000; ++n, *desc += 20) {
      const std::uint32_t nameRva = b.U32(*desc + 12);
      if (nameRva == 0) break;
      if (auto at = FileOffset(sections, nameRva); at) {
        if (auto dll = b.Text(*at)) facts.importedDlls.push_back(*dll);
      }
      std::uint32_t thunkRva = b.U32(*desc);  // the lookup table, else the address table
      if (thunkRva == 0) thunkRva = b.U32(*desc + 16);
      std::optional<std::uint64_t> thunk = FileOffset(sections, thunkRva);
      for (int k = 0; thunk && b.Has(*thunk, 8) && k < 100000; ++k, *thunk += 8) {
        const std::uint64_t entry = b.U64(*thunk);
        if (entry == 0) break;
        if (entry >> 63) continue;  // by ordinal
        if (auto at = FileOffset(sections, static_cast<std::uint32_t>(entry)); at) {
          if (auto name = b.Text(*at + 2)) facts.importedNames.push_back(*name);
        }
      }
    }
  }

  // COFF symbols (18 bytes each, the string table right after them).
  const std::uint64_t strings = symbolTable + std::uint64_t{symbolCount} * 18;
  if (symbolTable != 0 && b.Has(symbolTable, std::uint64_t{symbolCount} * 18)) {
    for (std::uint32_t i = 0; i < symbolCount; ++i) {
      const std::uint64_t s = symbolTable + i * 18ull;
      std::string name;
      if (b.U32(s) == 0) {
        if (auto t = b.Text(strings + b.U32(s + 4))) name = *t;
      } else {
        for (int c = 0; c < 8 && b.U8(s + c) != 0; ++c) name += static_cast<char>(b.U8(s + c));
      }
      if (!name.empty()) facts.symbols.push_back(std::move(name));
      i += b.U8(s + 17);  // auxiliary records
    }
  }
  return facts;
}

bool StartsWith(const std::string& s, const std::string& prefix) { return s.rfind(prefix, 0) == 0; }
bool EndsWith(const std::string& s, const std::string& suffix) {
  return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}
std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return s;
}

// Names in the symbol table or the imports.
bool HasName(const PeFacts& pe, bool (*match)(const std::string&)) {
  for (const auto* list : {&pe.symbols, &pe.importedNames})
    for (const std::string& name : *list)
      if (match(name)) return true;
  return false;
}
bool IsStackProtector(const std::string& name) {
  return name == "__stack_chk_fail" || name == "__stack_chk_guard";
}
// __memcpy_chk, __strcpy_chk, ...: the checked calls the fortified headers turn into.
bool IsFortified(const std::string& name) {
  return StartsWith(name, "__") && EndsWith(name, "_chk") && !StartsWith(name, "__stack_chk");
}

// The build's programs and libraries, relative to the build tree the tests run in. A checked call
// exists only where the compiler knows a buffer's size but not the length copied into it; the
// smaller binaries have no such call site (MinGW fortifies at most at level 2, with no dynamic
// object sizes), so only the program is held to having one.
struct Binary {
  const char* path;
  bool hasCheckedCall;
};
const Binary kBinaries[] = {{"bin/Morvane.exe", true},  {"bin/Quenlink.dll", false}, {"bin/simctl.exe", false},
                            {"bin/mvntool.exe", false}, {"bin/skinshow.exe", false}};

TEST(PeHardening, EveryBinaryIsHardened) {
  for (const auto& [path, hasCheckedCall] : kBinaries) {
    SCOPED_TRACE(path);
    const std::optional<PeFacts> pe = ReadPe(path);
    ASSERT_TRUE(pe.has_value()) << "missing or not a 64-bit PE file: " << path;
    EXPECT_TRUE(pe->dllCharacteristics & kDynamicBase) << "no DYNAMIC_BASE";
    EXPECT_TRUE(pe->dllCharacteristics & kHighEntropyVa) << "no HIGH_ENTROPY_VA";
    EXPECT_TRUE(pe->dllCharacteristics & kNxCompat) << "no NX_COMPAT";
    EXPECT_FALSE(pe->symbols.empty()) << "no symbol table: the protector checks below need one";
    EXPECT_TRUE(HasName(*pe, IsStackProtector)) << "no stack protector (__stack_chk_fail/__stack_chk_guard)";
    EXPECT_TRUE(!hasCheckedCall || HasName(*pe, IsFortified)) << "no fortified call (__*_chk)";
    // The protector's runtime is linked in: the folder holds no compiler runtime DLL.
    for (const std::string& dll : pe->importedDlls) {
      const std::string name = Lower(dll);
      EXPECT_FALSE(StartsWith(name, "libssp") || StartsWith(name, "libgcc") || StartsWith(name, "libstdc++") ||
                   StartsWith(name, "libwinpthread"))
          << "imports " << dll;
    }
  }
}

}  // namespace

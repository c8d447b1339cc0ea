// INI access on POSIX: the private-profile semantics of the Windows functions, over a file that is
// read whole on every call (nothing cached) and, when written, replaced whole through a temporary
// file beside it so that a failed write never leaves half a file.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/ini.h"
#include "platform/text.h"

namespace mv::platform {

namespace {

enum class Encoding { kUtf8, kUtf8Bom, kUtf16Le, kUtf16Be };

struct Line {
  std::u16string text;    // without its line break
  std::u16string ending;  // u"\r\n", u"\n", u"\r", or empty for a last line without one
};

struct Document {
  Encoding encoding = Encoding::kUtf8;
  std::vector<Line> lines;
};

// Anything larger is not a settings file; refusing it keeps a stray path from eating memory.
constexpr std::uint64_t kMaxIniBytes = std::uint64_t{64} << 20;

constexpr std::u16string_view kDefaultEnding = u"\r\n";

// The blanks the OS trims around names and values (Ctrl-Z included, an old end-of-file mark).
bool IsIniBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f' || c == 0x1A;
}

std::u16string_view TrimLeft(std::u16string_view s) {
  while (!s.empty() && IsIniBlank(s.front())) s.remove_prefix(1);
  return s;
}

std::u16string_view Trim(std::u16string_view s) {
  s = TrimLeft(s);
  while (!s.empty() && IsIniBlank(s.back())) s.remove_suffix(1);
  return s;
}

// --- bytes <-> text ----------------------------------------------------------------------------

std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian) {
  std::u16string out;
  out.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {  // an odd last byte is dropped
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
    out.push_back(static_cast<char16_t>(bigEndian ? (b0 << 8) | b1 : (b1 << 8) | b0));
  }
  return out;
}

std::u16string Decode(std::string_view bytes, Encoding* encoding) {
  if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE") {
    *encoding = Encoding::kUtf16Le;
    return DecodeUtf16(bytes.substr(2), false);
  }
  if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFE\xFF") {
    *encoding = Encoding::kUtf16Be;
    return DecodeUtf16(bytes.substr(2), true);
  }
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    *encoding = Encoding::kUtf8Bom;
    return Utf8ToUtf16(bytes.substr(3));
  }
  *encoding = Encoding::kUtf8;
  return Utf8ToUtf16(bytes);
}

std::string EncodeUtf16(std::u16string_view text, bool bigEndian) {
  std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  out.reserve(2 + text.size() * 2);
  for (const char16_t c : text) {
    const char hi = static_cast<char>(c >> 8);
    const char lo = static_cast<char>(c & 0xFF);
    out.push_back(bigEndian ? hi : lo);
    out.push_back(bigEndian ? lo : hi);
  }
  return out;
}

std::string Encode(std::u16string_view text, Encoding encoding) {
  switch (encoding) {
    case Encoding::kUtf16Le: return EncodeUtf16(text, false);
    case Encoding::kUtf16Be: return EncodeUtf16(text, true);
    case Encoding::kUtf8Bom: return "\xEF\xBB\xBF" + Utf16ToUtf8(text);
    case Encoding::kUtf8: break;
  }
  return Utf16ToUtf8(text);
}

std::vector<Line> SplitLines(std::u16string_view text) {
  std::vector<Line> lines;
  while (!text.empty()) {
    const std::size_t brk = text.find_first_of(u"\r\n");
    if (brk == std::u16string_view::npos) {
      lines.push_back({std::u16string(text), {}});
      break;
    }
    const std::size_t len = text.substr(brk, 2) == u"\r\n" ? 2 : 1;
    lines.push_back({std::u16string(text.substr(0, brk)), std::u16string(text.substr(brk, len))});
    text.remove_prefix(brk + len);
  }
  return lines;
}

// --- files -------------------------------------------------------------------------------------

std::optional<std::string> ReadAllBytes(const std::u16string& file) {
  const UniqueFile f = OpenFile(file, "rb");
  if (!f) return std::nullopt;
  std::string bytes;
  char chunk[16384];
  std::size_t n = 0;
  while ((n = std::fread(chunk, 1, sizeof chunk, f.get())) > 0) {
    bytes.append(chunk, n);
    if (bytes.size() > kMaxIniBytes) return std::nullopt;
  }
  if (std::ferror(f.get())) return std::nullopt;
  return bytes;
}

std::optional<Document> LoadDocument(const std::u16string& file) {
  if (!FileExists(file)) return std::nullopt;
  const std::optional<std::string> bytes = ReadAllBytes(file);
  if (!bytes) return std::nullopt;
  Document doc;
  doc.lines = SplitLines(Decode(*bytes, &doc.encoding));
  return doc;
}

bool SaveDocument(const std::u16string& file, const Document& doc) {
  std::u16string text;
  for (const Line& line : doc.lines) text += line.text + line.ending;
  const std::string bytes = Encode(text, doc.encoding);

  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  return WriteFileAtomically(file, {std::span<const std::uint8_t>(data, bytes.size())});
}

// --- lines -------------------------------------------------------------------------------------

struct ParsedLine {
  enum class Kind { kOther, kSection, kKey } kind = Kind::kOther;
  std::u16string_view name;
  bool hasValue = false;  // a key line without '=' reads as missing
  std::u16string_view value;
};

ParsedLine ParseLine(std::u16string_view line) {
  const std::u16string_view t = Trim(line);
  if (t.empty() || t.front() == u';') return {};
  if (t.front() == u'[') {
    const std::size_t close = t.find(u']');
    if (close != std::u16string_view::npos) return {ParsedLine::Kind::kSection, Trim(t.substr(1, close - 1))};
  }
  const std::size_t eq = t.find(u'=');
  if (eq == std::u16string_view::npos) return {ParsedLine::Kind::kKey, t};
  return {ParsedLine::Kind::kKey, Trim(t.substr(0, eq)), true, Trim(t.substr(eq + 1))};
}

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

struct Location {
  std::size_t sectionLine = kNone;  // the header of the first section of that name
  std::size_t keyLine = kNone;      // the first entry of that key inside it
  std::size_t lastLine = kNone;     // the section's last non-blank line: new keys go after it
};

// Only the first section of a name is searched, and in it the first key of a name, as the OS does.
// Lines before any header form a section with an empty name.
Location Find(const Document& doc, std::u16string_view section, std::u16string_view key) {
  section = Trim(section);
  key = Trim(key);
  Location loc;
  bool inSection = section.empty();
  for (std::size_t i = 0; i < doc.lines.size(); ++i) {
    const ParsedLine p = ParseLine(doc.lines[i].text);
    if (p.kind == ParsedLine::Kind::kSection) {
      if (inSection) break;
      if (EqualsIgnoreAsciiCase(p.name, section)) {
        inSection = true;
        loc.sectionLine = loc.lastLine = i;
      }
      continue;
    }
    if (!inSection || Trim(doc.lines[i].text).empty()) continue;
    loc.lastLine = i;
    if (p.kind == ParsedLine::Kind::kKey && loc.keyLine == kNone && EqualsIgnoreAsciiCase(p.name, key)) {
      loc.keyLine = i;
    }
  }
  return loc;
}

// Trailing spaces of the default are dropped, but never its first character.
std::u16string_view TrimDefault(std::u16string_view def) {
  while (def.size() > 1 && def.back() == u' ') def.remove_suffix(1);
  return def;
}

// A value wrapped in one pair of matching quotes reads without them; the result fits the buffer.
std::u16string CopyEntry(std::u16string_view value) {
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::u16string(value.substr(0, kIniBufferUnits - 1));
}

void EnsureEnding(Document& doc, std::size_t line, std::u16string_view ending) {
  if (doc.lines[line].ending.empty()) doc.lines[line].ending = ending;
}

std::u16string DominantEnding(const Document& doc) {
  for (const Line& line : doc.lines) {
    if (!line.ending.empty()) return line.ending;
  }
  return std::u16string(kDefaultEnding);
}

}  // namespace

std::u16string ReadIniString(const std::u16string& file, std::u16string_view section, std::u16string_view key,
                             std::u16string_view defaultValue) {
  const std::optional<Document> doc = LoadDocument(file);
  if (doc) {
    const Location loc = Find(*doc, section, key);
    if (loc.keyLine != kNone) {
      const ParsedLine p = ParseLine(doc->lines[loc.keyLine].text);
      if (p.hasValue) return CopyEntry(p.value);
    }
  }
  return CopyEntry(TrimDefault(defaultValue));
}

bool WriteIniString(const std::u16string& file, std::u16string_view section, std::u16string_view key,
                    std::u16string_view value) {
  if (!IsWritableIniEntry(section, key, value)) return false;
  Document doc;
  if (FileExists(file)) {
    std::optional<Document> loaded = LoadDocument(file);
    if (!loaded) return false;  // unreadable: rewriting it would lose what it holds
    doc = std::move(*loaded);
  }
  const std::u16string ending = DominantEnding(doc);
  const Location loc = Find(doc, section, key);
  const std::u16string_view newValue = TrimLeft(value);

  if (loc.keyLine != kNone) {
    Line& line = doc.lines[loc.keyLine];
    const ParsedLine p = ParseLine(line.text);
    if (p.hasValue && p.value == Trim(newValue)) return true;  // nothing to change
    line.text = std::u16string(p.name) + u"=" + std::u16string(newValue);
  } else {
    const std::u16string entry = std::u16string(Trim(key)) + u"=" + std::u16string(newValue);
    if (loc.sectionLine != kNone) {
      EnsureEnding(doc, loc.lastLine, ending);
      doc.lines.insert(doc.lines.begin() + static_cast<std::ptrdiff_t>(loc.lastLine + 1), Line{entry, ending});
    } else {
      if (!doc.lines.empty()) EnsureEnding(doc, doc.lines.size() - 1, ending);
      doc.lines.push_back({u"[" + std::u16string(Trim(section)) + u"]", ending});
      doc.lines.push_back({entry, ending});
    }
  }
  return SaveDocument(file, doc);
}

}  // namespace mv::platform

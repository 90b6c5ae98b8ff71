#include "platform/inifile.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "platform/ini_io.h"
#include "platform/text.h"

namespace qv {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Names and values are single-line UTF-8 texts: a line break or NUL would split or drop the
// line, and bytes that are not UTF-8 are taken as Windows-1252, as when reading.
std::string SingleLine(std::string_view text) {
  std::string out = IsValidUtf8(text) ? std::string(text) : Cp1252ToUtf8(text);
  for (char& c : out) {
    if (c == '\r' || c == '\n' || c == '\0') c = ' ';
  }
  return out;
}

std::string CleanName(std::string_view name) {
  return Trim(SingleLine(name));
}
std::string Fold(std::string_view name) {
  return LowerAscii(CleanName(name));
}

bool IsComment(std::string_view trimmed) {
  return !trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '#');
}

// A key that reads back as itself: written as "key=value" at a line start, it makes no
// header, no comment and no other key.
bool IsWritableKey(std::string_view key) {
  return !key.empty() && key.find('=') == std::string_view::npos && key.front() != '[' &&
         !IsComment(key);
}

// The name of a section header line ("[Config]" gives "Config"), or false.
bool HeaderName(std::string_view trimmed, std::string& name) {
  if (trimmed.empty() || trimmed.front() != '[') return false;
  const size_t close = trimmed.rfind(']');
  if (close == std::string_view::npos) return false;
  name = Trim(trimmed.substr(1, close - 1));
  return true;
}

std::string LinesText(size_t count) {
  return count == 1 ? "1 Zeile" : std::to_string(count) + " Zeilen";
}

std::string DroppedLinesText(size_t withNul, size_t tooLong) {
  std::string text;
  if (withNul > 0) text = LinesText(withNul) + " mit Nullbytes (kein Text)";
  if (tooLong > 0) {
    if (!text.empty()) text += " und ";
    text +=
        LinesText(tooLong) + " länger als " + std::to_string(IniFile::kMaxLineBytes >> 10) + " KiB";
  }
  return text + (withNul + tooLong == 1 ? " wurde übergangen" : " wurden übergangen");
}

// The name before "=", without the blanks and control characters around it; a byte-order
// mark in front is dropped too, since a written key must read back the same at a line start.
std::string EntryKey(std::string_view beforeEquals) {
  std::string key = Trim(beforeEquals);
  while (key.starts_with(kUtf8Bom)) key = Trim(std::string_view(key).substr(kUtf8Bom.size()));
  return key;
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {
  FileReadResult file = ReadFileLimited(path_, kMaxFileBytes);
  switch (file.outcome) {
    case FileReadResult::kMissing:
      loadResult_.state = IniLoadState::kMissing;
      break;
    case FileReadResult::kFailed:
      loadResult_ = {IniLoadState::kUnreadable, std::move(file.reason)};
      break;
    case FileReadResult::kRead:
      Parse(file.bytes);
      break;
  }
}

IniFile IniFile::FromBytes(std::string_view bytes, std::string path) {
  IniFile ini;
  ini.path_ = std::move(path);
  ini.Parse(bytes);
  return ini;
}

void IniFile::Parse(std::string_view bytes) {
  size_t withNul = 0;
  size_t tooLong = 0;
  size_t current = std::string::npos;  // index of the section being read
  while (!bytes.empty()) {
    const size_t end = std::min(bytes.find_first_of("\r\n"), bytes.size());
    std::string_view raw = bytes.substr(0, end);
    const bool crlf = bytes.substr(end).starts_with("\r\n");
    bytes.remove_prefix(std::min(bytes.size(), end + (crlf ? 2 : 1)));
    // Byte-order marks open the file; elsewhere at a line start they are as invisible.
    while (raw.starts_with(kUtf8Bom)) raw.remove_prefix(kUtf8Bom.size());
    if (raw.find('\0') != std::string_view::npos) {
      ++withNul;
      continue;
    }
    // Windows-1252 never gets shorter in UTF-8, so an overlong raw line need not be converted.
    const std::string line =
        raw.size() > kMaxLineBytes || IsValidUtf8(raw) ? std::string(raw) : Cp1252ToUtf8(raw);
    if (line.size() > kMaxLineBytes) {
      ++tooLong;
      continue;
    }
    AddLine(line, current);
  }
  if (withNul + tooLong > 0) {
    loadResult_ = {IniLoadState::kPartlyRead, DroppedLinesText(withNul, tooLong)};
  }
}

void IniFile::AddLine(std::string_view line, size_t& current) {
  const std::string trimmed = Trim(line);
  std::string name;
  if (HeaderName(trimmed, name)) {
    const auto found = sectionIndex_.find(LowerAscii(name));
    if (found != sectionIndex_.end()) {
      current = found->second;  // a repeated section joins the first one of that name
    } else {
      current = sections_.size();
      sectionIndex_.emplace(LowerAscii(name), current);
      sections_.push_back({std::move(name), {}, {}});
    }
    return;
  }
  std::vector<Line>& lines = current == std::string::npos ? leading_ : sections_[current].lines;
  const size_t equals = line.find('=');
  std::string key =
      equals == std::string_view::npos ? std::string() : EntryKey(line.substr(0, equals));
  // A line whose key could not be written back as it is (a "#" or "[" behind a byte-order
  // mark) is kept as a line, not read as an entry.
  const bool entry =
      !trimmed.empty() && trimmed.front() != '[' && !IsComment(trimmed) && IsWritableKey(key);
  if (!entry || current == std::string::npos) {
    lines.push_back({{}, std::string(line)});
    return;
  }
  Section& section = sections_[current];
  if (!section.keys.emplace(LowerAscii(key), lines.size()).second) return;  // first one counts
  lines.push_back({std::move(key), std::string(line.substr(equals + 1))});
}

void IniFile::IndexSections() {
  sectionIndex_.clear();
  for (size_t i = 0; i < sections_.size(); ++i) {
    sectionIndex_.emplace(LowerAscii(sections_[i].name), i);
  }
}

void IniFile::IndexKeys(Section& section) {
  section.keys.clear();
  for (size_t i = 0; i < section.lines.size(); ++i) {
    if (!section.lines[i].key.empty()) section.keys.emplace(LowerAscii(section.lines[i].key), i);
  }
}

const IniFile::Section* IniFile::FindSection(std::string_view section) const {
  const auto found = sectionIndex_.find(Fold(section));
  return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

const IniFile::Line* IniFile::FindEntry(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return nullptr;
  const auto entry = found->keys.find(Fold(key));
  return entry == found->keys.end() ? nullptr : &found->lines[entry->second];
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  const Line* entry = FindEntry(section, key);
  return std::string(entry != nullptr ? std::string_view(entry->text) : fallback);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
  const Line* entry = FindEntry(section, key);
  if (entry == nullptr) return fallback;
  const std::string trimmed = Trim(entry->text);
  std::string_view digits = trimmed;
  if (digits.starts_with('+') && !digits.starts_with("+-")) digits.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return error == std::errc() && end == digits.data() + digits.size() ? value : fallback;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  std::string keyName = CleanName(key);
  if (!IsWritableKey(keyName))
    throw std::invalid_argument("Ungültiger Schlüssel „" + keyName + "“ in der INI-Datei");
  std::string sectionName = CleanName(section);
  auto found = sectionIndex_.find(LowerAscii(sectionName));
  if (found == sectionIndex_.end()) {
    found = sectionIndex_.emplace(LowerAscii(sectionName), sections_.size()).first;
    sections_.push_back({std::move(sectionName), {}, {}});
  }
  Section& target = sections_[found->second];
  const auto entry = target.keys.find(LowerAscii(keyName));
  if (entry != target.keys.end()) {
    target.lines[entry->second].text = SingleLine(value);
    return;
  }
  // After the last entry, before the blank lines and comments that end the section.
  size_t position = target.lines.size();
  while (position > 0 && target.lines[position - 1].key.empty()) --position;
  target.keys.emplace(LowerAscii(keyName), position);
  target.lines.insert(target.lines.begin() + static_cast<std::ptrdiff_t>(position),
                      {std::move(keyName), SingleLine(value)});
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
  return FindEntry(section, key) != nullptr;
}

bool IniFile::SectionExists(std::string_view section) const {
  const Section* found = FindSection(section);
  return found != nullptr && !found->keys.empty();
}

std::vector<std::string> IniFile::ReadSection(std::string_view section) const {
  std::vector<std::string> keys;
  if (const Section* found = FindSection(section)) {
    for (const Line& line : found->lines) {
      if (!line.key.empty()) keys.push_back(line.key);
    }
  }
  return keys;
}

std::vector<std::string> IniFile::ReadSections() const {
  std::vector<std::string> names;
  for (const Section& section : sections_) {
    if (!section.keys.empty()) names.push_back(section.name);
  }
  return names;
}

void IniFile::EraseSection(std::string_view section) {
  const auto found = sectionIndex_.find(Fold(section));
  if (found == sectionIndex_.end()) return;
  sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(found->second));
  IndexSections();
}

void IniFile::DeleteKey(std::string_view section, std::string_view key) {
  const auto found = sectionIndex_.find(Fold(section));
  if (found == sectionIndex_.end()) return;
  Section& target = sections_[found->second];
  const auto entry = target.keys.find(Fold(key));
  if (entry == target.keys.end()) return;
  target.lines.erase(target.lines.begin() + static_cast<std::ptrdiff_t>(entry->second));
  IndexKeys(target);
}

std::string IniFile::ToBytes() const {
  std::string out;
  const auto put = [&out](std::string_view a, std::string_view b = {}, std::string_view c = {}) {
    out.append(a).append(b).append(c).push_back('\n');
  };
  for (const Line& line : leading_) put(line.text);
  for (const Section& section : sections_) {
    put("[", section.name, "]");
    for (const Line& line : section.lines) {
      if (line.key.empty()) {
        put(line.text);
      } else {
        put(line.key, "=", line.text);
      }
    }
  }
  return out;
}

IniSaveResult IniFile::UpdateFile() const {
  if (IsWriteProtected(path_)) return {false, "Die Datei ist schreibgeschützt"};
  const std::string bytes = ToBytes();
  if (bytes.size() > kMaxFileBytes) {
    return {false, "Der Inhalt ist größer als " + std::to_string(kMaxFileBytes >> 20) + " MiB"};
  }
  std::string reason = ReplaceFileAtomically(path_, bytes, beforeReplace_);
  return {reason.empty(), std::move(reason)};
}

}  // namespace qv

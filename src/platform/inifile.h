#pragma once
// The INI-file service: a settings file of [sections] with key=value lines.
//
// - Section and key names match without regard to case (ASCII letters); blanks and control
//   characters around a name do not count. A name keeps the spelling it was first written with.
//   A section name is what lies between "[" and the last "]" of its line, so a name holding
//   brackets ("Haus [alt]") survives.
// - Values are kept verbatim: everything after the first "=" up to the line end, blanks and
//   quotes included ("EUR,Euro", "2;0,5;", "C:\Temp\x.txt", "\"quoted\"" come back exactly).
//   Values are single-line UTF-8 texts: a line break or NUL in a written name or value becomes
//   a blank, and a text that is not valid UTF-8 is taken as Windows-1252.
// - The whole file is kept: order of sections and keys, comments (";" or "#"), blank lines
//   and lines that are not entries survive a rewrite, so sections nobody reads stay as they
//   were. A key written anew goes after the last entry of its section, a new section to the
//   end of the file.
// - A section or key name that occurs twice: the first occurrence counts. The entries of a
//   repeated section join the first section of that name; a repeated key is dropped.
// - Reading accepts UTF-8 with or without BOM and LF, CRLF or CR line ends; a line that is not
//   valid UTF-8 is read as Windows-1252. Writing gives UTF-8 without BOM and LF line ends.
// - Lines over kMaxLineBytes and lines holding NUL bytes are dropped; a file over
//   kMaxFileBytes is not read at all (nor is such content written). The load result says so,
//   with a German reason.
// - UpdateFile replaces the file atomically: a temporary file in the same folder is written,
//   flushed to disk and renamed over the old one; on any failure the old file stays as it was.
//   The new file keeps the old one's permissions. A write-protected file is a lock the user
//   set: it is not replaced ("Die Datei ist schreibgeschützt").
//
// An IniFile holds the file as read when it was constructed and writes the whole of it back.
// Construct one for each action that touches the file, so that a save never writes back a
// stale copy of sections another window changed in the meantime.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qv {

enum class IniLoadState {
  kRead,        // read completely
  kMissing,     // there is no such file
  kPartlyRead,  // read, but lines were dropped
  kUnreadable,  // the file exists but could not be read; the content is empty
};

struct IniLoadResult {
  IniLoadState state = IniLoadState::kRead;
  std::string reason;  // German, for kPartlyRead and kUnreadable ("Keine Berechtigung")
};

struct IniSaveResult {
  bool ok = true;
  std::string reason;  // German, when !ok ("Auf dem Gerät ist kein Speicherplatz mehr verfügbar")
};

// Called by UpdateFile with the path of the completely written temporary file just before it
// replaces the settings file. Returns 0 to go on or an errno value to fail with.
using IniBeforeReplace = std::function<int(const std::string& tempPath)>;

class IniFile {
 public:
  static constexpr size_t kMaxFileBytes = size_t{4} << 20;
  static constexpr size_t kMaxLineBytes = size_t{64} << 10;

  // Reads the file; a missing or unreadable file gives an empty content (see LoadResult).
  explicit IniFile(std::string path);
  // The content of the bytes as if read from a file; UpdateFile writes to `path`.
  static IniFile FromBytes(std::string_view bytes, std::string path = {});

  const std::string& FileName() const { return path_; }
  const IniLoadResult& LoadResult() const { return loadResult_; }

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // A decimal integer, blanks around it allowed; anything else gives the fallback.
  int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
  // An integer other than 0 is true; a value that is not an integer gives the fallback.
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

  // Key names must not be empty, hold "=" or begin with "[", ";" or "#"
  // (std::invalid_argument); such a key could not be read back.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteBool(std::string_view section, std::string_view key, bool value);

  bool ValueExists(std::string_view section, std::string_view key) const;
  // A section exists when it holds at least one key.
  bool SectionExists(std::string_view section) const;
  // Key names of the section, and names of the existing sections, in file order.
  std::vector<std::string> ReadSection(std::string_view section) const;
  std::vector<std::string> ReadSections() const;

  void EraseSection(std::string_view section);
  void DeleteKey(std::string_view section, std::string_view key);

  // The content as UpdateFile writes it.
  std::string ToBytes() const;
  IniSaveResult UpdateFile() const;
  void SetBeforeReplace(IniBeforeReplace hook) { beforeReplace_ = std::move(hook); }

 private:
  // An entry (key not empty; text is the value) or another line kept as it was (key empty).
  struct Line {
    std::string key;
    std::string text;
  };
  struct Section {
    std::string name;
    std::vector<Line> lines;
    std::unordered_map<std::string, size_t> keys;  // folded key name -> index in lines
  };

  IniFile() = default;
  void Parse(std::string_view bytes);
  void AddLine(std::string_view line, size_t& current);
  void IndexSections();
  static void IndexKeys(Section& section);
  const Section* FindSection(std::string_view section) const;
  const Line* FindEntry(std::string_view section, std::string_view key) const;

  std::string path_;
  IniLoadResult loadResult_;
  std::vector<Line> leading_;  // lines before the first section, kept as they were
  std::vector<Section> sections_;
  std::unordered_map<std::string, size_t> sectionIndex_;  // folded name -> index in sections_
  IniBeforeReplace beforeReplace_;
};

}  // namespace qv

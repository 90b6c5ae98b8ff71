// Arbitrary bytes as a settings file: parse, query every section and key, change the
// content, and check that writing back and reading again gives the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/inifile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  qv::IniFile ini = qv::IniFile::FromBytes(bytes);
  for (const std::string& section : ini.ReadSections()) {
    if (!ini.SectionExists(section)) std::abort();
    for (const std::string& key : ini.ReadSection(section)) {
      if (!ini.ValueExists(section, key)) std::abort();
      ini.ReadInteger(section, key, 0);
      ini.WriteString(section, key, ini.ReadString(section, key, ""));
    }
  }
  // The written text is stable: reading it gives the same content.
  const std::string written = ini.ToBytes();
  if (qv::IniFile::FromBytes(written).ToBytes() != written) std::abort();

  // Changes driven by the input itself.
  const std::string_view name = bytes.substr(0, std::min<size_t>(size, 8));
  ini.WriteInteger(name, "k", static_cast<int>(size));
  ini.WriteBool("Config", "VST", size % 2 == 1);
  if (!ini.ValueExists(name, "K") || ini.ReadInteger(name, "k", -1) != static_cast<int>(size)) {
    std::abort();
  }
  ini.DeleteKey(name, "k");
  ini.EraseSection(bytes.substr(size / 2, 4));
  const std::string changed = ini.ToBytes();
  if (qv::IniFile::FromBytes(changed).ToBytes() != changed) std::abort();
  return 0;
}

#include "tape/plain_text.h"

#include "platform/text.h"

namespace qv {

namespace {

const char kNotText[] = "Die Datei enthält keinen Text";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsBinary(std::string_view data) {
  for (char c : data) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x20 && c != '\t' && c != '\r' && c != '\n' && c != '\f') return true;
  }
  return false;
}

}  // namespace

std::string WritePlainText(const TapeDocument& document) {
  return DocumentText(document);
}

TapeReadResult ReadPlainText(std::string_view data, const TapeStyle& style) {
  if (IsBinary(data)) return {{}, kNotText};
  if (data.starts_with(kUtf8Bom)) data.remove_prefix(kUtf8Bom.size());
  std::string converted;
  if (!IsValidUtf8(data)) {
    converted = Cp1252ToUtf8(data);
    data = converted;
  }
  TapeReadResult result;
  size_t start = 0;
  while (start < data.size()) {
    size_t end = data.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = data.size();
    result.document.push_back(MakeParagraph(data.substr(start, end - start), style));
    // One line end: CR LF, LF or CR.
    start = end + 1;
    if (start < data.size() && data[end] == '\r' && data[start] == '\n') ++start;
  }
  return result;
}

}  // namespace qv

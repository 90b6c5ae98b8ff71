// Number and text helpers on arbitrary input: no crash, no undefined behaviour, and the
// invariants the calculator relies on (canonical texts read back to themselves, formats of
// valid UTF-8, cleaned numbers in ASCII).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/dates.h"
#include "platform/normalize.h"
#include "platform/numbers.h"
#include "platform/text.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const qv::Extended value = qv::ReadEntryText(text);
  const std::string canonical = qv::CanonicalText(value);
  Check(!std::isfinite(value) || canonical.size() == 23);
  Check(qv::CanonicalText(qv::ReadEntryText(canonical)) == canonical);
  Check(!qv::FormatGeneral(value).empty());
  Check(qv::FormatFixed(value, 5, 2).size() >= 5);

  qv::Extended converted = 0;
  if (qv::TryTextToFloat(text, converted)) Check(std::isfinite(converted));
  long long integer = 0;
  if (qv::TryStrToInt(text, integer)) Check(integer >= -2147483648LL && integer <= 2147483647LL);
  int day = 0;
  if (qv::TryStrToDate(text, day)) Check(qv::StrToDate(qv::DateToStr(day)) == day);

  bool failed = false;
  const std::string cleaned = qv::NormalizeNumberText(text, 1, 1, failed);
  Check(failed ? cleaned == text : cleaned.find_first_not_of("0123456789.E-") == std::string::npos);

  Check(qv::IsValidUtf8(qv::Cp1252ToUtf8(text)));
  if (qv::IsValidUtf8(text) && !text.empty()) {
    const size_t length = qv::CharLength(text);
    Check(qv::CharLength(qv::DropLastChar(text)) == length - 1);
    Check(qv::CharSubstr(text, 0, length / 2) + qv::CharSubstr(text, length / 2) == text);
  }
  return 0;
}

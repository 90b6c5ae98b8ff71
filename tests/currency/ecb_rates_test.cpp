// The reader of the bank's files, over a table of files in tests/data/ecb: the real formats
// with their namespaces, a history of several days, the CSV file with its trailing commas, and
// every kind of file it refuses with its reason.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <sstream>

#include "currency/ecb_rates.h"
#include "platform/dates.h"

namespace qv {
namespace {

std::string ReadFile(const std::string& name) {
  std::ifstream in(std::string(QV_ECB_FILES) + "/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// "eurofxref-daily.xml" as a test name: eurofxref_daily_xml.
std::string TestName(std::string file) {
  for (char& c : file)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return file;
}

const EcbRate* Find(const EcbDay& day, const std::string& code) {
  for (const EcbRate& rate : day.rates)
    if (rate.code == code) return &rate;
  return nullptr;
}

struct Taken {
  const char* file;
  const char* date;
  size_t rates;
  const char* usd;               // the rate text of USD
  const char* absent = nullptr;  // a code the day does not have
};

void PrintTo(const Taken& taken, std::ostream* out) {
  *out << taken.file;
}

class TakenFileTest : public testing::TestWithParam<Taken> {};

TEST_P(TakenFileTest, GivesTheNewestDayWithItsRatesAsWritten) {
  const Taken& expected = GetParam();
  const EcbReading reading = ReadEcbRates(ReadFile(expected.file));
  ASSERT_TRUE(reading.day) << reading.failure;
  EXPECT_EQ(DateToStr(reading.day->date), expected.date);
  EXPECT_EQ(reading.day->rates.size(), expected.rates);
  const EcbRate* usd = Find(*reading.day, "USD");
  ASSERT_NE(usd, nullptr);
  EXPECT_EQ(usd->text, expected.usd);
  EXPECT_NEAR(static_cast<double>(usd->value), std::stod(expected.usd), 1e-12);
  if (expected.absent) {
    EXPECT_EQ(Find(*reading.day, expected.absent), nullptr);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, TakenFileTest,
    testing::Values(Taken{"eurofxref-daily.xml", "28.06.2024", 30, "1.0705"},
                    // the older days have other rates, and a currency since dropped
                    Taken{"eurofxref-hist-90d.xml", "28.06.2024", 30, "1.0705", "HRK"},
                    // the newest day between older ones, the namespaces under other prefixes
                    Taken{"other-prefixes.xml", "28.06.2024", 2, "1.0705"},
                    Taken{"eurofxref.csv", "28.06.2024", 30, "1.0705"},
                    // ISO dates, CRLF line ends, "N/A" for the dropped currency
                    Taken{"eurofxref-hist.csv", "28.06.2024", 30, "1.0705", "HRK"}),
    [](const testing::TestParamInfo<Taken>& info) { return TestName(info.param.file); });

struct Refused {
  const char* file;
  const char* failure;
};

void PrintTo(const Refused& refused, std::ostream* out) {
  *out << refused.file;
}

class RefusedFileTest : public testing::TestWithParam<Refused> {};

TEST_P(RefusedFileTest, GivesNoDayButTheReason) {
  const EcbReading reading = ReadEcbRates(ReadFile(GetParam().file));
  EXPECT_FALSE(reading.day);
  EXPECT_EQ(reading.failure, GetParam().failure);
}

constexpr const char* kNotEcb = "die Datei ist nicht im Format der EZB";
constexpr const char* kNoRates = "die Datei enthält keine Kurse";

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedFileTest,
    testing::Values(
        Refused{"html-page.xml", kNotEcb}, Refused{"without-namespaces.xml", kNotEcb},
        Refused{"truncated.xml", kNotEcb}, Refused{"garbage.bin", kNotEcb},
        Refused{"bad-code.xml", kNotEcb}, Refused{"same-day-twice.xml", kNotEcb},
        Refused{"currency-twice.xml", kNotEcb}, Refused{"bad-header.csv", kNotEcb},
        Refused{"short-line.csv", kNotEcb}, Refused{"no-days.xml", kNoRates},
        Refused{"empty-day.xml", kNoRates}, Refused{"only-header.csv", kNoRates},
        Refused{"all-na.csv", kNoRates},
        Refused{"negative-rate.xml", "der Kurs für JPY („-171.94“) ist keine positive Zahl"},
        Refused{"zero-rate.xml", "der Kurs für USD („0.0000“) ist keine positive Zahl"},
        Refused{"comma-rate.xml", "der Kurs für USD („1,0705“) ist keine positive Zahl"},
        // beyond every finite rate; the message shows its beginning only
        Refused{"huge-rate.xml",
                "der Kurs für USD („10000000000000000000…“) ist keine positive Zahl"},
        Refused{"bad-rate.csv", "der Kurs für JPY („abc“) ist keine positive Zahl"},
        Refused{"bad-date.xml", "die Datei enthält ein ungültiges Datum („2024-02-30“)"},
        Refused{"bad-month.csv", "die Datei enthält ein ungültiges Datum („28 Juni 2024“)"}),
    [](const testing::TestParamInfo<Refused>& info) { return TestName(info.param.file); });

// A document type declaration with entities must not make the parser read a file of the
// machine or expand itself a billion times.
TEST(EcbRatesTest, EntitiesOfADocumentTypeAreNotExpanded) {
  const std::string bomb =
      "<?xml version='1.0'?><!DOCTYPE e [<!ENTITY a 'aaaaaaaaaa'><!ENTITY b '&a;&a;&a;&a;&a;'>"
      "<!ENTITY f SYSTEM 'file:///etc/passwd'>]>"
      "<gesmes:Envelope xmlns:gesmes='http://www.gesmes.org/xml/2002-08-01' "
      "xmlns='http://www.ecb.int/vocabulary/2002-08-01/eurofxref'><Cube><Cube time='2024-06-28'>"
      "<Cube currency='USD' rate='&b;&f;'/></Cube></Cube></gesmes:Envelope>";
  const EcbReading reading = ReadEcbRates(bomb);
  EXPECT_FALSE(reading.day);
  EXPECT_EQ(reading.failure, "der Kurs für USD („&b;&f;“) ist keine positive Zahl");
}

TEST(EcbRatesTest, AnEmptyFileIsNotTheBanks) {
  EXPECT_EQ(ReadEcbRates("").failure, kNotEcb);
  EXPECT_EQ(ReadEcbRates(" \r\n").failure, kNotEcb);
}

}  // namespace
}  // namespace qv

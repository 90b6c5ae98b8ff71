#include <gtest/gtest.h>

#include <limits>

#include "platform/numbers.h"

namespace qv {
namespace {

struct EntryCase {
  const char* text;
  Extended value;
};

class EntryReaderTest : public testing::TestWithParam<EntryCase> {};

TEST_P(EntryReaderTest, ReadsTheLeadingNumber) {
  EXPECT_EQ(ReadEntryText(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

constexpr Extended kInf = std::numeric_limits<Extended>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Texts, EntryReaderTest,
    testing::Values(EntryCase{"5.2", 5.2L}, EntryCase{"05", 5}, EntryCase{"+7", 7},
                    EntryCase{"  -1.5e3", -1500}, EntryCase{".5", 0.5L}, EntryCase{"5.", 5},
                    EntryCase{"12.345678901234567891", 12.345678901234567891L},
                    EntryCase{" 8.00000000000000E+0000", 8},
                    EntryCase{"-3.33333333333333E-0001", -0.333333333333333L},
                    // Texts typed without checking: the leading number counts, else 0.
                    EntryCase{"", 0}, EntryCase{"-", 0}, EntryCase{"-.", 0}, EntryCase{".", 0},
                    EntryCase{"abc", 0}, EntryCase{"1.2.3", 1.2L}, EntryCase{"1.234.567", 1.234L},
                    EntryCase{"1,5", 1}, EntryCase{"1E", 1}, EntryCase{"1E+", 1},
                    EntryCase{"2E3x", 2000}, EntryCase{"0x10", 0}, EntryCase{"inf", 0},
                    // Beyond the extended range: infinite, or 0 for tiny values.
                    EntryCase{"1E99999", kInf}, EntryCase{"-1E99999", -kInf},
                    EntryCase{"1E-99999", 0}, EntryCase{"0E99999", 0},
                    EntryCase{"1E4932", 1e4932L}));

}  // namespace
}  // namespace qv

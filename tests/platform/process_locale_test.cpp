#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "platform/numbers.h"

namespace qv {
namespace {

// The toolkit sets the process locale from the environment; on a German system the runtime's
// decimal point is then a comma. The number texts must not change with it.
class GermanProcessLocale : public testing::Test {
 protected:
  void SetUp() override {
    saved_ = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
      GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    }
  }
  void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }

 private:
  std::string saved_;
};

TEST_F(GermanProcessLocale, LeavesNumberTextsAlone) {
  EXPECT_EQ(ReadEntryText("1.5"), 1.5L);
  EXPECT_EQ(ReadEntryText(" 1.25000000000000E-0002"), 0.0125L);
  EXPECT_EQ(CanonicalText(1.5L), " 1.50000000000000E+0000");
  EXPECT_EQ(FormatGeneral(1234.5L), "1234,5");
  EXPECT_EQ(FormatFixed(1234.5L, 5, 2), "1.234,50");
  Extended value = 0;
  EXPECT_TRUE(TryTextToFloat("1,5", value));
  EXPECT_EQ(value, 1.5L);
  EXPECT_FALSE(TryTextToFloat("1.5", value));
}

}  // namespace
}  // namespace qv

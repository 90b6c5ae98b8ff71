#include "ui/file_filter.h"

#include <gtest/gtest.h>

namespace qv::ui {
namespace {

struct FilterCase {
  const char* filter;
  QStringList expected;
};

class FileFilterTest : public testing::TestWithParam<FilterCase> {};

TEST_P(FileFilterTest, BecomesQtNameFilters) {
  EXPECT_EQ(QtNameFilters(GetParam().filter), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, FileFilterTest,
    testing::Values(FilterCase{"Desc (*.rtf)|*.rtf|Text (*.txt)|*.txt",
                               {"Desc (*.rtf)", "Text (*.txt)"}},
                    // The pattern after the bar is the one that counts.
                    FilterCase{"Bild (*.jpg)|*.bmp", {"Bild (*.bmp)"}},
                    FilterCase{"Textdateien|*.txt;*.rtf", {"Textdateien (*.txt *.rtf)"}},
                    FilterCase{"Alle Dateien (*.*)|*.*", {"Alle Dateien (*.*)"}},
                    // A description without its pattern is left out.
                    FilterCase{"Rich Text|*.rtf|Rest", {"Rich Text (*.rtf)"}}, FilterCase{"", {}}));

}  // namespace
}  // namespace qv::ui

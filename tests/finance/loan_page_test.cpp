// The loan page's own key handling, which the script driver cannot type: a point typed into
// the loan or interest field becomes a comma.
#include <gtest/gtest.h>

#include "program/program.h"
#include "sandbox.h"

namespace qv {
namespace {

TEST(LoanPage, APointTypedIntoTheLoanOrInterestFieldBecomesAComma) {
  qvs::Sandbox sandbox;
  Program program(sandbox.Ports());
  TFinanzrechner& finance = program.Finance();
  for (Edit* edit : {&finance.Edit1, &finance.Edit2}) {
    char32_t key = '.';
    edit->OnKeyPress(key);
    EXPECT_EQ(key, U',');
    key = '5';
    edit->OnKeyPress(key);
    EXPECT_EQ(key, U'5');
  }
}

}  // namespace
}  // namespace qv

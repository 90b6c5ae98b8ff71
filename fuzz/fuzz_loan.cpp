// The loan computation on arbitrary texts in every field and grid cell of the loan page, as the
// page runs it: the validation with its default texts, then the computation. It must not crash,
// must end within a second, and every text it writes back must be a number, never "INF" or
// "NAN". The first six bytes choose the adjust mode, the switches and the dates; the rest,
// split at line ends, fills the loan, interest, rate, years, months, the subsidy per year and in
// all, then the cells of three rows of special repayments and three of interest changes.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "finance/loan_computation.h"

namespace {

class Fields : public qv::LoanInputFields {
 public:
  std::map<qv::LoanField, std::string> texts;
  std::string Text(qv::LoanField field) const override { return texts.at(field); }
  void SetText(qv::LoanField field, const std::string& text) override { texts[field] = text; }
};

void Fail(const char* what, const std::string& text) {
  std::fprintf(stderr, "%s: \"%s\"\n", what, text.c_str());
  std::abort();
}

void CheckNumber(const std::string& text) {
  if (text.find("INF") != std::string::npos || text.find("NAN") != std::string::npos)
    Fail("no number written back", text);
}

qv::Extended Amount(const std::string& text) {
  qv::Extended value = 0;
  return qv::TryTextToFloat(text, value) ? value : 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 6) return 0;
  std::vector<std::string> texts(19);
  size_t field = 0;
  for (size_t i = 6; i < size && field < texts.size(); ++i) {
    if (data[i] == '\n')
      ++field;
    else
      texts[field] += static_cast<char>(data[i]);
  }
  Fields fields;
  using enum qv::LoanField;
  fields.texts = {{Loan, texts[0]},
                  {Interest, texts[1]},
                  {Rate, texts[2]},
                  {Years, texts[3]},
                  {Months, texts[4]}};
  const auto mode = static_cast<qv::AdjustMode>(data[0] % 3);

  const auto begin = std::chrono::steady_clock::now();
  try {
    if (!qv::ValidateLoanInput(fields, mode).valid) return 0;
    qv::LoanCase loanCase;
    loanCase.loanText = fields.texts[Loan];
    loanCase.interestText = fields.texts[Interest];
    loanCase.rateText = fields.texts[Rate];
    loanCase.yearsText = fields.texts[Years];
    loanCase.monthsText = fields.texts[Months];
    loanCase.mode = mode;
    loanCase.subsidyOn = data[1] & 1;
    loanCase.variableInterest = data[1] & 2;
    // From 1.1.1900 on; the status date up to 90 years before or after the start.
    loanCase.startDate = 2 + (data[2] | data[3] << 8) % 36500;
    loanCase.statusDate = loanCase.startDate + static_cast<int16_t>(data[4] | data[5] << 8);
    loanCase.subsidyPerYear = Amount(texts[5]);
    loanCase.subsidyTotal = Amount(texts[6]);
    for (size_t row = 0; row < 3; ++row) {
      loanCase.specialRepayments.push_back({texts[7 + 2 * row], texts[8 + 2 * row]});
      loanCase.interestChanges.push_back({texts[13 + 2 * row], texts[14 + 2 * row]});
    }
    qv::Extended loanAmount = 0;
    const qv::LoanResult result = qv::ComputeLoanSchedule(loanCase, loanAmount);
    const qv::LoanOutputs& out = result.outputs;
    for (const std::string& text :
         {result.rateText, out.rate, out.loan, out.lastRate, out.totalPaid, out.interestPaid,
          out.statusPrincipal, out.statusInterestPart, out.statusRepaid, out.statusInterestTotal})
      CheckNumber(text);
  } catch (const qv::EConvertError&) {
  } catch (const qv::EOverflow&) {
  }
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begin;
  if (took.count() > 1) Fail("longer than a second", texts[0] + "|" + texts[1] + "|" + texts[2]);
  return 0;
}

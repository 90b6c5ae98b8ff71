#pragma once
// The report of a finance case in the tape: a block of headings in bold and values in regular
// weight; font, size and colour stay as the tape has them.
#include <string>
#include <vector>

#include "finance/finance_input.h"

namespace qv {

class TapeModel;

// The texts of the loan page the report shows, as they stand on the page.
struct LoanReport {
  std::string name;  // the name in the record bar; "Unbenannt" when empty
  std::string startDate, loan, interest, rate;
  bool variableInterest = false;
  std::vector<GridRow> interestChanges, specialRepayments;  // every data row
  std::string statusDate, statusRepaid, statusInterest;
  std::string termYears, termMonths, lastRate, lastRateDate;
  std::string totalPaid, interestPaid;
};

// The texts of the savings page the report shows.
struct SavingsReport {
  std::string name;
  std::string startDate, capital, interest, payment;
  bool variableInterest = false;
  std::vector<GridRow> interestChanges, specialPayments;
  std::string statusDate, status;
  std::string years, endDate, endAmount;
};

// Each starts a new entry of the tape and appends the report's lines. A list is reported with
// its first p rows, p being the number of rows whose date and value are both filled.
void WriteLoanReport(TapeModel& tape, const LoanReport& report);
void WriteSavingsReport(TapeModel& tape, const SavingsReport& report);

}  // namespace qv

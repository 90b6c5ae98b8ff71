#pragma once
// The payment plan of a computed case: the rows its accepted pass recorded, as a table of one
// line per month or per calendar year and a last line "Summe", with the texts the window, the
// printout and a spreadsheet file show of it.
#include <optional>
#include <string>
#include <vector>

#include "finance/plan_rows.h"

namespace qv {

enum class PlanKind { Loan, Savings };

// An input of the case as the printout's title names it: "Darlehenssumme", "100.000,00".
struct PlanInput {
  std::string label, value;

  bool operator==(const PlanInput&) const = default;
};

// What the plan window shows of a case the finance window computed.
struct PaymentPlan {
  PlanKind kind = PlanKind::Loan;
  int startDate = 0;  // a day number
  PlanRecord record;
  std::vector<PlanInput> inputs;
};

enum class PlanView { Months, Years };

// A line of the table: its first column ("1", "2024" or "Summe"), the date and the interest
// where it has them, and one value per amount column (the balance of "Summe" is none).
struct PlanLine {
  std::string label;
  std::optional<int> date;
  std::optional<Extended> interestRate;
  std::vector<std::optional<Extended>> amounts;
};

struct PlanTable {
  std::vector<std::string> headers;
  std::vector<PlanLine> lines;  // "Summe" last
};

// The columns of a loan: "Nr." (in the yearly view "Jahr"), "Datum", "Zins %", "Rate",
// "Zinsen", "Tilgung", "Sondertilg.", "Förderung", "Restschuld"; of savings: "Nr.", "Datum",
// "Zins %", "Einzahlung", "Sonderzahlung", "Zinsen", "Guthaben". A line of the yearly view sums
// the rows of a calendar year and shows the date, interest and balance of its last row.
// "Summe" sums every row in the pass's order, so that its interest is the pass's own total.
PlanTable MakePlanTable(const PaymentPlan& plan, PlanView view);

// Where the amounts stand among a line's amounts.
struct PlanColumns {
  int interest;  // the interest paid or earned
  int balance;   // the last one
};
PlanColumns AmountColumns(PlanKind kind);

// A line as the window and the printout show it: amounts "%6.2n", dates "TT.MM.JJJJ", the
// interest in the general format, an empty text where a line has no value.
std::vector<std::string> ShownCells(const PlanLine& line);

// The table as German spreadsheets read it: UTF-8 with a byte order mark, a header line, one
// line per table line ending in CR LF, ";" between the fields, amounts with a decimal comma,
// two decimals and no thousands separator, dates "TT.MM.JJJJ".
std::string PlanCsv(const PlanTable& table);

}  // namespace qv

#include "finance/payment_plan.h"

#include <algorithm>

#include "platform/dates.h"

namespace qv {

namespace {

const std::vector<std::string> kLoanHeaders{"Nr.",         "Datum",     "Zins %",
                                            "Rate",        "Zinsen",    "Tilgung",
                                            "Sondertilg.", "Förderung", "Restschuld"};
const std::vector<std::string> kSavingsHeaders{"Nr.",           "Datum",  "Zins %",  "Einzahlung",
                                               "Sonderzahlung", "Zinsen", "Guthaben"};

std::vector<std::optional<Extended>> AmountsOf(PlanKind kind, const PlanRow& row) {
  if (kind == PlanKind::Loan)
    return {row.payment, row.interest, row.principal, row.special, row.subsidy, row.balance};
  return {row.payment, row.special, row.interest, row.balance};
}

PlanLine MonthLine(PlanKind kind, const PlanRow& row) {
  return {std::to_string(row.number), row.date, row.interestRate, AmountsOf(kind, row)};
}

// Adds a row's amounts to a line's; the balance is the row's own.
void AddRow(PlanLine& line, PlanKind kind, const PlanRow& row) {
  const std::vector<std::optional<Extended>> amounts = AmountsOf(kind, row);
  const size_t balance = amounts.size() - 1;
  for (size_t i = 0; i < balance; ++i) line.amounts[i] = *line.amounts[i] + *amounts[i];
  line.amounts[balance] = amounts[balance];
  line.date = row.date;
  line.interestRate = row.interestRate;
}

std::vector<PlanLine> YearLines(PlanKind kind, const std::vector<PlanRow>& rows) {
  std::vector<PlanLine> lines;
  int year = 0;
  for (const PlanRow& row : rows) {
    const int rowYear = DecodeDate(row.date).year;
    if (lines.empty() || rowYear != year) {
      year = rowYear;
      lines.push_back(MonthLine(kind, row));
      lines.back().label = std::to_string(year);
    } else {
      AddRow(lines.back(), kind, row);
    }
  }
  return lines;
}

PlanLine SumLine(PlanKind kind, const std::vector<PlanRow>& rows) {
  PlanLine sum{"Summe", std::nullopt, std::nullopt, {}};
  const size_t columns = AmountsOf(kind, PlanRow{}).size();
  sum.amounts.assign(columns, Extended{0});
  for (const PlanRow& row : rows) {
    const std::vector<std::optional<Extended>> amounts = AmountsOf(kind, row);
    for (size_t i = 0; i + 1 < columns; ++i) sum.amounts[i] = *sum.amounts[i] + *amounts[i];
  }
  sum.amounts.back().reset();
  return sum;
}

// An amount for a spreadsheet: two decimals after a comma, no thousands separator.
std::string PlainAmount(Extended value) {
  std::string text = FormatFixed(value, 0, 2);
  text.erase(std::remove(text.begin(), text.end(), '.'), text.end());
  return text;
}

}  // namespace

PlanColumns AmountColumns(PlanKind kind) {
  return kind == PlanKind::Loan ? PlanColumns{1, 5} : PlanColumns{2, 3};
}

PlanTable MakePlanTable(const PaymentPlan& plan, PlanView view) {
  PlanTable table;
  table.headers = plan.kind == PlanKind::Loan ? kLoanHeaders : kSavingsHeaders;
  const std::vector<PlanRow>& rows = plan.record.rows;
  if (view == PlanView::Years) {
    table.headers[0] = "Jahr";
    table.lines = YearLines(plan.kind, rows);
  } else {
    table.lines.reserve(rows.size() + 1);
    for (const PlanRow& row : rows) table.lines.push_back(MonthLine(plan.kind, row));
  }
  table.lines.push_back(SumLine(plan.kind, rows));
  return table;
}

std::vector<std::string> ShownCells(const PlanLine& line) {
  std::vector<std::string> cells;
  cells.reserve(line.amounts.size() + 3);
  cells.push_back(line.label);
  cells.push_back(line.date ? DateToStr(*line.date) : "");
  cells.push_back(line.interestRate ? FormatGeneral(*line.interestRate) : "");
  for (const std::optional<Extended>& amount : line.amounts)
    cells.push_back(amount ? FormatFixed(*amount, 6, 2) : "");
  return cells;
}

std::string PlanCsv(const PlanTable& table) {
  std::string csv = "\xEF\xBB\xBF";
  const auto field = [&csv](size_t i, const std::string& text) {
    if (i > 0) csv += ';';
    csv += text;
  };
  for (size_t i = 0; i < table.headers.size(); ++i) field(i, table.headers[i]);
  csv += "\r\n";
  for (const PlanLine& line : table.lines) {
    field(0, line.label);
    field(1, line.date ? DateToStr(*line.date) : "");
    field(2, line.interestRate ? FormatGeneral(*line.interestRate) : "");
    for (size_t i = 0; i < line.amounts.size(); ++i)
      field(i + 3, line.amounts[i] ? PlainAmount(*line.amounts[i]) : "");
    csv += "\r\n";
  }
  return csv;
}

}  // namespace qv

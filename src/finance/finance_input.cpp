#include "finance/finance_input.h"

#include "finance/finance_dates.h"

namespace qv {

std::string CleanAmountText(std::string_view text) {
  std::string clean;
  for (const char c : text)
    if ((c >= '0' && c <= '9') || c == ',' || c == '-') clean += c;
  return clean;
}

Extended CleanAmount(std::string_view text) {
  return StrToFloat(CleanAmountText(text));
}

std::vector<ListEntry> ReadGridList(const std::vector<GridRow>& rows, int start, LoanField field) {
  size_t filled = 0;
  for (const GridRow& row : rows)
    if (!row.date.empty() && !row.value.empty()) ++filled;
  std::vector<ListEntry> entries;
  for (size_t i = 0; i < filled; ++i) {
    const int row = static_cast<int>(i) + 1;
    ListEntry entry;
    try {
      entry.month = MonthIndex(StrToDate(rows[i].date), start);
    } catch (const EConvertError& e) {
      throw LoanInputError(e, field, row, 1);
    }
    try {
      entry.value = StrToFloat(rows[i].value);
    } catch (const EConvertError& e) {
      throw LoanInputError(e, field, row, 2);
    }
    entries.push_back(entry);
  }
  return entries;
}

namespace {

long long ReadInteger(const LoanInputFields& fields, LoanField field) {
  try {
    return StrToInt(fields.Text(field));
  } catch (const EConvertError& e) {
    throw LoanInputError(e, field);
  }
}

ValidationOutcome Refused(std::string message, LoanField focus) {
  return {false, std::move(message), focus};
}

}  // namespace

ValidationOutcome ValidateLoanInput(LoanInputFields& fields, AdjustMode mode) {
  if (fields.Text(LoanField::Loan).empty()) {
    if (mode == AdjustMode::Rate) return Refused("Darlehenssumme eingeben", LoanField::Loan);
    fields.SetText(LoanField::Loan, "0");
  }
  if (fields.Text(LoanField::Interest).empty())
    return Refused("Zinssatz eingeben", LoanField::Interest);
  if (fields.Text(LoanField::Years).empty()) fields.SetText(LoanField::Years, "0");
  if (fields.Text(LoanField::Months).empty()) fields.SetText(LoanField::Months, "0");
  const long long years = ReadInteger(fields, LoanField::Years);
  const long long months = ReadInteger(fields, LoanField::Months);
  // A negative year count can make the sum pass while the term in months is none at all.
  if (years + months < 1 || 12 * years + months < 1)
    return Refused("Laufzeit eingeben", LoanField::Years);
  if (12 * years + months > kMaxTermMonths)
    return Refused("Die Laufzeit darf höchstens 100 Jahre betragen", LoanField::Years);
  if (fields.Text(LoanField::Rate).empty()) {
    if (mode != AdjustMode::Rate) return Refused("Monatsrate eingeben", LoanField::Rate);
    fields.SetText(LoanField::Rate, "0");
  }
  return {};
}

}  // namespace qv

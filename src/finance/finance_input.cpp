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

std::vector<ListEntry> ReadGridList(const std::vector<GridRow>& rows, int start,
                                    FinanceField field) {
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
      throw FinanceInputError(e, field, row, 1);
    }
    try {
      entry.value = StrToFloat(rows[i].value);
    } catch (const EConvertError& e) {
      throw FinanceInputError(e, field, row, 2);
    }
    entries.push_back(entry);
  }
  return entries;
}

namespace {

long long ReadInteger(const FinanceInputFields& fields, FinanceField field) {
  try {
    return StrToInt(fields.Text(field));
  } catch (const EConvertError& e) {
    throw FinanceInputError(e, field);
  }
}

ValidationOutcome Refused(std::string message, FinanceField focus) {
  return {false, std::move(message), focus};
}

constexpr const char* kTermTooLong = "Die Laufzeit darf höchstens 100 Jahre betragen";

}  // namespace

ValidationOutcome ValidateLoanInput(FinanceInputFields& fields, AdjustMode mode) {
  if (fields.Text(FinanceField::Loan).empty()) {
    if (mode == AdjustMode::Rate) return Refused("Darlehenssumme eingeben", FinanceField::Loan);
    fields.SetText(FinanceField::Loan, "0");
  }
  if (fields.Text(FinanceField::Interest).empty())
    return Refused("Zinssatz eingeben", FinanceField::Interest);
  if (fields.Text(FinanceField::Years).empty()) fields.SetText(FinanceField::Years, "0");
  if (fields.Text(FinanceField::Months).empty()) fields.SetText(FinanceField::Months, "0");
  const long long years = ReadInteger(fields, FinanceField::Years);
  const long long months = ReadInteger(fields, FinanceField::Months);
  // A negative year count can make the sum pass while the term in months is none at all.
  if (years + months < 1 || 12 * years + months < 1)
    return Refused("Laufzeit eingeben", FinanceField::Years);
  if (12 * years + months > kMaxTermMonths) return Refused(kTermTooLong, FinanceField::Years);
  if (fields.Text(FinanceField::Rate).empty()) {
    if (mode != AdjustMode::Rate) return Refused("Monatsrate eingeben", FinanceField::Rate);
    fields.SetText(FinanceField::Rate, "0");
  }
  return {};
}

ValidationOutcome ValidateSavingsInput(FinanceInputFields& fields) {
  if (fields.Text(FinanceField::Capital).empty()) fields.SetText(FinanceField::Capital, "0");
  if (fields.Text(FinanceField::SavingsInterest).empty())
    return Refused("Angaben fehlen!", FinanceField::SavingsInterest);
  if (fields.Text(FinanceField::Payment).empty()) fields.SetText(FinanceField::Payment, "0");
  const long long years = ReadInteger(fields, FinanceField::SavingsYears);
  const long long months = ReadInteger(fields, FinanceField::SavingsMonths);
  // 1 year and -12 months add up to 11 but give no month at all, and a negative term would
  // never end the monthly passes.
  if (years + months == 0 || 12 * years + months < 1)
    return Refused("Angaben fehlen!", FinanceField::SavingsYears);
  if (12 * years + months > kMaxTermMonths)
    return Refused(kTermTooLong, FinanceField::SavingsYears);
  return {};
}

}  // namespace qv

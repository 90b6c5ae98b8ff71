#pragma once
// Reading the inputs of the finance window: amounts typed with thousand points and a currency,
// the lists of dated entries in its grids, and the validation of its two pages.
#include <string>
#include <string_view>
#include <vector>

#include "platform/errors.h"
#include "platform/numbers.h"

namespace qv {

// The fields of the two pages that an input fault points to.
enum class FinanceField {
  // the loan page
  Loan,               // Edit1
  Interest,           // Edit2
  Rate,               // Edit12
  Years,              // Edit13
  Months,             // Edit14
  SpecialRepayments,  // Grid2
  InterestChanges,    // Grid3
  // the savings page
  Capital,                // Edit16
  SavingsInterest,        // Edit17
  Payment,                // Edit18
  SavingsYears,           // Edit19
  SavingsMonths,          // Edit23
  SpecialPayments,        // Grid1
  SavingsInterestChanges  // Grid4
};

// A text of the finance window that does not convert: the conversion's message and where the text
// stands (for a grid: the data row from 1 and the column, 1 date or 2 value).
class FinanceInputError : public EConvertError {
 public:
  FinanceInputError(const EConvertError& error, FinanceField field, int row = 0, int col = 0)
      : EConvertError(error.what()), field(field), row(row), col(col) {}
  FinanceField field;
  int row, col;
};

// A field's text converted; a text that does not convert points to its field.
template <class Convert>
auto ReadField(FinanceField field, const Convert& convert) {
  try {
    return convert();
  } catch (const FinanceInputError&) {
    throw;
  } catch (const EConvertError& e) {
    throw FinanceInputError(e, field);
  }
}

// Removes every "." (thousand points), then every character other than a digit, "," or "-":
// "1.234,56 €" becomes "1234,56", "-3.000" becomes "-3000".
std::string CleanAmountText(std::string_view text);
// The cleaned text converted; an empty rest is a conversion error.
Extended CleanAmount(std::string_view text);

// Columns 1 (date) and 2 (value) of a data row of a list grid.
struct GridRow {
  std::string date, value;

  bool operator==(const GridRow&) const = default;
};

// A dated entry: its month counted from the start (MonthIndex) and its value.
struct ListEntry {
  int month = 0;
  Extended value = 0;
};

// The entries of a list grid's data rows. Counts the rows whose date and value are both
// filled (k) and reads the first k rows, filled or not: the filled rows must stand together
// from the first on, and a gap ends in a conversion error raised as FinanceInputError of `field`.
std::vector<ListEntry> ReadGridList(const std::vector<GridRow>& rows, int start,
                                    FinanceField field);

// What is changed when the maximum term is exceeded: the rate ("Rate"), the loan sum
// ("Darl."), or, with neither chosen, nothing.
enum class AdjustMode { None, Rate, Loan };

// The edit fields of a page as the validation reads them and writes default texts into them (a
// write may run the field's change behaviour).
class FinanceInputFields {
 public:
  virtual ~FinanceInputFields() = default;
  virtual std::string Text(FinanceField field) const = 0;
  virtual void SetText(FinanceField field, const std::string& text) = 0;
};

// The longest term either page computes: 100 years.
constexpr long long kMaxTermMonths = 1200;

struct ValidationOutcome {
  bool valid = true;
  std::string message;  // the one message shown when not valid
  FinanceField focus = FinanceField::Loan;
};

// The checks of the loan page in their order: the loan sum ("Darlehenssumme eingeben" in mode
// "Rate", else "0" is written), the interest ("Zinssatz eingeben"), years and months ("0"
// written into an empty one; "Laufzeit eingeben" when their sum or the term in months is below
// 1, a note when the term is longer than 100 years) and the rate ("Monatsrate eingeben" unless
// in mode "Rate", where "0" is written). A years or months text that is no integer raises
// FinanceInputError.
ValidationOutcome ValidateLoanInput(FinanceInputFields& fields, AdjustMode mode);

// The checks of the savings page: "0" into an empty capital field, "Angaben fehlen!" for an
// empty interest field, "0" into an empty payment field, and "Angaben fehlen!" with the years
// field focused when years and months add up to 0 or give no month at all (1 year and -12
// months); a term longer than 100 years gets the loan page's note. A years or months text that
// is no integer raises FinanceInputError.
ValidationOutcome ValidateSavingsInput(FinanceInputFields& fields);

}  // namespace qv

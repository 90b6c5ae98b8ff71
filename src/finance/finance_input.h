#pragma once
// Reading the inputs of the finance window: amounts typed with thousand points and a currency,
// the lists of dated entries in its grids, and the validation of the loan page.
#include <string>
#include <string_view>
#include <vector>

#include "platform/errors.h"
#include "platform/numbers.h"

namespace qv {

// The fields of the loan page that an input fault points to.
enum class LoanField {
  Loan,               // Edit1
  Interest,           // Edit2
  Rate,               // Edit12
  Years,              // Edit13
  Months,             // Edit14
  SpecialRepayments,  // Grid2
  InterestChanges,    // Grid3
};

// A text of the loan page that does not convert: the conversion's message and where the text
// stands (for a grid: the data row from 1 and the column, 1 date or 2 value).
class LoanInputError : public EConvertError {
 public:
  LoanInputError(const EConvertError& error, LoanField field, int row = 0, int col = 0)
      : EConvertError(error.what()), field(field), row(row), col(col) {}
  LoanField field;
  int row, col;
};

// Removes every "." (thousand points), then every character other than a digit, "," or "-":
// "1.234,56 €" becomes "1234,56", "-3.000" becomes "-3000".
std::string CleanAmountText(std::string_view text);
// The cleaned text converted; an empty rest is a conversion error.
Extended CleanAmount(std::string_view text);

// Columns 1 (date) and 2 (value) of a data row of a list grid.
struct GridRow {
  std::string date, value;
};

// A dated entry: its month counted from the start (MonthIndex) and its value.
struct ListEntry {
  int month = 0;
  Extended value = 0;
};

// The entries of a list grid's data rows. Counts the rows whose date and value are both
// filled (k) and reads the first k rows, filled or not: the filled rows must stand together
// from the first on, and a gap ends in a conversion error raised as LoanInputError of `field`.
std::vector<ListEntry> ReadGridList(const std::vector<GridRow>& rows, int start, LoanField field);

// What is changed when the maximum term is exceeded: the rate ("Rate"), the loan sum
// ("Darl."), or, with neither chosen, nothing.
enum class AdjustMode { None, Rate, Loan };

// The edit fields of the loan page as the validation reads them and writes default texts into
// them (a write may run the field's change behaviour).
class LoanInputFields {
 public:
  virtual ~LoanInputFields() = default;
  virtual std::string Text(LoanField field) const = 0;
  virtual void SetText(LoanField field, const std::string& text) = 0;
};

// The longest maximum term the loan page computes: 100 years.
constexpr long long kMaxTermMonths = 1200;

struct ValidationOutcome {
  bool valid = true;
  std::string message;  // the one message shown when not valid
  LoanField focus = LoanField::Loan;
};

// The checks of the loan page in their order: the loan sum ("Darlehenssumme eingeben" in mode
// "Rate", else "0" is written), the interest ("Zinssatz eingeben"), years and months ("0"
// written into an empty one; "Laufzeit eingeben" when their sum or the term in months is below
// 1, a note when the term is longer than 100 years) and the rate ("Monatsrate eingeben" unless
// in mode "Rate", where "0" is written). A years or months text that is no integer raises
// LoanInputError.
ValidationOutcome ValidateLoanInput(LoanInputFields& fields, AdjustMode mode);

}  // namespace qv

#pragma once
// The stored finance cases: one section of the settings file per case, named by the user, with
// the inputs of a loan or a savings case; the section "Finanzrechner" lists the names.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "finance/finance_input.h"
#include "platform/inifile.h"
#include "platform/numbers.h"

namespace qv {

// The section that lists the names of the stored cases under "0", "1", ...
inline constexpr const char* kFinanceNamesSection = "Finanzrechner";
// The most data rows a list grid has: adding a row stops there, so that every list saved loads
// back whole; a stored list beyond it is malformed.
inline constexpr int kMaxListRows = 10000;
// The longest name a case is stored under, in characters.
inline constexpr size_t kMaxRecordNameLength = 255;

// Names of cases are the same when they are equal after turning the letters a to z into
// capitals; other characters, umlauts included, count as they are.
bool SameRecordName(std::string_view a, std::string_view b);
// The position of the name in the list, or -1.
int FindRecordName(const std::vector<std::string>& names, std::string_view name);

// Whether a name may become the section of a stored case: the German reason why not, or
// nothing. Refused are empty names and names of blanks only, names with blanks around them (the
// settings file drops those, so " Haus" and "Haus" would share one section), line breaks or
// other control characters, "[", "]" or "=", a leading ";", more than 255 characters, and the
// names of the program's own sections ("Config", "Finanzrechner", ...) in any letter case.
std::optional<std::string> RecordNameRefusal(std::string_view name);

// A list grid as a case stores it: the row count with the header row, and the rows whose date
// and value are both filled, by their row number from 1.
struct StoredList {
  int rowCount = 3;
  std::vector<std::pair<int, GridRow>> rows;

  bool operator==(const StoredList&) const = default;
};

// The subsidy values stored with a loan case that has the subsidy on.
struct StoredSubsidy {
  std::string totalText = "0";   // "Foerder": the subsidy field as shown
  Extended perYear = 0;          // "Jahressumme"
  Extended total = 0;            // "Foerdersumme"
  std::string incomeText = "0";  // "Monatsein"
  int houseKind = 0;             // "Haus"
  int borrowerSingle = 0;        // "Nehmer"
  int ecoBonus1Chosen = 0;       // "Oekozu"
  int ecoBonus2Chosen = 0;       // "Oekozu2"
  int childCount = 0;            // "Kinderzahl"
  int rules = 0;                 // "FW": 0 from 1.1.2006, 1 up to 31.12.2005

  bool operator==(const StoredSubsidy&) const = default;
};

// The inputs of the loan page a case keeps (the rate and the adjust mode are not kept).
struct LoanRecord {
  std::string loanText = "0,0";      // "dl"
  std::string interestText = "0,0";  // "zins"
  int startDate = 0;                 // "datum"
  std::string yearsText = "30";      // "MaxLaufzeit"
  std::string monthsText = "0";      // "LaufzeitM"
  bool variableInterest = false;     // "vproz"
  StoredList interestChanges;        // "rws2", "1a", "2a", ...
  StoredList specialRepayments;      // "rws", "1", "2", ...
  std::optional<StoredSubsidy> subsidy;

  bool operator==(const LoanRecord&) const = default;
};

// The inputs of the savings page a case keeps (the months of the term are not kept).
struct SavingsRecord {
  bool yearly = false;               // "zindex"
  std::string capitalText = "0,0";   // "dl"
  std::string interestText = "0,0";  // "zins"
  std::string paymentText = "0,0";   // "rate"
  int startDate = 0;                 // "datum"
  std::string yearsText = "30";      // "lzt"
  StoredList specialPayments;        // "rws", "1", "2", ...
  bool variableInterest = false;     // "vproz"
  StoredList interestChanges;        // "rws2", "1a", "2a", ...

  bool operator==(const SavingsRecord&) const = default;
};

// The pages a case belongs to ("findex").
inline constexpr int kLoanRecord = 0;
inline constexpr int kSavingsRecord = 1;

// A case as read: the page, the inputs of that page (every key missing or malformed takes its
// read default), and the keys that were malformed.
struct FinanceRecord {
  int page = kLoanRecord;
  LoanRecord loan;
  SavingsRecord savings;
  std::vector<std::string> malformedKeys;
};

// Reads the case of that name. Malformed values (a "findex" that is no page, a row count below
// 2 or of more than kMaxListRows data rows, a row key above kMaxListRows, a list row without
// ";", a date that does not parse, a number or integer that does not convert) are named in
// malformedKeys; the row count of a list whose count is malformed holds the rows stored. Every
// row key below the row count is read, also after a row that is missing; rows beyond it are
// left out, as they would not show.
FinanceRecord ReadFinanceRecord(const IniFile& ini, std::string_view name);

// A case is a section with the key "findex"; any other section is no case of ours.
bool IsFinanceRecord(const IniFile& ini, std::string_view name);

// The keys of a case in the order the page writes them, "findex" last. The section is not
// erased first.
void WriteLoanRecord(IniFile& ini, std::string_view name, const LoanRecord& record);
void WriteSavingsRecord(IniFile& ini, std::string_view name, const SavingsRecord& record);

// The names list: "0", "1", ... up to the first missing key; writing erases the section first.
std::vector<std::string> ReadRecordNames(const IniFile& ini);
void WriteRecordNames(IniFile& ini, const std::vector<std::string>& names);

}  // namespace qv

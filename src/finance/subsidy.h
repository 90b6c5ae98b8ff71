#pragma once
// The yearly home-ownership subsidy: two rule sets of nine values (allowances, income limits,
// duration), kept as texts in the settings file, and the computation of the yearly amount and
// the total from a rule set, the case (building, eco supplements, borrower, children, income)
// and the loan sum.
#include <array>
#include <optional>
#include <string>

#include "platform/errors.h"
#include "platform/inifile.h"
#include "platform/numbers.h"

namespace qv {

// The rule sets: for contracts from 1.1.2006 and for contracts up to 31.12.2005.
constexpr int kNewSubsidyRules = 0;
constexpr int kOldSubsidyRules = 1;
// Below this loan sum the old rules pay 1 % of the loan as the building allowance.
constexpr Extended kFullAllowanceLoan = 125000;

// The nine values of a rule set in the order they are stored, then the income.
enum class SubsidyField {
  NewBuilding,    // "Neubauzl"
  OldBuilding,    // "Altbauzl"
  Eco1,           // "Oekozl"
  Eco2,           // "Oekozl2"
  PerChild,       // "Kinderzl"
  LimitSingle,    // "Grenze_L"
  LimitMarried,   // "Grenze_V"
  Years,          // "Dauer"
  RaisePerChild,  // "Erhoeung"
  Income,
};
constexpr int kSubsidyRuleCount = 9;
using SubsidyRuleTexts = std::array<std::string, kSubsidyRuleCount>;

struct SubsidyRuleKey {
  const char* key;         // in the settings file
  const char* name;        // as a message names the field
  const char* newDefault;  // in the section of the new rules
  const char* oldDefault;  // in the section of the old rules
};
extern const std::array<SubsidyRuleKey, kSubsidyRuleCount> kSubsidyRuleKeys;

// "FoerderNeu" or "FoerderAlt".
const char* SubsidySection(int rules);
SubsidyRuleTexts DefaultSubsidyRules(int rules);
// The stored values of a rule set, each missing one with its default.
SubsidyRuleTexts ReadSubsidyRules(const IniFile& ini, int rules);
void WriteSubsidyRules(IniFile& ini, int rules, const SubsidyRuleTexts& texts);
// Writes each rule set the file has no section for with its defaults; answers whether it wrote.
bool WriteMissingSubsidyRules(IniFile& ini);

// A field of the subsidy dialog that does not convert or holds a negative value: the message
// and the field.
class SubsidyInputError : public EConvertError {
 public:
  SubsidyInputError(const std::string& message, SubsidyField field)
      : EConvertError(message), field(field) {}
  SubsidyField field;
};

struct SubsidyCase {
  SubsidyRuleTexts rules;
  int ruleSet = kNewSubsidyRules;
  std::string incomeText;           // of the last two years; empty counts as 0
  std::optional<int> houseKind;     // 0 new, 1 old building; nothing when neither is chosen
  std::optional<bool> single;       // the borrower; nothing when neither is chosen
  bool eco1 = false, eco2 = false;  // the eco supplements chosen
  int children = 0;
  Extended loanAmount = 0;
  // Kept when no building is chosen.
  Extended previousBuildingAllowance = 0;
};

struct SubsidyResult {
  bool incomeTooHigh = false;  // nothing is paid then
  Extended perYear = 0;
  Extended total = 0;
  Extended buildingAllowance = 0;
  bool capped = false;  // the total was cut to the loan sum
};

// Raises SubsidyInputError for a text that does not convert or a negative value, and EOverflow
// for an amount beyond the number range.
SubsidyResult ComputeSubsidy(const SubsidyCase& subsidyCase);

// Whether the old rules' 1 % allowance applies to this loan sum.
bool OnePercentAllowance(int ruleSet, Extended loanAmount);

// The message of "OK" about the 1 % building allowance, with the note of a capped total
// (yearlyText: the yearly amount as the dialog shows it).
std::string OnePercentMessage(int houseKind, Extended loanAmount, Extended buildingAllowance,
                              bool capped, const std::string& yearlyText);

}  // namespace qv

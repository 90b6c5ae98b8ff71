#include "finance/subsidy.h"

#include <algorithm>
#include <cmath>

namespace qv {

const std::array<SubsidyRuleKey, kSubsidyRuleCount> kSubsidyRuleKeys{{
    {"Neubauzl", "Neubauzulage", "0", "1250"},
    {"Altbauzl", "Altbauzulage", "0", "1250"},
    {"Oekozl", "Ökozulage 1", "0", "0"},
    {"Oekozl2", "Ökozulage 2", "0", "0"},
    {"Kinderzl", "Kinderzulage", "0", "800"},
    {"Grenze_L", "Grenze Unvh.", "0", "70000"},
    {"Grenze_V", "Grenze Verh.", "0", "140000"},
    {"Dauer", "Dauer (Jahre)", "0", "8"},
    {"Erhoeung", "Erh. pro Kind", "0", "30000"},
}};

const char* SubsidySection(int rules) {
  return rules == kOldSubsidyRules ? "FoerderAlt" : "FoerderNeu";
}

SubsidyRuleTexts DefaultSubsidyRules(int rules) {
  SubsidyRuleTexts texts;
  for (int i = 0; i < kSubsidyRuleCount; ++i)
    texts[i] =
        rules == kOldSubsidyRules ? kSubsidyRuleKeys[i].oldDefault : kSubsidyRuleKeys[i].newDefault;
  return texts;
}

SubsidyRuleTexts ReadSubsidyRules(const IniFile& ini, int rules) {
  SubsidyRuleTexts texts = DefaultSubsidyRules(rules);
  for (int i = 0; i < kSubsidyRuleCount; ++i)
    texts[i] = ini.ReadString(SubsidySection(rules), kSubsidyRuleKeys[i].key, texts[i]);
  return texts;
}

void WriteSubsidyRules(IniFile& ini, int rules, const SubsidyRuleTexts& texts) {
  for (int i = 0; i < kSubsidyRuleCount; ++i)
    ini.WriteString(SubsidySection(rules), kSubsidyRuleKeys[i].key, texts[i]);
}

bool WriteMissingSubsidyRules(IniFile& ini) {
  bool wrote = false;
  for (const int rules : {kNewSubsidyRules, kOldSubsidyRules}) {
    if (ini.SectionExists(SubsidySection(rules))) continue;
    WriteSubsidyRules(ini, rules, DefaultSubsidyRules(rules));
    wrote = true;
  }
  return wrote;
}

namespace {

std::string FieldName(SubsidyField field) {
  return field == SubsidyField::Income ? "Einkommen"
                                       : kSubsidyRuleKeys[static_cast<int>(field)].name;
}

// A value of the dialog: converted, and never below zero, since an allowance, a limit or an
// income below zero would turn the subsidy into a charge.
template <class Convert>
auto Read(SubsidyField field, const Convert& convert) {
  decltype(convert()) value{};
  try {
    value = convert();
  } catch (const EConvertError& e) {
    throw SubsidyInputError(e.what(), field);
  }
  if (value < 0)
    throw SubsidyInputError("Der Wert für „" + FieldName(field) + "“ darf nicht negativ sein",
                            field);
  return value;
}

class FieldReader {
 public:
  explicit FieldReader(const SubsidyCase& subsidyCase) : case_(subsidyCase) {}
  Extended Amount(SubsidyField field) const {
    return Read(field, [&] { return StrToFloat(Text(field)); });
  }
  long long Integer(SubsidyField field) const {
    return Read(field, [&] { return StrToInt(Text(field)); });
  }

 private:
  const std::string& Text(SubsidyField field) const {
    if (field == SubsidyField::Income) return case_.incomeText.empty() ? zero_ : case_.incomeText;
    return case_.rules[static_cast<int>(field)];
  }
  const SubsidyCase& case_;
  const std::string zero_ = "0";
};

Extended Finite(Extended value) {
  if (!std::isfinite(value)) throw EOverflow();
  return value;
}

}  // namespace

bool OnePercentAllowance(int ruleSet, Extended loanAmount) {
  return ruleSet == kOldSubsidyRules && loanAmount < kFullAllowanceLoan;
}

SubsidyResult ComputeSubsidy(const SubsidyCase& subsidyCase) {
  const FieldReader field(subsidyCase);
  SubsidyResult result;
  const Extended children = subsidyCase.children;

  Extended limit = 0;
  if (subsidyCase.single)
    limit = Finite(
        field.Amount(*subsidyCase.single ? SubsidyField::LimitSingle : SubsidyField::LimitMarried) +
        children * field.Amount(SubsidyField::RaisePerChild));
  if (field.Amount(SubsidyField::Income) > limit) {
    result.incomeTooHigh = true;
    result.buildingAllowance = subsidyCase.previousBuildingAllowance;
    return result;
  }

  long long years = field.Integer(SubsidyField::Years);
  Extended eco = 0;
  if (subsidyCase.eco1) eco = field.Amount(SubsidyField::Eco1);
  if (subsidyCase.eco2) eco = eco + field.Amount(SubsidyField::Eco2);
  const Extended childPart = children * field.Amount(SubsidyField::PerChild);

  // The subsidy never exceeds the loan, and a loan sum below zero receives none.
  const Extended loan = std::max<Extended>(subsidyCase.loanAmount, 0);
  result.buildingAllowance = subsidyCase.previousBuildingAllowance;
  if (subsidyCase.houseKind) {
    result.buildingAllowance = field.Amount(
        *subsidyCase.houseKind == 0 ? SubsidyField::NewBuilding : SubsidyField::OldBuilding);
    if (OnePercentAllowance(subsidyCase.ruleSet, subsidyCase.loanAmount))
      result.buildingAllowance = std::nearbyint(loan / 100);
  }

  result.perYear = Finite(childPart + eco + result.buildingAllowance);
  result.total = Finite(static_cast<Extended>(years) * result.perYear);
  if (loan < result.total) {
    result.capped = true;
    result.total = loan;
    if (years == 0) years = 1;
    result.perYear = loan / static_cast<Extended>(years);
  }
  return result;
}

std::string OnePercentMessage(int houseKind, Extended loanAmount, Extended buildingAllowance,
                              bool capped, const std::string& yearlyText) {
  const std::string note =
      capped ? "Die Höhe der Förderung darf nicht die Höhe des Darlehens überschreiten\rSie "
               "wurde deshalb auf " +
                   yearlyText + " beschränkt"
             : "";
  return "Bei einer Darlehenssumme von " + FormatShortest(loanAmount) + " Euro\r" +
         "wurde die jährliche " + (houseKind == 0 ? "Neubauzulage" : "Altbauzulage") +
         " als: " + FormatShortest(buildingAllowance) + " Euro berechnet (1%)\r" +
         "Um die volle Zulage zu bekommen muss die Darlehenssumme 125.000,- Euro überschreiten\r" +
         note;
}

}  // namespace qv

#include "finance/finance_records.h"

#include <algorithm>

#include "platform/dates.h"
#include "platform/text.h"

namespace qv {

namespace {

// The sections the program itself writes: the main window's, the names list's and the subsidy
// dialog's rule sets.
constexpr const char* kProgramSections[] = {"Config",     "Waehrung",  "Kurse",
                                            "Terms",      "Konstant",  kFinanceNamesSection,
                                            "FoerderNeu", "FoerderAlt"};

constexpr const char* kDefaultDate = "01.01.01";

char UpperAz(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsControl(unsigned char c) {
  return c < 0x20 || c == 0x7F;
}

// The value of a key, when the key is there.
std::optional<std::string> Stored(const IniFile& ini, std::string_view name, std::string_view key) {
  if (!ini.ValueExists(name, key)) return std::nullopt;
  return ini.ReadString(name, key, "");
}

// Reading one case; every malformed value is noted under its key.
class RecordReader {
 public:
  RecordReader(const IniFile& ini, std::string_view name) : ini_(ini), name_(name) {}
  std::vector<std::string> malformed;

  bool Has(const char* key) const { return ini_.ValueExists(name_, key); }
  std::string Text(const char* key, const char* fallback) const {
    return ini_.ReadString(name_, key, fallback);
  }

  // An integer the check accepts; otherwise the fallback.
  template <class Accept>
  int Integer(const char* key, int fallback, const Accept& accept) {
    const auto text = Stored(ini_, name_, key);
    if (!text) return fallback;
    long long value = 0;
    if (TryStrToInt(*text, value) && accept(value)) return static_cast<int>(value);
    malformed.push_back(key);
    return fallback;
  }
  int Integer(const char* key) {
    return Integer(key, 0, [](long long) { return true; });
  }
  bool Flag(const char* key) { return Integer(key) != 0; }

  int Date(const char* key) {
    int day = 0;
    TryStrToDate(kDefaultDate, day);
    const auto text = Stored(ini_, name_, key);
    if (text && !TryStrToDate(*text, day)) {
      malformed.push_back(key);
      TryStrToDate(kDefaultDate, day);
    }
    return day;
  }

  std::optional<Extended> Number(const char* key) {
    const auto text = Stored(ini_, name_, key);
    if (!text) return std::nullopt;
    Extended value = 0;
    if (TryTextToFloat(*text, value)) return value;
    malformed.push_back(key);
    return std::nullopt;
  }

  // The rows of a list grid under "1", "2", ... (suffix "") or "1a", "2a", ... (suffix "a").
  // A row number no grid can have is malformed; a row beyond a valid count is kept out of
  // sight, as the grid's rows beyond its count are; a malformed count makes room for the rows
  // stored.
  StoredList List(const char* countKey, std::string_view suffix) {
    std::vector<int> numbers;
    for (const std::string& key : ini_.ReadSection(name_)) {
      const auto number = RowNumber(key, suffix);
      if (!number) continue;
      if (*number <= kMaxListRows)
        numbers.push_back(*number);
      else
        malformed.push_back(key);
    }
    std::sort(numbers.begin(), numbers.end());

    StoredList list;
    const int highest = numbers.empty() ? 0 : numbers.back();
    list.rowCount = Integer(countKey, std::max(list.rowCount, highest + 1), [](long long count) {
      return count >= 2 && count <= kMaxListRows + 1;
    });
    for (const int number : numbers) {
      if (number >= list.rowCount) continue;
      const std::string key = std::to_string(number) + std::string(suffix);
      const std::string value = ini_.ReadString(name_, key, "");
      const size_t semicolon = value.find(';');
      if (semicolon == std::string::npos) {
        malformed.push_back(key);
        list.rows.push_back({number, {"", value}});
      } else {
        list.rows.push_back({number, {value.substr(0, semicolon), value.substr(semicolon + 1)}});
      }
    }
    return list;
  }

 private:
  // "12" or "12a" for suffix "a": the row number 12; no leading zero.
  static std::optional<int> RowNumber(std::string_view key, std::string_view suffix) {
    if (key.size() <= suffix.size() || LowerAscii(key.substr(key.size() - suffix.size())) != suffix)
      return std::nullopt;
    const std::string_view digits = key.substr(0, key.size() - suffix.size());
    if (digits.size() > 9 || digits.front() == '0') return std::nullopt;
    int number = 0;
    for (const char c : digits) {
      if (c < '0' || c > '9') return std::nullopt;
      number = number * 10 + (c - '0');
    }
    return number;
  }

  const IniFile& ini_;
  std::string_view name_;
};

bool ZeroOrOne(long long value) {
  return value == 0 || value == 1;
}

StoredSubsidy ReadSubsidy(RecordReader& read) {
  StoredSubsidy subsidy;
  subsidy.totalText = read.Text("Foerder", "0");
  subsidy.perYear = read.Number("Jahressumme").value_or(0);
  // A case stored without the exact total takes the one its subsidy field shows.
  if (const auto total = read.Number("Foerdersumme"))
    subsidy.total = *total;
  else if (!read.Has("Foerdersumme"))
    TryTextToFloat(CleanAmountText(subsidy.totalText), subsidy.total);
  subsidy.incomeText = read.Text("Monatsein", "0");
  subsidy.houseKind = read.Integer("Haus", 0, ZeroOrOne);
  subsidy.borrowerSingle = read.Integer("Nehmer", 0, ZeroOrOne);
  subsidy.ecoBonus1Chosen = read.Integer("Oekozu", 0, ZeroOrOne);
  subsidy.ecoBonus2Chosen = read.Integer("Oekozu2", 0, ZeroOrOne);
  subsidy.childCount = read.Integer("Kinderzahl", 0, [](long long n) { return n >= 0; });
  subsidy.rules = read.Integer("FW", 0, ZeroOrOne);
  return subsidy;
}

LoanRecord ReadLoanRecord(RecordReader& read) {
  LoanRecord record;
  record.loanText = read.Text("dl", "0,0");
  record.interestText = read.Text("zins", "0,0");
  record.startDate = read.Date("datum");
  record.yearsText = read.Text("MaxLaufzeit", "30");
  record.monthsText = read.Text("LaufzeitM", "0");
  record.variableInterest = read.Flag("vproz");
  record.interestChanges = read.List("rws2", "a");
  record.specialRepayments = read.List("rws", "");
  if (read.Has("Jahressumme")) record.subsidy = ReadSubsidy(read);
  return record;
}

SavingsRecord ReadSavingsRecord(RecordReader& read) {
  SavingsRecord record;
  record.yearly = read.Integer("zindex") == 1;
  record.capitalText = read.Text("dl", "0,0");
  record.interestText = read.Text("zins", "0,0");
  record.paymentText = read.Text("rate", "0,0");
  record.startDate = read.Date("datum");
  record.yearsText = read.Text("lzt", "30");
  record.specialPayments = read.List("rws", "");
  record.variableInterest = read.Flag("vproz");
  record.interestChanges = read.List("rws2", "a");
  return record;
}

void WriteList(IniFile& ini, std::string_view name, const char* countKey, std::string_view suffix,
               const StoredList& list) {
  ini.WriteInteger(name, countKey, list.rowCount);
  for (const auto& [number, row] : list.rows)
    ini.WriteString(name, std::to_string(number) + std::string(suffix), row.date + ";" + row.value);
}

void WriteSubsidy(IniFile& ini, std::string_view name, const StoredSubsidy& subsidy) {
  ini.WriteString(name, "Foerder", subsidy.totalText);
  ini.WriteString(name, "Jahressumme", FormatShortest(subsidy.perYear));
  ini.WriteString(name, "Foerdersumme", FormatShortest(subsidy.total));
  ini.WriteString(name, "Monatsein", subsidy.incomeText);
  ini.WriteInteger(name, "Haus", subsidy.houseKind);
  ini.WriteInteger(name, "Nehmer", subsidy.borrowerSingle);
  ini.WriteInteger(name, "Oekozu", subsidy.ecoBonus1Chosen);
  ini.WriteInteger(name, "Oekozu2", subsidy.ecoBonus2Chosen);
  ini.WriteInteger(name, "Kinderzahl", subsidy.childCount);
  ini.WriteInteger(name, "FW", subsidy.rules);
}

}  // namespace

bool SameRecordName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return UpperAz(x) == UpperAz(y);
         });
}

int FindRecordName(const std::vector<std::string>& names, std::string_view name) {
  for (size_t i = 0; i < names.size(); ++i)
    if (SameRecordName(names[i], name)) return static_cast<int>(i);
  return -1;
}

std::optional<std::string> RecordNameRefusal(std::string_view name) {
  if (name.find_first_not_of(' ') == std::string_view::npos) return "Namen eingeben";
  if (!IsValidUtf8(name) || std::any_of(name.begin(), name.end(), [](char c) {
        return IsControl(static_cast<unsigned char>(c));
      }))
    return "Der Name darf keine Zeilenumbrüche oder Steuerzeichen enthalten";
  if (name.find_first_of("[]=") != std::string_view::npos)
    return "Der Name darf die Zeichen [ ] und = nicht enthalten";
  if (name.front() == ';') return "Der Name darf nicht mit ; beginnen";
  if (name.front() == ' ' || name.back() == ' ')
    return "Der Name darf nicht mit einem Leerzeichen beginnen oder enden";
  if (CharLength(name) > kMaxRecordNameLength)
    return "Der Name darf höchstens " + std::to_string(kMaxRecordNameLength) + " Zeichen lang sein";
  for (const char* section : kProgramSections)
    if (LowerAscii(name) == LowerAscii(section))
      return "Der Name „" + std::string(name) +
             "“ gehört zu den Einstellungen des Programms und kann nicht verwendet werden";
  return std::nullopt;
}

FinanceRecord ReadFinanceRecord(const IniFile& ini, std::string_view name) {
  RecordReader read(ini, name);
  FinanceRecord record;
  record.page = read.Integer("findex", kLoanRecord, ZeroOrOne);
  if (record.page == kLoanRecord)
    record.loan = ReadLoanRecord(read);
  else
    record.savings = ReadSavingsRecord(read);
  record.malformedKeys = std::move(read.malformed);
  return record;
}

bool IsFinanceRecord(const IniFile& ini, std::string_view name) {
  return ini.ValueExists(name, "findex");
}

void WriteLoanRecord(IniFile& ini, std::string_view name, const LoanRecord& record) {
  ini.WriteString(name, "dl", record.loanText);
  ini.WriteString(name, "zins", record.interestText);
  ini.WriteString(name, "datum", DateToStr(record.startDate));
  ini.WriteString(name, "MaxLaufzeit", record.yearsText);
  ini.WriteString(name, "LaufzeitM", record.monthsText);
  ini.WriteBool(name, "vproz", record.variableInterest);
  if (record.variableInterest) WriteList(ini, name, "rws2", "a", record.interestChanges);
  WriteList(ini, name, "rws", "", record.specialRepayments);
  if (record.subsidy) WriteSubsidy(ini, name, *record.subsidy);
  ini.WriteInteger(name, "findex", kLoanRecord);
}

void WriteSavingsRecord(IniFile& ini, std::string_view name, const SavingsRecord& record) {
  ini.WriteInteger(name, "zindex", record.yearly ? 1 : 0);
  ini.WriteString(name, "dl", record.capitalText);
  ini.WriteString(name, "zins", record.interestText);
  ini.WriteString(name, "rate", record.paymentText);
  ini.WriteString(name, "datum", DateToStr(record.startDate));
  ini.WriteString(name, "lzt", record.yearsText);
  WriteList(ini, name, "rws", "", record.specialPayments);
  ini.WriteBool(name, "vproz", record.variableInterest);
  if (record.variableInterest) WriteList(ini, name, "rws2", "a", record.interestChanges);
  ini.WriteInteger(name, "findex", kSavingsRecord);
}

std::vector<std::string> ReadRecordNames(const IniFile& ini) {
  std::vector<std::string> names;
  for (int i = 0; ini.ValueExists(kFinanceNamesSection, std::to_string(i)); ++i)
    names.push_back(ini.ReadString(kFinanceNamesSection, std::to_string(i), ""));
  return names;
}

void WriteRecordNames(IniFile& ini, const std::vector<std::string>& names) {
  ini.EraseSection(kFinanceNamesSection);
  for (size_t i = 0; i < names.size(); ++i)
    ini.WriteString(kFinanceNamesSection, std::to_string(i), names[i]);
}

}  // namespace qv

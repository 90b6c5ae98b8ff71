#include "finance/finance_report.h"

#include "tape/tape_model.h"

namespace qv {

namespace {

// Lines appended in bold or in regular weight.
class Report {
 public:
  explicit Report(TapeModel& tape) : tape_(tape) {}
  Report& Bold() {
    tape_.TapeSetStyle({.bold = true});
    return *this;
  }
  Report& Regular() {
    tape_.TapeSetStyle({.bold = false});
    return *this;
  }
  Report& Line(const std::string& text = {}) {
    tape_.TapeAppendLine(text);
    return *this;
  }

  // The heading of the entry: the case's name and an empty line.
  void Start(const std::string& name) {
    tape_.TapeStartEntry();
    Bold().Line(name.empty() ? "Unbenannt" : name).Line();
  }

  // An empty line, the heading in bold, then the first p rows in regular weight.
  void List(const std::string& heading, const std::vector<GridRow>& rows) {
    size_t filled = 0;
    for (const GridRow& row : rows)
      if (!row.date.empty() && !row.value.empty()) ++filled;
    Line().Bold().Line(heading);
    for (size_t i = 0; i < filled; ++i) Regular().Line(rows[i].date + ":  " + rows[i].value);
  }

 private:
  TapeModel& tape_;
};

bool AnyFilled(const std::vector<GridRow>& rows) {
  for (const GridRow& row : rows)
    if (!row.date.empty() && !row.value.empty()) return true;
  return false;
}

std::string InterestLine(bool variable, const std::string& interest) {
  return (variable ? "Anf. Zinsen:  " : "Zinsen:  ") + interest + " %";
}

}  // namespace

void WriteLoanReport(TapeModel& tape, const LoanReport& r) {
  Report report(tape);
  report.Start(r.name);
  report.Line("Datum:  " + r.startDate)
      .Line("Darl.summe: " + r.loan)
      .Line(InterestLine(r.variableInterest, r.interest))
      .Line("Rate:  " + r.rate);
  if (AnyFilled(r.interestChanges)) report.List("Zinsänderungen:", r.interestChanges);
  if (AnyFilled(r.specialRepayments)) report.List("Sondertilgungen:", r.specialRepayments);
  report.Bold().Line().Line("Status jetzt: " + r.statusDate);
  report.Regular().Line("Jetzt Bezahlt: " + r.statusRepaid);
  report.Regular().Line("Jetzt bezahlte Zinsen: " + r.statusInterest).Line();
  report.Bold().Line("Laufzeitende:");
  report.Regular().Line("Laufzeit:  " + r.termYears + " Jahre  " + r.termMonths + " Monate");
  report.Regular().Line("Letzte Rate:  " + r.lastRate);
  report.Regular().Line("Datum l. Rate:  " + r.lastRateDate);
  report.Bold().Line().Line("Am Ende der Laufz. gezahlt:");
  report.Regular().Line(r.totalPaid);
  report.Bold().Line("Anteil der Zinsen:");
  report.Regular().Line(r.interestPaid);
}

void WriteSavingsReport(TapeModel& tape, const SavingsReport& r) {
  Report report(tape);
  report.Start(r.name);
  report.Line("Datum:  " + r.startDate)
      .Line("Anfangskapital:  " + r.capital)
      .Line(InterestLine(r.variableInterest, r.interest))
      .Line("Monatl. Zuzahlung:  " + r.payment);
  if (AnyFilled(r.interestChanges)) report.List("Zinsänderungen:", r.interestChanges);
  if (AnyFilled(r.specialPayments)) {
    report.List("Sonderzahlungen:", r.specialPayments);
    report.Line();
  }
  report.Bold().Line("Status jetzt: " + r.statusDate);
  report.Regular().Line(r.status).Line();
  report.Bold().Line("Laufzeit:  " + r.years + " Jahre");
  report.Regular().Line("Datum Laufzeitende:  " + r.endDate);
  report.Bold().Line().Line("Endbetrag:  " + r.endAmount);
}

}  // namespace qv

#pragma once
// The tax panel: a tax of a chosen kind added to an amount ("Nach Steuer") and taken out of
// it ("Vor Steuer") at once, with a list of tax kinds and their percentages.
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/numbers.h"

namespace qv {

// What a percentage p makes of a value v.
struct TaxAmounts {
  Extended factor = 100;   // 100 + p
  Extended gross = 0;      // v with the tax added
  Extended net = 0;        // v without the tax it contains
  Extended added = 0;      // the tax added to v
  Extended contained = 0;  // the tax contained in v
};
TaxAmounts ComputeTax(Extended percent, Extended value);

class TFrame6 : public Form {
 public:
  TFrame6();

  Label Label1{*this, "Label1", "Art der Steuer:"};
  ComboBox ComboBox1{*this, "ComboBox1"};  // the names of the tax kinds
  Edit Edit3{*this, "Edit3"};              // percentage of the chosen kind
  Label Label2{*this, "Label2", "%"};
  RadioButton VST{*this, "VST", "VSt"};
  RadioButton NST{*this, "NST", "NSt"};
  Button SpeedButton1{*this, "SpeedButton1"};
  Button SpeedButton2{*this, "SpeedButton2"};
  Label Label4{*this, "Label4", "Vor Steuer"};
  Edit Edit4{*this, "Edit4"};
  Label Label5{*this, "Label5", "Nach Steuer"};
  Edit Edit2{*this, "Edit2"};

  // One percentage text per name, as typed with a decimal comma ("19", "7,5").
  std::vector<std::string> Percentages;
  // The percentage and the amounts of the last recompute.
  Extended LastPercent = 0;
  TaxAmounts Last;

  // Chooses a kind: the percentage list is padded with "0,0" up to the names.
  void ChooseKind(int index);
  // Recomputes from a value with the percentage of the box (an empty box counts as "0"); a
  // percentage that is no number raises the conversion error and leaves the amounts.
  void Recompute(Extended value);
  // Recomputes gross and net of a value with the factor of the last recompute; false when
  // the last percentage was 0.
  bool RecomputeWithLastFactor(Extended value);
  // Stores the text of the percentage box for the chosen kind.
  void StorePercentage();
  // The tax list's commands; names and percentages stay parallel.
  void RenameKind(const std::string& name);
  void DeleteKind();
  void AddKind(const std::string& name, const std::string& percent);

 private:
  void ShowAmounts();
};

}  // namespace qv

#include "panels/unit6.h"

namespace qv {

TFrame6::TFrame6() : Form("TFrame6", "Frame61") {
  ComboBox1.SetHint("Die gewünschte Steuerart auswählen");
  Edit3.SetHint("Steuer in Prozent");
  ComboBox1.SetItems({"MwSt", "Ust"});
  Percentages = {"19", "19"};
  NST.SetChecked(true);
}

void TFrame6::ChooseKind(int index) {
  ComboBox1.SetItemIndex(index);
  while (Percentages.size() < ComboBox1.Items().size()) Percentages.push_back("0,0");
  if (ComboBox1.ItemIndex() >= 0) Edit3.SetText(Percentages[ComboBox1.ItemIndex()]);
}

}  // namespace qv

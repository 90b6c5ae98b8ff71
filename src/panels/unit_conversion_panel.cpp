#include "panels/unit_conversion_panel.h"

#include "panels/unit_tables.h"

namespace qv {

TFrame5::TFrame5() : Form("TFrame5", "Frame51") {
  SetSize(249, 120);
  std::vector<std::string> captions;
  for (int page = 0; page < kQuantityCount; ++page) {
    captions.push_back(QuantityCaption(page));
    std::vector<std::string> texts;
    for (const Unit& unit : UnitTable(page)) texts.push_back(unit.text);
    FromList(page).SetItems(texts);
    // The last page names one unit differently in its right-hand list.
    if (page == kQuantityCount - 1) texts[7] = "Giga el. volt";
    ToList(page).SetItems(texts);
  }
  PageControl1.SetItems(captions);
  ShowPage(0);
}

void TFrame5::ShowPage(int page, int from, int to) {
  PageControl1.SetItemIndex(page);
  const int count = static_cast<int>(UnitTable(page).size());
  const bool valid = from >= 0 && from < count && to >= 0 && to < count;
  const auto [defaultFrom, defaultTo] = DefaultUnitPair(page);
  FromList(page).SetItemIndex(valid ? from : defaultFrom);
  ToList(page).SetItemIndex(valid ? to : defaultTo);
  for (int p = 0; p < kQuantityCount; ++p) {
    FromList(p).SetVisible(p == page);
    ToList(p).SetVisible(p == page);
    Arrow(p).SetVisible(p == page);
  }
}

}  // namespace qv

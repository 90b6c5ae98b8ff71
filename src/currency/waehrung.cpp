#include "currency/waehrung.h"

namespace qv {

TFrame3::TFrame3() : Form("TFrame3", "Frame31") {
  ComboBox2.SetVisible(false);
  std::vector<std::string> names, rates;
  for (const auto& [name, rate] : DefaultList()) {
    names.push_back(name);
    rates.push_back(rate);
  }
  SetList(names, rates);
  ComboBox1.SetItemIndex(0);
  ComboBox2.SetItemIndex(0);
}

const std::vector<std::pair<std::string, std::string>>& TFrame3::DefaultList() {
  static const std::vector<std::pair<std::string, std::string>> list = {
      {"EUR,Euro", "1"},          {"USD, USDollar", "1.13711"},  {"CHF,Schw. Fr.", "1.04116"},
      {"ISK,Isl. Kronen", "145.821"}, {"GBP,Britt. Pfund", "0.83519"}, {"JPY,Jap. Yen", "130.382"},
  };
  return list;
}

void TFrame3::SetList(const std::vector<std::string>& names, const std::vector<std::string>& rates) {
  ComboBox1.SetItems(names);
  ComboBox2.SetItems(rates);
  Label6.SetText(names.empty() ? std::string() : names.front());
}

std::string TFrame3::CodeOf(const std::string& name) { return name.substr(0, name.find(',')); }

}  // namespace qv

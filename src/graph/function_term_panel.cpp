#include "graph/function_term_panel.h"

#include <algorithm>

#include "platform/text.h"

namespace qv {

namespace {

const std::vector<std::string>& OperatorRows() {
  static const std::vector<std::string> rows = {
      "+",         "-",       "*",       "/",         "mod",    "div",       "min",
      "max",       "round",   "floor",   "ceil",      "abs",    "",          "^",
      "sqrt",      "(x)expe", "ln",      "(a)log(x)", "",       "arcsin(x)", "arccos(x)",
      "arctan(x)", "sinh(x)", "cosh(x)", "tanh(x)",   "sin(x)", "cos(x)",    "tan(x)",
      "deg2rad",   "rad2deg", "",        "pi",        "e"};
  return rows;
}

bool Holds(const std::vector<std::string>& list, const std::string& text) {
  return std::find(list.begin(), list.end(), text) != list.end();
}

int IndexOf(const std::vector<std::string>& list, const std::string& text) {
  const auto it = std::find(list.begin(), list.end(), text);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

}  // namespace

void TermLists::Add(const std::string& term) {
  std::erase(TermHistory, std::string());
  if (!Holds(TermHistory, term)) {
    TermHistory.push_back(term);
    TermHistoryIndex = static_cast<int>(TermHistory.size()) - 1;
  }
  if (!Holds(PlottedTerms, term)) PlottedTerms.push_back(term);
  if (PlotSequence.empty() || PlotSequence.back() != term) PlotSequence.push_back(term);
}

void TermLists::Clear() {
  *this = TermLists{};
}

TFrame7::TFrame7() : Form("TFrame7", "Frame71") {
  SetSize(249, 89);
  ComboBox1.SetHint("Funktionsterm.\r\nDie Variable x ins obere Eingabefeld schreiben");
  Edit1.SetHint("Konstante a");
  Edit2.SetHint("Konstante b");
  Edit3.SetHint("Konstante c");
  ComboBox2.SetHint("Operatoren für Funktionen");
  Button1.SetHint("Funktion ausführen");
  Button2.SetHint("Graph öffnen");
  SpeedButton1.SetHint("Term speichern");
  SpeedButton2.SetHint("Term löschen");
  SpeedButton3.SetHint("Hilfe zu Funktionen");
  ListBox1.SetVisible(false);
  Rueck.SetEnabled(false);
  Vor.SetEnabled(false);
  ComboBox1.SetItems({"x^2", "x^2-3", "sin(x)"});
  ListBox1.SetItems({";;", ";;", ";;"});
  ComboBox2.SetItems(OperatorRows());
}

std::string TFrame7::ConstantsEntry() const {
  return Edit1.Text() + ";" + Edit2.Text() + ";" + Edit3.Text();
}

void TFrame7::SetConstants(TMathParser& parser) const {
  const std::pair<const char*, const Edit*> constants[] = {
      {"a", &Edit1}, {"b", &Edit2}, {"c", &Edit3}};
  for (const auto& [name, box] : constants)
    if (!box->Text().empty()) parser.SetConstantValue(name, StrToFloat(box->Text()));
}

bool TFrame7::ListsParallel() const {
  return ComboBox1.Items().size() == ListBox1.Items().size();
}

void TFrame7::SaveTerm() {
  const std::string term = ComboBox1.Text();
  std::vector<std::string> terms = ComboBox1.Items(), constants = ListBox1.Items();
  if (!term.empty() && !Holds(terms, term)) {
    terms.push_back(term);
    while (constants.size() + 1 < terms.size()) constants.push_back(";;");
    constants.push_back(ConstantsEntry());
    ComboBox1.SetItems(terms);
    ComboBox1.SetItemIndex(static_cast<int>(terms.size()) - 1);
  }
  // A saved term typed again without picking it: its own entry gets the constants.
  int index = ComboBox1.ItemIndex();
  if (index < 0) index = IndexOf(terms, term);
  if (index < 0) return;
  if (static_cast<int>(constants.size()) <= index) constants.resize(index + 1, ";;");
  constants[index] = ConstantsEntry();
  ListBox1.SetItems(constants);
}

void TFrame7::DeleteTerm() {
  const int index = ComboBox1.ItemIndex();
  if (index < 0) return;
  if (ListsParallel()) {
    std::vector<std::string> constants = ListBox1.Items();
    constants.erase(constants.begin() + index);
    ListBox1.SetItems(constants);
  }
  std::vector<std::string> terms = ComboBox1.Items();
  terms.erase(terms.begin() + index);
  ComboBox1.SetItems(terms);
  ComboBox1.SetItemIndex(-1);
}

void TFrame7::TermPicked(bool holdDown) {
  if (!holdDown)
    for (Edit* box : {&Edit1, &Edit2, &Edit3}) box->SetText("");
  const int index = ComboBox1.ItemIndex();
  if (!ListsParallel() || index < 0) return;
  ListBox1.SetItemIndex(index);
  const std::string entry = ListBox1.Items()[index];
  if (entry == ";;") return;
  // a before the first ";", b between the first and the last, c after the last.
  const size_t first = entry.find(';'), last = entry.rfind(';');
  std::string a, b, c = entry;
  if (first != std::string::npos) {
    a = entry.substr(0, first);
    b = last > first ? entry.substr(first + 1, last - first - 1) : std::string();
    c = entry.substr(last + 1);
  }
  if (c.ends_with(' ')) c.clear();
  const std::pair<Edit*, std::string> values[] = {{&Edit1, a}, {&Edit2, b}, {&Edit3, c}};
  for (const auto& [box, value] : values)
    if (!holdDown || box->Text().empty()) box->SetText(value);
}

void TFrame7::InsertOperator(const std::string& text) {
  const std::string term = ComboBox1.Text();
  const auto length = static_cast<int>(CharLength(term));
  const int caret = ComboBox1.SelStart();
  if (caret >= length)
    ComboBox1.SetText(term + text);
  else if (caret == 0 && ComboBox1.SelLength() == length)
    ComboBox1.SetText(text);
  else
    ComboBox1.SetText(CharSubstr(term, 0, caret) + text + CharSubstr(term, caret));
}

void TFrame7::StepHistory(int step, bool holdDown) {
  const int last = static_cast<int>(Terms.TermHistory.size()) - 1;
  int& index = Terms.TermHistoryIndex;
  if (step < 0) {
    if (index <= 0) return;
    --index;
  } else {
    if (index > last) index = last;
    if (index >= last) return;
    ++index;
  }
  ShowHistoryEntry(holdDown);
}

// A history term that is also saved brings its constants along.
void TFrame7::ShowHistoryEntry(bool holdDown) {
  const std::string term = Terms.TermHistory[Terms.TermHistoryIndex];
  ComboBox1.SetText(term);
  const int saved = IndexOf(ComboBox1.Items(), term);
  if (saved < 0) return;
  ComboBox1.SetItemIndex(saved);
  TermPicked(holdDown);
  ComboBox1.SetText(term);
}

void TFrame7::ClearHistory() {
  Terms.Clear();
  Vor.SetEnabled(false);
  Rueck.SetEnabled(false);
  for (Edit* box : {&Edit1, &Edit2, &Edit3}) box->SetEnabled(true);
}

}  // namespace qv

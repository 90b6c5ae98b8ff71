#pragma once
// The function-term panel: terms in x with the constants a, b and c, a list of saved terms
// with their constants, an operator picker and the history of evaluated terms.
#include <string>
#include <vector>

#include "parser/mathparser.h"
#include "platform/form.h"

namespace qv {

// The terms evaluated in this run, for the history buttons and the graph.
struct TermLists {
  std::vector<std::string> TermHistory;  // every distinct term, in the order of its first use
  int TermHistoryIndex = 0;
  std::vector<std::string> PlotSequence;  // the terms in order, without direct repetitions
  std::vector<std::string> PlottedTerms;  // every distinct term
  // Takes in a term evaluated without error.
  void Add(const std::string& term);
  void Clear();
};

class TFrame7 : public Form {
 public:
  TFrame7();

  // The term box; its items are the saved term list.
  ComboBox ComboBox1{*this, "ComboBox1"};
  Edit Edit1{*this, "Edit1"};
  Edit Edit2{*this, "Edit2"};
  Edit Edit3{*this, "Edit3"};
  // The constants "a;b;c" of each saved term, parallel to the saved term list.
  ListBox ListBox1{*this, "ListBox1"};
  ComboBox ComboBox2{*this, "ComboBox2"};  // the operator picker
  Button Button1{*this, "Button1", "f(x)"};
  Button Button2{*this, "Button2", "Graph >"};
  Button SpeedButton1{*this, "SpeedButton1"};
  Button SpeedButton2{*this, "SpeedButton2"};
  Button SpeedButton3{*this, "SpeedButton3"};
  Button Rueck{*this, "Rueck"};
  Button Vor{*this, "Vor"};

  TermLists Terms;

  // The constants entry of the three boxes: "2;0,5;".
  std::string ConstantsEntry() const;
  // Gives the parser the constants a, b and c of the boxes that are not empty; a box that is
  // no number raises the conversion error.
  void SetConstants(TMathParser& parser) const;
  // Saves the term of the box with the constants of the boxes (a saved term gets them anew).
  void SaveTerm();
  // Deletes the chosen saved term and its constants.
  void DeleteTerm();
  // A saved term picked: its constants fill the boxes; while holdDown, only empty boxes.
  void TermPicked(bool holdDown);
  // Puts the picked operator into the term at the caret, or in place of a wholly selected term.
  void InsertOperator(const std::string& text);
  // History back (-1) or forward (+1); false when there was no step to go.
  void StepHistory(int step, bool holdDown);
  // Empties the history lists and gives the history buttons and constant boxes their start.
  void ClearHistory();

 private:
  bool ListsParallel() const;
  void ShowHistoryEntry(bool holdDown);
};

}  // namespace qv

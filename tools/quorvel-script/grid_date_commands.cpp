// The driver's commands for editable grids, date pickers, the keyboard focus and the date taken
// as today.
#include "platform/dates.h"
#include "runner.h"

namespace qvs {

namespace {

bool IsWord(const Command& c, size_t i, const char* word) {
  return c.words.size() > i && !c.words[i].quoted && c.words[i].text == word;
}

std::string WordAt(const Command& c, size_t i) {
  if (i >= c.words.size()) throw ScriptError(c.line, "missing argument for " + c.Verb());
  return c.words[i].text;
}

int NumberAt(const Command& c, size_t i) {
  try {
    return std::stoi(WordAt(c, i));
  } catch (const std::logic_error&) {
    throw ScriptError(c.line, "not a number: " + WordAt(c, i));
  }
}

int DateAt(const Command& c, size_t i) {
  int day = 0;
  if (!qv::TryStrToDate(WordAt(c, i), day))
    throw ScriptError(c.line, "not a date: " + WordAt(c, i));
  return day;
}

}  // namespace

qv::Grid& Runner::GridOf(const Command& c) {
  auto* grid = dynamic_cast<qv::Grid*>(&ControlOf(WordAt(c, 1)));
  if (!grid) throw ScriptError(c.line, WordAt(c, 1) + " is no grid");
  return *grid;
}

// today "TT.MM.JJJJ"; set GRID cell ROW COL "TEXT" types the text into the cell key by key;
// set PICKER "TT.MM.JJJJ" picks a date as the user does.
bool Runner::RunGridAndDateCommand(const Command& c) {
  const std::string& verb = c.Verb();
  if (verb == "today") {
    clock_.today = DateAt(c, 1);
    return true;
  }
  if (verb != "set") return false;
  if (IsWord(c, 2, "cell")) {
    qv::Grid& grid = GridOf(c);
    const int row = NumberAt(c, 3), col = NumberAt(c, 4);
    if (row < grid.FixedRows() || row >= grid.RowCount() || col < grid.FixedCols() ||
        col >= grid.ColCount())
      throw ScriptError(c.line, "no editable cell " + std::to_string(row) + " " +
                                    std::to_string(col) + " in " + WordAt(c, 1));
    const std::string text = WordAt(c, 5);
    Event([&] { grid.TypeIntoCell(row, col, text); });
    return true;
  }
  auto* picker = dynamic_cast<qv::DatePicker*>(&ControlOf(WordAt(c, 1)));
  if (!picker) return false;
  const int day = DateAt(c, 2);
  Event([&] { picker->Pick(day); });
  return true;
}

// expect GRID cell ROW COL "TEXT"; expect GRID rows N (the header row counted); expect NAME
// focused (the control has the keyboard in its window).
bool Runner::ExpectGridDateAndFocus(const Command& c) {
  if (IsWord(c, 2, "focused")) {
    qv::Control& control = ControlOf(WordAt(c, 1));
    const qv::Control* active = control.Owner().ActiveControl();
    Check(c, active == &control, "focused", active ? active->Name() + " focused" : "no focus");
    return true;
  }
  if (IsWord(c, 2, "cell")) {
    const qv::Grid& grid = GridOf(c);
    const std::string got = grid.Cell(NumberAt(c, 3), NumberAt(c, 4));
    Check(c, got == WordAt(c, 5), "\"" + WordAt(c, 5) + "\"", "\"" + got + "\"");
    return true;
  }
  if (IsWord(c, 2, "rows")) {
    const std::string got = std::to_string(GridOf(c).RowCount());
    Check(c, got == WordAt(c, 3), WordAt(c, 3) + " rows", got + " rows");
    return true;
  }
  return false;
}

}  // namespace qvs

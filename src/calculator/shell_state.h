#pragma once
// What the main window keeps besides the calculator: window, panels and values the settings
// file carries from run to run.
namespace qv {

struct ShellState {
  // Carried from the settings file back into it unchanged.
  int Farbe1 = 0, FFarben = 0, Background = 1, Felder = 2;
  int PosTop = 0, PosLeft = 0;
  int Scaling = 100;
  bool ExtOpen = false;
  int ExtPanel = 0;  // 0 trigonometry, 1 units, 2 tax, 3 function terms
  int UnitTab = 0, UnitIndex1 = 0, UnitIndex2 = 0;
  bool TapeShown = false;
  int SecondCurrencyLine = 1;  // "w_einf"
};

// The window scaling a stored "Skalierung" stands for: 120 and 150 percent, anything else 100.
constexpr int KnownScaling(int stored) {
  return stored == 120 || stored == 150 ? stored : 100;
}

}  // namespace qv

#pragma once
// The main window: the two-field calculator with its keys, indicators and menus.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/calc_state.h"
#include "calculator/shell_state.h"
#include "currency/currency_panel.h"
#include "graph/function_term_panel.h"
#include "graph/graph_panel.h"
#include "panels/tax_panel.h"
#include "panels/trig_panel.h"
#include "panels/unit_conversion_panel.h"
#include "platform/form.h"
#include "platform/ports.h"
#include "platform/screen.h"
#include "tape/tape_panel.h"

namespace qv {

class TForm1 : public Form {
 public:
  explicit TForm1(Ports ports);
  ~TForm1() override;

  CalcState S;
  ShellState Shell;
  Ports ports;

  // Embedded panels.
  TFrame1 Frame11;
  TFrame3 Frame31;
  TFrame5 Frame51;
  TFrame6 Frame61;
  TFrame7 Frame71;
  TFrame2 Frame21{Frame71};
  TFrame4 Frame41{ports};

  // ---- Fields and indicators
  Label Label1{*this, "Label1", "0.0"};
  Label Label3{*this, "Label3"};
  Label Label2{*this, "Label2"};
  Label Label4{*this, "Label4"};
  Label Label5{*this, "Label5", "0"};
  Label Label6{*this, "Label6", "0.0"};
  Label Label7{*this, "Label7", "NK"};
  SpinEdit SpinEdit1{*this, "SpinEdit1", 0, 15, 0};
  Label StaticText1{*this, "StaticText1", "Feld"};
  RadioButton Radio1{*this, "Radio1", "1"};
  RadioButton Radio2{*this, "Radio2", "2"};
  PopupMenu PopupMenu1{*this, "PopupMenu1"};
  MenuItem Kopieren1{*this, "Kopieren1", "Kopieren", &PopupMenu1};
  MenuItem Einfgen1{*this, "Einfgen1", "Einfügen", &PopupMenu1};
  MenuItem Lschen1{*this, "Lschen1", "Löschen", &PopupMenu1};

  // ---- Keys
  Button Button1{*this, "Button1", "1"};
  Button Button2{*this, "Button2", "2"};
  Button Button3{*this, "Button3", "3"};
  Button Button4{*this, "Button4", "4 "};
  Button Button5{*this, "Button5", "5"};
  Button Button6{*this, "Button6", "6"};
  Button Button7{*this, "Button7", "7"};
  Button Button8{*this, "Button8", "8"};
  Button Button9{*this, "Button9", "9"};
  Button Button10{*this, "Button10", "0"};
  Button Button11{*this, "Button11", ","};
  Button Button12{*this, "Button12", "x"};
  Button Button13{*this, "Button13", "/"};
  Button Button14{*this, "Button14", "+"};
  Button Button15{*this, "Button15", "-"};
  Button Button16{*this, "Button16", "="};
  Button Button17{*this, "Button17", "Löschen"};
  Button Button19{*this, "Button19", "ç"};
  Button Button20{*this, "Button20", "Wiederholen"};
  Button Button21{*this, "Button21", "%"};
  Button Button22{*this, "Button22", "Ö"};
  Button Button23{*this, "Button23", "X ²"};
  Button Button24{*this, "Button24", "Õ"};
  Button Button25{*this, "Button25", "Kopie"};
  Button Button26{*this, "Button26", "Einf."};
  Button Button27{*this, "Button27", "+ / -"};
  Button Button28{*this, "Button28", "Rückgängig"};
  Button Button29{*this, "Button29", "Ln"};
  Button Button30{*this, "Button30", "Exp"};
  Button SpeedButton1{*this, "SpeedButton1", "Lg10"};
  Button SpeedButton2{*this, "SpeedButton2", "LgN"};
  Button SpeedButton3{*this, "SpeedButton3", "X^N"};
  Button Button33{*this, "Button33", "MC"};
  Button Button34{*this, "Button34", "> M"};
  Button Button35{*this, "Button35", "M >"};
  Button Button36{*this, "Button36", "m+z"};
  Button Button37{*this, "Button37", "m-z"};
  Button Button38{*this, "Button38", "m*z"};
  Button Button39{*this, "Button39", "z/m"};
  Button Button40{*this, "Button40", "m/z"};

  // ---- Shell: calculators, extension area, tape, closing
  Button R1{*this, "R1", "R1"};
  Button R2{*this, "R2", "R2"};
  Button Button44{*this, "Button44", "ß"};
  Button Button41{*this, "Button41", "â"};
  Label Label8{*this, "Label8", "T"};
  Button Button46{*this, "Button46", "Tape >"};
  Button Button18{*this, "Button18", "Beenden"};

  // ---- Main menu
  MenuItem Einstellungen1{*this, "Einstellungen1", "Einstellungen"};
  MenuItem Dezimals1{*this, "Dezimals1", "Dezimaleinstellungen ", &Einstellungen1};
  MenuItem Formatierung1{*this, "Formatierung1", "Tausender-Trennzeichen, einstellb. Nachkommast.",
                         &Dezimals1, "F2"};
  MenuItem Formatierung3{*this, "Formatierung3", "Ohne Trennzeichen, freie Nachkommastellen",
                         &Dezimals1, "F3"};
  MenuItem Formatierung2{*this, "Formatierung2", "Währung", &Dezimals1, "F4"};
  MenuItem Formatieren1{*this, "Formatieren1", "Formatieren", &Einstellungen1};
  MenuItem DForm1{*this, "DForm1", "Beim Schreiben ", &Formatieren1, "F11"};
  MenuItem DForm2{*this, "DForm2", "Beim Ergebnis", &Formatieren1, "F12"};
  MenuItem Syntax1{*this, "Syntax1", "Erweitert", &Einstellungen1};
  MenuItem Syntax_1{*this, "Syntax_1", "Berechnen nach 2. Klick auf neuen Operator", &Syntax1};
  MenuItem Syntax_2{*this, "Syntax_2", "Berechnen nach 1. Klick auf neuen Operator", &Syntax1};
  MenuItem N3{*this, "N3", "-", &Syntax1};
  MenuItem Waehr2{*this, "Waehr2", "Zweitwährung automatisch einfügen", &Syntax1};
  MenuItem StayOnTop1{*this, "StayOnTop1", "Immer im Vordergrund", &Syntax1};
  MenuItem N4{*this, "N4", "-", &Syntax1};
  MenuItem Textbox1{*this, "Textbox1", "Tape als Textbox in Word einfügen", &Syntax1};
  MenuItem Umrandung{*this, "Umrandung", "Textbox ohne Umrandung", &Syntax1};
  MenuItem Lschenwiederrufen1{*this, "Lschenwiederrufen1", "Wiederherstellen", &Einstellungen1};
  MenuItem FelderW{*this, "FelderW", "Felder (Strg-Backsp)", &Lschenwiederrufen1};
  MenuItem TapeW{*this, "TapeW", "Tape (Alt-Backsp)", &Lschenwiederrufen1};
  MenuItem Kurseaktualisieren1{*this, "Kurseaktualisieren1", "Kurse aktualisieren", &Einstellungen1,
                               "Ctrl+K"};
  MenuItem EZBKurse1{*this, "EZBKurse1", "EZB-Kurse laden", &Einstellungen1};
  MenuItem EZBDatei1{*this, "EZBDatei1", "EZB-Kurse aus Datei...", &Einstellungen1};
  MenuItem N1{*this, "N1", "-", &Einstellungen1};
  MenuItem Trigon{*this, "Trigon", "T&rigonmetrische Funktionen (R)", &Einstellungen1};
  MenuItem Einheiten{*this, "Einheiten", "Einheiten umrechnen (E)", &Einstellungen1};
  MenuItem Steuer1{*this, "Steuer1", "Steuer (S)", &Einstellungen1};
  MenuItem Funktionen1{*this, "Funktionen1", "Funktionen", &Einstellungen1};
  MenuItem N2{*this, "N2", "-", &Einstellungen1};
  MenuItem Whrungsrechner1{*this, "Whrungsrechner1", "&Währungsrechner (W)", &Einstellungen1};
  MenuItem Tape1{*this, "Tape1", "&Tape (T)", &Einstellungen1};
  MenuItem Graf1{*this, "Graf1", "&Graph (G)", &Einstellungen1};
  MenuItem N5{*this, "N5", "-", &Einstellungen1};
  MenuItem Finanz{*this, "Finanz", "Finanzrechner (F)", &Einstellungen1};
  // The desktop's keys for copy, paste and quit.
  MenuItem N20{*this, "N20", "-", &Einstellungen1};
  MenuItem Kopieren2{*this, "Kopieren2", "Kopieren", &Einstellungen1, "Ctrl+C"};
  MenuItem Einfgen2{*this, "Einfgen2", "Einfügen", &Einstellungen1, "Ctrl+V"};
  MenuItem N21{*this, "N21", "-", &Einstellungen1};
  MenuItem Beenden1{*this, "Beenden1", "Beenden", &Einstellungen1, "Ctrl+Q"};
  MenuItem Hilfe2{*this, "Hilfe2", "Hilfe"};
  MenuItem Hilfe1{*this, "Hilfe1", "Hilfe (F1)", &Hilfe2};
  MenuItem About{*this, "About", "Über Quorvel...", &Hilfe2};
  MenuItem Vorsilben{*this, "Vorsilben", "Metrische Vorsilben", &Hilfe2};
  MenuItem OnlineLexikon1{*this, "OnlineLexikon1", "Online-Lexikon", &Hilfe2};
  MenuItem Whrungskurse1{*this, "Whrungskurse1", "Kurse aktualisieren", &Hilfe2};
  MenuItem Skalierung1{*this, "Skalierung1", "Skalierung"};
  MenuItem N902{*this, "N902", "100", &Skalierung1};
  MenuItem N1201{*this, "N1201", "120", &Skalierung1};
  MenuItem N1501{*this, "N1501", "150", &Skalierung1};
  PopupMenu PopupMenu3{*this, "PopupMenu3"};
  MenuItem Trigonometrie1{*this, "Trigonometrie1", "Trigonometrie", &PopupMenu3};
  MenuItem Einheiten1{*this, "Einheiten1", "Einheiten", &PopupMenu3};
  MenuItem Steuer2{*this, "Steuer2", "Steuer", &PopupMenu3};
  MenuItem Funktionen2{*this, "Funktionen2", "Funktionen", &PopupMenu3};
  // The tax panel's list of kinds, edited from its right-click menu.
  PopupMenu PopupMenu2{*this, "PopupMenu2"};
  MenuItem StBearbeiten{*this, "StBearbeiten", "Eintrag bearbeiten", &PopupMenu2};
  MenuItem Eintraglschen1{*this, "Eintraglschen1", "Eintrag löschen", &PopupMenu2};
  MenuItem NeuerEintrag1{*this, "NeuerEintrag1", "Neuer Eintrag", &PopupMenu2};

  // ---- Entry (number keys, sign, clearing, field choice)
  void ZeiButtonClick(Button& sender);
  void DigitKey(char c);
  void DeleteLastDigit();
  void ToggleSign();
  void ClearAll();
  void SelectField(int field);
  void SaveFieldsSnapshot();
  Extended ActiveFieldValue() const;
  void PutValueInActiveField(const std::string& text);
  void ReapplyLiveFunction();
  enum class LeaveKey { Escape, Clear, Equals };
  void LeavePanelEdit(LeaveKey key);

  // ---- Number formats
  void FormatValue();
  void Formatierung1Click();
  void Formatierung3Click();
  void Formatierung2Click();
  void DForm1Click();
  void DForm2Click();
  void SpinEdit1Change();
  // Alt+digit: that many decimals in format 1.
  void SetDecimalsByKey(int decimals);
  std::string NormalizeNumberText(const std::string& text);

  // ---- Operators, percent and "=" (a key "pressed" inside another key runs its whole handler)
  void OpButtonClick(Button& sender);
  void OperatorKey(char op);
  void PercentKey();
  void Evaluate();
  // The steps of "=" without taking them back after a fault: the caller does.
  void EvaluateSteps();
  void SetSyntaxMode(int mode);
  // Tape lines of a calculation.
  void WriteStartLine();
  void WriteSubtotalLine();
  // Set by the switch of the calculators: the next start line follows without a blank line.
  bool SkipSeparatorOnce = false;

  // ---- Tape panel
  bool TapeShown() const { return Frame41.Visible(); }
  void Button46Click();
  // The menu item "&Tape (T)": Button46's command, then the checks of the right column.
  void Tape1Click();
  // Restores the tape from its backup, when a clearing has written one (Alt+Backspace).
  void TapeWClick();
  void TapeDrop(Control& source);
  void FormShow();

  // ---- The two calculators R1 and R2
  // Parks the calculator shown in its slot and loads calculator calc (1 or 2).
  void SwitchCalculator(int calc);
  void PressCalculatorButton(int calc);

  // ---- The extension area and its panel commands
  void OpenExtensionArea();
  void CloseExtensionArea();
  void ResetExtensionPanels();
  void TrigonClick();
  void EinheitenClick();
  void Steuer1Click();
  void Funktionen1Click();
  void Whrungsrechner1Click();
  void Graf1Click();
  void Button41Click();
  void Label8Click();
  // The command of panel 0 trigonometry, 1 units, 2 tax or 3 function terms.
  void GivePanelCommand(int panel);
  // At start: the area opens again as it was at the last close.
  void RestoreExtensionArea();

  // ---- The currency converter below the tape
  void CurrencyStart();
  // A currency chosen in the list (also by Ctrl with a digit).
  void CurrencyChoose();
  void CurrencyReverse();
  // Shows a calculator amount on the output side and its equivalent on the input side.
  void CurrencyShowValue(const std::string& entry);
  void CurrencyTakeResult();
  void CurrencyWriteTape();
  // Key "q": the active field's value converted in place.
  void CurrencyConvertActiveField();
  // Keys "<" and ">".
  void CurrencyDirectionKey(char key);
  // A value entered into the base field or the foreign field, as a drop does.
  void CurrencyDropValue(Extended value, Edit& field);
  void CurrencyAddClick();
  void CurrencyEditClick();
  void CurrencySaveEntry();
  void CurrencyCancelEdit();
  void CurrencyDeleteEntry();
  bool CurrencyPanelShown() const { return Frame31.Visible(); }
  // The second currency's code and amount text for the line after a total.
  struct CurrencyAmount {
    std::string code, amount;
  };
  std::optional<CurrencyAmount> SecondCurrencyAmount() const;

  // ---- The European Central Bank's reference rates for the currency list
  // "EZB-Kurse laden": the bank's daily file, fetched while the program goes on.
  void EZBKurse1Click();
  // "EZB-Kurse aus Datei...": a saved file of the bank, XML or CSV.
  void EZBDatei1Click();
  // Takes the newest day of a file of the bank into the list; gives the message to show.
  std::string TakeOverEcbRates(std::string_view bytes);

  // ---- The function-term panel
  // "f(x)": the term with x from field 1; the result goes into field 2.
  void EvaluateFunctionTerm();
  // History back (-1) or forward (+1); the term box gets the keyboard.
  void StepTermHistory(int step);

  // ---- The graph panel beside the calculator
  bool GraphShown() const { return Frame21.Visible(); }
  bool HoldPressed() const { return Frame21.HoldDown(); }
  // The picture of the mode the panel is in: function mode beside the function-term panel.
  void RedrawGraph();
  // While a key that may still be undone runs, the graph is drawn once at its end, so that a
  // key ending in a fault leaves the picture and its boxes as they were.
  int GraphRedrawHeld = 0;
  bool GraphRedrawPending = false;
  // The graph buttons of the function-term and the trigonometry panel.
  void FunctionGraphButtonClick();
  void TrigGraphButtonClick();
  void CloseGraphForTape();
  void GradRadClick();
  // "X-Wert für Schnittpunkt 1 übernehmen" and 2: the x into field 1.
  void TakeIntersectionX(Extended x);
  // "X-Wert löschen": field 1 emptied from the graph.
  void ClearXValue();
  // Trigonometry mode: the radius box takes the keyboard; "Übern." takes the length of the
  // highlighted line for that radius into field 1.
  void RadiusBoxPressed();
  void TakeRadiusResult();
  // "Graph als Bild speichern" and "Graph in Word exportieren".
  void SaveGraphPicture();
  void GraphToWord();
  // Opens the range dialog with this range; set by the program.
  std::function<void(Extended start, Extended end)> OpenRangeDialog;
  // "Alle Schnittpunkte", "Nullstellen", "Extrema": the points of the search range, shown in
  // the list window the program sets here.
  void ListCurvePoints(PointListKind kind);
  std::function<void(const PointReport&)> ShowPointList;
  // The list window's "In Tape": its lines as comments, the tape's style kept.
  void PointsToTape(const std::vector<std::string>& lines);

  // ---- The unit conversion panel
  void UnitConvert();
  void UnitShowRemembered();
  // After a conversion field 2 follows field 1 until "=" or "Löschen".
  void UnitConversionRecompute();
  void UnitConversionOff() { unitConversionLive_ = false; }
  bool UnitConversionLive() const { return unitConversionLive_; }

  // ---- The tax panel
  // Recomputes the amounts from the current value (after every result).
  void TaxRecompute();
  // Recomputes from field 1 with the last factor (after an undo restored the fields).
  void TaxPanelRecompute();
  void TaxNewKind();
  void TaxTakeAmount();
  void TaxWriteTape();

  // ---- The trigonometry panel: function k = 1 Sin ... 6 Csc applied to field 1
  void ApplyTrigFunction(int k);
  void TrigHypClick();
  void TrigArcClick();
  void TrigUnitClick(RadioButton& other);

  // ---- Shell: closing, scaling, always on top, second currency, help
  // The free area of each screen of the desktop, set by the front end before the window is
  // shown; a stored position off every screen is moved onto the nearest one. None: unknown.
  std::vector<ScreenRect> Screens;
  // Closes the main window as its close button does; set by the program.
  std::function<bool()> CloseMainWindow;
  // Opens the rate-update dialog; set by the program.
  std::function<void()> OpenRateUpdate;
  void Button18Click();
  // Asks "Rechner beenden?" while the tape has content; answers whether to close.
  bool FormCloseQuery();
  void ScalingClick(int percent);
  void StayOnTop1Click();
  void Waehr2Click();
  void Hilfe1Click();
  // The help page in the desktop's program, at an anchor ("#Funktionen") when one is given.
  void OpenHelp(const std::string& anchor);
  void OnlineLexikon1Click();
  void VorsilbenClick();
  void Label2MouseMove();
  void ChooseCurrencyByKey(int entry);
  void PressTrigonometryKey(Key key);
  // The window and its controls scaled by percent/100 at the next start of the front end.
  void ApplyScaling(int percent);

  // ---- Settings file
  void LoadSettings();
  // Writes the settings file; a failure is reported and leaves the old file as it was.
  void SaveSettings();
  const std::string& SettingsPath() const { return settingsPath_; }
  const std::string& DataFolder() const { return dataFolder_; }

  // ---- Memory, one-operand functions, clipboard, take-over
  void MemoryClear();
  void MemoryStore();
  void MemoryRecall();
  // op: '+' m+z, '-' m-z, 'x' m*z, 'z' z/m, '/' m/z.
  void MemoryCombine(char op);
  // op as PendingOp: 's' square root, 'q' square, 'l' Ln, 'e' Exp, 'd' Lg10, 'n' LgN, 'm' X^N.
  void FunctionKey(char op);
  void PiKey();
  void CopyKey();
  void PasteKey();
  void ContextCopy();
  void ContextPaste();
  void ContextClear();
  void TakeOverKey();

  // ---- Undo, repeat and the step keys
  void UndoKey();
  void RepeatKey();
  // Home with Ctrl: the repeat asks for its count.
  void RepeatWithPrompt();
  void StepField1(int direction);
  void AskStepFactor();

  // ---- Keyboard
  bool FormKeyDown(Key key, ShiftState shift) override;
  bool FormKeyPress(char32_t ch) override;

  // Every calculator action ends by giving the keyboard to "=".
  void FocusEquals() { SetFocus(Button16); }

  // The named state values, as text, for scripts and tests (Extended values canonical).
  std::optional<std::string> StateText(const std::string& name) const;

  // The caption "Quorvel (R1)" or "Quorvel (R2)".
  std::string CalcCaption() const;

 private:
  void WireEvents();
  void WireShellEvents();
  void WireCalculatorEvents();
  void WireTapeEvents();
  void WireCalculatorSwitch();
  void WireExtensionArea();
  void WireTrigonometryPanel();
  void WireCurrencyPanel();
  void WireFunctionPanel();
  void WireTaxPanel();
  void WireUnitPanel();
  void WireGraphPanel();
  void WireSearchRange();
  void WireGraphTools();
  void SetGraphButtons(bool graphOpen);
  // What the trigonometry mode draws from: the panel's last function and the fields.
  TrigView TrigViewNow() const;
  // The texts the Word export types below the picture, a line break for each paragraph mark.
  std::string GraphWordText() const;
  void ShowGraph();
  void HideGraph();
  void ClearGraphMarks();
  void ShowSecondTermEntries();
  std::optional<std::string> GraphStateText(const std::string& name) const;
  std::string FunctionTermText() const { return Frame71.ComboBox1.Text(); }
  void LeaveCurrencyFormat();
  bool unitConversionLive_ = false;
  // The input state kept while an edit box had the keyboard; 0 or 4 give field 1.
  void RestoreSavedInputState();
  void OpenListEdit(int state);
  void WireCurrencyAmounts();
  void WireEcbCommands();
  void EcbFetched(const WebReply& reply);
  Cursor cursorBeforeFetch_ = Cursor::Normal;
  // Lives as long as the window: an answer of the network that comes later finds it expired.
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
  // The base field (true) or the foreign field of the converter.
  Edit& AmountField(bool base);
  void AmountFieldPressed(bool base);
  void AmountFieldKeyDown(bool base, Key key);
  void AmountFieldKeyUp(bool base, Key key);
  void AmountFieldSum(Edit& field, char op);
  void AmountFieldEnter(Edit& field);
  void CloseListEdit();
  void SetHyperbolicMode(bool on);
  // The function a click on a unit or on "Arc" applies again: Sin when none was applied.
  int LastTrigFunction() const;
  void ShowPanelLetter();
  bool OperatorIndicatorInUse() const;
  void FinishOpening(int panel, MenuItem& item);
  void CloseArea();
  // The fields, their labels, the pending operation and the input state in a slot.
  void StoreFields(CalcSlot& slot) const;
  void LoadFields(const CalcSlot& slot);
  void ParkCalculator(CalcSlot& slot);
  void LoadCalculator(const CalcSlot& slot);
  void WriteSwitchLine(const std::string& name);
  void ApplyStartValues();
  void TypeDigit(char c);
  void ApplyFunctionKey(char op);
  void StepBy(int direction);
  std::string KeepSettingsBackup();
  void WriteSettingsFile();
  std::string settingsPath_;
  std::string dataFolder_;
  // The settings file was read in part and could not be backed up: the close leaves it alone.
  bool settingsLocked_ = false;
  // Shows an entry's value formatted into a field label.
  void ShowEntry(const std::string& entry, Label& label);
  void FormatWhileTypingShow();

  // Memory, functions, clipboard, undo (memory.cpp ... undo.cpp).
  void WireMemoryKeys();
  void WireFunctionKeys();
  void WireClipboardKeys();
  void WireUndoKeys();
  // The active number z of the memory keys; none while a panel edit box owns the keyboard.
  std::optional<Extended> ActiveNumber() const;
  void ShowMemory();
  // Field 1 or 2 takes CurValue, shown as DisplayText, after a snapshot.
  void SetFieldFromCurValue(int field);
  void ResetRepeat();
  // Reads a pasted text as a number; reports and gives nothing when it is none.
  std::optional<Extended> ParseClipboardNumber(std::string text);
  void ShowUndoneEntry1();
  bool UndoRepeatStep();
  void UndoFromTape();
  void SetField1FromTape(const std::string& number);
  void ReverseTapeOperand(const std::string& number, const std::string& op, long long steps);
  void ReversePercentLine(const std::string& number, int percentKind);
  void RestoreSnapshot();
  bool repeatPrompt_ = false;
  std::string stepFactorText_;

  // Evaluation and its tape lines (evaluation.cpp, tape_lines.cpp).
  struct ComputedResult;
  std::optional<ComputedResult> ComputeBranchC();
  std::string AskFunctionArgument(const char* title, const char* prompt);
  void EvaluateWithMark(int mark);
  void ChainStep();
  void ConfirmLiveResult();
  void ConfirmFunctionResult();
  void ApplyBranchC(const ComputedResult& r);
  void ShowResult();
  void EndRepeatSeries();
  void TapeSetColorOf(bool negative);
  void WriteFunctionArgumentLines();
  void WriteConfirmedFunctionLines();
  void WriteFunctionStartLine();
  void WriteResultTape(Extended percentAmount);
  void WriteResultLines();
  void WriteRepeatEndLines();
  void WriteSecondCurrencyLine();
  std::string startLineOp_ = "0";  // PendingOp when the last start line was due
};

}  // namespace qv

#pragma once
// The currency converter panel: a base currency and one chosen currency of an editable list
// of names and exchange rates, with an amount field for each; the direction decides which
// field is the input and which shows the conversion.
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/numbers.h"

namespace qv {

class TFrame3 : public Form {
 public:
  TFrame3();

  Label Label1{*this, "Label1", "Währung "};
  // Names ("EUR,Euro") are the items of ComboBox1; the rates the items of the hidden ComboBox2.
  ComboBox ComboBox1{*this, "ComboBox1"};
  ComboBox ComboBox2{*this, "ComboBox2"};
  Label Label2{*this, "Label2", "Kurs"};
  Edit Edit4{*this, "Edit4"};  // the rate of the chosen currency
  Edit Edit1{*this, "Edit1"};  // the name while an entry is added or edited
  Label Label5{*this, "Label5", "Enter -> Speichern / Esc -> Abbr."};
  Button SpeedButton1{*this, "SpeedButton1"};
  Button SpeedButton5{*this, "SpeedButton5"};
  Button SpeedButton2{*this, "SpeedButton2"};
  Button SpeedButton4{*this, "SpeedButton4"};
  Button SpeedButton3{*this, "SpeedButton3"};
  Label Label6{*this, "Label6"};       // the base currency's name
  Label Label3{*this, "Label3"};       // the chosen currency's name
  Edit Edit2{*this, "Edit2", "1"};     // base field
  Label Label4{*this, "Label4", "è"};  // direction arrow: "è" to the right, "ç" to the left
  Edit Edit3{*this, "Edit3", "1"};     // foreign field

  // 2: the base field is the input; 1: the foreign field is; 4 and 3 as 2 and 1, but the
  // amount is the stored one, the field showing it formatted.
  int CurrencyDirection = 2;
  std::string BaseAmount = "1";
  std::string ForeignAmount;
  std::string ConvertedText;
  std::string ConvertedValue;
  int ListEditState = 0;  // 1 adding an entry, 2 editing one
  int EditedIndex = 0;
  int SummingMode = 0;  // 2 a sum starts, 1 summing with the keypad plus and minus
  int SummingFormat = 0;
  std::string SecondCurrency = "€";
  std::string OtherCurrencyCode;
  // Where the European Central Bank's daily reference rates are fetched, and the day of the
  // rates last taken from the bank ("28.06.2024"; empty before the first).
  static constexpr const char* kEcbDailyAddress =
      "https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml";
  std::string EcbAddress = kEcbDailyAddress;
  std::string EcbDate;
  // The rate field's hint names the day of the bank's rates.
  void ShowEcbDate(const std::string& date);

  // The default list, used when the settings file has none.
  static const std::vector<std::pair<std::string, std::string>>& DefaultList();
  // Replaces the names and the rates.
  void SetList(const std::vector<std::string>& names, const std::vector<std::string>& rates);
  // The code of an entry: the text before its first ",".
  static std::string CodeOf(const std::string& name);
  // The chosen entry (the rate list follows the name list).
  void SelectEntry(int index);
  std::string SelectedCode() const;
  // Shows the chosen entry's name above the foreign field and its rate.
  void ShowSelectedEntry();

  // The chosen entry's rate; a rate text whose value is no finite number (beyond the range,
  // or thousands of digits) is no number and counts as 0.
  Extended Rate() const;

  // Converts according to the direction. A conversion beyond the extended range, or an
  // amount beyond it, raises EOverflow before anything changes.
  void CurrencyRecompute();
  // The same, a field showing a formatted amount being converted from the amount stored with
  // it rather than from its text.
  void RecomputeFromStoredAmounts();
  // Reads the input as the direction says and converts it into the foreign field, or into the
  // base field, whatever the direction.
  void ConvertInputToForeign();
  void ConvertInputToBase();

  // What the panel holds apart from its labels and its list editing, so that a key that ends
  // in a floating-point fault can put it back: the amounts, the direction, the fields and the
  // list with the chosen entry.
  struct Memento {
    int CurrencyDirection = 0;
    std::string BaseAmount, ForeignAmount, ConvertedText, ConvertedValue, SecondCurrency,
        OtherCurrencyCode, baseText, foreignText, rateText;
    int SummingMode = 0, SummingFormat = 0;
    std::vector<std::string> names, rates;
    int chosen = -1;
    Extended lastBase = 0, lastForeign = 0;
  };
  Memento Keep() const;
  void PutBack(const Memento& kept);

 private:
  struct Amounts {
    Extended base = 0, foreign = 0;
  };
  Amounts ReadInput() const;
  void ConvertToForeign(const Amounts& input);
  void ConvertToBase(const Amounts& input);
  Extended lastBase_ = 0, lastForeign_ = 0;
};

}  // namespace qv

#pragma once
// The rate-update dialog: opens the online converter page for the base currency and a chosen
// one, and takes the rate the user copies from there into the currency list.
#include <functional>
#include <string>

#include "currency/currency_panel.h"
#include "platform/form.h"
#include "platform/ports.h"

namespace qv {

// What the dialog needs of the main window.
struct RateUpdateHost {
  std::function<bool()> stayOnTop;
  std::function<void()> toggleStayOnTop;  // as "Immer im Vordergrund" does
  std::function<void()> currencyChosen;   // the converter's reaction to a new choice
};

// The converter page for one unit of `from` in `to` (the first three characters of entries).
std::string ConverterAddress(const std::string& fromEntry, const std::string& toEntry);

class TForm4 : public Form {
 public:
  TForm4(Ports ports, TFrame3& converter);

  Label Label1{*this, "Label1",
               "Währungsumrechnung ausführen (1 Euro = X Währung).\r\nDanach das Ergebnis "
               "kopieren, und nach einem Klick \r\nauf \"Kurs bearbeiten\" den neuen Kurs "
               "einfügen."};
  Label Label2{*this, "Label2", "Währung:"};
  ComboBox ComboBox1{*this, "ComboBox1"};
  Label Label3{*this, "Label3", "Kurs:"};
  Edit Edit1{*this, "Edit1"};
  Button SpeedButton4{*this, "SpeedButton4", "<"};
  Button SpeedButton1{*this, "SpeedButton1", "Kurs bearbeiten"};
  Button SpeedButton2{*this, "SpeedButton2", "Übernehmen"};
  Button SpeedButton3{*this, "SpeedButton3", "Schließen"};

  RateUpdateHost Host;

  // Shows the dialog for the converter's chosen currency and opens its converter page.
  void Open();
  void Close();

 private:
  void CurrencyChosen();
  void ChangeConverter(const std::function<void()>& change);
  void RateChanged();
  void TakeRate();
  void SetRateEditable(bool editable);
  void OpenConverterPage();
  Ports ports_;
  TFrame3& converter_;
  bool switchedOnTop_ = false;
};

}  // namespace qv

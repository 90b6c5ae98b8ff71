#include "currency/rate_update_dialog.h"

#include "platform/errors.h"
#include "platform/handoff.h"
#include "platform/normalize.h"

namespace qv {

namespace {

constexpr const char* kConverterHost = "https://www.oanda.com";
constexpr int32_t kWhite = 0xFFFFFF;
constexpr int32_t kYellow = 0xFFFF00;

}  // namespace

std::string ConverterAddress(const std::string& fromEntry, const std::string& toEntry) {
  return std::string(kConverterHost) + "/currency-converter/de/?from=" + fromEntry.substr(0, 3) +
         "&to=" + toEntry.substr(0, 3) + "&amount=1";
}

TForm4::TForm4(Ports ports, TFrame3& converter)
    : Form("TForm4", "Form4"), ports_(ports), converter_(converter) {
  SetCaption("Umrechnungskurse aktualisieren");
  SetSize(330, 150);
  SetStayOnTop(true);
  Place = Placement::CentredOnScreen;
  SpeedButton4.SetHint("Zwischenablage einfügen");
  SpeedButton2.SetEnabled(false);
  SetRateEditable(false);
  ComboBox1.OnChange = [this] { CurrencyChosen(); };
  Edit1.OnChange = [this] { RateChanged(); };
  SpeedButton1.OnClick = [this] {
    SetRateEditable(true);
    SetFocus(Edit1);
    Edit1.SetSelection(0, static_cast<int>(Edit1.Text().size()));
  };
  SpeedButton4.OnClick = [this] { Edit1.SetText(ports_.clipboard.GetText()); };
  SpeedButton2.OnClick = [this] { TakeRate(); };
  SpeedButton3.OnClick = [this] { Hide(); };
  OnHide = [this] { Close(); };
}

void TForm4::Open() {
  if (Host.stayOnTop && !Host.stayOnTop()) {
    Host.toggleStayOnTop();
    switchedOnTop_ = true;
  }
  ComboBox1.SetItems(converter_.ComboBox1.Items());
  ComboBox1.SetItemIndex(converter_.ComboBox1.ItemIndex());
  Show();
  SetFocus(ComboBox1);
  Edit1.SetText(converter_.ComboBox2.Text());
  OpenConverterPage();
}

// The main window stays on top only when it did before the dialog.
void TForm4::Close() {
  if (!switchedOnTop_) return;
  switchedOnTop_ = false;
  Host.toggleStayOnTop();
}

void TForm4::OpenConverterPage() {
  if (ComboBox1.Items().empty() || ComboBox1.ItemIndex() < 0) return;
  ReportHandoff(ports_.prompts, "Die Umrechnungsseite konnte nicht geöffnet werden",
                ports_.shell.Open(ConverterAddress(ComboBox1.Items().front(), ComboBox1.Text())));
}

// The converter takes a choice or a rate and converts with it; when that conversion lies
// beyond the range, the converter keeps its list and its choice, and so does this dialog.
void TForm4::ChangeConverter(const std::function<void()>& change) {
  const TFrame3::Memento kept = converter_.Keep();
  try {
    change();
    if (Host.currencyChosen) Host.currencyChosen();
  } catch (const EMathError&) {
    converter_.PutBack(kept);
    ComboBox1.SetItemIndex(converter_.ComboBox1.ItemIndex());
    throw;
  }
}

// A rate edited but not taken over is dropped.
void TForm4::CurrencyChosen() {
  OpenConverterPage();
  ChangeConverter([this] { converter_.SelectEntry(ComboBox1.ItemIndex()); });
  SetRateEditable(false);
  Edit1.SetText(converter_.ComboBox2.Text());
  SpeedButton2.SetEnabled(false);
}

void TForm4::RateChanged() {
  if (Edit1.ReadOnly()) return;
  bool failed = false;
  const std::string normalized = NormalizeNumberText(Edit1.Text(), 0, 0, failed);
  if (!failed) Edit1.SetText(normalized);
  SpeedButton2.SetEnabled(!Edit1.Text().empty());
}

void TForm4::TakeRate() {
  const int index = ComboBox1.ItemIndex();
  std::vector<std::string> rates = converter_.ComboBox2.Items();
  if (index < 0 || index >= static_cast<int>(rates.size())) return;
  rates[index] = Edit1.Text();
  ChangeConverter([&] {
    converter_.ComboBox2.SetItems(rates);
    converter_.SelectEntry(index);
  });
  SetRateEditable(false);
  SpeedButton2.SetEnabled(false);
}

void TForm4::SetRateEditable(bool editable) {
  Edit1.SetReadOnly(!editable);
  Edit1.SetColor(editable ? kYellow : kWhite);
}

}  // namespace qv

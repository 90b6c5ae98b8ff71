// The European Central Bank's reference rates for the currency list: fetched from the bank
// while the program goes on, or read from a saved file of the bank, and taken over all or
// nothing.
#include <cerrno>

#include "calculator/key_rollback.h"
#include "calculator/main_window.h"
#include "currency/ecb_rates.h"
#include "currency/rate_takeover.h"
#include "platform/dates.h"
#include "platform/ini_io.h"

namespace qv {

namespace {

// The daily file has a few kilobytes; a saved history of all days some megabytes.
constexpr int kFetchTimeoutMs = 15000;
constexpr size_t kMaxFetchBytes = 1024 * 1024;
constexpr size_t kMaxFileBytes = 64u * 1024 * 1024;

}  // namespace

void TForm1::WireEcbCommands() {
  EZBKurse1.OnClick = [this] { EZBKurse1Click(); };
  EZBDatei1.OnClick = [this] { EZBDatei1Click(); };
}

// The menu entry stays disabled, and the busy cursor shows, until the answer has come.
void TForm1::EZBKurse1Click() {
  if (!EZBKurse1.Enabled()) return;
  EZBKurse1.SetEnabled(false);
  cursorBeforeFetch_ = GetCursor();
  SetCursor(Cursor::Busy);
  const std::string address =
      Frame31.EcbAddress.empty() ? TFrame3::kEcbDailyAddress : Frame31.EcbAddress;
  ports.network.Fetch({address, kFetchTimeoutMs, kMaxFetchBytes},
                      [this, alive = std::weak_ptr<int>(alive_)](const WebReply& reply) {
                        if (!alive.expired()) EcbFetched(reply);
                      });
}

void TForm1::EcbFetched(const WebReply& reply) {
  EZBKurse1.SetEnabled(true);
  if (GetCursor() == Cursor::Busy) SetCursor(cursorBeforeFetch_);
  // After the close the settings are written: rates taken now would be lost without a word.
  if (!Visible()) return;
  ports.prompts.ShowMessage(reply.failure ? EcbFailureMessage(*reply.failure)
                                          : TakeOverEcbRates(reply.body));
}

void TForm1::EZBDatei1Click() {
  FileDialog dialog;
  dialog.title = "EZB-Kurse aus Datei laden";
  dialog.filter = "EZB-Kurse (*.xml;*.csv)|*.xml;*.csv|Alle Dateien (*.*)|*.*";
  dialog.defaultExt = "xml";
  const std::optional<FileChoice> choice = ports.prompts.OpenFile(dialog);
  if (!choice) return;
  std::string message;
  {
    const BusyCursor busy(*this);  // a history of all days takes a moment
    const FileReadResult file = ReadFileLimited(choice->path, kMaxFileBytes);
    if (file.outcome == FileReadResult::kRead) {
      message = TakeOverEcbRates(file.bytes);
    } else {
      const std::string reason =
          file.outcome == FileReadResult::kMissing ? SystemErrorText(ENOENT) : file.reason;
      message = EcbFailureMessage("die Datei " + choice->path + " lässt sich nicht lesen (" +
                                  reason + ")");
    }
  }
  ports.prompts.ShowMessage(message);
}

// While an entry is being edited its rate field keeps what the user typed; the list takes the
// rates all the same.
std::string TForm1::TakeOverEcbRates(std::string_view bytes) {
  const EcbReading reading = ReadEcbRates(bytes);
  if (!reading.day) return EcbFailureMessage(reading.failure);
  TFrame3& panel = Frame31;
  const RateTakeover takeover =
      TakeOverRates(panel.ComboBox1.Items(), panel.ComboBox2.Items(), *reading.day);
  if (!takeover.failure.empty()) return EcbFailureMessage(takeover.failure);
  // A conversion the new rates carry beyond the range takes nothing over.
  AllOrNothing(*this, [&] {
    panel.ComboBox2.SetItems(takeover.rates);
    panel.ComboBox2.SetItemIndex(panel.ComboBox1.ItemIndex());
    if (panel.ListEditState == 0) panel.ShowSelectedEntry();
    panel.RecomputeFromStoredAmounts();
  });
  panel.ShowEcbDate(DateToStr(reading.day->date));
  return TakeoverMessage(takeover, reading.day->date);
}

}  // namespace qv

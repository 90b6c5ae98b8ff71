#include "graph/graph_panel.h"

#include <algorithm>

namespace qv {

namespace {

// The panel's design size: the picture with a margin, and the controls below it, as high as
// the window with the extension area open.
constexpr int kPanelWidth = 411;
constexpr int kPanelHeight = 540;

constexpr const char* kRadiansHint = "Berechnung in Radianten (Bogenmaß)";
constexpr const char* kSearchHint = "Schnittpunkt berechnen";

}  // namespace

TFrame2::TFrame2(TFrame7& functions) : Form("TFrame2", "Frame21"), functions_(functions) {
  SetSize(kPanelWidth, kPanelHeight);
  Image1.SetPicture(Picture.View());
  ComboBox1.SetItems({"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",   "10",
                      "12", "15", "20", "25", "30", "40", "50", "60", "100", "200"});
  ComboBox1.SetItemIndex(4);
  Halten.GroupIndex = 1;
  Halten.AllowAllUp = true;
  Halten.SetHint("Diesen Graph erhalten und einen neuen hinzu zeichnen");
  GradRad.GroupIndex = 2;
  GradRad.AllowAllUp = true;
  GradRad.SetHint(kRadiansHint);
  Gitter.SetChecked(true);
  SnP.SetHint(kSearchHint);
  SnP.SetVisible(false);
  Abbr.SetHint("Letzte Änderung rückgängig");
  Abbr.SetVisible(false);
  SpeedButton3.SetHint("Graph als Bild speichern");
  SpeedButton4.SetHint("Graph in Word exportieren");
  Edit2.SetReadOnly(true);
  for (MenuItem* row : {&EinfacheAuflsung1, &DoppelteAuflsung1, &DreifacheAuflsung1, &BisNull1,
                        &AbNull1, &Freidefinierbar1})
    row->RadioItem = true;
  DreifacheAuflsung1.SetChecked(true);
  for (MenuItem* entry : {&Term2, &Schnittpunkt1, &Bereich2, &x1nehmen, &x2nehmen, &Markieren1,
                          &Markieren2, &AlleSchnittpunkte1, &Nullstellen1, &Extrema1})
    entry->SetVisible(false);
  Edit1.OnKeyPress = [](char32_t& key) {
    if (key == U',') key = U'.';
  };
  WireEvents();
}

void TFrame2::WireEvents() {
  Image1.OnMouseDownAt = [this](MouseButton button, int x, int y) { MousePressed(button, x, y); };
  Image1.OnMouseMoveAt = [this](int x, int y, bool leftHeld) { MouseMoved(x, y, leftHeld); };
  Image1.OnMouseUpAt = [this](MouseButton button, int x, int y) { MouseReleased(button, x, y); };
  Abbr.OnClick = [this] { AbbrClick(); };
  WireAnnotations();
}

int TFrame2::Zoom() const {
  const int row = ComboBox1.ItemIndex();
  return row < 0 ? 5 : std::stoi(ComboBox1.Items()[row]);
}

GraphScale TFrame2::Scale() const {
  return ScaleFor(Zoom(), DegreeMode);
}

void TFrame2::SwitchToFunctionMode(const std::string& field1Display,
                                   const std::string& field2Display) {
  ShowValueRows("x = ", "f(x) = ", field1Display, field2Display, "Auflösung:");
  ShowCircleControls(false);
  ShowGridControls(true);
  ComboBox1.SetEnabled(true);
  Gitter.SetEnabled(true);
  Gitter.SetChecked(true);
  Gitter2.SetEnabled(true);
}

void TFrame2::ShowValueRows(const std::string& caption1, const std::string& caption2,
                            const std::string& value1, const std::string& value2,
                            const std::string& rowCaption) {
  Label1.SetText(caption1);
  Label2.SetText(caption2);
  Label4.SetText(value1);
  Label5.SetText(value2);
  Label7.SetText(rowCaption);
}

void TFrame2::ShowCircleControls(bool shown) {
  for (Control* c :
       std::initializer_list<Control*>{&Label3, &Label6, &Label8, &Label9, &Label10, &Label11,
                                       &Label12, &Label13, &Label14, &Edit1, &Edit2, &Button2})
    c->SetVisible(shown);
}

void TFrame2::ShowGridControls(bool shown) {
  if (shown && ComboBox1.ItemIndex() < 0) ComboBox1.SetItemIndex(4);
  for (Control* c : std::initializer_list<Control*>{&ComboBox1, &Gitter, &Gitter2, &Halten})
    c->SetVisible(shown);
}

void TFrame2::ShowTermLabels(bool shown) {
  for (Label* label : {&Label9, &Label10, &Label12, &Label13, &Label6}) label->SetVisible(shown);
}

void TFrame2::HoldPressed() {
  Halten.SetText("Gehalten");
  if (functions_.Visible()) {
    Label9.SetText("Term 1: ");
    Label10.SetText("Term 2: ");
    const std::string term = functions_.ComboBox1.Text();
    Label12.SetText(term);
    Label13.SetText("");
    Label6.SetText("");
    ShowTermLabels(true);
    SnP.SetVisible(true);
    Schnittpunkt1.SetVisible(true);
    Bereich2.SetVisible(true);
    // The held curve keeps the first colour.
    std::vector<std::string>& history = functions_.Terms.TermHistory;
    const auto it = std::find(history.begin(), history.end(), term);
    if (history.size() > 1 && it != history.end() && it != history.begin())
      std::iter_swap(history.begin(), it);
    functions_.Terms.PlotSequence.clear();
    functions_.Terms.PlottedTerms.clear();
    if (!term.empty()) {
      functions_.Terms.PlotSequence.push_back(term);
      functions_.Terms.PlottedTerms.push_back(term);
    }
  }
  for (Edit* box : {&functions_.Edit1, &functions_.Edit2, &functions_.Edit3})
    box->SetEnabled(false);
  SnP.SetHint(kSearchHint);
  for (Control* c : std::initializer_list<Control*>{&Gitter, &Gitter2, &ComboBox1})
    c->SetEnabled(false);
}

void TFrame2::HoldReleased() {
  Halten.SetText("Erhalten");
  ShowTermLabels(false);
  Label15.SetText("");
  Label15.SetVisible(false);
  SnP.SetChecked(false);
  SnP.SetVisible(false);
  SnP.SetText("SP");
  SnP.SetHint(kSearchHint);
  ShowSearchEntries(false);
  Term2.SetVisible(false);
  Schnittpunkt1.SetVisible(false);
  Schnittpunkt1.SetChecked(false);
  Bereich2.SetVisible(false);
  for (Edit* box : {&functions_.Edit1, &functions_.Edit2, &functions_.Edit3}) box->SetEnabled(true);
  for (Control* c : std::initializer_list<Control*>{&Gitter, &Gitter2, &ComboBox1})
    c->SetEnabled(true);
}

// The entries that take over or mark an intersection.
void TFrame2::ShowSearchEntries(bool shown) {
  for (MenuItem* entry : {&x1nehmen, &x2nehmen, &Markieren1, &Markieren2}) entry->SetVisible(shown);
}

void TFrame2::ChooseRange(MenuItem& row, Extended start, Extended end) {
  SearchStart = start;
  SearchEnd = end;
  row.SetChecked(true);
}

void TFrame2::SearchRange(Extended& lo, Extended& hi) const {
  const Extended factor = Freidefinierbar1.Checked() ? 1 : Zoom();
  lo = factor * SearchStart;
  hi = factor * SearchEnd;
}

void TFrame2::ResetMarks() {
  markingIntersection_ = 0;
  EndDrawingTools();
  Label4.SetText("");
  Label5.SetText("");
  Picture.Fill(kGraphWhite);
  Image1.PictureChanged();
  for (MenuItem* entry : {&x2nehmen, &x1nehmen, &Markieren1, &Markieren2, &Term2, &Bereich2})
    entry->SetVisible(false);
  Abbr.SetVisible(false);
  Term1.SetVisible(true);
  Term1Text = functions_.ComboBox1.Text();
}

}  // namespace qv

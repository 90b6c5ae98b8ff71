#include "panels/trig_panel.h"

namespace qv {

namespace {

// Design size of the panel; the extension area is as high as this panel.
constexpr int kPanelWidth = 251;
constexpr int kPanelHeight = 120;

}  // namespace

TFrame1::TFrame1() : Form("TFrame1", "Frame11") {
  SetSize(kPanelWidth, kPanelHeight);
  RadioButton1.SetChecked(true);
}

}  // namespace qv

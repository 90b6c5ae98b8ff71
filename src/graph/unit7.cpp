#include "graph/unit7.h"

namespace qv {

TFrame7::TFrame7() : Form("TFrame7", "Frame71") {
  ComboBox1.SetHint("Funktionsterm.\r\nDie Variable x ins obere Eingabefeld schreiben");
  Edit1.SetHint("Konstante a");
  Edit2.SetHint("Konstante b");
  Edit3.SetHint("Konstante c");
  Button2.SetHint("Graph öffnen");
  ComboBox1.SetItems({"x^2", "x^2-3", "sin(x)"});
  Constants = {";;", ";;", ";;"};
}

}  // namespace qv

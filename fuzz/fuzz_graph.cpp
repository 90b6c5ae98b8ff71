// The graph panel on arbitrary terms: a redraw at any zoom row, in degree mode or not, with
// field 1 anywhere and two held curves compared by the intersection search, ends without a
// crash, a hang or undefined behaviour. The first byte chooses the zoom row and the modes,
// the second field 1; the rest, split at the first line break, is the held term and the
// term compared with it. When bit 3 of the second byte is set, the lists of the roots and the
// extremes of the first curve and, with two held curves, of every intersection follow.
#include <cstdint>
#include <string>
#include <string_view>

#include "graph/graph_panel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  static const char* const kFields[] = {"", "0", "2.5", "-7", "1e300", "-1e4000", "90", "1e-300"};
  const std::string_view rest(reinterpret_cast<const char*>(data) + 2, size - 2);
  const size_t cut = rest.find('\n');
  const std::string held(rest.substr(0, cut));
  const std::string compared(cut == std::string_view::npos ? "" : rest.substr(cut + 1));
  qv::TFrame7 functions;
  qv::TFrame2 graph(functions);
  qv::Form window("TForm1", "Form1");
  const std::string field = kFields[data[1] % 8];
  graph.Host = {.entry1 = [&field] { return field; },
                .field1Display = [&field] { return field; },
                .window = &window};
  functions.Show();
  graph.ComboBox1.SetItemIndex(data[0] % 20);
  graph.Gitter2.SetChecked((data[0] & 0x20) != 0);
  qv::DegreeMode = (data[0] & 0x40) != 0;
  functions.ComboBox1.SetText(held);
  graph.RedrawFunctionMode();
  // Over a short free range, for short terms only: every list samples the range 4000 times.
  const auto lists = [&](bool intersections) {
    if ((data[1] & 0x08) == 0 || held.size() > 24 || compared.size() > 24) return;
    graph.Freidefinierbar1.SetChecked(true);
    graph.SearchStart = -20;
    graph.SearchEnd = 20;
    for (const qv::PointListKind kind : {qv::PointListKind::Roots, qv::PointListKind::Extrema})
      graph.ListPoints(kind);
    if (intersections) graph.ListPoints(qv::PointListKind::Intersections);
  };
  if (data[0] & 0x80) {
    // A free range keeps the scan short whatever the zoom.
    graph.Freidefinierbar1.SetChecked(true);
    graph.SearchStart = -20;
    graph.SearchEnd = 20;
    functions.Terms.Add(held);
    graph.Halten.Click();
    graph.HoldPressed();
    graph.SnP.SetChecked(true);
    functions.ComboBox1.SetText(compared);
    functions.Terms.Add(compared);
    graph.RedrawFunctionMode();
    lists(true);
  } else {
    lists(false);
  }
  return 0;
}

#pragma once
// The list of every intersection of the two held curves in the search range, or of the
// roots or the local extremes of the first curve: a small window beside the main window,
// from which a point's x goes into field 1 and the whole list into the tape.
#include <functional>
#include <string>
#include <vector>

#include "graph/curve_points.h"
#include "platform/form.h"

namespace qv {

// What the window hands on.
struct PointListHost {
  std::function<void(Extended x)> takeX;                        // into field 1
  std::function<void(const std::vector<std::string>&)> toTape;  // as comment lines
};

class TSchnittpunkte : public Form {
 public:
  TSchnittpunkte();
  Label Label1{*this, "Label1"};  // what is listed
  Label Label2{*this, "Label2"};  // how many, or why none
  Grid StringGrid1{*this, "StringGrid1", 4, 2, 1, 0};
  Button Button1{*this, "Button1", "Übernehmen"};
  Button Button2{*this, "Button2", "In Tape"};
  Button Button3{*this, "Button3", "Schließen"};

  PointListHost Host;

  // Shows the points found and the window.
  void Open(const PointReport& report);
  const std::vector<CurvePoint>& Points() const { return points_; }
  // The lines "In Tape" writes.
  std::vector<std::string> TapeLines() const;

 private:
  void TakeSelected();
  std::string heading_;
  std::vector<CurvePoint> points_;
};

}  // namespace qv

#pragma once
// The range dialog of the intersection search: a free start and end of the scan range.
#include <functional>
#include <string>

#include "platform/form.h"
#include "platform/numbers.h"

namespace qv {

// What the dialog hands to the graph panel.
struct RangeDialogHost {
  std::function<void(Extended)> setStart;
  std::function<void(Extended)> setEnd;
  // Both values taken: the free range is chosen and the graph redrawn.
  std::function<void()> accepted;
  // A range too wide for the search's step: the message the user is shown instead.
  std::function<void(const std::string&)> refuse;
};

class TBereich : public Form {
 public:
  TBereich();
  Label Label1{*this, "Label1", "Anfang"};
  Label Label2{*this, "Label2", "Ende"};
  Edit Edit1{*this, "Edit1"};
  Edit Edit2{*this, "Edit2"};
  Button Button1{*this, "Button1", "OK"};
  Button Button2{*this, "Button2", "Abbrechen"};

  RangeDialogHost Host;

  // Shows the range in the boxes; the main window stays usable meanwhile.
  void Open(Extended start, Extended end);

 private:
  void Accept();
};

}  // namespace qv

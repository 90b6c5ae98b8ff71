#pragma once
// Widgets placed at fixed design positions and named like the logic's controls, so that the
// binder finds them: the calculator region and the panels below it are tables of places.
#include <Qt>
#include <span>

class QWidget;

namespace qv {
class Form;
}

namespace qv::ui {

// A WrappedLabel breaks its text between words; Tabs are tab rows (TabRows); a Raster shows a
// picture the logic draws.
enum class Kind {
  Label,
  WrappedLabel,
  Key,
  Toggle,
  Radio,
  Check,
  Spin,
  Edit,
  Combo,
  EditCombo,
  Tool,
  Tabs,
  Raster,
  Group,  // a frame with a caption; the widgets in it are placed beside it, on top
  Date,   // a date field with a drop-down calendar
  Grid,   // an editable table whose header row is the grid's fixed row
};

struct Place {
  const char* name;
  Kind kind;
  int x, y, w, h;
  const char* role = "";  // a style-sheet role ("field", "operator", ...)
  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
};

// Creates the widgets of `places` as children of `parent`. A Tool is a small image button whose
// standard icon is given as its role ("SP_TrashIcon").
void PlaceWidgets(QWidget& parent, std::span<const Place> places);

enum class PanelFont { Window, Compact };

// A panel of the window named like its frame, at (left, top) in the frame's size, holding the
// widgets of `places` in the window's font or the compact one; hidden until the logic shows
// the frame.
QWidget* BuildPanel(QWidget& clientArea, const qv::Form& frame, int left, int top,
                    std::span<const Place> places, PanelFont font = PanelFont::Window);

}  // namespace qv::ui

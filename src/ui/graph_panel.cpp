#include "ui/graph_panel.h"

#include <QComboBox>
#include <QLabel>
#include <array>

#include "calculator/window_size.h"
#include "ui/placed_widgets.h"
#include "ui/raster_view.h"

namespace qv::ui {

namespace {

constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr int kCaptionW = 100;  // the captions left of their values, right-aligned
constexpr int kValueX = 107;
constexpr int kToolW = 24;

// Function mode uses the rows from top to bottom: x and f(x), the zoom row, the two terms and
// the two results. The trigonometry mode's captions and boxes take the places of function
// mode's controls that it hides: sine and cosine, the radius row, then the other four values,
// all values in the same font.
constexpr std::array kPlaces{
    Place{"Image1", Kind::Raster, 5, 3, kGraphSize, kGraphSize},
    // Field 1's and field 2's display texts take up to 15 digits with sign and exponent.
    Place{"Label1", Kind::Label, 5, 407, 78, 18, "", kRight},
    Place{"Label4", Kind::Label, 85, 407, 124, 18, "result"},
    Place{"Label2", Kind::Label, 211, 407, 78, 18, "", kRight},
    Place{"Label5", Kind::Label, 291, 407, 115, 18, "result"},
    // The radius row leaves its result box room for the longest general number, with sign,
    // 15 digits and a four-digit exponent ("-1,23456789012346E-4951"): its caption, and the
    // zoom list of function mode in the same place, stand left of the value column.
    Place{"Label7", Kind::Label, 5, 429, 62, 22, "", kRight},
    Place{"ComboBox1", Kind::Combo, 69, 429, 54, 22, "zoom"},
    Place{"Halten", Kind::Toggle, 165, 429, 70, 22},
    Place{"Gitter", Kind::Check, 239, 429, 58, 22},
    Place{"Gitter2", Kind::Check, 299, 429, 70, 22},
    Place{"GradRad", Kind::Toggle, 373, 429, 33, 22},
    Place{"Edit1", Kind::Edit, 69, 429, 36, 22},
    Place{"Label8", Kind::Label, 109, 429, 88, 22},
    Place{"Edit2", Kind::Edit, 199, 429, 154, 22},
    Place{"Button2", Kind::Key, 355, 429, 51, 22},
    Place{"Label9", Kind::Label, 5, 455, kCaptionW, 18, "", kRight},
    Place{"Label12", Kind::Label, kValueX, 455, 225, 18, "result"},
    Place{"Abbr", Kind::Tool, 334, 453, kToolW, 22, "SP_ArrowBack"},
    Place{"SpeedButton3", Kind::Tool, 358, 453, kToolW, 22, "SP_DialogSaveButton"},
    Place{"SpeedButton4", Kind::Tool, 382, 453, kToolW, 22, "SP_FileIcon"},
    Place{"Label10", Kind::Label, 5, 475, kCaptionW, 18, "", kRight},
    Place{"Label13", Kind::Label, kValueX, 475, 299, 18, "result"},
    Place{"SnP", Kind::Check, 5, 495, 48, 20},
    Place{"Label3", Kind::Label, 5, 495, kCaptionW, 26, "", kRight},
    Place{"Label6", Kind::Label, kValueX, 495, 299, 26, "result"},
    Place{"Label11", Kind::Label, 5, 521, kCaptionW, 18, "", kRight},
    Place{"Label14", Kind::Label, kValueX, 521, 299, 18, "result"},
    Place{"Label15", Kind::Label, kValueX, 521, 299, 18, "result"},
};

}  // namespace

RasterView* BuildGraphPanel(QWidget& clientArea, const TFrame2& frame) {
  QWidget* panel = BuildPanel(clientArea, frame, kBaseWidth, 0, kPlaces);
  auto* zoom = panel->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
  zoom->setMaxVisibleItems(50);
  // The first result may run over two lines.
  panel->findChild<QLabel*>(QStringLiteral("Label6"))->setWordWrap(true);
  return panel->findChild<RasterView*>(QStringLiteral("Image1"));
}

}  // namespace qv::ui

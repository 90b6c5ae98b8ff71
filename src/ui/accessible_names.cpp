#include "ui/accessible_names.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <algorithm>
#include <string_view>

#include "platform/form.h"
#include "ui/caption_map.h"
#include "ui/raster_view.h"

namespace qv::ui {

namespace {

// The controls that show no words and have no hint, by their form's class and their name (or
// the start of their names, for a panel's rows of lists and arrows).
struct ListedName {
  std::string_view form;
  std::string_view control;
  const char* name;
  bool prefix = false;
};

constexpr ListedName kListedNames[] = {
    {"TFrame4", "SpeedButton5", "Tape speichern"},
    {"TFrame4", "RichEdit1", "Tape"},
    {"TFrame2", "Image1", "Graph"},
    {"TFrame7", "Rueck", "Voriger Term"},
    {"TFrame7", "Vor", "Nächster Term"},
    {"TFrame5", "Speed", "Umrechnen", true},
    {"TFrame5", "Combo", "Einheit", true},
    // The months of a term stand right of the years' unit.
    {"TFinanzrechner", "Edit8", "Gesamtlaufzeit, Monate"},
    {"TFinanzrechner", "Edit23", "Laufzeit, Monate"},
};

// The two field displays announce their value as their text; this says which field it is.
constexpr ListedName kListedDescriptions[] = {
    {"TForm1", "Label1", "Feld 1"},
    {"TForm1", "Label3", "Feld 2"},
};

template <size_t N>
QString Listed(const ListedName (&table)[N], const Control& control) {
  const std::string_view form = control.Owner().ClassName();
  const std::string_view name = control.Name();
  for (const ListedName& listed : table)
    if (listed.form == form &&
        (listed.prefix ? name.starts_with(listed.control) : name == listed.control))
      return QString::fromUtf8(listed.name);
  return {};
}

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

bool IsInput(const QWidget& widget) {
  return qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QComboBox*>(&widget) ||
         qobject_cast<const QAbstractSpinBox*>(&widget) ||
         qobject_cast<const QAbstractItemView*>(&widget) || qobject_cast<const QTextEdit*>(&widget);
}

bool SpeaksWords(const QString& text) {
  return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

// A caption of symbols only says less than the button's hint.
QString ButtonName(const QString& caption, const QString& hint) {
  const QString spoken = SpokenText(caption);
  return SpeaksWords(spoken) || hint.isEmpty() ? spoken : hint;
}

QString CaptionText(const QWidget& caption) {
  if (const auto* label = qobject_cast<const QLabel*>(&caption)) return SpokenText(label->text());
  if (const auto* box = qobject_cast<const QGroupBox*>(&caption)) return SpokenText(box->title());
  return {};
}

int Right(const QRect& r) {
  return r.x() + r.width();
}
int Bottom(const QRect& r) {
  return r.y() + r.height();
}
bool SameRow(const QRect& a, const QRect& b) {
  return std::abs(a.center().y() - b.center().y()) * 2 <= std::max(a.height(), b.height());
}
// How far `after` begins right of `before`'s end in the same row; a large number when not.
int GapAfter(const QRect& before, const QRect& after) {
  return SameRow(before, after) ? after.x() - Right(before) : 1 << 20;
}

// The widgets beside `widget` that may name it.
struct Neighbours {
  std::vector<QLabel*> labels;
  std::vector<QGroupBox*> boxes;
  std::vector<QRect> inputs;
};

Neighbours NeighboursOf(const QWidget& widget) {
  Neighbours n;
  for (QObject* child : widget.parentWidget()->children()) {
    if (child == &widget) continue;
    if (auto* label = qobject_cast<QLabel*>(child))
      n.labels.push_back(label);
    else if (auto* box = qobject_cast<QGroupBox*>(child))
      n.boxes.push_back(box);
    else if (auto* other = qobject_cast<QWidget*>(child); other && IsInput(*other))
      n.inputs.push_back(other->geometry());
  }
  return n;
}

constexpr int kAlign = 8;     // pixels a caption above may stand left or right of its input
constexpr int kGapAbove = 6;  // pixels between a caption and the input below it
constexpr int kGapBefore = 8;
constexpr int kUnitGap = 4;

// Whether the label stands right before an input of its row: that input is the one it names.
bool PrecedesAnInput(const QRect& label, const Neighbours& n) {
  return std::any_of(n.inputs.begin(), n.inputs.end(), [&](const QRect& input) {
    const int gap = GapAfter(label, input);
    return gap >= -1 && gap <= kGapBefore;
  });
}

QLabel* LabelAbove(const QRect& at, const Neighbours& n) {
  for (QLabel* label : n.labels) {
    const QRect l = label->geometry();
    const int gap = at.y() - Bottom(l);
    if (gap >= -1 && gap <= kGapAbove && std::abs(l.x() - at.x()) <= kAlign &&
        !PrecedesAnInput(l, n))
      return label;
  }
  return nullptr;
}

// A label no wider than high holds a letter or two; right after an input it is its unit.
bool IsUnit(const QRect& label, const Neighbours& n) {
  if (label.width() > label.height()) return false;
  return std::any_of(n.inputs.begin(), n.inputs.end(), [&](const QRect& input) {
    const int gap = GapAfter(input, label);
    return gap >= -1 && gap <= kUnitGap;
  });
}

QLabel* LabelBefore(const QRect& at, const Neighbours& n) {
  for (QLabel* label : n.labels) {
    const int gap = GapAfter(label->geometry(), at);
    if (gap >= -1 && gap <= kGapBefore && !IsUnit(label->geometry(), n)) return label;
  }
  return nullptr;
}

// The smallest group box whose frame holds the widget.
QGroupBox* BoxAround(const QRect& at, const Neighbours& n) {
  QGroupBox* found = nullptr;
  for (QGroupBox* box : n.boxes) {
    const QRect frame = box->geometry();
    if (frame.contains(at) &&
        (!found || frame.width() * frame.height() < found->width() * found->height()))
      found = box;
  }
  return found;
}

}  // namespace

QString SpokenText(const QString& shown) {
  QString text;
  for (qsizetype i = 0; i < shown.size(); ++i) {
    if (shown[i] == QLatin1Char('&') && i + 1 < shown.size()) ++i;
    text += shown[i];
  }
  return text.simplified();
}

void ScreenReaderNames::FindCaption(QWidget& widget) {
  if (!IsInput(widget) || !widget.parentWidget()) return;
  const Neighbours n = NeighboursOf(widget);
  const QRect at = widget.geometry();
  QLabel* label = LabelAbove(at, n);
  if (!label) label = LabelBefore(at, n);
  QWidget* caption = label;
  if (!caption) caption = BoxAround(at, n);
  if (!caption) return;
  captionOf_[&widget] = caption;
  named_[caption].push_back(&widget);
  if (auto* list = qobject_cast<QComboBox*>(&widget); list && label && !label->buddy())
    label->setBuddy(list);
}

void ScreenReaderNames::Name(const Control& control, QWidget& widget) {
  if (qobject_cast<QLabel*>(&widget)) {
    const QString description = Listed(kListedDescriptions, control);
    if (!description.isEmpty()) widget.setAccessibleDescription(description);
    return;
  }
  const QString listed = Listed(kListedNames, control);
  const QString hint = SpokenText(Q(control.Hint()));
  if (qobject_cast<QAbstractButton*>(&widget)) {
    const QString name = listed.isEmpty()
                             ? ButtonName(DisplayCaption(control.Name(), control.Text()), hint)
                             : listed;
    if (widget.accessibleName() != name) widget.setAccessibleName(name);
    return;
  }
  const bool picture = dynamic_cast<RasterView*>(&widget) != nullptr;
  if (!IsInput(widget) && !picture) return;          // a label says its text, a tab row its tab
  if (!listed.isEmpty()) captionOf_.erase(&widget);  // the table's name wins
  QString own = listed.isEmpty() ? hint : listed;
  if (own.isEmpty() && (picture || qobject_cast<QAbstractItemView*>(&widget)))
    own = SpokenText(Q(control.Owner().Caption()));
  ownName_[&widget] = own;
  Apply(widget);
}

void ScreenReaderNames::CaptionChanged(const QWidget& caption) {
  if (auto it = named_.find(&caption); it != named_.end())
    for (QWidget* widget : it->second) Apply(*widget);
}

void ScreenReaderNames::Apply(QWidget& widget) {
  QString name;
  if (auto it = captionOf_.find(&widget); it != captionOf_.end()) name = CaptionText(*it->second);
  if (name.isEmpty()) name = ownName_[&widget];
  if (widget.accessibleName() != name) widget.setAccessibleName(name);
}

}  // namespace qv::ui

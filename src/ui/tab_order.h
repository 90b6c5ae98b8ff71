#pragma once
// The order in which Tab walks a window: its controls row by row, left to right, as they stand.
// The controls of a panel stay together, and panels side by side go column by column: the
// calculator, the extension area below it, then the tape and the currency converter beside
// them, then the graph. A page control's tab row comes before the controls of its pages.
class QWidget;

namespace qv::ui {

// Widgets that Tab does not stop at keep their places.
void OrderTabStops(QWidget& window);

}  // namespace qv::ui

#include "ui/grid_binding.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "platform/controls.h"

namespace qv::ui {

namespace {

// Sees the keys of the table and of its cell editors: Enter commits the cell and goes to the
// grid's key-down handler, a typed character goes through its key-press handler first.
class GridKeys : public QStyledItemDelegate {
 public:
  GridKeys(Grid& grid, QTableWidget& table, std::function<void(const std::function<void()>&)> run)
      : QStyledItemDelegate(&table), grid_(grid), table_(table), run_(std::move(run)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress)
      return watched != &table_ && QStyledItemDelegate::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (LeavesTheGrid(*key)) {
      Leave(*watched, key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
      return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      // The cell's text first (the delegate's own commit would come only later, queued).
      if (auto* editor = qobject_cast<QWidget*>(watched); editor && editor != &table_) {
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
      }
      run_([this] {
        if (grid_.OnKeyDown) grid_.OnKeyDown(Key::Enter);
      });
      return true;
    }
    if (watched == &table_) return false;
    const QString text = key->text();
    auto* editor = qobject_cast<QLineEdit*>(watched);
    if (editor && text.size() == 1 && text[0].isPrint() && grid_.OnKeyPress) {
      char32_t typed = text[0].unicode();
      grid_.OnKeyPress(typed);
      if (typed != text[0].unicode()) {
        if (typed) editor->insert(QString::fromUcs4(&typed, 1));
        return true;
      }
    }
    return QStyledItemDelegate::eventFilter(watched, event);
  }

 private:
  bool LeavesTheGrid(const QKeyEvent& key) const {
    const bool tab = key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
    // Without its cell navigation the table is leaving already (below).
    if (!tab || (key.modifiers() & Qt::AltModifier) || !table_.tabKeyNavigation()) return false;
    if (key.modifiers() & Qt::ControlModifier) return true;
    return !EditableCellBeyond(key.key() == Qt::Key_Tab && !(key.modifiers() & Qt::ShiftModifier));
  }

  // Whether a cell a user can edit lies after (or before) the current one, row by row.
  bool EditableCellBeyond(bool forward) const {
    const int rows = table_.rowCount(), cols = table_.columnCount(), first = grid_.FixedCols();
    if (!grid_.Editable() || rows == 0 || first >= cols) return false;
    const int row = table_.currentRow(), col = table_.currentColumn();
    if (row < 0 || col < 0) return true;
    return forward ? row < rows - 1 || col < cols - 1 : row > 0 || col > first;
  }

  // The cell's text is kept; without its cell navigation the table hands the focus on as any
  // widget does.
  void Leave(QObject& watched, bool forward) {
    if (auto* editor = qobject_cast<QWidget*>(&watched); editor && editor != &table_) {
      emit commitData(editor);
      emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    table_.setTabKeyNavigation(false);
    QKeyEvent tab(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                  forward ? Qt::NoModifier : Qt::ShiftModifier);
    QCoreApplication::sendEvent(&table_, &tab);
    table_.setTabKeyNavigation(true);
  }

  Grid& grid_;
  QTableWidget& table_;
  std::function<void(const std::function<void()>&)> run_;
};

QTableWidgetItem& ItemAt(QTableWidget& table, int row, int col) {
  if (QTableWidgetItem* item = table.item(row, col)) return *item;
  auto* item = new QTableWidgetItem;
  table.setItem(row, col, item);
  return *item;
}

}  // namespace

void ConnectGrid(Grid& grid, QTableWidget& table,
                 const std::function<void(const std::function<void()>&)>& run) {
  auto* keys = new GridKeys(grid, table, run);
  table.setItemDelegate(keys);
  table.installEventFilter(keys);
  table.setTabKeyNavigation(true);
  table.horizontalHeader()->setSectionsMovable(false);
  const int fixedRows = grid.FixedRows();
  QObject::connect(&table, &QTableWidget::cellChanged, &table,
                   [&grid, &table, run, fixedRows](int row, int col) {
                     const QString text = table.item(row, col)->text();
                     run([&] { grid.EditCell(row + fixedRows, col, text.toStdString()); });
                   });
  // The cell with the caret decides how the key handler treats a key; no event of its own.
  QObject::connect(&table, &QTableWidget::currentCellChanged, &table,
                   [&grid, fixedRows](int row, int col) {
                     if (row >= 0 && col >= 0) grid.SetCurrentCell(row + fixedRows, col);
                   });
  QObject::connect(table.horizontalHeader(), &QHeaderView::sectionResized, &table,
                   [&grid](int col, int, int width) { grid.SetColWidth(col, width); });
}

// The fixed row is the header; further fixed rows would be cells of the table.
void PushGrid(const Grid& grid, QTableWidget& table) {
  const QSignalBlocker blockHeader(table.horizontalHeader());
  const int fixedRows = grid.FixedRows();
  table.setColumnCount(grid.ColCount());
  table.setRowCount(grid.RowCount() - fixedRows);
  QStringList headers;
  for (int col = 0; col < grid.ColCount(); ++col) {
    headers << QString::fromStdString(grid.Cell(0, col));
    table.setColumnWidth(col, grid.ColWidth(col));
  }
  table.setHorizontalHeaderLabels(headers);
  const QBrush fixedBackground = table.palette().button();
  for (int row = fixedRows; row < grid.RowCount(); ++row) {
    for (int col = 0; col < grid.ColCount(); ++col) {
      QTableWidgetItem& item = ItemAt(table, row - fixedRows, col);
      const QString text = QString::fromStdString(grid.Cell(row, col));
      if (item.text() != text) item.setText(text);
      item.setTextAlignment(Qt::AlignVCenter |
                            (grid.RightAligned(col) ? Qt::AlignRight : Qt::AlignLeft));
      const bool fixed = col < grid.FixedCols();
      item.setFlags(fixed || !grid.Editable()
                        ? Qt::ItemIsEnabled
                        : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
      if (fixed) item.setBackground(fixedBackground);
    }
  }
  if (grid.Row() >= fixedRows) table.setCurrentCell(grid.Row() - fixedRows, grid.Col());
}

}  // namespace qv::ui

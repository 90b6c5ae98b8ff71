#include "finance/finance_grids.h"

#include <string>

namespace qv {

namespace {

void NumberRows(Grid& grid) {
  for (int row = grid.FixedRows(); row < grid.RowCount(); ++row)
    grid.SetCell(row, 0, std::to_string(row));
}

}  // namespace

void LayOutGrid(Grid& grid, const GridLayout& layout) {
  for (int col = 0; col < grid.ColCount(); ++col) {
    grid.SetCell(0, col, layout.headers[col]);
    grid.SetColWidth(col, layout.widths[col]);
  }
  NumberRows(grid);
  grid.SetEditable(true);
}

std::vector<GridRow> DataRows(const Grid& grid) {
  std::vector<GridRow> rows;
  for (int row = grid.FixedRows(); row < grid.RowCount(); ++row)
    rows.push_back({grid.Cell(row, 1), grid.Cell(row, 2)});
  return rows;
}

StoredList StoredRows(const Grid& grid) {
  StoredList list;
  list.rowCount = grid.RowCount();
  for (int row = grid.FixedRows(); row < grid.RowCount(); ++row)
    if (!grid.Cell(row, 1).empty() && !grid.Cell(row, 2).empty())
      list.rows.push_back({row, {grid.Cell(row, 1), grid.Cell(row, 2)}});
  return list;
}

void ShowStoredRows(Grid& grid, const StoredList& list) {
  EmptyDataCells(grid);
  grid.SetRowCount(list.rowCount);
  NumberRows(grid);
  for (const auto& [row, cells] : list.rows) {
    grid.SetCell(row, 1, cells.date);
    grid.SetCell(row, 2, cells.value);
  }
}

void EmptyDataCells(Grid& grid) {
  for (int row = grid.FixedRows(); row < grid.RowCount(); ++row) {
    grid.SetCell(row, 1, "");
    grid.SetCell(row, 2, "");
  }
}

bool AddNumberedRow(Grid& grid) {
  const int row = grid.RowCount();
  if (row - grid.FixedRows() >= kMaxListRows) return false;
  grid.SetRowCount(row + 1);
  grid.SetCell(row, 0, std::to_string(row));
  return true;
}

bool RemoveLastRow(Grid& grid) {
  const int last = grid.RowCount() - 1;
  grid.SetCell(last, 1, "");
  grid.SetCell(last, 2, "");
  if (last == grid.FixedRows()) return false;
  grid.SetRowCount(last);
  return true;
}

void CommaForPoint(char32_t& key) {
  if (key == '.') key = ',';
}

void PointForSeparator(char32_t& key) {
  if (key == ',' || key == '/' || key == '-') key = '.';
}

}  // namespace qv

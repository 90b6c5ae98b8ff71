#pragma once
// The list grids of the finance window: a fixed header row, a number column and the columns
// date (1) and value (2) of special payments or interest changes.
#include <vector>

#include "finance/finance_input.h"
#include "finance/finance_records.h"
#include "platform/controls.h"

namespace qv {

// Headers and column widths of a list grid, set each time the window is shown.
struct GridLayout {
  const char* headers[3];
  int widths[3];
};

// Headers and widths, the data rows numbered "1", "2", ..., the cells editable.
void LayOutGrid(Grid& grid, const GridLayout& layout);

// The date and value of every data row, in order.
std::vector<GridRow> DataRows(const Grid& grid);

// The grid as a case stores it: its row count and the rows whose date and value are both filled.
StoredList StoredRows(const Grid& grid);
// A stored list back in the grid: every data cell emptied, the row count taken, the rows
// numbered, and the stored rows placed (rows beyond the count are left out).
void ShowStoredRows(Grid& grid, const StoredList& list);
// Empties the date and value of every data row.
void EmptyDataCells(Grid& grid);

// A row more at the end, numbered; false when the grid has kMaxListRows data rows already.
bool AddNumberedRow(Grid& grid);
// Empties the last row and removes it unless it is the only data row; false when it was.
bool RemoveLastRow(Grid& grid);

// Typed keys: amounts and interest rates take a decimal comma, dates points.
void CommaForPoint(char32_t& key);
void PointForSeparator(char32_t& key);

}  // namespace qv

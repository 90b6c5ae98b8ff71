#pragma once
// An editable grid of the logic on a QTableWidget: the grid's fixed row is the table's header,
// its fixed columns are cells the user cannot edit, and every key typed into a cell passes the
// grid's key handler, which may change or swallow it. Tab moves between the cells and leaves the
// grid after its last cell a user can edit (Shift+Tab before the first); Ctrl+Tab leaves it at
// once, and a grid nobody edits at the first Tab.
#include <functional>

class QTableWidget;

namespace qv {
class Grid;
}

namespace qv::ui {

// run(event) runs one event of the grid under the binder.
void ConnectGrid(Grid& grid, QTableWidget& table,
                 const std::function<void(const std::function<void()>&)>& run);
void PushGrid(const Grid& grid, QTableWidget& table);

}  // namespace qv::ui

#pragma once
// The list window of the graph's intersections, roots and extremes.
#include "graph/intersection_list.h"

class QDialog;
class QWidget;

namespace qv::ui {

QDialog* BuildIntersectionList(QWidget& parent, const TSchnittpunkte& form);

}  // namespace qv::ui

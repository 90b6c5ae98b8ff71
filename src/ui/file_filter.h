#pragma once
// File dialog filters: "Rich Text (*.rtf)|*.rtf|Text (*.txt)|*.txt" (pairs of description and
// pattern, as the logic writes them) in Qt's form "Rich Text (*.rtf)".
#include <QStringList>
#include <string>

namespace qv::ui {

QStringList QtNameFilters(const std::string& filter);

}  // namespace qv::ui

#pragma once
// Captions the logic holds in a symbol font (Wingdings, Symbol) and the Unicode characters a
// Qt widget shows for them. The logic keeps the original captions.
#include <QString>
#include <string>

namespace qv::ui {

QString DisplayCaption(const std::string& controlName, const std::string& caption);

}  // namespace qv::ui

#include "ui/file_filter.h"

namespace qv::ui {

QStringList QtNameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(u'|');
  QStringList result;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i].trimmed();
    // A description that names its patterns in brackets gets the real pattern in their place.
    if (description.endsWith(u')')) {
      const qsizetype open = description.lastIndexOf(u'(');
      if (open >= 0) description = description.left(open).trimmed();
    }
    QString patterns = parts[i + 1].trimmed();
    patterns.replace(u';', u' ');
    result << description + QStringLiteral(" (") + patterns + u')';
  }
  return result;
}

}  // namespace qv::ui

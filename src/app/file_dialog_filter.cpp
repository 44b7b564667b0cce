#include "app/file_dialog_filter.h"

#include <QStringList>

namespace ec {

QString QtFileFilter(std::string_view windowsFilter) {
  const QStringList parts = QString::fromUtf8(windowsFilter.data(), static_cast<qsizetype>(windowsFilter.size()))
                                .split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts[i];
    const QString patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
    if (patterns.isEmpty()) continue;
    if (description.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')'))) {
      filters << description;
    } else {
      filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
  }
  return filters.join(QStringLiteral(";;"));
}

}  // namespace ec

#include "app/FileFilter.h"

namespace dorv::gui {

QStringList qtNameFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        if (i + 1 >= parts.size()) {
            if (!description.isEmpty()) {
                filters << description;
            }
            continue;
        }
        // The pattern after the bar is the one that counts; the one in the
        // description is only shown. "*.*" means every file, dotted or not.
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*")) {
                pattern = QStringLiteral("*");
            }
        }
        const qsizetype paren = description.indexOf(QLatin1Char('('));
        if (paren >= 0) {
            description = description.left(paren).trimmed();
        }
        filters << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters;
}

} // namespace dorv::gui

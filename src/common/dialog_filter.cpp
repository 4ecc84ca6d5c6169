#include "common/dialog_filter.h"

#include <QFileInfo>
#include <QStringList>

namespace trellan {

QString qtFileFilter(const QString& pairs) {
    const QStringList parts = pairs.split(QLatin1Char('|'));
    if (parts.size() == 1) {
        return parts.front();
    }
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& label = parts[i];
        QString pattern = parts[i + 1];
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (label.contains(QLatin1Char('(') + pattern + QLatin1Char(')'))) {
            entries << label;
        } else {
            entries << label + QStringLiteral(" (") + pattern + QLatin1Char(')');
        }
    }
    return entries.join(QStringLiteral(";;"));
}

QString proposedFileName(const QString& fileName, const QString& startFolder) {
    return startFolder.isEmpty() ? fileName : QFileInfo(fileName).fileName();
}

}  // namespace trellan

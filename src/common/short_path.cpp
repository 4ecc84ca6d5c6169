#include "common/short_path.h"

namespace trellan {
namespace {

// Cuts the first directory of a directory part that starts with a separator
// (or not), marking the cut with "...".
QString cutFirstDirectory(QString dir, QChar sep) {
    if (dir == sep) {
        return {};
    }
    const bool rooted = dir.startsWith(sep);
    if (rooted) {
        dir.remove(0, 1);
    }
    if (dir.startsWith(QLatin1Char('.'))) {
        dir.remove(0, 4);
    }
    const qsizetype next = dir.indexOf(sep);
    if (next < 0) {
        dir.clear();
    } else {
        dir = QStringLiteral("...") + sep + dir.mid(next + 1);
    }
    if (rooted) {
        dir.prepend(sep);
    }
    return dir;
}

}  // namespace

PathStyle nativePathStyle() {
#ifdef Q_OS_WIN
    return PathStyle::Windows;
#else
    return PathStyle::Posix;
#endif
}

QString shortenedPath(const QString& path, int maxWidth,
                      const std::function<int(const QString&)>& width, PathStyle style) {
    const QChar sep = style == PathStyle::Windows ? QLatin1Char('\\') : QLatin1Char('/');
    QString drive;
    QString rest = path;
    if (style == PathStyle::Windows && path.size() >= 2 && path[1] == QLatin1Char(':')) {
        drive = path.left(2);
        rest = path.mid(2);
    }
    const qsizetype lastSep = rest.lastIndexOf(sep);
    QString dir = rest.left(lastSep + 1);
    const QString name = rest.mid(lastSep + 1);
    const QString ellipsisDir = sep + QStringLiteral("...") + sep;

    QString result = drive + dir + name;
    while ((!drive.isEmpty() || !dir.isEmpty()) && width(result) > maxWidth) {
        if (dir == ellipsisDir) {
            drive.clear();
            dir = QStringLiteral("...") + sep;
        } else if (!dir.isEmpty()) {
            dir = cutFirstDirectory(dir, sep);
        } else {
            drive.clear();
        }
        result = drive + dir + name;
    }
    return result;
}

}  // namespace trellan

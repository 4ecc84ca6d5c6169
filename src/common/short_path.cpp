#include "common/short_path.h"

namespace trellan {

QString cutFirstDirectory(QString dir, QChar separator) {
    if (dir == separator) {
        return {};
    }
    const bool rooted = dir.startsWith(separator);
    if (rooted) {
        dir.remove(0, 1);
    }
    // On purpose any part starting with "." loses four characters, ".config\" too.
    if (dir.startsWith(QLatin1Char('.'))) {
        dir.remove(0, 4);
    }
    const qsizetype next = dir.indexOf(separator);
    if (next < 0) {
        dir.clear();
    } else {
        dir = QStringLiteral("...") + separator + dir.mid(next + 1);
    }
    if (rooted) {
        dir.prepend(separator);
    }
    return dir;
}

PathParts splitPath(const QString& path, PathStyle style) {
    PathParts parts;
    parts.separator = style == PathStyle::Windows ? QLatin1Char('\\') : QLatin1Char('/');
    QString rest = path;
    if (style == PathStyle::Windows && path.size() >= 2 && path[1] == QLatin1Char(':')) {
        parts.drive = path.left(2);
        rest = path.mid(2);
    }
    const qsizetype nameStart = rest.lastIndexOf(parts.separator) + 1;
    parts.dir = rest.left(nameStart);
    parts.name = rest.mid(nameStart);
    return parts;
}

QString shortenedPath(const QString& path, int maxWidth, const TextWidth& width, PathStyle style) {
    auto [separator, drive, dir, name] = splitPath(path, style);
    const QString onlyEllipsis = separator + QStringLiteral("...") + separator;

    QString result = path;
    while ((!drive.isEmpty() || !dir.isEmpty()) && width(result) > maxWidth) {
        if (dir == onlyEllipsis) {
            drive.clear();
            dir = QStringLiteral("...") + separator;
        } else if (!dir.isEmpty()) {
            dir = cutFirstDirectory(dir, separator);
        } else {
            drive.clear();
        }
        result = drive + dir + name;
    }
    return result;
}

}  // namespace trellan

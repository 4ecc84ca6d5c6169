#include "common/short_path.h"

namespace trellan {

QString cutFirstDirectory(QString dir, PathStyle style) {
    const bool rooted = !dir.isEmpty() && isPathSeparator(dir[0], style);
    if (rooted && dir.size() == 1) {
        return {};
    }
    const QString root = dir.left(rooted ? 1 : 0);
    dir.remove(0, root.size());
    // On purpose any part starting with "." loses four characters, ".config\" too.
    if (dir.startsWith(QLatin1Char('.'))) {
        dir.remove(0, 4);
    }
    qsizetype next = 0;
    while (next < dir.size() && !isPathSeparator(dir[next], style)) {
        ++next;
    }
    if (next == dir.size()) {
        return root;
    }
    return root + QStringLiteral("...") + pathSeparator(style) + dir.mid(next + 1);
}

QString shortenedPath(const QString& path, int maxWidth, const TextWidth& width, PathStyle style) {
    auto [drive, dir, name] = splitPath(path, style);
    const QString ellipsis = QStringLiteral("...") + pathSeparator(style);

    QString result = path;
    while ((!drive.isEmpty() || !dir.isEmpty()) && width(result) > maxWidth) {
        if (dir.size() == 5 && isPathSeparator(dir[0], style) && dir.endsWith(ellipsis)) {
            // Only "\...\" is left: the drive goes with the leading separator.
            drive.clear();
            dir = ellipsis;
        } else if (!dir.isEmpty()) {
            dir = cutFirstDirectory(dir, style);
        } else {
            drive.clear();
        }
        result = drive + dir + name;
    }
    return result;
}

}  // namespace trellan

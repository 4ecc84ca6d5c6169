#include "common/path_style.h"

namespace trellan {

PathParts splitPath(const QString& path, PathStyle style) {
    const qsizetype driveEnd =
        style == PathStyle::Windows && path.size() >= 2 && path[1] == QLatin1Char(':') ? 2 : 0;
    qsizetype nameStart = path.size();
    while (nameStart > driveEnd && !isPathSeparator(path[nameStart - 1], style)) {
        --nameStart;
    }
    return {path.left(driveEnd), path.mid(driveEnd, nameStart - driveEnd), path.mid(nameStart)};
}

}  // namespace trellan

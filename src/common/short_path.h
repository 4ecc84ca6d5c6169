#pragma once

#include <QString>
#include <functional>

#include "common/path_style.h"

namespace trellan {

// Measures the width of a text in pixels (the caption label's font in the windows).
using TextWidth = std::function<int(const QString&)>;

// Shortens a local path until it fits `maxWidth` as measured by `width`: cutting
// leading directories (shown as "...\"), then dropping the drive; the file name
// always stays whole, so the result may still be wider. For example
// C:\Users\me\sounds\alert.mid becomes C:\...\sounds\alert.mid.
QString shortenedPath(const QString& path, int maxWidth, const TextWidth& width,
                      PathStyle style = nativePathStyle());

// A path split as the display shortens it: the drive ("C:", Windows style
// only), the directory part up to and with its last separator, and the file name.
struct PathParts {
    QChar separator;
    QString drive;
    QString dir;
    QString name;
};
PathParts splitPath(const QString& path, PathStyle style);

// Cuts the first directory off a directory part such as "\Users\me\" and marks
// the cut: "\...\me\". Exposed for tests.
QString cutFirstDirectory(QString dir, QChar separator);

}  // namespace trellan

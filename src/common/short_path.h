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

// Cuts the first directory off a folder part such as "\Users\me\" and marks
// the cut: "\...\me\". Exposed for tests.
QString cutFirstDirectory(QString dir, PathStyle style);

}  // namespace trellan

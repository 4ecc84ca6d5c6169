#pragma once

#include <QString>
#include <functional>

namespace trellan {

enum class PathStyle {
    Windows,  // drive letter and "\"
    Posix,    // "/"
};

// The path style of the system the program runs on.
PathStyle nativePathStyle();

// Shortens a local path to fit `maxWidth` as measured by `width`: first cutting
// leading directories (shown as "...\"), then dropping the drive, keeping the
// file name whole. For example C:\...\sounds\alert.mid.
QString shortenedPath(const QString& path, int maxWidth,
                      const std::function<int(const QString&)>& width,
                      PathStyle style = nativePathStyle());

}  // namespace trellan

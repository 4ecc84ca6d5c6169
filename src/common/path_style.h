#pragma once

#include <QtGlobal>

namespace trellan {

enum class PathStyle {
    Windows,  // optional drive "X:", "\" between folders; a file name also starts after "/" or ":"
    Posix,    // "/" between folders
};

// The path style of the system the program runs on.
constexpr PathStyle nativePathStyle() {
#ifdef Q_OS_WIN
    return PathStyle::Windows;
#else
    return PathStyle::Posix;
#endif
}

}  // namespace trellan

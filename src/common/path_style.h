#pragma once

#include <QString>

namespace trellan {

enum class PathStyle {
    Windows,  // optional drive "X:", "\" or "/" between folders
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

// Whether `c` stands between folders of a local path: "\" or "/" on Windows,
// which takes both, "/" elsewhere. A ":" is one only after the drive letter.
constexpr bool isPathSeparator(QChar c, PathStyle style) {
    return c == QLatin1Char('/') || (style == PathStyle::Windows && c == QLatin1Char('\\'));
}

// The separator the program writes itself: "\" on Windows, "/" elsewhere.
constexpr QChar pathSeparator(PathStyle style) {
    return style == PathStyle::Windows ? QLatin1Char('\\') : QLatin1Char('/');
}

// A local path cut into the drive ("X:" when the second character is ":", Windows
// only), the folder part up to and with its last separator, and the file name:
// C:\Tones\beep.mid is "C:", "\Tones\", "beep.mid". Joined they give the path.
struct PathParts {
    QString drive;
    QString folder;
    QString name;
};
PathParts splitPath(const QString& path, PathStyle style);

}  // namespace trellan

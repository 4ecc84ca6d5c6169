#pragma once

#include <QString>

namespace trellan {

// A message box shows names as they are, but a line of a megabyte would freeze
// the window while it is laid out.
inline constexpr qsizetype kMaxBoxLineLength = 1000;

// `text` with each line ('\n' ends one) longer than kMaxBoxLineLength cut to
// that length in its middle, "…" standing for what was cut: the first half is
// kept, then the last half less one character. A surrogate pair is never split
// (the line is then a character shorter).
QString shortenedForBox(const QString& text);

}  // namespace trellan

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

namespace trellan {

// A text file as the program holds it: its lines as bytes, and whether the
// last line was followed by a line break (which adds no line of its own).
struct Lines {
    std::vector<QByteArray> lines;
    bool endsWithBreak = false;
};

// Splits at CR LF, LF or CR; every line is kept byte for byte.
Lines splitLines(QByteArrayView data);

// The line at `index`, or an empty line past either end.
QByteArray lineAt(const std::vector<QByteArray>& lines, qsizetype index);

}  // namespace trellan

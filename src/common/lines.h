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

// Calls `line(start, length)` for every line of `data`, split at CR LF, LF or CR,
// and returns whether the last line was followed by a break. The one splitting
// rule, whether the lines are kept as copies or as spans.
template <typename OnLine>
bool forEachLine(QByteArrayView data, OnLine&& line) {
    const qsizetype size = data.size();
    const char* bytes = data.data();
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < size) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            line(start, i - start);
            i += (c == '\r' && i + 1 < size && bytes[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < size) {
        line(start, size - start);
        return false;
    }
    return size > 0;
}

// Splits at CR LF, LF or CR; every line is kept byte for byte.
Lines splitLines(QByteArrayView data);

}  // namespace trellan

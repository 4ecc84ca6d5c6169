#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <type_traits>
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

// The lines joined by CR LF, with one more after the last when `endsWithBreak`:
// every text the program writes or hands on, as bytes (QByteArray) or as text
// (QString). The one joining rule; splitLines takes such a text apart again.
template <typename Text, typename LineList>
Text joinLines(const LineList& lines, bool endsWithBreak) {
    qsizetype size = 0;
    for (const auto& line : lines) {
        size += line.size() + 2;
    }
    Text joined;
    joined.reserve(size);
    const auto lineBreak = [&joined] {
        if constexpr (std::is_same_v<Text, QString>) {
            joined += u"\r\n";
        } else {
            joined += "\r\n";
        }
    };
    bool first = true;
    for (const auto& line : lines) {
        if (!first) {
            lineBreak();
        }
        first = false;
        joined += line;
    }
    if (endsWithBreak) {
        lineBreak();
    }
    return joined;
}

// A file's lines as splitLines gave them, with every break made CR LF.
inline QByteArray joinLines(const Lines& lines) {
    return joinLines<QByteArray>(lines.lines, lines.endsWithBreak);
}

}  // namespace trellan

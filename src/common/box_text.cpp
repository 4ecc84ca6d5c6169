#include "common/box_text.h"

#include <QStringList>

namespace trellan {

QString shortenedForBox(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.size() <= kMaxBoxLineLength) {
            continue;
        }
        qsizetype head = kMaxBoxLineLength / 2;
        qsizetype tail = kMaxBoxLineLength - 1 - head;
        if (line[head - 1].isHighSurrogate()) {
            --head;
        }
        if (line[line.size() - tail].isLowSurrogate()) {
            --tail;
        }
        line = line.left(head) + QChar(0x2026) + line.right(tail);
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace trellan

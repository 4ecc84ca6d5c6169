#include "common/lines.h"

namespace trellan {

Lines splitLines(QByteArrayView data) {
    Lines result;
    const qsizetype size = data.size();
    const char* bytes = data.data();
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < size) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            result.lines.emplace_back(bytes + start, i - start);
            i += (c == '\r' && i + 1 < size && bytes[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < size) {
        result.lines.emplace_back(bytes + start, size - start);
    } else {
        result.endsWithBreak = size > 0;
    }
    return result;
}

QByteArray lineAt(const std::vector<QByteArray>& lines, qsizetype index) {
    if (index < 0 || index >= static_cast<qsizetype>(lines.size())) {
        return {};
    }
    return lines[static_cast<size_t>(index)];
}

}  // namespace trellan

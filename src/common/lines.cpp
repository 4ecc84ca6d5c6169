#include "common/lines.h"

namespace trellan {

Lines splitLines(QByteArrayView data) {
    Lines result;
    result.endsWithBreak = forEachLine(data, [&](qsizetype start, qsizetype length) {
        result.lines.emplace_back(data.data() + start, length);
    });
    return result;
}

QByteArray lineAt(const std::vector<QByteArray>& lines, qsizetype index) {
    if (index < 0 || index >= static_cast<qsizetype>(lines.size())) {
        return {};
    }
    return lines[static_cast<size_t>(index)];
}

}  // namespace trellan

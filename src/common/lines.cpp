#include "common/lines.h"

namespace trellan {

Lines splitLines(QByteArrayView data) {
    Lines result;
    result.endsWithBreak = forEachLine(data, [&](qsizetype start, qsizetype length) {
        result.lines.emplace_back(data.data() + start, length);
    });
    return result;
}

}  // namespace trellan

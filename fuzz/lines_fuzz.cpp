// Line splitting: the lines joined by LF give the input with every CR LF and lone CR
// written as LF, no line holds a break, and a break after the last line adds no line.
#include "common/lines.h"
#include "fuzz_support.h"

namespace {

QByteArray withLfBreaks(QByteArray bytes) {
    bytes.replace("\r\n", "\n");
    bytes.replace('\r', '\n');
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView input(data, static_cast<qsizetype>(size));
    const trellan::Lines split = trellan::splitLines(input);

    QByteArray joined;
    for (std::size_t i = 0; i < split.lines.size(); ++i) {
        const QByteArray& line = split.lines[i];
        FUZZ_CHECK(!line.contains('\r') && !line.contains('\n'));
        if (i > 0) {
            joined += '\n';
        }
        joined += line;
    }
    if (split.endsWithBreak) {
        joined += '\n';
    }
    FUZZ_CHECK(joined == withLfBreaks(input.toByteArray()));
    // Together with the join this leaves one split per input: "a\n" is ["a"] and a break.
    FUZZ_CHECK(split.endsWithBreak || split.lines.empty() || !split.lines.back().isEmpty());
    return 0;
}

// The shortened path display. Input: a style byte (bit 0: Windows, bit 1: widths that
// vary by character), a width per character, the room, then the path as UTF-8.
// A path that fits is shown unchanged; the file name always stays whole at the end; a
// result wider than the room has nothing left to cut; before the name stand the drive
// (or not) and the directory part or a cut of it ("...\" after an optional leading "\"
// and then a tail of the directory part that begins after one of its separators); and
// every cut makes progress.
#include "common/short_path.h"
#include "fuzz_support.h"

using trellan::PathStyle;

namespace {

// Whether `part` is `dir` itself or what cutting leading directories off it can leave.
bool isCutOf(QStringView part, const QString& dir, QChar separator) {
    if (part.isEmpty() || part == dir) {
        return true;
    }
    if (dir.startsWith(separator) && part.startsWith(separator)) {
        part = part.sliced(1);
        if (part.isEmpty()) {
            return true;
        }
    }
    const QString mark = QStringLiteral("...") + separator;
    if (!part.startsWith(mark)) {
        return false;
    }
    const QStringView tail = part.sliced(mark.size());
    return tail.isEmpty() || (tail.size() < dir.size() && dir.endsWith(tail) &&
                              dir[dir.size() - tail.size() - 1] == separator);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    trellan::fuzz::Input input(data, size);
    const auto flags = input.take<std::uint8_t>();
    const int perCharacter = input.take<std::uint8_t>() % 8 + 1;
    const int room = input.take<std::uint16_t>();
    const QString path = QString::fromUtf8(input.rest());

    const PathStyle style = (flags & 1) ? PathStyle::Windows : PathStyle::Posix;
    const bool varying = (flags & 2) != 0;
    const auto measure = [&](const QString& text) {
        int width = 0;
        for (const QChar c : text) {
            width += varying ? int(c.unicode() % 5) + 1 : perCharacter;
        }
        return width;
    };
    int measured = 0;
    const trellan::TextWidth width = [&](const QString& text) {
        ++measured;
        return measure(text);
    };
    const QString result = trellan::shortenedPath(path, room, width, style);

    const auto [separator, drive, dir, name] = trellan::splitPath(path, style);

    if (measure(path) <= room) {
        FUZZ_CHECK(result == path);
    }
    FUZZ_CHECK(result.endsWith(name));
    FUZZ_CHECK(measure(result) <= room || result == name);
    const QStringView head = QStringView(result).chopped(name.size());
    FUZZ_CHECK(isCutOf(head, dir, separator) ||
               (!drive.isEmpty() && head.startsWith(drive) &&
                isCutOf(head.sliced(drive.size()), dir, separator)));
    // One measure of the whole path, at most one per separator, one for the lone "...\" and
    // one for dropping the drive.
    FUZZ_CHECK(measured <= dir.count(separator) + 3);
    return 0;
}

// The shortened path display. Input: a style byte (bit 0: Windows, bit 1: widths that
// vary by character), a width per character, the room, then the path as UTF-8.
// A path that fits is shown unchanged; the file name always stays whole at the end; a
// result wider than the room has nothing left to cut; before the name stand the drive
// (or not) and the folder part or a cut of it ("...\" after its optional leading separator
// and then a tail of the folder part that begins after one of its separators); and
// every cut makes progress.
#include "common/short_path.h"
#include "fuzz_support.h"

using trellan::PathStyle;

namespace {

bool isSeparator(QChar c, bool windows) { return c == u'/' || (windows && c == u'\\'); }

// The path cut as the display cuts it, apart from the code under test: the drive "X:"
// (Windows), the folder part up to its last separator, and the file name.
struct Cut {
    QString drive;
    QString folder;
    QString name;
};
Cut cut(const QString& path, bool windows) {
    const QString drive = windows && path.size() > 1 && path[1] == u':' ? path.left(2) : QString();
    const QString rest = path.mid(drive.size());
    const qsizetype last =
        std::max(rest.lastIndexOf(u'/'), windows ? rest.lastIndexOf(u'\\') : qsizetype(-1));
    return {drive, rest.left(last + 1), rest.mid(last + 1)};
}

// Whether `part` is `folder` itself or what cutting leading directories off it can leave.
bool isCutOf(QStringView part, const QString& folder, bool windows) {
    if (part.isEmpty() || part == folder) {
        return true;
    }
    if (!folder.isEmpty() && isSeparator(folder[0], windows) && part.startsWith(folder[0])) {
        part = part.sliced(1);
        if (part.isEmpty()) {
            return true;
        }
    }
    const QString mark = windows ? QStringLiteral("...\\") : QStringLiteral(".../");
    if (!part.startsWith(mark)) {
        return false;
    }
    const QStringView tail = part.sliced(mark.size());
    return tail.isEmpty() || (tail.size() < folder.size() && folder.endsWith(tail) &&
                              isSeparator(folder[folder.size() - tail.size() - 1], windows));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    trellan::fuzz::Input input(data, size);
    const auto flags = input.take<std::uint8_t>();
    const int perCharacter = input.take<std::uint8_t>() % 8 + 1;
    const int room = input.take<std::uint16_t>();
    const QString path = QString::fromUtf8(input.rest());

    const bool windows = (flags & 1) != 0;
    const PathStyle style = windows ? PathStyle::Windows : PathStyle::Posix;
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

    const auto [drive, folder, name] = cut(path, windows);

    if (measure(path) <= room) {
        FUZZ_CHECK(result == path);
    }
    FUZZ_CHECK(result.endsWith(name));
    FUZZ_CHECK(measure(result) <= room || result == name);
    const QStringView head = QStringView(result).chopped(name.size());
    FUZZ_CHECK(isCutOf(head, folder, windows) ||
               (!drive.isEmpty() && head.startsWith(drive) &&
                isCutOf(head.sliced(drive.size()), folder, windows)));
    // One measure of the whole path, at most one per separator, one for the lone "...\" and
    // one for dropping the drive.
    const qsizetype separators = std::count_if(folder.begin(), folder.end(),
                                               [&](QChar c) { return isSeparator(c, windows); });
    FUZZ_CHECK(measured <= separators + 3);
    return 0;
}

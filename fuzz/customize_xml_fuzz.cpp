// The customize.xml rewrite. Input: one flag byte (bit 0: camera sound on), the values as
// lines up to a NUL byte, then the template; without a NUL the rest is all template.
// Every untouched line comes back byte for byte, the seven fixed lines hold the values,
// the template never grows but for the one position after a final break, the written
// bytes read back as the lines written, and writing again gives the same bytes.
#include "common/lines.h"
#include "fuzz_support.h"
#include "main_window/customize_xml.h"

using trellan::CustomizeSetting;
using trellan::Lines;

namespace {

struct Expected {
    qsizetype position;
    CustomizeSetting setting;
    QByteArray line;
};

QByteArray element(qsizetype indent, const char* tag, const QByteArray& value) {
    return QByteArray(indent, ' ') + "<" + tag + ">" + value + "</" + tag + ">";
}

bool isFixedPosition(qsizetype line) { return (line >= 6 && line <= 11) || line == 71; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    trellan::fuzz::Input input(data, size);
    const auto flags = input.take<std::uint8_t>();
    const QByteArrayView rest = input.rest();
    const qsizetype nul = rest.indexOf('\0');
    const QByteArrayView valueBytes = nul < 0 ? QByteArrayView() : rest.first(nul);
    const QByteArrayView templateBytes = nul < 0 ? rest : rest.sliced(nul + 1);

    // Values come from catalogue lines, so they hold no line break.
    std::vector<QByteArray> v = trellan::splitLines(valueBytes).lines;
    v.resize(6);
    const trellan::CustomizeValues values{v[0], v[1], v[2], v[3], v[4], v[5], (flags & 1) != 0};
    const Expected expected[] = {
        {6, CustomizeSetting::CdaNumber, element(6, "cda-number", values.cdaNumber)},
        {7, CustomizeSetting::Revision, element(6, "cda-revision", values.revision)},
        {8, CustomizeSetting::Model, element(6, "model", values.model)},
        {9, CustomizeSetting::Country, element(6, "country", values.country)},
        {10, CustomizeSetting::Operator, element(6, "operator", values.operatorName)},
        {11, CustomizeSetting::FileSystem, element(6, "language-variant-name", values.fileSystem)},
        {71, CustomizeSetting::CameraSound,
         element(8, "suppress-camera-sound", values.cameraSoundOn ? "false" : "true")},
    };

    const Lines original = trellan::splitLines(templateBytes);
    Lines rewritten = original;
    const std::vector<CustomizeSetting> notWritten = trellan::applyCustomization(rewritten, values);
    const QByteArray file = trellan::joinLines(rewritten);

    // CR LF between all lines, and the file reads back as exactly the lines written.
    FUZZ_CHECK(file.count("\r\n") == file.count('\r') && file.count('\r') == file.count('\n'));
    const Lines reread = trellan::splitLines(file);
    FUZZ_CHECK(reread.lines == rewritten.lines && reread.endsWithBreak == rewritten.endsWithBreak);

    const auto count = static_cast<qsizetype>(original.lines.size());
    for (qsizetype i = 0; i < count; ++i) {
        if (!isFixedPosition(i)) {
            FUZZ_CHECK(reread.lines[static_cast<std::size_t>(i)] ==
                       original.lines[static_cast<std::size_t>(i)]);
        }
    }
    std::vector<CustomizeSetting> expectedNotWritten;
    bool appended = false;
    for (const Expected& e : expected) {
        if (e.position < count || (e.position == count && original.endsWithBreak)) {
            appended = appended || e.position == count;
            FUZZ_CHECK(reread.lines[static_cast<std::size_t>(e.position)] == e.line);
        } else {
            expectedNotWritten.push_back(e.setting);
        }
    }
    FUZZ_CHECK(notWritten == expectedNotWritten);
    FUZZ_CHECK(static_cast<qsizetype>(reread.lines.size()) == count + (appended ? 1 : 0));
    FUZZ_CHECK(reread.endsWithBreak == (original.endsWithBreak && !appended));

    // The main window rereads the file after a write; the same update writes the same bytes.
    Lines again = reread;
    trellan::applyCustomization(again, values);
    FUZZ_CHECK(trellan::joinLines(again) == file);
    return 0;
}

// The digits-only key filter. Input: the Qt key, the modifiers, the native virtual key,
// a flag byte (bit 0: the press carries text, bit 1: the clipboard holds text), then the
// clipboard text as UTF-8.
// Keys that make no character pass; a character key passes without Ctrl only for
// Backspace, Enter, Delete and the digits, and with Ctrl only for copy and an allowed
// paste; where Qt's key decides, no key but a digit, Backspace or Enter passes; a paste is
// allowed only for no text or decimal digits, and always for a signed 32-bit value.
#include "advanced/key_filter.h"
#include "fuzz_support.h"

using namespace trellan::advanced;

namespace {

bool decimalDigits(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

bool fitsSigned32(const QString& digits) {
    qsizetype start = 0;
    while (start + 1 < digits.size() && digits[start] == QLatin1Char('0')) {
        ++start;
    }
    const QStringView value = QStringView(digits).sliced(start);
    return value.size() < 10 || (value.size() == 10 && value <= QStringView(u"2147483647"));
}

bool passesWithoutCtrl(std::uint16_t virtualKey) {
    const int low = virtualKey & 0xFF;
    return low == 8 || low == 13 || low == 46 || (low >= 48 && low <= 57) ||
           (low >= 96 && low <= 105);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    trellan::fuzz::Input input(data, size);
    KeyStroke stroke;
    stroke.qtKey = input.take<std::int32_t>();
    stroke.modifiers = Qt::KeyboardModifiers::fromInt(input.take<int>());
    stroke.nativeVirtualKey = input.take<std::uint32_t>();
    const auto flags = input.take<std::uint8_t>();
    stroke.hasText = (flags & 1) != 0;
    const std::optional<QString> clipboard =
        (flags & 2) ? std::optional<QString>(QString::fromUtf8(input.rest())) : std::nullopt;

    const bool allowed = pasteAllowed(clipboard);
    FUZZ_CHECK(!allowed || !clipboard || decimalDigits(*clipboard));
    FUZZ_CHECK(allowed || (clipboard && !(decimalDigits(*clipboard) && fitsSigned32(*clipboard))));

    const std::uint16_t qtVirtualKey = windowsVirtualKey(stroke.qtKey, stroke.modifiers);
    if (stroke.qtKey >= Qt::Key_0 && stroke.qtKey <= Qt::Key_9) {
        const int base = stroke.modifiers.testFlag(Qt::KeypadModifier) ? 96 : 48;
        FUZZ_CHECK(qtVirtualKey == base + (stroke.qtKey - Qt::Key_0));
    } else if (stroke.qtKey < Qt::Key_Escape) {
        // Punctuation and letters never take a code that passes.
        FUZZ_CHECK(!passesWithoutCtrl(qtVirtualKey));
    }

    const KeyVerdict verdict = digitFieldKey(stroke, clipboard);
    if (!makesCharacter(stroke)) {
        FUZZ_CHECK(verdict == KeyVerdict::Pass);
        return 0;
    }
    const std::uint16_t virtualKey = stroke.nativeVirtualKey != 0
                                         ? static_cast<std::uint16_t>(stroke.nativeVirtualKey)
                                         : qtVirtualKey;
    if (stroke.modifiers.testFlag(Qt::ControlModifier)) {
        const bool passes = virtualKey == 67 || (virtualKey == 86 && allowed);
        FUZZ_CHECK((verdict == KeyVerdict::Pass) == passes);
        return 0;
    }
    FUZZ_CHECK((verdict == KeyVerdict::Pass) == passesWithoutCtrl(virtualKey));
    if (stroke.nativeVirtualKey == 0 && verdict == KeyVerdict::Pass) {
        FUZZ_CHECK((stroke.qtKey >= Qt::Key_0 && stroke.qtKey <= Qt::Key_9) ||
                   stroke.qtKey == Qt::Key_Backspace || stroke.qtKey == Qt::Key_Return ||
                   stroke.qtKey == Qt::Key_Enter);
    }
    return 0;
}

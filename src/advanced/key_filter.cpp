#include "advanced/key_filter.h"

namespace trellan::advanced {
namespace {

constexpr std::uint16_t kCopy = 67;   // C
constexpr std::uint16_t kPaste = 86;  // V

// Qt's special keys (Escape, arrows, F-keys, modifiers...) start here.
constexpr int kFirstSpecialKey = 0x01000000;

}  // namespace

std::uint16_t windowsVirtualKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        const int digit = qtKey - Qt::Key_0;
        return static_cast<std::uint16_t>((modifiers & Qt::KeypadModifier) ? 96 + digit
                                                                           : 48 + digit);
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        return static_cast<std::uint16_t>(65 + (qtKey - Qt::Key_A));
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
        return static_cast<std::uint16_t>(112 + (qtKey - Qt::Key_F1));
    }
    switch (qtKey) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Space:
            return 32;
        case Qt::Key_PageUp:
            return 33;
        case Qt::Key_PageDown:
            return 34;
        case Qt::Key_End:
            return 35;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Insert:
            return 45;
        case Qt::Key_Delete:
            return 46;
        default:
            return 0;  // punctuation and the rest: never one of the codes that pass
    }
}

bool makesCharacter(const KeyStroke& stroke) {
    switch (stroke.qtKey) {
        case Qt::Key_Backspace:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return true;
        default:
            break;
    }
    if (stroke.qtKey >= kFirstSpecialKey && stroke.qtKey != Qt::Key_unknown) {
        return false;
    }
    return stroke.hasText || (stroke.modifiers & Qt::ControlModifier);
}

bool allDecimalDigits(const QString& text) {
    if (text.isEmpty()) {
        return false;
    }
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    return true;
}

bool pasteAllowed(const std::optional<QString>& clipboard) {
    if (!clipboard) {
        return true;
    }
    // The value must fit a signed 32-bit integer; a longer text fails to convert.
    bool converts = false;
    const qlonglong value = clipboard->toLongLong(&converts);
    return allDecimalDigits(*clipboard) && converts && value <= INT32_MAX;
}

KeyVerdict digitFieldVirtualKey(std::uint16_t virtualKey, bool ctrl,
                                const std::optional<QString>& clipboard) {
    if (ctrl) {
        if (virtualKey == kCopy) {
            return KeyVerdict::Pass;
        }
        if (virtualKey == kPaste) {
            return pasteAllowed(clipboard) ? KeyVerdict::Pass : KeyVerdict::Reject;
        }
        return KeyVerdict::Reject;
    }
    const int low = virtualKey & 0xFF;
    const bool passes =
        low == 8 || low == 13 || low == 46 || (low >= 48 && low <= 57) || (low >= 96 && low <= 105);
    return passes ? KeyVerdict::Pass : KeyVerdict::Reject;
}

KeyVerdict digitFieldKey(const KeyStroke& stroke, const std::optional<QString>& clipboard) {
    if (!makesCharacter(stroke)) {
        return KeyVerdict::Pass;
    }
    const std::uint16_t virtualKey = stroke.nativeVirtualKey != 0
                                         ? static_cast<std::uint16_t>(stroke.nativeVirtualKey)
                                         : windowsVirtualKey(stroke.qtKey, stroke.modifiers);
    return digitFieldVirtualKey(virtualKey, stroke.modifiers.testFlag(Qt::ControlModifier),
                                clipboard);
}

}  // namespace trellan::advanced

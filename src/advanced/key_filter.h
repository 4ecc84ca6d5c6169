#pragma once

#include <QString>
#include <Qt>
#include <cstdint>
#include <optional>

namespace trellan::advanced {

enum class KeyVerdict { Pass, Reject };

// One key press as the digits-only fields see it.
struct KeyStroke {
    int qtKey = 0;                       // Qt::Key
    Qt::KeyboardModifiers modifiers;     //
    std::uint32_t nativeVirtualKey = 0;  // the Windows virtual key where known, else 0
    bool hasText = false;                // the press carries text
};

// The Windows virtual key code of a Qt key; 0 for keys the filter has no code for.
// Digits of the numeric keypad (Qt::KeypadModifier) get their own codes 96-105.
std::uint16_t windowsVirtualKey(int qtKey, Qt::KeyboardModifiers modifiers);

// Whether the press would put a character into an edit. Navigation, function,
// Tab, Escape, Delete and modifier keys do not; Backspace and Enter do, and so
// does any printable key held with Ctrl (a control character).
bool makesCharacter(const KeyStroke& stroke);

// True for a non-empty text of the digits 0-9 only.
bool allDecimalDigits(const QString& text);

// A paste of the clipboard: allowed when the clipboard holds no text (nothing
// is pasted) or holds decimal digits only, of a value that fits a signed 32-bit integer.
bool pasteAllowed(const std::optional<QString>& clipboard);

// The rule on a virtual key: with Ctrl only copy (67) passes and paste (86) when
// the clipboard allows it; without Ctrl the low byte decides: Backspace,
// Enter, Delete and the digits of both keyboards pass.
KeyVerdict digitFieldVirtualKey(std::uint16_t virtualKey, bool ctrl,
                                const std::optional<QString>& clipboard);

// The whole decision for a key press; keys that make no character always pass.
KeyVerdict digitFieldKey(const KeyStroke& stroke, const std::optional<QString>& clipboard);

}  // namespace trellan::advanced

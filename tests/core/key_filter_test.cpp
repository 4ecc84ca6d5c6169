#include "advanced/key_filter.h"

#include <gtest/gtest.h>

#include <string>

namespace trellan::advanced {
namespace {

constexpr auto Pass = KeyVerdict::Pass;
constexpr auto Reject = KeyVerdict::Reject;

struct KeyCase {
    const char* name;
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    bool hasText;
    std::optional<QString> clipboard;
    KeyVerdict verdict;
    std::uint32_t nativeVirtualKey = 0;
};

class DigitFieldKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(DigitFieldKey, Decides) {
    const KeyCase& c = GetParam();
    KeyStroke stroke;
    stroke.qtKey = c.qtKey;
    stroke.modifiers = c.modifiers;
    stroke.hasText = c.hasText;
    stroke.nativeVirtualKey = c.nativeVirtualKey;
    EXPECT_EQ(digitFieldKey(stroke, c.clipboard), c.verdict);
}

const Qt::KeyboardModifiers kNone = Qt::NoModifier;
const Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
const Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
const Qt::KeyboardModifiers kKeypad = Qt::KeypadModifier;

INSTANTIATE_TEST_SUITE_P(
    Keys, DigitFieldKey,
    ::testing::Values(
        KeyCase{"digit0", Qt::Key_0, kNone, true, {}, Pass},
        KeyCase{"digit9", Qt::Key_9, kNone, true, {}, Pass},
        KeyCase{"keypad7", Qt::Key_7, kKeypad, true, {}, Pass},
        KeyCase{"shifted_digit", Qt::Key_5, kShift, true, {}, Pass},
        KeyCase{"letter", Qt::Key_A, kNone, true, {}, Reject},
        KeyCase{"capital", Qt::Key_Z, kShift, true, {}, Reject},
        KeyCase{"space", Qt::Key_Space, kNone, true, {}, Reject},
        // "." shares its Qt code's low byte with Delete's virtual key; it must not pass.
        KeyCase{"period", Qt::Key_Period, kNone, true, {}, Reject},
        KeyCase{"keypad_period", Qt::Key_Period, kKeypad, true, {}, Reject},
        KeyCase{"minus", Qt::Key_Minus, kNone, true, {}, Reject},
        KeyCase{"umlaut", Qt::Key_Odiaeresis, kNone, true, {}, Reject},
        KeyCase{"unknown_with_text", Qt::Key_unknown, kNone, true, {}, Reject},
        KeyCase{"backspace", Qt::Key_Backspace, kNone, true, {}, Pass},
        KeyCase{"return", Qt::Key_Return, kNone, true, {}, Pass},
        KeyCase{"keypad_enter", Qt::Key_Enter, kKeypad, true, {}, Pass},
        KeyCase{"delete", Qt::Key_Delete, kNone, false, {}, Pass},
        KeyCase{"left", Qt::Key_Left, kNone, false, {}, Pass},
        KeyCase{"home", Qt::Key_Home, kNone, false, {}, Pass},
        KeyCase{"end", Qt::Key_End, kShift, false, {}, Pass},
        KeyCase{"tab", Qt::Key_Tab, kNone, true, {}, Pass},
        KeyCase{"escape", Qt::Key_Escape, kNone, true, {}, Pass},
        KeyCase{"f5", Qt::Key_F5, kNone, false, {}, Pass},
        KeyCase{"shift_alone", Qt::Key_Shift, kShift, false, {}, Pass},
        KeyCase{"dead_key", Qt::Key_Dead_Acute, kNone, false, {}, Pass},
        KeyCase{"ctrl_c", Qt::Key_C, kCtrl, true, {}, Pass},
        KeyCase{"ctrl_x", Qt::Key_X, kCtrl, true, {}, Reject},
        KeyCase{"ctrl_a", Qt::Key_A, kCtrl, false, {}, Reject},
        KeyCase{"ctrl_digit", Qt::Key_1, kCtrl, false, {}, Reject},
        KeyCase{"ctrl_backspace", Qt::Key_Backspace, kCtrl, true, {}, Reject},
        KeyCase{"ctrl_left", Qt::Key_Left, kCtrl, false, {}, Pass},
        KeyCase{"ctrl_v_digits", Qt::Key_V, kCtrl, true, QString("12"), Pass},
        KeyCase{"ctrl_v_no_text", Qt::Key_V, kCtrl, true, std::nullopt, Pass},
        KeyCase{"ctrl_v_letters", Qt::Key_V, kCtrl, true, QString("1a"), Reject},
        KeyCase{"ctrl_v_empty", Qt::Key_V, kCtrl, true, QString(""), Reject},
        KeyCase{"ctrl_v_sign", Qt::Key_V, kCtrl, true, QString("-5"), Reject},
        KeyCase{"ctrl_v_blank", Qt::Key_V, kCtrl, true, QString(" 12"), Reject},
        KeyCase{"ctrl_v_dollar_hex", Qt::Key_V, kCtrl, true, QString("$1F"), Reject},
        KeyCase{"ctrl_v_0x_hex", Qt::Key_V, kCtrl, true, QString("0x1F"), Reject},
        KeyCase{"ctrl_v_line_break", Qt::Key_V, kCtrl, true, QString("12\r\n"), Reject},
        KeyCase{"ctrl_v_int32_max", Qt::Key_V, kCtrl, true, QString("0002147483647"), Pass},
        KeyCase{"ctrl_v_past_int32", Qt::Key_V, kCtrl, true, QString("2147483648"), Reject},
        KeyCase{"ctrl_v_past_int64", Qt::Key_V, kCtrl, true, QString("99999999999999999999"),
                Reject},
        KeyCase{"ctrl_v_arabic_digits", Qt::Key_V, kCtrl, true, QString::fromUtf8("\u0661\u0662"),
                Reject},
        // Windows: the virtual key decides, whatever the layout made of it.
        KeyCase{"native_shift_digit", Qt::Key_Exclam, kShift, true, {}, Pass, 0x31},
        KeyCase{"native_oem_period", Qt::Key_Period, kNone, true, {}, Reject, 0xBE},
        KeyCase{"native_low_byte", Qt::Key_unknown, kNone, true, {}, Pass, 0x0130}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DigitFieldVirtualKey, LowByteDecidesWithoutCtrl) {
    const std::vector<std::pair<std::uint16_t, KeyVerdict>> cases = {
        {8, Pass},    {13, Pass},     {46, Pass},     {48, Pass},       {57, Pass},
        {96, Pass},   {105, Pass},    {7, Reject},    {9, Reject},      {45, Reject},
        {47, Reject}, {58, Reject},   {65, Reject},   {95, Reject},     {106, Reject},
        {32, Reject}, {0x0108, Pass}, {0x0239, Pass}, {0x0141, Reject},
    };
    for (const auto& [key, verdict] : cases) {
        EXPECT_EQ(digitFieldVirtualKey(key, false, std::nullopt), verdict) << key;
    }
}

}  // namespace
}  // namespace trellan::advanced

#include "common/hex_text.h"

#include <gtest/gtest.h>

#include "common/text8.h"

namespace trellan {
namespace {

TEST(StrToHex, GivesTwoUpperCaseDigitsPerCharacter) {
    const std::vector<std::pair<QString, QString>> cases = {
        {"", ""},          {"CDA", "434441"}, {"/", "2F"}, {"CDA102/1", "4344413130322F31"},
        {"R1A", "523141"}, {" z~", "207A7E"},
    };
    for (const auto& [text, hex] : cases) {
        EXPECT_EQ(strToHex(text), hex) << text.toStdString();
    }
}

TEST(StrToHex, EncodesTheSystemBytesOfNonAsciiText) {
    const QString text = QStringLiteral("\u00f6\u00e9");
    EXPECT_EQ(strToHex(text), QString::fromLatin1(toSystem8(text).toHex().toUpper()));
}

// Catalogue bytes go to a script only when decoding and encoding gives them back.
TEST(System8, WhatPassesThroughUnchanged) {
    const std::pair<QByteArray, bool> cases[] = {
        {"30A931", true},
        {"30\xC3\xA9"
         "31",
         true},
        {"\xEF\xBB\xBF"
         "name",
         true},  // a leading byte order mark is kept
        {"30\xA9"
         "31",
         false},
        {"ab\xE2\x82", false},  // cut off at the end
        {"", true},
    };
    for (const auto& [bytes, passes] : cases) {
        EXPECT_EQ(passesThroughSystem8(bytes), passes) << bytes.toHex().toStdString();
    }
    // A lone high surrogate at the end is encoded, not dropped.
    EXPECT_NE(strToHex(QStringLiteral("a") + QChar(0xD800)), "61");
}

TEST(HexText, CoversEveryByteHighHalfFirst) {
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte) {
        all.append(static_cast<char>(byte));
    }
    const QString hex = hexText(all);
    ASSERT_EQ(hex.size(), 512);
    EXPECT_EQ(hex, QString::fromLatin1(all.toHex().toUpper()));
    EXPECT_EQ(hexText(QByteArray("\x0f\xf0", 2)), QStringLiteral("0FF0"));
}

}  // namespace
}  // namespace trellan

#include "common/hex_text.h"

#include <gtest/gtest.h>

#include "common/text8.h"
#include "support/code_page.h"

namespace trellan {
namespace {

using testing::CodePage;
using testing::kOtherCodePage;
using testing::systemBytes;
using testing::systemCodePage;

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
    if (systemCodePage() == CodePage::Other) GTEST_SKIP() << kOtherCodePage;
    EXPECT_EQ(strToHex(QStringLiteral("\u00f6\u00e9")),
              QString::fromLatin1(systemBytes("C3B6C3A9", "F6E9")));
    // The program's own texts are Windows-1252: the link failure's "\u00f6" is 0xF6 there.
    EXPECT_EQ(toSystem8(QStringLiteral("ge\u00f6ffnet")), systemBytes("ge\xC3\xB6"
                                                                      "ffnet",
                                                                      "ge\xF6"
                                                                      "ffnet"));
}

// Catalogue bytes go to a script only when decoding and encoding gives them back.
TEST(System8, WhatPassesThroughUnchanged) {
    if (systemCodePage() == CodePage::Other) GTEST_SKIP() << kOtherCodePage;
    struct Case {
        QByteArray bytes;
        bool utf8;
        bool windows1252;  // every byte is a character there
    };
    const Case cases[] = {
        {"30A931", true, true},
        {"30\xC3\xA9"
         "31",
         true, true},
        {"\xEF\xBB\xBF"
         "name",
         true, true},  // a leading byte order mark is kept
        {"30\xA9"
         "31",
         false, true},
        {"ab\xE2\x82", false, true},            // cut off at the end
        {"\x81\x8D\x8F\x90\x9D", false, true},  // unassigned, read as controls
        {"", true, true},
    };
    const bool utf8 = systemCodePage() == CodePage::Utf8;
    for (const Case& c : cases) {
        EXPECT_EQ(passesThroughSystem8(c.bytes), utf8 ? c.utf8 : c.windows1252)
            << c.bytes.toHex().toStdString();
    }
    // A lone high surrogate at the end is encoded, not dropped.
    EXPECT_EQ(strToHex(QStringLiteral("a") + QChar(0xD800)),
              QString::fromLatin1(systemBytes("61EFBFBD", "613F")));
}

// Where a text stops surviving the system's 8-bit character set, if anywhere.
TEST(System8, FirstCharacterThatDoesNotSurvive) {
    if (systemCodePage() == CodePage::Other) GTEST_SKIP() << kOtherCodePage;
    struct Case {
        QString text;
        qsizetype utf8;
        qsizetype windows1252;
    };
    const Case cases[] = {
        {"", -1, -1},
        {QStringLiteral("C:\\T\u00f6ne\\b\u00e9ep \u20ac\u0160\u00ff.mid"), -1, -1},
        {QStringLiteral("C:\\\u03b2\\a.mid"), -1, 3},  // Windows would write "\u00df"
        {QStringLiteral("ab\u4e2d"), -1, 2},
        {QStringLiteral("\u0100"), -1, 0},  // Windows would write "A"
        {QStringLiteral("a\U0001F600b"), -1, 1},
        {QStringLiteral("\ufeffname"), -1, 0},
        {QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b"), 1, 1},
        {QStringLiteral("ab") + QChar(0xD800), 2, 2},
        {QChar(0xDC00) + QStringLiteral("x\u03b2"), 0, 0},
    };
    const bool utf8 = systemCodePage() == CodePage::Utf8;
    for (const Case& c : cases) {
        const qsizetype expected = utf8 ? c.utf8 : c.windows1252;
        EXPECT_EQ(firstUnrepresentableInSystem8(c.text), expected) << c.text.toStdString();
        EXPECT_EQ(representableInSystem8(c.text), expected < 0) << c.text.toStdString();
    }
}

TEST(HexText, CoversEveryByteHighHalfFirst) {
    QByteArray all;
    QString expected;
    for (int byte = 0; byte < 256; ++byte) {
        all.append(static_cast<char>(byte));
        expected += QString::asprintf("%02X", byte);
    }
    EXPECT_EQ(hexText(all), expected);
    EXPECT_EQ(hexText(QByteArray("\x0f\xf0", 2)), QStringLiteral("0FF0"));
}

}  // namespace
}  // namespace trellan

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

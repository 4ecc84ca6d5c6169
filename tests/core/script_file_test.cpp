#include "script/script_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "common/failure.h"
#include "common/lines.h"
#include "support/code_page.h"
#include "support/test_files.h"

namespace trellan::script {
namespace {

using testing::characterOutsideCodePage;
using testing::CodePage;
using testing::kOtherCodePage;
using testing::readFile;
using testing::systemBytes;
using testing::systemCodePage;
using testing::writeFile;

class ScriptFile : public ::testing::Test {
protected:
    QString target() const { return dir_.filePath("trellan.txt"); }
    QTemporaryDir dir_;
};

TEST_F(ScriptFile, WorkedExampleByteForByte) {
    const QStringList lines = {"deletefile:/tpa/preset/system/sound/messagealert1.mid",
                               "C:\\Tones\\beep.mid",
                               "/tpa/preset/system/sound/messagealert1.mid",
                               "deletefile:/tpa/preset/system/sound/messagealert1.amr",
                               "C:\\Tones\\beep.amr",
                               "/tpa/preset/system/sound/messagealert1.amr",
                               "deletefile:/tpa/preset/system/sound/camerashutter.mid",
                               "deletefile:/tpa/preset/system/sound/camerashutter.amr"};
    saveScriptFile(target(), joinLines<QString>(lines, true));
    EXPECT_EQ(readFile(target()),
              QByteArray("deletefile:/tpa/preset/system/sound/messagealert1.mid\r\n"
                         "C:\\Tones\\beep.mid\r\n"
                         "/tpa/preset/system/sound/messagealert1.mid\r\n"
                         "deletefile:/tpa/preset/system/sound/messagealert1.amr\r\n"
                         "C:\\Tones\\beep.amr\r\n"
                         "/tpa/preset/system/sound/messagealert1.amr\r\n"
                         "deletefile:/tpa/preset/system/sound/camerashutter.mid\r\n"
                         "deletefile:/tpa/preset/system/sound/camerashutter.amr\r\n"));
}

TEST_F(ScriptFile, WritesTheTextExactlyAndReplacesAnOldFile) {
    const std::vector<std::pair<QString, QByteArray>> cases = {
        {"", ""},
        {"typed\r\n\r\nlast without break", "typed\r\n\r\nlast without break"},
        {"\r\n", "\r\n"},
        {"  C:\\My Tones\\a b.mid\t\r\n", "  C:\\My Tones\\a b.mid\t\r\n"},
    };
    for (const auto& [text, bytes] : cases) {
        SCOPED_TRACE(text.toStdString());
        writeFile(target(), QByteArray(5000, 'x'));
        saveScriptFile(target(), text);
        EXPECT_EQ(readFile(target()), bytes);
    }
}

TEST_F(ScriptFile, NonAsciiPathsInTheSystemCharacterSet) {
    if (systemCodePage() == CodePage::Other) GTEST_SKIP() << kOtherCodePage;
    saveScriptFile(target(), QStringLiteral("C:\\T\u00f6ne\\b\u00e9ep.mid\r\n"));
    EXPECT_EQ(readFile(target()), systemBytes("C:\\T\xc3\xb6ne\\b\xc3\xa9"
                                              "ep.mid\r\n",
                                              "C:\\T\xf6ne\\b\xe9"
                                              "ep.mid\r\n"));
}

// A text that the file could only hold with a character changed is refused, naming
// the character and the line it stands in.
TEST(UnwritableText, NamesTheCharacterAndItsLine) {
    if (systemCodePage() == CodePage::Other) GTEST_SKIP() << kOtherCodePage;
    const bool utf8 = systemCodePage() == CodePage::Utf8;
    const QString c = characterOutsideCodePage();
    const QString code = utf8 ? "D800" : "03B2";
    const auto refusal = [](const QString& line, const QString& character, const QString& code) {
        return "Cannot write \"" + line + "\" to a script: the system's character set has no \"" +
               character + "\" (U+" + code + ")! Please use only characters it holds.";
    };
    const QString smiley = QStringLiteral("\U0001F600");
    const std::vector<std::pair<QString, std::optional<QString>>> cases = {
        {"", std::nullopt},
        {QStringLiteral("C:\\T\u00f6ne\\\u20ac.mid\r\n"), std::nullopt},
        {"C:\\T\\" + c + ".mid", refusal("C:\\T\\" + c + ".mid", c, code)},
        {"one\r\ntwo " + c + " x\r\nthree", refusal("two " + c + " x", c, code)},
        {"one\rtwo" + c + "\nthree", refusal("two" + c, c, code)},
        {"a" + smiley, utf8 ? std::nullopt : std::optional(refusal("a" + smiley, smiley, "1F600"))},
    };
    for (const auto& [text, message] : cases) {
        EXPECT_EQ(unwritableTextMessage(text), message) << text.toStdString();
    }
}

TEST_F(ScriptFile, RefusalLeavesTheOldFileWholeAndNamesTheFile) {
    writeFile(target(), "old script\r\n");
    ASSERT_TRUE(QFile::setPermissions(target(), QFileDevice::ReadOwner));
    try {
        saveScriptFile(target(), "new\r\n");
        ADD_FAILURE() << "a read-only file was overwritten";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.text().startsWith("Cannot create file \"")) << failure.what();
    }
    EXPECT_EQ(readFile(target()), "old script\r\n");

    const QString missing = dir_.filePath("no/such/folder/x.txt");
    EXPECT_THROW(saveScriptFile(missing, "x"), Failure);
    EXPECT_FALSE(QFile::exists(missing));
}

}  // namespace
}  // namespace trellan::script

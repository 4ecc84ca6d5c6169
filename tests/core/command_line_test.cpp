#include "app/command_line.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>
#include <string>

#include "support/test_files.h"

namespace trellan {
namespace {

using testing::kWindows;

// "%T" in arguments and folders stands for the temporary current folder, which
// holds the folder "data" and the file "file.txt".
struct LineCase {
    const char* name;
    QStringList arguments;
    std::optional<int> exitStatus;  // nullopt: the program goes on
    QString message;                // contained in the message; empty: no message
    QString dataFolder;
    bool chooseFolder = false;
};

class CommandLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(CommandLineTest, DecidesHowTheProgramStarts) {
    const LineCase& c = GetParam();
    QTemporaryDir current;
    ASSERT_TRUE(current.isValid());
    ASSERT_TRUE(QDir(current.path()).mkdir(QStringLiteral("data")));
    QFile file(current.filePath(QStringLiteral("file.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const auto expand = [&current](QString text) {
        return text.replace(QStringLiteral("%T"), current.path());
    };
    QList<Argument> arguments{{QStringLiteral("trellan"), true}};
    for (const QString& argument : c.arguments) {
        arguments.append({expand(argument), true});
    }

    const CommandLine result = parseCommandLine(arguments, current.path());

    EXPECT_EQ(result.exitStatus, c.exitStatus);
    if (c.message.isEmpty()) {
        EXPECT_EQ(result.message, QString());
    } else {
        EXPECT_TRUE(result.message.contains(c.message)) << result.message.toStdString();
        EXPECT_TRUE(result.message.endsWith(QLatin1Char('\n')));
    }
    EXPECT_EQ(result.dataFolder, expand(c.dataFolder));
    EXPECT_EQ(result.chooseFolder, c.chooseFolder);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineTest,
    ::testing::Values(
        LineCase{"no_folder_keeps_the_current_one", {}, std::nullopt, "", ""},
        LineCase{"relative_folder", {"data"}, std::nullopt, "", "%T/data"},
        LineCase{"relative_folder_cleaned", {"./data/../data/"}, std::nullopt, "", "%T/data"},
        LineCase{"absolute_folder", {"%T/data"}, std::nullopt, "", "%T/data"},
        LineCase{"choose_folder", {"--choose-folder"}, std::nullopt, "", "", true},
        LineCase{"choose_folder_from_folder",
                 {"data", "--choose-folder"},
                 std::nullopt,
                 "",
                 "%T/data",
                 true},
        LineCase{"missing_folder", {"missing"}, 2, "\"missing\" does not exist", ""},
        LineCase{"missing_folder_to_choose_from",
                 {"--choose-folder", "missing"},
                 2,
                 "does not exist",
                 ""},
        LineCase{"file_is_no_folder", {"file.txt"}, 2, "\"file.txt\" is not a folder", ""},
        LineCase{"two_folders", {"data", "data"}, 2, "only one FOLDER", ""},
        LineCase{"unknown_option", {"--bogus"}, 2, "bogus", ""},
        // Qt's --help-all would otherwise start the windows.
        LineCase{"qt_help_all_is_unknown", {"--help-all"}, 2, "help-all", ""},
        // Qt's own options and their values are the QApplication's.
        LineCase{"qt_options_pass",
                 {"-platform", "offscreen", "--style", "data", "-reverse", "-style=x", "data"},
                 std::nullopt,
                 "",
                 "%T/data"},
        LineCase{"qt_option_value_is_no_folder", {"--platform", "missing"}, std::nullopt, "", ""},
        LineCase{"slash_question_mark_help", {"/?"}, 0, "-h, --help, /?", ""},
        LineCase{"slash_question_mark_before_a_bad_folder", {"missing", "/?"}, 0, "[FOLDER]", ""},
        LineCase{"version_from_the_project", {"--version"}, 0, "Trellan " TRELLAN_VERSION "\n", ""},
        LineCase{"short_version", {"-v", "missing"}, 0, "Trellan " TRELLAN_VERSION "\n", ""},
        LineCase{"help", {"--help"}, 0, "--choose-folder", ""},
        LineCase{"short_help_before_a_bad_folder", {"-h", "missing"}, 0, "[FOLDER]", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineVersion, IsTheWholeMessage) {
    EXPECT_EQ(parseCommandLine({{"trellan"}, {"--version"}}, QDir::currentPath()).message,
              QStringLiteral("Trellan " TRELLAN_VERSION "\n"));
}

// Unix hands over bytes; Qt reads them as UTF-8 and would make 0xFF a U+FFFD,
// which names another file.
struct DecodeCase {
    const char* name;
    QByteArray bytes;
    QString text;
    bool exact;
};

class ArgumentDecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(ArgumentDecodeTest, ShowsInvalidBytes) {
    if (kWindows) {
        GTEST_SKIP() << "Windows hands the arguments over in UTF-16 (native::wideArguments)";
    }
    const Argument argument = decodeArgument(GetParam().bytes);
    EXPECT_EQ(argument.text, GetParam().text);
    EXPECT_EQ(argument.exact, GetParam().exact);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ArgumentDecodeTest,
    ::testing::Values(DecodeCase{"utf8", "caf\xC3\xA9", QStringLiteral("caf\u00E9"), true},
                      DecodeCase{"replacement_character_itself", "\xEF\xBF\xBD",
                                 QStringLiteral("\uFFFD"), true},
                      DecodeCase{"cut_sequence_then_valid", "\xC3x\xC3\xA9",
                                 QStringLiteral("\\xC3x\u00E9"), false},
                      DecodeCase{"four_byte_character_and_stray_continuation",
                                 "\xF0\x9F\x98\x80\x80", QStringLiteral("\U0001F600\\x80"), false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace trellan

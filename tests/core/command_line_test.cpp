#include "app/command_line.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>
#include <string>

namespace trellan {
namespace {

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
    QStringList arguments{QStringLiteral("trellan")};
    for (const QString& argument : c.arguments) {
        arguments << expand(argument);
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
    // Only an unknown option may be Qt's own, answered after the GUI took it away.
    EXPECT_EQ(result.unknownOption,
              QString(c.name).startsWith("unknown") || QString(c.name).startsWith("qt_"));
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
        LineCase{"version_from_the_project", {"--version"}, 0, "Trellan 2.05\n", ""},
        LineCase{"short_version", {"-v", "missing"}, 0, "Trellan 2.05\n", ""},
        LineCase{"help", {"--help"}, 0, "--choose-folder", ""},
        LineCase{"short_help_before_a_bad_folder", {"-h", "missing"}, 0, "[FOLDER]", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineVersion, IsTheWholeMessage) {
    EXPECT_EQ(parseCommandLine({"trellan", "--version"}, QDir::currentPath()).message,
              QStringLiteral("Trellan 2.05\n"));
}

}  // namespace
}  // namespace trellan

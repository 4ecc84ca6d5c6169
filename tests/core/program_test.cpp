// The built program started as a user starts it, with no display: what help,
// version and the refusals print, on which stream, with which exit status.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <string>

#include "support/test_files.h"

namespace trellan {
namespace {

bool onWindows() { return QSysInfo::productType() == QLatin1String("windows"); }

// Standard output is a text stream on Windows.
QByteArray line(const QByteArray& text) { return text + (onWindows() ? "\r\n" : "\n"); }

struct Ended {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs `program` with `arguments` in `folder`, with neither a display nor a
// platform chosen in the environment.
Ended run(const QString& program, const QStringList& arguments, const QString& folder,
        const QStringList& extraEnvironment = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        environment.remove(QLatin1String(name));
    }
    for (const QString& assignment : extraEnvironment) {
        environment.insert(assignment.section('=', 0, 0), assignment.section('=', 1));
    }
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    Ended result;
    if (!process.waitForFinished(50000) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "the program did not end by itself: "
                      << process.errorString().toStdString();
        process.kill();
        process.waitForFinished();
        return result;
    }
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

struct RunCase {
    const char* name;
    QStringList arguments;
    int status;
    QByteArray out;  // the whole output; for help its first line
    QByteArray err;  // contained in the error output; empty: none
};

class ProgramTest : public ::testing::TestWithParam<RunCase> {};

TEST_P(ProgramTest, AnswersBeforeAnyWindow) {
    const RunCase& c = GetParam();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    testing::writeFile(folder.filePath(QStringLiteral("\u03A9.txt")), "not a folder");

    const Ended result = run(QStringLiteral(TRELLAN_PROGRAM), c.arguments, folder.path());

    EXPECT_EQ(result.status, c.status);
    if (c.out.startsWith("Usage:")) {
        EXPECT_TRUE(result.out.startsWith(line(c.out))) << result.out.toStdString();
    } else {
        EXPECT_EQ(result.out, c.out);
    }
    EXPECT_EQ(result.err.isEmpty(), c.err.isEmpty()) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(c.err)) << result.err.toStdString();
}

const QByteArray kUsage = "Usage: trellan [--choose-folder] [FOLDER]";

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramTest,
    ::testing::Values(
        RunCase{"version", {"--version"}, 0, line("Trellan 2.05"), ""},
        RunCase{"help", {"--help"}, 0, kUsage, ""},
        RunCase{"slash_question_mark", {"/?"}, 0, kUsage, ""},
        // The GUI would fail on this platform; it is not started.
        RunCase{
            "qt_option_before_version", {"-platform", "none", "-v"}, 0, line("Trellan 2.05"), ""},
        RunCase{"missing_folder",
                {"missing"},
                2,
                "",
                "trellan: the data folder \"missing\" does not exist."},
        RunCase{"unknown_option", {"--bogus"}, 2, "", "Unknown option 'bogus'."},
        // Found by its whole name, which the ANSI code page of Windows cannot hold.
        RunCase{"name_outside_the_code_page",
                {QStringLiteral("\u03A9.txt")},
                2,
                "",
                "is not a folder."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Program, PassesQtsOptionsToTheGui) {
    const Ended result = run(QStringLiteral(TRELLAN_PROGRAM),
                           {"-platform", "offscreen", QStringLiteral(TRELLAN_DATA_DIR)},
                           QDir::currentPath(), {"TRELLAN_REPORT_FIRST_PAINT=1"});
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.startsWith("first-paint-us ")) << result.out.toStdString();
}

TEST(Program, RefusesAFolderNameTheCharacterSetCannotHold) {
    if (onWindows()) {
        GTEST_SKIP() << "Windows hands the arguments over in UTF-16: every name arrives whole";
    }
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // The name's bytes cannot pass through a QString; the shell makes them.
    const Ended result =
        run(QStringLiteral("/bin/sh"),
            {"-c", "name=$(printf 'caf\\377') && mkdir \"$name\" && \"$0\" \"$name\"; "
                            "status=$? && rmdir \"$name\" && exit $status",
             QStringLiteral(TRELLAN_PROGRAM)},
            folder.path());
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err,
              "trellan: the name of the data folder \"caf\\xFF\" has bytes (shown as \\xHH) that "
              "the system's character set cannot represent.\n"
              "Try 'trellan --help' for more information.\n");
}

}  // namespace
}  // namespace trellan

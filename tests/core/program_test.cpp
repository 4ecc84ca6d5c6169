// The built program started as a user starts it, without a display: what it
// prints, on which stream, with which exit status.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <optional>
#include <string>

#include "support/test_files.h"

namespace trellan {
namespace {

using testing::kWindows;

struct Ended {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Ended run(const QString& program, const QStringList& arguments, const QString& folder) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        environment.remove(name);
    }
    environment.insert("TRELLAN_REPORT_FIRST_PAINT", "1");  // a GUI run quits once painted
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(50000)) << process.errorString().toStdString();
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

struct RunCase {
    const char* name;
    QStringList arguments;
    int status;
    QByteArray out;                 // what stdout starts with
    std::optional<QByteArray> err;  // contained in stderr, empty: nothing; nullopt: not looked at
};

class ProgramTest : public ::testing::TestWithParam<RunCase> {};

TEST_P(ProgramTest, AnswersOnTheConsole) {
    const RunCase& c = GetParam();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    testing::writeFile(folder.filePath("\u03A9.txt"), "");
    // Made absolute here: Wine's temporary folder is on another drive.
    const QStringList arguments =
        QStringList(c.arguments)
            .replaceInStrings("%DATA%", QFileInfo(TRELLAN_DATA_DIR).absoluteFilePath());
    const Ended ended = run(TRELLAN_PROGRAM, arguments, folder.path());
    EXPECT_EQ(ended.status, c.status) << ended.err.toStdString();
    // Standard output and error are text streams on Windows.
    const auto lines = [](QByteArray text) { return text.replace("\n", kWindows ? "\r\n" : "\n"); };
    EXPECT_TRUE(ended.out.startsWith(lines(c.out))) << ended.out.toStdString();
    EXPECT_EQ(ended.out.isEmpty(), c.out.isEmpty());
    if (c.err) {
        EXPECT_EQ(ended.err.isEmpty(), c.err->isEmpty()) << ended.err.toStdString();
        EXPECT_TRUE(ended.err.contains(lines(*c.err))) << ended.err.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramTest,
    ::testing::Values(
        RunCase{"version", {"--version"}, 0, "Trellan " TRELLAN_VERSION "\n", ""},
        RunCase{
            "slash_question_mark", {"/?"}, 0, "Usage: trellan [--choose-folder] [FOLDER]\n", ""},
        // The GUI would fail on this platform: it is not started.
        RunCase{"qt_option_before_version",
                {"-platform", "none", "-v"},
                0,
                "Trellan " TRELLAN_VERSION "\n",
                ""},
        RunCase{"missing_folder",
                {"missing"},
                2,
                "",
                "trellan: the data folder \"missing\" does "
                "not exist.\nTry 'trellan --help'"},
        // Found whole, although the ANSI code page of Windows cannot hold it.
        RunCase{"name_outside_the_code_page", {"\u03A9.txt"}, 2, "", "is not a folder."},
        // Qt's option reaches the GUI, which paints without a display.
        RunCase{"qt_option_to_the_gui",
                {"-platform", "offscreen", "%DATA%"},
                0,
                "first-paint-us ",
                std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Program, RefusesAFolderNameTheCharacterSetCannotHold) {
    if (kWindows) {
        GTEST_SKIP() << "Windows hands the arguments over in UTF-16: every name arrives whole";
    }
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // Bytes a QString cannot carry: the shell makes them, and removes the folder.
    const Ended ended = run("/bin/sh",
                            {"-c",
                             "f=$(printf 'caf\\377') && mkdir \"$f\" && \"$0\" \"$f\"; "
                             "s=$? && rmdir \"$f\" && exit $s",
                             TRELLAN_PROGRAM},
                            folder.path());
    EXPECT_EQ(ended.status, 2);
    EXPECT_EQ(ended.err,
              "trellan: the name of the data folder \"caf\\xFF\" has bytes (shown as \\xHH) that "
              "the system's character set cannot represent.\n"
              "Try 'trellan --help' for more information.\n");
}

// A real SIGTERM while the --choose-folder dialog is open ends the program
// through the dialog's event loop, with the status a shell expects.
TEST(Program, ASignalDuringTheFolderDialogEndsTheProgram) {
    if (kWindows) {
        GTEST_SKIP() << "Windows sends a program without a console no signals";
    }
    QTemporaryDir settings;
    ASSERT_TRUE(settings.isValid());
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", settings.path());
    process.setProcessEnvironment(environment);
    process.start(TRELLAN_PROGRAM, {"-platform", "offscreen", "--choose-folder"});
    ASSERT_TRUE(process.waitForStarted());
    // Sent once the program catches SIGTERM (bit 15 of SigCgt); the first event
    // loop to see it is the dialog's.
    const auto caught = [&] {
        QFile status(QStringLiteral("/proc/%1/status").arg(process.processId()));
        const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : "";
        const qsizetype at = text.indexOf("SigCgt:");
        return at >= 0 && (text.mid(at + 7, 17).trimmed().toULongLong(nullptr, 16) >> 14 & 1);
    };
    for (int tries = 0; tries < 400 && !caught(); ++tries) {
        QThread::msleep(50);
    }
    ASSERT_TRUE(caught());
    process.terminate();  // SIGTERM
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 128 + 15);
}

}  // namespace
}  // namespace trellan

#include "app/remembered_folder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <string>

#include "support/test_files.h"

namespace trellan {
namespace {

using testing::kWindows;
using testing::readFile;

// The native store of the organisation "trellan-test" below a temporary
// configuration folder, where it is a file; F names that file in shell lines.
class RememberedFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(config_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
        setUserPath(config_.path());  // QSettings reads the environment only once
    }
    void TearDown() override {
        qunsetenv("XDG_CONFIG_HOME");
        setUserPath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
        QSettings("HKEY_CURRENT_USER\\Software", QSettings::NativeFormat).remove("trellan-test");
    }
    static void setUserPath(const QString& path) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
    }
    QByteArray shell(const QString& line) const {
        QProcess sh;
        sh.setWorkingDirectory(config_.path());
        sh.start("/bin/sh", {"-c", "F=trellan-test/store.conf && " + line});
        EXPECT_TRUE(sh.waitForFinished() && sh.exitCode() == 0) << sh.readAllStandardError().data();
        return sh.readAllStandardOutput();
    }
    QString file() const { return config_.filePath("trellan-test/store.conf"); }

    QTemporaryDir config_;
    // Made after SetUp, which chose the configuration folder.
    static RememberedFolder remembered() { return RememberedFolder("trellan-test", "store"); }
};

TEST_F(RememberedFolderTest, KeptInTheNativeStore) {
    const QString folder = QStringLiteral("C:/setool2/caf\u00E9");
    EXPECT_EQ(remembered().read(), QString());
    EXPECT_EQ(remembered().write(folder), std::nullopt);
    EXPECT_EQ(remembered().read(), folder);
    // Where QSettings keeps it: in the registry, or in Qt's INI file in UTF-8.
    const QString key = kWindows ? "HKEY_CURRENT_USER\\Software\\trellan-test\\store" : file();
    EXPECT_EQ(QSettings(key, QSettings::NativeFormat).value("dataFolder").toString(), folder);
    if (!kWindows) {
        EXPECT_EQ(readFile(file()), "[General]\ndataFolder=C:/setool2/caf\xC3\xA9\n");
    }
}

// What a shell line puts where the store's file belongs; what reading and
// remembering "/chosen" then say (contained; empty: no problem).
struct StoreCase {
    const char* name;
    const char* make;
    QString readText;
    QString readProblem;
    QString writeProblem;
};

class StoreFileTest : public RememberedFolderTest,
                      public ::testing::WithParamInterface<StoreCase> {};

TEST_P(StoreFileTest, NeverStopsTheProgramNorWritesWhereItMustNot) {
    if (kWindows) {
        GTEST_SKIP() << "Windows keeps the store in the registry, not in a file";
    }
    const StoreCase& c = GetParam();
    shell(QStringLiteral("mkdir trellan-test && ") + c.make);
    // Every entry's name, kind, link target and size, and /dev/null's kind.
    const QString listing = "find . -printf '%p %y %l %s\\n' | sort && stat -c %F /dev/null";
    const QByteArray before = shell(listing);

    QString problem;
    EXPECT_EQ(remembered().read(&problem), c.readText);
    EXPECT_EQ(problem.isEmpty(), c.readProblem.isEmpty()) << problem.toStdString();
    EXPECT_TRUE(problem.contains(c.readProblem)) << problem.toStdString();
    const QString reason = remembered().write("/chosen").value_or("");
    EXPECT_EQ(reason.isEmpty(), c.writeProblem.isEmpty()) << reason.toStdString();
    EXPECT_TRUE(reason.contains(c.writeProblem)) << reason.toStdString();

    if (c.writeProblem.isEmpty()) {
        EXPECT_EQ(remembered().read(), "/chosen");
        EXPECT_EQ(shell("find $F -printf %y"), before.contains("store.conf l") ? "l" : "f");
        EXPECT_EQ(shell("cat $F"), QByteArray(c.make).contains("[x]")
                                       ? "[General]\ndataFolder=/chosen\n\n[x]\nk=1\n"
                                       : "[General]\ndataFolder=/chosen\n");
    } else {
        EXPECT_EQ(shell(listing), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoreFileTest,
    ::testing::Values(
        StoreCase{"other_settings_kept",
                  "printf '[General]\\ndataFolder=/old\\n\\n[x]\\nk=1\\n' >$F", "/old", "", ""},
        StoreCase{"fifo", "mkfifo $F", "", "is not a regular file", "is not a regular file"},
        // As root, writing through it would turn the device into a regular file.
        StoreCase{"link_to_a_device", "ln -s /dev/null $F", "", "which is not a regular file",
                  "which is not a regular file"},
        StoreCase{"link_to_a_regular_file", "echo [General] >real && ln -s \"$PWD/real\" $F", "",
                  "", ""},
        StoreCase{"dangling_link", "ln -s gone $F", "", "leads nowhere", "leads nowhere"},
        StoreCase{"too_large", "head -c 65537 /dev/zero >$F", "", "is larger than 64 KiB",
                  "is larger than 64 KiB"},
        // Left by a program long gone: taken over.
        StoreCase{"stale_lock", "echo 4000000 >$F.lock && touch -d '1 hour ago' $F.lock", "", "",
                  ""},
        StoreCase{"lock_is_a_fifo", "mkfifo $F.lock", "", "", "is not a regular file"},
        StoreCase{"folder_cannot_be_made", "rmdir trellan-test && touch trellan-test", "", "",
                  "cannot be made"}),
    [](const auto& info) { return std::string(info.param.name); });

// Qt's file dialogs keep their state in QtProject.conf, which is checked as the
// store is; a lock held by a live process is given up after two seconds.
TEST_F(RememberedFolderTest, QtsDialogSettingsNeverStopTheProgram) {
    if (kWindows) {
        GTEST_SKIP() << "Windows keeps Qt's settings in the registry, not in a file";
    }
    const QString qtFile = config_.filePath("QtProject.conf");
    const auto dialogSettings = [] {
        QSettings settings(QSettings::UserScope, "QtProject");
        settings.setValue("FileDialog/shown", true);  // a write takes the lock
        return settings.fileName();
    };
    testing::writeFile(qtFile, "[FileDialog]\n");
    EXPECT_EQ(sidestepBlockedQtSettings(), std::nullopt);
    EXPECT_EQ(dialogSettings(), qtFile);

    QLockFile held(qtFile + ".lock");
    ASSERT_TRUE(held.tryLock(0));
    QElapsedTimer timer;
    timer.start();
    const QString reason = sidestepBlockedQtSettings().value_or("");
    EXPECT_LT(timer.elapsed(), 3 * RememberedFolder::kLockWaitMs);
    EXPECT_TRUE(reason.contains(QStringLiteral("has been held for 2 s by process %1")
                                    .arg(QCoreApplication::applicationPid())))
        << reason.toStdString();
    EXPECT_NE(dialogSettings(), qtFile);
}

}  // namespace
}  // namespace trellan

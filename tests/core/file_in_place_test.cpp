// The harder cases of replacing a file: rewriting it in place, other programs
// holding it or its lock, signals during a save, long names and extended attributes.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <thread>

#include "common/file_io.h"
#include "support/test_files.h"
#include "support/write_fault.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#endif

namespace trellan {
namespace {

using testing::failureOf;
using testing::kWindows;
using testing::readFile;
using testing::writeFile;

QString cannotCreate(const QString& file, const QString& reason) {
    return QStringLiteral("Cannot create file \"%1\". %2")
        .arg(QDir::toNativeSeparators(file), reason);
}

QString stateFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

#ifdef Q_OS_WIN
std::wstring wide(const QString& path) { return QDir::toNativeSeparators(path).toStdWString(); }
bool makeHardLink(const QString& file, const QString& link) {
    return CreateHardLinkW(wide(link).c_str(), wide(file).c_str(), nullptr);
}
// Open without sharing, as a virus scanner or setool2 may hold it.
intptr_t hold(const QString& file) {
    return reinterpret_cast<intptr_t>(
        CreateFileW(wide(file).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
}
void letGo(intptr_t handle) { CloseHandle(reinterpret_cast<HANDLE>(handle)); }
#else
bool makeHardLink(const QString& file, const QString& link) {
    return ::link(QFile::encodeName(file).constData(), QFile::encodeName(link).constData()) == 0;
}
intptr_t hold(const QString& file) { return ::open(QFile::encodeName(file).constData(), O_RDONLY); }
void letGo(intptr_t handle) { ::close(int(handle)); }
#endif

const QByteArray kOld =
    "<customization>\r\n  old, longer than the new bytes\r\n</customization>\r\n";

class InPlace : public ::testing::Test {
protected:
    // `name` with kOld, and with a second hard link to it when the write is to go in place.
    QString oldFile(const QString& name, bool inPlace = true) {
        QFile::remove(path(name));
        QFile::remove(path(name + ".link"));
        writeFile(path(name), kOld);
        EXPECT_TRUE(!inPlace || makeHardLink(path(name), path(name + ".link")));
        return path(name);
    }
    QString path(const QString& name) const { return dir_.filePath(name); }
    QStringList files() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden); }
    // A state folder of its own, which the tests running beside it leave alone.
    void SetUp() override {
        QCoreApplication::setApplicationName(
            QStringLiteral("trellan-test-%1").arg(QCoreApplication::applicationPid()));
    }
    void TearDown() override {
        EXPECT_EQ(QDir(stateFolder()).entryList(QDir::Files).join(' '), "") << "backup left";
        QDir(stateFolder()).removeRecursively();
        QCoreApplication::setApplicationName(program_);
    }

    QTemporaryDir dir_;
    const QString program_ = QCoreApplication::applicationName();
};

TEST_F(InPlace, AFailingStepWritesTheOldBytesBackAndKeepsTheLinksOneFile) {
    // Shorter and longer than the old bytes: no tail of either may stay.
    for (const QByteArray& bytes : {QByteArray("<customization/>\r\n"), kOld + kOld}) {
        for (const WriteStep step : {WriteStep::Lock, WriteStep::Write, WriteStep::Truncate,
                                     WriteStep::Flush, WriteStep::Sync}) {
            SCOPED_TRACE(int(step));
            const QString file = oldFile("customize.xml");
            {
                const ScopedWriteFault fault(step, "Input/output error");
                EXPECT_EQ(failureOf([&] { writeWholeFileAtomically(file, bytes); }),
                          cannotCreate(file, "Input/output error"));
            }
            EXPECT_EQ(readFile(file), kOld);
            EXPECT_EQ(files(), QStringList({"customize.xml", "customize.xml.link"}));
            writeWholeFileAtomically(file + ".link", bytes);
            EXPECT_EQ(readFile(file), bytes) << "the links were split";
        }
    }
}

// What a failure cannot clean up is named in the reason: the backup holding the
// old bytes, or a temporary file left beside the file.
TEST_F(InPlace, WhatCannotBeCleanedUpIsNamed) {
    struct Case {
        WriteStep failing, alsoFailing;
        bool inPlace;
        const char* reason;  // after "Cannot create file "...". "; (.+) is the file named
        QByteArray fileHolds;
        const char* namedHolds;  // nullptr: it names the state folder
    };
    const Case cases[] = {
        {WriteStep::Backup, WriteStep::Backup, true,
         "Its old contents could not be set aside in \"(.+)\" \\(E\\), so it was left as it was\\.",
         kOld, nullptr},
        {WriteStep::Sync, WriteStep::Restore, true,
         "E\\. Its old contents could not be written back \\(E\\); they are kept in \"(.+)\"\\.",
         "new", kOld.constData()},
        {WriteStep::Write, WriteStep::RemoveTemporary, false,
         "E\\. The temporary file \"(.+)\" could not be removed \\(E\\)\\.", kOld, ""},
    };
    for (const Case& c : cases) {
        const QString file = oldFile("f", c.inPlace);
        const ScopedWriteFault fault(c.failing, "E");
        const ScopedWriteFault also(c.alsoFailing, "E");
        const QString text = failureOf([&] { writeWholeFileAtomically(file, "new"); });
        const auto named =
            QRegularExpression("^Cannot create file \"[^\"]+\"\\. " + QLatin1String(c.reason) + "$")
                .match(text);
        ASSERT_TRUE(named.hasMatch()) << text.toStdString();
        EXPECT_EQ(readFile(file), c.fileHolds);
        if (c.namedHolds) {
            EXPECT_EQ(readFile(named.captured(1)), c.namedHolds);
            EXPECT_TRUE(QFile::remove(named.captured(1)));
        } else {
            EXPECT_EQ(named.captured(1), QDir::toNativeSeparators(stateFolder()));
        }
    }
}

// Any name the system lets a file have can be replaced, and a file whose path is
// as long as the system allows: where the new file's path would be too long, in place.
TEST_F(InPlace, LongestNamesAndPathsCanBeReplaced) {
    QStringList cases = {path(QString(255, 'n'))};
    QString deep = dir_.path();
    while (!kWindows && deep.size() < 4075) {  // Windows' limit is beyond Qt's folders
        deep += '/' + QString(std::min<qsizetype>(200, 4074 - deep.size()), 'd');
    }
    if (!kWindows && QDir().mkpath(deep)) cases << deep + "/f.xml";
    for (const QString& file : cases) {
        writeFile(file, kOld);
        writeWholeFileAtomically(file, "new");
        EXPECT_EQ(readFile(file), "new") << file.size();
        EXPECT_EQ(QDir(QFileInfo(file).path()).entryList(QDir::Files).size(), 1);
    }
    EXPECT_EQ(cases.size(), kWindows ? 1 : 2);
}

// A virus scanner or setool2 holds the file a moment, or for good: on Windows the
// save waits about a second for it, then fails with the system's reason (Windows'
// or Wine's) and the old file whole. On Linux an open file is no obstacle.
TEST_F(InPlace, AFileHeldByAnotherProgram) {
    for (const bool releasedSoon : {true, false}) {
        SCOPED_TRACE(releasedSoon ? "released after 300 ms" : "held for good");
        const QString file = oldFile("f", false);
        const intptr_t held = hold(file);
        std::thread releaser([&] {
            if (!releasedSoon) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            letGo(held);
        });
        const QString text = failureOf([&] { writeWholeFileAtomically(file, "new"); });
        releaser.join();
        if (!releasedSoon) letGo(held);
        const bool fails = kWindows && !releasedSoon;
        EXPECT_TRUE(fails ? text == cannotCreate(file, "Sharing violation.") ||
                                text == cannotCreate(file,
                                                     "The process cannot access the file because "
                                                     "it is being used by another process.")
                          : text.isEmpty())
            << text.toStdString();
        EXPECT_EQ(readFile(file), fails ? kOld : "new");
        EXPECT_EQ(files(), QStringList{"f"});
    }
}

TEST_F(InPlace, ExtendedAttributesAndAclsStayWithTheFile) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows keeps a file's security descriptor and streams by ReplaceFileW";
#else
    // ACLs as the kernel keeps them: version 2, then (tag, permissions, id) for the owner,
    // a named user (1234, then 4321), the group, the mask and others.
    const QByteArray access = QByteArray::fromHex(
        "02000000 01000600ffffffff 02000400d2040000 04000400ffffffff 10000400ffffffff "
        "20000000ffffffff");
    const QByteArray inherited = QByteArray::fromHex(
        "02000000 01000600ffffffff 02000600e1100000 04000400ffffffff 10000600ffffffff "
        "20000400ffffffff");
    const auto set = [](const QString& file, const char* name, const QByteArray& value) {
        return ::setxattr(QFile::encodeName(file), name, value.data(), size_t(value.size()), 0) ==
               0;
    };
    const auto get = [](const QString& file, const char* name) {
        char value[256];
        const ssize_t size = ::getxattr(QFile::encodeName(file), name, value, sizeof value);
        return size < 0 ? QByteArray("none") : QByteArray(value, int(size));
    };
    const QString with = oldFile("with", false), without = oldFile("without", false);
    if (!set(with, "user.origin", "setool2") || !set(with, "system.posix_acl_access", access)) {
        GTEST_SKIP() << "the file system here keeps no extended attributes or ACLs";
    }
    // New files in the folder are born with an ACL, which "without" never had.
    ASSERT_TRUE(set(dir_.path(), "system.posix_acl_default", inherited));
    struct stat before {
    }, after{};
    ASSERT_EQ(::stat(QFile::encodeName(with), &before), 0);
    writeWholeFileAtomically(with, "new");
    writeWholeFileAtomically(without, "new");
    ASSERT_EQ(::stat(QFile::encodeName(with), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino) << "not replaced";
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(get(with, "user.origin"), "setool2");
    EXPECT_EQ(get(with, "system.posix_acl_access"), access);
    EXPECT_EQ(get(without, "system.posix_acl_access"), "none");
#endif
}

// test_slow_save as a second process; waitFor reads its output up to a line.
struct Child {
    explicit Child(const QStringList& arguments, const QString& dataHome = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!dataHome.isEmpty()) environment.insert("XDG_DATA_HOME", dataHome);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(TRELLAN_SLOW_SAVE), arguments);
    }
    ~Child() {
        process.kill();
        process.waitForFinished();
    }
    bool waitFor(const QByteArray& line) {
        QElapsedTimer waited;
        for (waited.start(); waited.elapsed() < 20000;) {
            while (process.canReadLine()) {
                const QByteArray got = process.readLine().trimmed();
                output += got + '\n';
                if (got == line) return true;
            }
            if (!process.waitForReadyRead(1000) && process.state() == QProcess::NotRunning) break;
        }
        return false;
    }
    QProcess process;
    QByteArray output;
};

// A real SIGTERM while a slow save is at a step: the save ends whole, then the
// program: at once by default, or through its event loop with its quit handler.
TEST_F(InPlace, ASignalDuringASaveEndsTheProgramOnlyOnceTheFileIsWhole) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows sends a program without a console no signals";
#else
    const std::tuple<bool, WriteStep, bool> cases[] = {
        // in place, the step, with the quit handler
        {false, WriteStep::CreateTemporary, false}, {false, WriteStep::Write, true},
        {false, WriteStep::Rename, false},          {true, WriteStep::Backup, false},
        {true, WriteStep::Truncate, true},          {true, WriteStep::Sync, false},
    };
    const QByteArray bytes(4 << 20, 'n');
    for (const auto& [inPlace, step, quitHandler] : cases) {
        SCOPED_TRACE(::testing::Message() << inPlace << int(step) << quitHandler);
        QTemporaryDir dataHome;
        const QString file = oldFile("s.txt", inPlace);
        QStringList arguments = {"save", file, QString::number(bytes.size()), "n", "150"};
        if (quitHandler) arguments << "quit";
        Child child(arguments, dataHome.path());
        ASSERT_TRUE(child.waitFor("step " + QByteArray::number(int(step)))) << child.output.data();
        ::kill(pid_t(child.process.processId()), SIGTERM);
        // By default the program ends as the save returns, before it can say so.
        EXPECT_EQ(child.waitFor("saved"), quitHandler) << child.output.data();
        child.process.waitForFinished(20000);
        ASSERT_EQ(child.process.state(), QProcess::NotRunning);
        EXPECT_EQ(child.process.exitStatus(),
                  quitHandler ? QProcess::NormalExit : QProcess::CrashExit);
        EXPECT_EQ(child.process.exitCode(), quitHandler ? 128 + SIGTERM : SIGTERM);
        EXPECT_EQ(readFile(file), bytes);
        EXPECT_EQ(files().filter("trellan-"), QStringList()) << "temporary file left";
        EXPECT_EQ(QDir(dataHome.path() + "/test_slow_save").entryList(QDir::Files), QStringList());
    }
#endif
}

// Another process holds the lock on the file: a rewrite in place waits for it, and
// gives up after kLockWaitMs with the old bytes whole and the system's reason
// (Windows' or Wine's). Two saving together both succeed, one after the other.
TEST_F(InPlace, ALockHeldByAnotherProcess) {
    const QStringList busy =
        kWindows ? QStringList{"The process cannot access the file because another process has "
                               "locked a portion of the file.",
                               "Lock violation."}
                 : QStringList{"Another program holds a lock on the file"};
    for (const int holdMs : {300, 30000}) {
        const QString file = oldFile("locked.xml");
        Child holder({"lock", file, QString::number(holdMs)});
        ASSERT_TRUE(holder.waitFor("locked")) << holder.output.data();
        const QString text = failureOf([&] { writeWholeFileAtomically(file, "new"); });
        const bool released = holdMs < kLockWaitMs;
        EXPECT_TRUE(released ? text.isEmpty()
                             : text == cannotCreate(file, busy.front()) ||
                                   text == cannotCreate(file, busy.back()))
            << text.toStdString();
        EXPECT_EQ(readFile(file), released ? "new" : kOld);
    }

    // Unserialised, the longer save would write between the shorter one's write and
    // its truncation, and be cut short by it.
    const QString file = oldFile("both.xml");
    Child shorter({"save", file, "2000000", "s", "200"});
    ASSERT_TRUE(shorter.waitFor("step " + QByteArray::number(int(WriteStep::Lock))));
    Child longer({"save", file, "3000000", "l", "200"});
    EXPECT_TRUE(shorter.waitFor("saved")) << shorter.output.data();
    EXPECT_TRUE(longer.waitFor("saved")) << longer.output.data();
    const QByteArray bytes = readFile(file);
    EXPECT_EQ(bytes.size(), 3000000);
    EXPECT_EQ(bytes.count('l'), bytes.size()) << "a mix";
}

}  // namespace
}  // namespace trellan

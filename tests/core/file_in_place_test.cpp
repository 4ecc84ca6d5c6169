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
#include <functional>
#include <thread>

#include "common/failure.h"
#include "common/file_io.h"
#include "common/native_file.h"
#include "support/system_files.h"
#include "support/test_files.h"
#include "support/write_fault.h"

#ifdef Q_OS_UNIX
#include <signal.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#endif

namespace trellan {
namespace {

using testing::readFile;
using testing::writeFile;

// Texts as std::string, which a failing check prints as text.
std::string failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.text().toStdString();
    }
    return {};
}

std::string cannotCreate(const QString& file, const QString& reason) {
    return QStringLiteral("Cannot create file \"%1\". %2")
        .arg(QDir::toNativeSeparators(file), reason)
        .toStdString();
}

QString stateFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

const QByteArray kOld =
    "<customization>\r\n  old, and longer than the new bytes\r\n</customization>\r\n";

class InPlace : public ::testing::Test {
protected:
    // `name` and a second hard link to it, which make a write go in place.
    QString linkedFile(const QString& name, const QByteArray& bytes) {
        writeFile(path(name), bytes);
        EXPECT_TRUE(testing::makeHardLink(path(name), path(name + ".link")));
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
        EXPECT_EQ(QDir(stateFolder()).entryList(QDir::Files), QStringList()) << "a backup was left";
        QDir(stateFolder()).removeRecursively();
        QCoreApplication::setApplicationName(program_);
    }

    QTemporaryDir dir_;
    const QString program_ = QCoreApplication::applicationName();
};

TEST_F(InPlace, AFailingStepWritesTheOldBytesBackAndKeepsTheLinksOneFile) {
    const std::pair<WriteStep, const char*> steps[] = {
        {WriteStep::Lock, "lock"},   {WriteStep::Write, "write"}, {WriteStep::Truncate, "truncate"},
        {WriteStep::Flush, "flush"}, {WriteStep::Sync, "sync"},
    };
    // Shorter and longer than the old bytes: a tail of old bytes or of new ones must not stay.
    for (const QByteArray& bytes : {QByteArray("<customization/>\r\n"), kOld + kOld}) {
        for (const auto& [step, stepName] : steps) {
            SCOPED_TRACE(stepName);
            const QString file = linkedFile("customize.xml", kOld);
            {
                const ScopedWriteFault fault(step, "Input/output error");
                EXPECT_EQ(failureOf([&] { writeWholeFileAtomically(file, bytes); }),
                          cannotCreate(file, "Input/output error"));
            }
            EXPECT_EQ(readFile(file), kOld);
            EXPECT_EQ(files(), QStringList({"customize.xml", "customize.xml.link"}));
            writeWholeFileAtomically(file + ".link", bytes);
            EXPECT_EQ(readFile(file), bytes) << "the links were split";
            QFile::remove(file);
            QFile::remove(file + ".link");
        }
    }
}

TEST_F(InPlace, WithoutAWayBackNothingIsWrittenAndWhatIsKeptIsNamed) {
    const QString file = linkedFile("script.txt", kOld);
    {
        const ScopedWriteFault fault(WriteStep::Backup, "No space left on device");
        EXPECT_EQ(failureOf([&] { writeWholeFileAtomically(file, "new"); }),
                  cannotCreate(file, QStringLiteral("Its old contents could not be set aside in "
                                                    "\"%1\" (No space left on device), so it was "
                                                    "left as it was.")
                                         .arg(QDir::toNativeSeparators(stateFolder()))));
    }
    EXPECT_EQ(readFile(file), kOld);

    // The rewrite fails, and so does writing the old bytes back: they are in the backup.
    const ScopedWriteFault syncFails(WriteStep::Sync, "Input/output error");
    const ScopedWriteFault restoreFails(WriteStep::Restore, "Input/output error");
    const QString text =
        QString::fromStdString(failureOf([&] { writeWholeFileAtomically(file, "new"); }));
    const auto named =
        QRegularExpression(QStringLiteral("^Cannot create file \"(.*)\"\\. Input/output error\\. "
                                          "Its old contents could not be written back \\(Input/"
                                          "output error\\); they are kept in \"(.*)\"\\.$"))
            .match(text);
    ASSERT_TRUE(named.hasMatch()) << text.toStdString();
    EXPECT_EQ(named.captured(1), QDir::toNativeSeparators(file));
    EXPECT_EQ(readFile(named.captured(2)), kOld);
    EXPECT_TRUE(QFile::remove(named.captured(2)));
}

TEST_F(InPlace, ATemporaryFileThatCannotBeRemovedIsNamed) {
    writeFile(path("f"), kOld);
    const ScopedWriteFault full(WriteStep::Write, "No space left on device");
    const ScopedWriteFault stays(WriteStep::RemoveTemporary, "Device or resource busy");
    const std::string text = failureOf([&] { writeWholeFileAtomically(path("f"), "new"); });
    QStringList left = files();
    left.removeOne("f");
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(text, cannotCreate(path("f"), QStringLiteral("No space left on device. The temporary "
                                                           "file \"%1\" could not be removed "
                                                           "(Device or resource busy).")
                                                .arg(QDir::toNativeSeparators(path(left[0])))));
    EXPECT_EQ(readFile(path("f")), kOld);
}

// Any name the system lets a file have can be replaced, and a file whose path is
// as long as the system allows: where the new file's path would be too long, in place.
TEST_F(InPlace, LongestNamesAndPathsCanBeReplaced) {
    const QString longName(255, QLatin1Char('n'));
    QString deep = dir_.path();
#ifdef Q_OS_WIN
    const bool deepPaths = false;
#else
    const bool deepPaths = true;
    while (QFile::encodeName(deep).size() < 4075) {
        deep += QLatin1Char('/') + QString(std::min<qsizetype>(200, 4075 - deep.size() - 1), 'd');
    }
    ASSERT_TRUE(QDir().mkpath(deep));
#endif
    for (const QString& file : {dir_.filePath(longName), deep + QStringLiteral("/f.xml")}) {
        if (file.startsWith(deep) && !deepPaths) {
            continue;  // Windows has no path length short of 32,767 characters to reach
        }
        writeFile(file, kOld);
        writeWholeFileAtomically(file, "new");
        EXPECT_EQ(readFile(file), "new") << file.size();
        EXPECT_EQ(QDir(QFileInfo(file).path()).entryList(QDir::Files).size(), 1);
    }
}

// A virus scanner or setool2 holds the file a moment, or for good: on Windows the
// save waits about a second for it, then fails with the system's reason and the
// old file whole. On Linux an open file is no obstacle.
TEST_F(InPlace, AFileHeldByAnotherProgram) {
    for (const bool releasedSoon : {true, false}) {
        SCOPED_TRACE(releasedSoon ? "released after 300 ms" : "held for good");
        writeFile(path("f"), kOld);
        testing::HeldFile held(path("f"));
        ASSERT_TRUE(held.held());
        std::thread releaser([&] {
            if (releasedSoon) {
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                held.release();
            }
        });
        const std::string text = failureOf([&] { writeWholeFileAtomically(path("f"), "new"); });
        releaser.join();
        held.release();
#ifdef Q_OS_WIN
        if (!releasedSoon) {
            // The system's own message: Windows' or Wine's.
            EXPECT_TRUE(text == cannotCreate(path("f"),
                                             "The process cannot access the file "
                                             "because it is being used by another "
                                             "process.") ||
                        text == cannotCreate(path("f"), "Sharing violation."))
                << text;
            EXPECT_EQ(readFile(path("f")), kOld);
            EXPECT_EQ(files(), QStringList{"f"});
            continue;
        }
#endif
        EXPECT_EQ(text, "");
        EXPECT_EQ(readFile(path("f")), "new");
        EXPECT_EQ(files(), QStringList{"f"});
    }
}

TEST_F(InPlace, ExtendedAttributesAndAclsStayWithTheFile) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows keeps a file's security descriptor and streams by ReplaceFileW";
#else
    // An ACL as the kernel keeps it: version 2, then (tag, permissions, id) entries.
    const auto acl = [](std::initializer_list<std::array<quint32, 3> > entries) {
        QByteArray bytes("\x02\x00\x00\x00", 4);
        for (const auto& [tag, permissions, id] : entries) {
            bytes += QByteArray(reinterpret_cast<const char*>(&tag), 2) +
                     QByteArray(reinterpret_cast<const char*>(&permissions), 2) +
                     QByteArray(reinterpret_cast<const char*>(&id), 4);
        }
        return bytes;
    };
    constexpr quint32 kAnyone = 0xffffffff;
    const QByteArray access = acl({{0x01, 6, kAnyone},
                                   {0x02, 4, 1234},
                                   {0x04, 4, kAnyone},
                                   {0x10, 4, kAnyone},
                                   {0x20, 0, kAnyone}});
    const QByteArray inherited = acl({{0x01, 6, kAnyone},
                                      {0x02, 6, 4321},
                                      {0x04, 4, kAnyone},
                                      {0x10, 6, kAnyone},
                                      {0x20, 4, kAnyone}});
    const auto set = [](const QString& file, const char* name, const QByteArray& value) {
        return ::setxattr(QFile::encodeName(file).constData(), name, value.constData(),
                          size_t(value.size()), 0) == 0;
    };
    const auto get = [](const QString& file, const char* name) {
        char value[256];
        const ssize_t size = ::getxattr(QFile::encodeName(file).constData(), name, value, 256);
        return size < 0 ? QByteArray("none") : QByteArray(value, int(size));
    };
    writeFile(path("with"), kOld);
    writeFile(path("without"), kOld);
    if (!set(path("with"), "user.origin", "setool2") ||
        !set(path("with"), "system.posix_acl_access", access)) {
        GTEST_SKIP() << "the file system here keeps no extended attributes or ACLs";
    }
    // New files in the folder are born with an ACL, which "without" never had.
    ASSERT_TRUE(set(dir_.path(), "system.posix_acl_default", inherited));
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(path("with")).constData(), &before), 0);
    for (const char* name : {"with", "without"}) {
        writeWholeFileAtomically(path(name), "new");
    }
    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(path("with")).constData(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino) << "not replaced";
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(get(path("with"), "user.origin"), "setool2");
    EXPECT_EQ(get(path("with"), "system.posix_acl_access"), access);
    EXPECT_EQ(get(path("without"), "system.posix_acl_access"), "none");
#endif
}

// Runs test_slow_save; waitFor reads its output up to a line.
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
        waited.start();
        while (waited.elapsed() < 20000) {
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
    struct Case {
        bool inPlace;
        WriteStep step;
        bool quitHandler;
    };
    const Case cases[] = {
        {false, WriteStep::CreateTemporary, false}, {false, WriteStep::Write, true},
        {false, WriteStep::Rename, false},          {true, WriteStep::Backup, false},
        {true, WriteStep::Truncate, true},          {true, WriteStep::Sync, false},
    };
    const QByteArray bytes(4 << 20, 'n');
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.inPlace << " " << int(c.step) << " " << c.quitHandler);
        QTemporaryDir state;
        const QString file = c.inPlace ? linkedFile("s.txt", kOld) : path("s.txt");
        if (!c.inPlace) writeFile(file, kOld);
        QStringList arguments = {"save", file, QString::number(bytes.size()), "n", "150"};
        if (c.quitHandler) arguments << "quit";
        Child child(arguments, state.path());
        ASSERT_TRUE(child.waitFor("step " + QByteArray::number(int(c.step))))
            << child.output.data();
        ::kill(pid_t(child.process.processId()), SIGTERM);
        // By default the program ends as the save returns, before it can say so.
        EXPECT_EQ(child.waitFor("saved"), c.quitHandler) << child.output.data();
        child.process.waitForFinished(20000);
        ASSERT_EQ(child.process.state(), QProcess::NotRunning);
        if (c.quitHandler) {
            EXPECT_EQ(child.process.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(child.process.exitCode(), 128 + SIGTERM);
        } else {
            EXPECT_EQ(child.process.exitStatus(), QProcess::CrashExit);
        }
        EXPECT_EQ(readFile(file), bytes);
        EXPECT_EQ(files().filter("trellan-"), QStringList()) << "temporary file left";
        EXPECT_EQ(QDir(state.path() + "/test_slow_save").entryList(QDir::Files), QStringList());
        QFile::remove(file);
        QFile::remove(file + ".link");
    }
#endif
}

// The same through the seam: the handler a signal raised at a step runs only
// after the save, and no later step sees it.
TEST_F(InPlace, ASignalRaisedAtAStepIsHandledAfterTheSave) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows has no SIGTERM to hold back";
#else
    native::SignalPipe pipe;
    for (const bool inPlace : {false, true}) {
        const QString file = inPlace ? linkedFile("g", kOld) : path("g");
        if (!inPlace) writeFile(file, kOld);
        const ScopedWriteFault raising(WriteStep::Write, [](const QString&) {
            ::raise(SIGTERM);
            return std::nullopt;
        });
        int seenAtSync = -1;
        const ScopedWriteFault look(WriteStep::Sync, [&](const QString&) {
            seenAtSync = pipe.take();
            return std::nullopt;
        });
        writeWholeFileAtomically(file, "new");
        EXPECT_EQ(seenAtSync, 0) << inPlace;
        EXPECT_EQ(pipe.take(), SIGTERM) << inPlace;
        EXPECT_EQ(readFile(file), "new");
        QFile::remove(file);
        QFile::remove(file + ".link");
    }
#endif
}

// Another process holds the lock on the file: a rewrite in place waits for it, and
// gives up after kLockWaitMs with the old bytes whole. Two saving together both
// succeed, one after the other.
TEST_F(InPlace, ALockHeldByAnotherProcess) {
#ifdef Q_OS_WIN
    // LockFileEx; the system's own message, Windows' or Wine's.
    const QStringList busy = {
        "The process cannot access the file because another process has locked a portion of the "
        "file.",
        "Lock violation."};
#else
    const QStringList busy = {"Another program holds a lock on the file"};
#endif
    for (const int holdMs : {300, 30000}) {
        const QString file = linkedFile("locked.xml", kOld);
        Child holder({"lock", file, QString::number(holdMs)});
        ASSERT_TRUE(holder.waitFor("locked")) << holder.output.data();
        const std::string text = failureOf([&] { writeWholeFileAtomically(file, "new"); });
        if (holdMs < kLockWaitMs) {
            EXPECT_EQ(text, "");
            EXPECT_EQ(readFile(file), "new");
        } else {
            EXPECT_TRUE(text == cannotCreate(file, busy.front()) ||
                        text == cannotCreate(file, busy.back()))
                << text;
            EXPECT_EQ(readFile(file), kOld);
        }
        QFile::remove(file);
        QFile::remove(file + ".link");
    }

    // Unserialised, the longer save would write between the shorter one's write and
    // its truncation, and be cut short by it.
    const QString file = linkedFile("both.xml", kOld);
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

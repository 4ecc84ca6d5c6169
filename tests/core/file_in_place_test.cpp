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
#include "support/test_files.h"
#include "support/write_fault.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
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
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           "/trellan/backup";
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
    // `name` anew with kOld, and a second hard link to it where the write is to go in place.
    QString oldFile(const QString& name, bool inPlace = true) {
        QFile::remove(path(name + ".link"));
        writeFile(path(name), kOld);
        EXPECT_TRUE(!inPlace || makeHardLink(path(name), path(name + ".link")));
        return path(name);
    }
    QString path(const QString& name) const {
        names_ << QRegularExpression::escape(name);
        return dir_.filePath(name);
    }
    QStringList files() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden); }
    // A state folder of its own on Linux; Windows' is shared, so only backups of
    // this test's files count.
    void SetUp() override { qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome_.path())); }
    void TearDown() override {
        const QStringList left =
            QDir(stateFolder())
                .entryList(QDir::Files)
                .filter(QRegularExpression("^(" + names_.join('|') + ")-[0-9a-f]{8}\\.bak$"));
        EXPECT_EQ(left.join(' '), "") << "backup left";
        for (const QString& name : left) QFile::remove(stateFolder() + '/' + name);
        qunsetenv("XDG_DATA_HOME");
    }

    QTemporaryDir dir_, dataHome_;
    mutable QStringList names_;
};

TEST_F(InPlace, AFailingStepWritesTheOldBytesBackAndKeepsTheLinksOneFile) {
    const std::pair<WriteStep, const char*> steps[] = {
        {WriteStep::Lock, "lock"},   {WriteStep::Write, "write"}, {WriteStep::Truncate, "truncate"},
        {WriteStep::Flush, "flush"}, {WriteStep::Sync, "sync"},   {WriteStep::Close, "close"},
    };
    // Shorter and longer than the old bytes: no tail of either may stay.
    for (const QByteArray& bytes : {QByteArray("<customization/>\r\n"), kOld + kOld}) {
        for (const auto& [step, stepName] : steps) {
            SCOPED_TRACE(stepName);
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
         "Its old contents could not be set aside in \"(.+)\" \\(Input/output error\\), so it "
         "was left as it was\\.",
         kOld, nullptr},
        {WriteStep::Sync, WriteStep::Restore, true,
         "Input/output error\\. Its old contents could not be written back \\(Input/output "
         "error\\); they are kept in \"(.+)\"\\.",
         "new", kOld.constData()},
        {WriteStep::Write, WriteStep::RemoveTemporary, false,
         "Input/output error\\. The temporary file \"(.+)\" could not be removed \\(Input/output "
         "error\\)\\.",
         kOld, ""},
    };
    for (const Case& c : cases) {
        const QString file = oldFile("f", c.inPlace);
        const ScopedWriteFault fault(c.failing, "Input/output error");
        const ScopedWriteFault also(c.alsoFailing, "Input/output error");
        const QString text =
            QString::fromStdString(failureOf([&] { writeWholeFileAtomically(file, "new"); }));
        const auto named =
            QRegularExpression("^Cannot create file \"[^\"]+\"\\. " + QLatin1String(c.reason) + "$")
                .match(text);
        ASSERT_TRUE(named.hasMatch()) << text.toStdString();
        EXPECT_EQ(readFile(file), c.fileHolds);
        if (c.namedHolds) {
            // A backup is named after the file, so that the user knows it.
            EXPECT_TRUE(
                QFileInfo(named.captured(1)).fileName().startsWith(c.inPlace ? "f-" : "trellan-"));
            EXPECT_EQ(readFile(named.captured(1)), c.namedHolds);
            EXPECT_TRUE(QFile::remove(named.captured(1)));
        } else {
            EXPECT_EQ(named.captured(1), QDir::toNativeSeparators(stateFolder()));
        }
    }
}

// ReplaceFileW may move the old file aside and then fail to move the new one in:
// the new one goes in by another try, else the old one back; else both are named.
TEST_F(InPlace, AReplaceThatLeftTheOldFileAsideEndsWithOneOfThemInPlace) {
    const QString file = path("f"), aside = path("f.aside");
    const StepFault failure{"Input/output error", false, {}};
    // Renames failing (the replace, moving the new file in, putting the old one back),
    // whether removing the old file fails, the text, the files left and what they hold.
    const std::tuple<int, bool, const char*, QStringList> cases[] = {
        {1, false, "", {"f new"}},
        {1,
         true,
         "File \"<f>\" was saved, but its old contents could not be removed from \"<f.aside>\" "
         "(Input/output error).",
         {"f new", "f.aside old"}},
        {2, false, "Cannot create file \"<f>\". Input/output error", {"f old"}},
        {3,
         false,
         "Cannot create file \"<f>\". Input/output error. Its new contents are kept in "
         "\"<temporary>\", its old ones in \"<f.aside>\".",
         {"f.aside old", "temporary new"}},
    };
    for (const auto& [failingRenames, removalFails, expected, left] : cases) {
        writeFile(file, kOld);
        int renames = 0;
        const ScopedWriteFault rename(WriteStep::Rename, [&](const QString&) {
            std::optional<StepFault> fault;
            if (++renames <= failingRenames) fault = failure;
            if (renames == 1 && QFile::rename(file, aside)) fault->oldFile = aside;
            return fault;
        });
        const ScopedWriteFault removal(WriteStep::RemoveTemporary, [&](const QString& name) {
            return removalFails && name == aside ? std::optional(failure) : std::nullopt;
        });
        QString text =
            QString::fromStdString(failureOf([&] { writeWholeFileAtomically(file, "new"); }));
        QStringList held;
        for (const QString& name : files()) {
            const QString shown = name.startsWith("trellan-") ? "temporary" : name;
            text.replace('"' + QDir::toNativeSeparators(path(name)) + '"', "\"<" + shown + ">\"");
            held << shown + (readFile(path(name)) == kOld ? " old" : ' ' + readFile(path(name)));
            QFile::remove(path(name));
        }
        EXPECT_EQ(text.replace('"' + QDir::toNativeSeparators(file) + '"', "\"<f>\"").toStdString(),
                  expected);
        EXPECT_EQ(held, left);
    }
}

// A file-size limit makes the write fail with the system's reason, rather than
// end the program in the middle of it.
TEST_F(InPlace, AFileSizeLimitFailsTheSave) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows has no file-size limit";
#else
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const rlimit small{1000, before.rlim_max};
    writeFile(path("big"), kOld);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string text =
        failureOf([&] { writeWholeFileAtomically(path("big"), QByteArray(4000, 'n')); });
    ::setrlimit(RLIMIT_FSIZE, &before);
    EXPECT_EQ(text, cannotCreate(path("big"), "File too large"));
    EXPECT_EQ(readFile(path("big")), kOld);
#endif
}

// Any name the system lets a file have can be replaced, and a file whose path is
// as long as the system allows: where the new file's path would be too long, in place.
TEST_F(InPlace, LongestNamesAndPathsCanBeReplaced) {
    // Linux's PATH_MAX; on Windows past MAX_PATH, 260 (its own limit, 32,767, is
    // beyond what Qt's folders reach).
#ifdef Q_OS_WIN
    const qsizetype longest = 300;
#else
    const qsizetype longest = 4075;
#endif
    QString deep = dir_.path();
    while (deep.size() < longest)
        deep += '/' + QString(std::min<qsizetype>(200, longest - 1 - deep.size()), 'd');
    ASSERT_TRUE(QDir().mkpath(deep));
    const QStringList cases = {path(QString(255, 'n')), deep + "/f.xml"};
    for (const QString& file : cases) {
        writeFile(file, kOld);
        writeWholeFileAtomically(file, "new");
        EXPECT_EQ(readFile(file), "new") << file.size();
        EXPECT_EQ(QDir(QFileInfo(file).path()).entryList(QDir::Files).size(), 1);
    }
}

// A virus scanner or setool2 holds the file a moment, or for good: on Windows the
// save, replacing or in place, waits about a second for it, then fails with the
// system's reason and the old file whole. On Linux an open file is no obstacle.
TEST_F(InPlace, AFileHeldByAnotherProgram) {
    for (const auto& [releasedSoon, inPlace] :
         {std::pair(true, false), {false, false}, {true, true}, {false, true}}) {
        SCOPED_TRACE(::testing::Message()
                     << (releasedSoon ? "released after 300 ms" : "held for good") << inPlace);
        const QString file = oldFile("f", inPlace);
        const intptr_t held = hold(file);
        std::thread releaser([&] {
            if (releasedSoon) {
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                letGo(held);
            }
        });
        const std::string text = failureOf([&] { writeWholeFileAtomically(file, "new"); });
        releaser.join();
        if (!releasedSoon) letGo(held);
        EXPECT_EQ(files(), (inPlace ? QStringList{"f", "f.link"} : QStringList{"f"}));
        const QByteArray bytes = readFile(file);
#ifdef Q_OS_WIN
        if (!releasedSoon) {
            // The system's own message: Windows' or Wine's.
            EXPECT_TRUE(text == cannotCreate(file,
                                             "The process cannot access the file "
                                             "because it is being used by another "
                                             "process.") ||
                        text == cannotCreate(file, "Sharing violation."))
                << text;
            EXPECT_EQ(bytes, kOld);
            continue;
        }
#endif
        EXPECT_EQ(text, "");
        EXPECT_EQ(bytes, "new");
    }
}

TEST_F(InPlace, ExtendedAttributesAndAclsStayWithTheFile) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows keeps a file's security descriptor and streams by ReplaceFileW";
#else
    // ACLs as the kernel keeps them: version 2, then (tag, permissions, id) entries for
    // the owner, a named user, the group, the mask and others.
    const auto acl = [](quint16 user, quint32 id, quint16 mask, quint16 others) {
        QByteArray bytes("\x02\0\0\0", 4);
        for (const auto& [tag, permissions, who] :
             {std::tuple<quint16, quint16, quint32>{1, 6, ~0u},
              {2, user, id},
              {4, 4, ~0u},
              {0x10, mask, ~0u},
              {0x20, others, ~0u}}) {
            bytes.append(reinterpret_cast<const char*>(&tag), 2)
                .append(reinterpret_cast<const char*>(&permissions), 2)
                .append(reinterpret_cast<const char*>(&who), 4);
        }
        return bytes;
    };
    const auto set = [](const QString& file, const char* name, const QByteArray& value) {
        return ::setxattr(QFile::encodeName(file), name, value.data(), size_t(value.size()), 0) ==
               0;
    };
    const auto get = [](const QString& file, const char* name) {
        char value[256];
        const ssize_t size = ::getxattr(QFile::encodeName(file), name, value, sizeof value);
        return size < 0 ? QByteArray("none") : QByteArray(value, int(size));
    };
    writeFile(path("with"), kOld);
    writeFile(path("without"), kOld);
    if (!set(path("with"), "user.origin", "setool2") ||
        !set(path("with"), "system.posix_acl_access", acl(4, 1234, 4, 0))) {
        GTEST_SKIP() << "the file system here keeps no extended attributes or ACLs";
    }
    // New files in the folder are born with an ACL, which "without" never had.
    ASSERT_TRUE(set(dir_.path(), "system.posix_acl_default", acl(6, 4321, 6, 4)));
    struct stat before {
    }, after{};
    ASSERT_EQ(::stat(QFile::encodeName(path("with")), &before), 0);
    writeWholeFileAtomically(path("with"), "new");
    writeWholeFileAtomically(path("without"), "new");
    ASSERT_EQ(::stat(QFile::encodeName(path("with")), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino) << "not replaced";
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(get(path("with"), "user.origin"), "setool2");
    EXPECT_EQ(get(path("with"), "system.posix_acl_access"), acl(4, 1234, 4, 0));
    EXPECT_EQ(get(path("without"), "system.posix_acl_access"), "none");
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
        for (QElapsedTimer waited; !waited.isValid() || waited.elapsed() < 20000;) {
            if (!waited.isValid()) waited.start();
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
        SCOPED_TRACE(::testing::Message() << c.inPlace << int(c.step) << c.quitHandler);
        QTemporaryDir dataHome;
        const QString file = oldFile("s.txt", c.inPlace);
        QStringList arguments = {"save", file, QString::number(bytes.size()), "n", "150"};
        if (c.quitHandler) arguments << "quit";
        Child child(arguments, dataHome.path());
        ASSERT_TRUE(child.waitFor("step " + QByteArray::number(int(c.step))))
            << child.output.data();
        ::kill(pid_t(child.process.processId()), SIGTERM);
        // By default the program ends as the save returns, before it can say so.
        EXPECT_EQ(child.waitFor("saved"), c.quitHandler) << child.output.data();
        child.process.waitForFinished(20000);
        ASSERT_EQ(child.process.state(), QProcess::NotRunning);
        EXPECT_EQ(child.process.exitStatus(),
                  c.quitHandler ? QProcess::NormalExit : QProcess::CrashExit);
        EXPECT_EQ(child.process.exitCode(), c.quitHandler ? 128 + SIGTERM : SIGTERM);
        EXPECT_EQ(readFile(file), bytes);
        EXPECT_EQ(files().filter("trellan-"), QStringList()) << "temporary file left";
        EXPECT_EQ(QDir(dataHome.path() + "/trellan/backup").entryList(QDir::Files), QStringList());
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
        const QString file = oldFile("locked.xml");
        Child holder({"lock", file, QString::number(holdMs)});
        ASSERT_TRUE(holder.waitFor("locked")) << holder.output.data();
        const std::string text = failureOf([&] { writeWholeFileAtomically(file, "new"); });
        const bool released = holdMs < kLockWaitMs;
        EXPECT_TRUE(released ? text.empty()
                             : text == cannotCreate(file, busy.front()) ||
                                   text == cannotCreate(file, busy.back()))
            << text;
        EXPECT_EQ(readFile(file), released ? "new" : kOld);
    }

    // Unserialised, the longer save would write between the shorter one's write and
    // its truncation, and be cut short by it.
    const QString file = oldFile("both.xml");
    Child shorter({"save", file, "2000000", "s", "200"});
    // Announced once the lock is held: the longer save starts only then.
    ASSERT_TRUE(shorter.waitFor("step " + QByteArray::number(int(WriteStep::Backup))));
    Child longer({"save", file, "3000000", "l", "200"});
    EXPECT_TRUE(shorter.waitFor("saved")) << shorter.output.data();
    EXPECT_TRUE(longer.waitFor("saved")) << longer.output.data();
    const QByteArray bytes = readFile(file);
    EXPECT_EQ(bytes.size(), 3000000);
    EXPECT_EQ(bytes.count('l'), bytes.size()) << "a mix";
}

}  // namespace
}  // namespace trellan

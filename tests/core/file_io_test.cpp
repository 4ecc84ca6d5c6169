#include "common/file_io.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>

#include "common/dialog_filter.h"
#include "main_window/customize_xml.h"
#include "script/script_file.h"
#include "support/test_files.h"
#include "support/write_fault.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace trellan {
namespace {

using testing::failureOf;
using testing::readFile;
using testing::writeFile;

class FileIo : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

TEST_F(FileIo, ReadsBytesUnchanged) {
    const QByteArray bytes("a\r\nb\xf6\x00z", 7);
    writeFile(path("f"), bytes);
    EXPECT_EQ(readWholeFile(path("f")), bytes);
}

TEST_F(FileIo, ReadFailuresNameTheNativePathAndTheReason) {
    QDir(dir_.path()).mkdir(QStringLiteral("folder"));
    for (const QString& name : {QStringLiteral("missing.cdt"), QStringLiteral("folder")}) {
        const QString text = failureOf([&] { readWholeFile(path(name)); });
        const QString prefix =
            QStringLiteral("Cannot open file \"%1\". ").arg(QDir::toNativeSeparators(path(name)));
        EXPECT_TRUE(text.startsWith(prefix)) << text.toStdString();
        EXPECT_GT(text.size(), prefix.size()) << "no reason given: " << text.toStdString();
    }
}

TEST_F(FileIo, ReplacesAnExistingFileWholeAndKeepsItsPermissions) {
    writeFile(path("f"), "old contents that are longer");
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QFile::setPermissions(path("f"), mode);
    writeWholeFileAtomically(path("f"), "new");
    EXPECT_EQ(readFile(path("f")), "new");
    // Owner, group and other bits; the "user" bits mirror the owner's.
#ifdef Q_OS_WIN
    // Windows has no group or other bits: a file without the read-only attribute
    // reads as readable and writable by all, before and after.
    EXPECT_EQ(QFile::permissions(path("f")) & QFileDevice::Permissions(0x7077),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                  QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther);
#else
    EXPECT_EQ(QFile::permissions(path("f")) & QFileDevice::Permissions(0x7077), mode);
#endif
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"f"}) << "temporary file left";
}

TEST_F(FileIo, RefusesReadOnlyFilesAndMissingFoldersLeavingEverythingAsItWas) {
    writeFile(path("ro"), "keep me");
    QFile::setPermissions(path("ro"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    QDir(dir_.path()).mkdir(QStringLiteral("folder"));
    struct Case {
        QString name;
        QString reasonPart;
    };
    for (const Case& c : {Case{"ro", "Permission denied"}, Case{"no/such/folder/f", ""},
                          Case{"folder", "directory"}}) {
        const QString text = failureOf([&] { writeWholeFileAtomically(path(c.name), "x"); });
        EXPECT_TRUE(text.startsWith(QStringLiteral("Cannot create file \"%1\". ")
                                        .arg(QDir::toNativeSeparators(path(c.name)))))
            << text.toStdString();
        EXPECT_TRUE(text.contains(c.reasonPart)) << text.toStdString();
    }
    EXPECT_EQ(readFile(path("ro")), "keep me");
    EXPECT_FALSE(QDir(path("no")).exists());
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"ro"});
}

// The two files the user relies on, each written the way the program writes it.
struct Writer {
    const char* name;
    std::function<void(const QString& path)> write;
};
const Writer kWriters[] = {
    {"customize_xml",
     [](const QString& path) {
         Lines lines{
             {QByteArray(20000, 'x'), "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"}, true};
         writeCustomizeXml(path, lines, CustomizeValues{"1", "2", "3", "4", "5", "6", true});
     }},
    {"script", [](const QString& path) { script::saveScriptFile(path, QString(10000, 'x')); }},
};

TEST_F(FileIo, AFailingStepLeavesTheOldFileWholeAndNoTemporaryFile) {
    const std::pair<WriteStep, const char*> steps[] = {
        {WriteStep::CreateTemporary, "create"},
        {WriteStep::Write, "write"},
        {WriteStep::Flush, "flush"},
        {WriteStep::Sync, "sync"},
        {WriteStep::Close, "close"},
        {WriteStep::Rename, "rename"},
    };
    for (const Writer& writer : kWriters) {
        for (const auto& [step, stepName] : steps) {
            const QString file = path(writer.name);
            writeFile(file, "old bytes\r\n");
            {
                const ScopedWriteFault fault(step, QStringLiteral("No space left on device"));
                EXPECT_EQ(failureOf([&] { writer.write(file); }),
                          QStringLiteral("Cannot create file \"%1\". No space left on device")
                              .arg(QDir::toNativeSeparators(file)))
                    << writer.name << " " << stepName;
            }
            EXPECT_EQ(readFile(file), "old bytes\r\n") << writer.name << " " << stepName;
            EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{writer.name})
                << writer.name << " " << stepName;
        }
        QFile::remove(path(writer.name));
    }
}

TEST_F(FileIo, ReadingRefusesWhatIsNoRegularFileAtOnce) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows has no FIFOs in folders and no /dev/zero";
#else
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo.cdt")).constData(), 0644), 0);
    QFile big(path("big.cdt"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(kMaxReadBytes + 1));  // sparse: costs no disk
    big.close();
    const std::pair<QString, QString> cases[] = {
        {path("fifo.cdt"), "Not a regular file"},
        {QStringLiteral("/dev/zero"), "Not a regular file"},
        {path("big.cdt"), "The file is larger than 256 MiB"},
    };
    for (const auto& [file, reason] : cases) {
        EXPECT_EQ(failureOf([&] { readWholeFile(file); }),
                  QStringLiteral("Cannot open file \"%1\". %2").arg(file, reason));
    }
#endif
}

TEST_F(FileIo, ARewriteKeepsOwnerGroupModeAndSetgid) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows has no owner, group or mode bits; ReplaceFileW keeps its security";
#else
    writeFile(path("f"), "old");
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(QFile::encodeName(path("f")).constData(), 1234, 5678), 0);
    }
    ASSERT_EQ(::chmod(QFile::encodeName(path("f")).constData(), 02640), 0);
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(path("f")).constData(), &before), 0);
    writeWholeFileAtomically(path("f"), "new");
    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(path("f")).constData(), &after), 0);
    EXPECT_EQ(readFile(path("f")), "new");
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_NE(after.st_ino, before.st_ino) << "replaced, not rewritten in place";
#endif
}

TEST_F(FileIo, LinksAreFollowedAndALoopIsRefused) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "QFile::link makes a shortcut on Windows, which the system does not follow";
#endif
    writeFile(path("real"), "old");
    ASSERT_TRUE(QFile::link(path("real"), path("link")));
    writeWholeFileAtomically(path("link"), "new");
    EXPECT_TRUE(QFileInfo(path("link")).isSymbolicLink());
    EXPECT_EQ(readFile(path("real")), "new");

    ASSERT_TRUE(QFile::link(path("b"), path("a")));
    ASSERT_TRUE(QFile::link(path("a"), path("b")));
    EXPECT_EQ(failureOf([&] { writeWholeFileAtomically(path("a"), "x"); }),
              QStringLiteral("Cannot create file \"%1\". Too many levels of symbolic links")
                  .arg(path("a")));
    EXPECT_TRUE(QFileInfo(path("a")).isSymbolicLink());
}

// The folder refuses a new file, the file itself may be written: it is rewritten in
// place, and given its old bytes back when that fails.
TEST_F(FileIo, AFolderWithoutRoomForANewFileGetsTheFileRewrittenInPlace) {
    QDir(dir_.path()).mkdir("locked");
    const QString file = path("locked/f");
    writeFile(file, "old, longer bytes");
    ASSERT_TRUE(
        QFile::setPermissions(path("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const auto refused = ScopedWriteFault::refusingNewFiles();
    writeWholeFileAtomically(file, "new");
    EXPECT_EQ(readFile(file), "new");
    {
        const ScopedWriteFault fault(WriteStep::Sync, "Input/output error");
        EXPECT_EQ(failureOf([&] { writeWholeFileAtomically(file, "newer and longer"); }),
                  QStringLiteral("Cannot create file \"%1\". Input/output error")
                      .arg(QDir::toNativeSeparators(file)));
    }
    EXPECT_EQ(readFile(file), "new");
    QFile::setPermissions(path("locked"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// A real full disk: a 64 KiB tmpfs, filled up. Needs the right to mount.
TEST(FullDisk, AFailedWriteSaysSoAndKeepsTheOldFile) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "mounting a small file system needs root on Linux";
#else
    QTemporaryDir dir;
    const QString mount = dir.filePath("disk");
    QDir().mkpath(mount);
    if (::geteuid() != 0 ||
        QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mount}) != 0) {
        GTEST_SKIP() << "mounting a small tmpfs needs root and the right to mount here";
    }
    const auto cleanup = qScopeGuard([&] { QProcess::execute("umount", {"-l", mount}); });
    for (const Writer& writer : kWriters) {
        for (const qint64 freeBytes : {qint64(0), qint64(4096)}) {
            const QString file = QDir(mount).filePath(writer.name);
            QFile::remove(QDir(mount).filePath("filler"));
            writeFile(file, "old bytes\r\n");
            QFile filler(QDir(mount).filePath("filler"));
            ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (filler.write(QByteArray(4096, 'f')) == 4096) {
            }
            filler.resize(filler.size() - freeBytes);
            filler.close();
            EXPECT_EQ(
                failureOf([&] { writer.write(file); }),
                QStringLiteral("Cannot create file \"%1\". No space left on device").arg(file))
                << writer.name << " " << freeBytes;
            EXPECT_EQ(readFile(file), "old bytes\r\n") << writer.name << " " << freeBytes;
            QStringList expected{"filler", writer.name};
            expected.sort();
            EXPECT_EQ(QDir(mount).entryList(QDir::Files), expected)
                << writer.name << " " << freeBytes;
            QFile::remove(file);
        }
    }
#endif
}

TEST(FileExists, FoldersAndEmptyNamesAreNotFiles) {
    QTemporaryDir dir;
    writeFile(dir.filePath("a.mid"), "");
    EXPECT_TRUE(fileExists(dir.filePath("a.mid")));
    EXPECT_FALSE(fileExists(dir.filePath("b.mid")));
    EXPECT_FALSE(fileExists(dir.path()));
    EXPECT_FALSE(fileExists(QString()));
}

TEST(QtFileFilter, ConvertsLabelPatternPairs) {
    const std::vector<std::pair<QString, QString>> cases = {
        {"MIDI Files (*.mid)|*.mid", "MIDI Files (*.mid)"},
        {"Text File / SETool script (*.txt)|*.txt", "Text File / SETool script (*.txt)"},
        {"*.png", "*.png"},
        {"Pictures|*.png;*.jpg|All|*.*", "Pictures (*.png *.jpg);;All (*.*)"},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(qtFileFilter(in), out) << in.toStdString();
    }
}

}  // namespace
}  // namespace trellan

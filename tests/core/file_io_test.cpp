#include "common/file_io.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "common/dialog_filter.h"
#include "common/failure.h"

namespace trellan {
namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.text();
    }
    return {};
}

class FileIo : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

TEST_F(FileIo, ReadsBytesUnchanged) {
    const QByteArray bytes("a\r\nb\xf6\x00z", 7);
    put(path("f"), bytes);
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
    put(path("f"), "old contents that are longer");
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QFile::setPermissions(path("f"), mode);
    writeWholeFileAtomically(path("f"), "new");
    EXPECT_EQ(contents(path("f")), "new");
    // Owner, group and other bits; the "user" bits mirror the owner's.
    EXPECT_EQ(QFile::permissions(path("f")) & QFileDevice::Permissions(0x7077), mode);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"f"}) << "temporary file left";
}

TEST_F(FileIo, RefusesReadOnlyFilesAndMissingFoldersLeavingEverythingAsItWas) {
    put(path("ro"), "keep me");
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
    EXPECT_EQ(contents(path("ro")), "keep me");
    EXPECT_FALSE(QDir(path("no")).exists());
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"ro"});
}

TEST(FileExists, FoldersAndEmptyNamesAreNotFiles) {
    QTemporaryDir dir;
    put(dir.filePath("a.mid"), "");
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

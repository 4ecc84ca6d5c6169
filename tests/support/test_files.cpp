#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/failure.h"

namespace trellan::testing {

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size()) << path.toStdString();
}

void writeFile(const QString& dir, const QString& relative, const QByteArray& bytes) {
    writeFile(QDir(dir).filePath(relative), bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return file.readAll();
}

QString notFoundReason(const QString& path) {
#ifdef Q_OS_WIN
    QFile file(path);
    EXPECT_FALSE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.errorString();
#else
    Q_UNUSED(path);
    return QStringLiteral("No such file or directory");
#endif
}

QString failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.text();
    }
    return {};
}

}  // namespace trellan::testing

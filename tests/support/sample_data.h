#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace trellan::testing {

// Copies the shipped sample data (cda/, tpa/) into `dir`, as new files the caller
// may write to; false when a file cannot be copied. Also used by the benchmarks.
[[nodiscard]] inline bool copySampleData(const QString& dir) {
    const QDir source(QStringLiteral(TRELLAN_DATA_DIR));
    QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile in(it.next());
        QFile out(QDir(dir).filePath(source.relativeFilePath(in.fileName())));
        if (!QDir().mkpath(QFileInfo(out).absolutePath()) || !in.open(QIODevice::ReadOnly) ||
            !out.open(QIODevice::WriteOnly) || out.write(in.readAll()) != in.size()) {
            return false;
        }
    }
    return true;
}

}  // namespace trellan::testing

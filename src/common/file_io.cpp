#include "common/file_io.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "common/failure.h"

namespace trellan {

QByteArray readWholeFile(const QString& path) {
    if (QFileInfo(path).isDir()) {
        throw cannotOpen(path, QStringLiteral("Is a directory"));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw cannotOpen(path, file.errorString());
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw cannotOpen(path, file.errorString());
    }
    return bytes;
}

void writeWholeFileAtomically(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (info.isDir()) {
        throw cannotCreate(path, QStringLiteral("Is a directory"));
    }
    if (info.exists() && !info.permissions().testFlag(QFileDevice::WriteOwner)) {
        throw cannotCreate(path, QStringLiteral("Permission denied"));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw cannotCreate(path, file.errorString());
    }
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw cannotCreate(path, reason);
    }
    if (!file.commit()) {
        throw cannotCreate(path, file.errorString());
    }
}

bool fileExists(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

}  // namespace trellan

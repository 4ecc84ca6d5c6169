#include "common/file_io.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <new>
#include <optional>

#include "common/failure.h"
#include "common/native_file.h"

namespace trellan {

namespace {

using Reason = std::optional<QString>;

struct Fault {
    WriteStep step;
    QString reason;
};
std::optional<Fault> injectedFault;

Reason injected(WriteStep step) {
    if (injectedFault && injectedFault->step == step) {
        return injectedFault->reason;
    }
    return std::nullopt;
}

QString notRegular() { return QStringLiteral("Not a regular file"); }

bool ownerMayWrite(const QFileInfo& info) {
    return info.permissions().testFlag(QFileDevice::WriteOwner);
}

// The file a write to `path` replaces: symbolic links are followed, so the link stays.
QString replacedFile(const QString& path) {
    if (!QFileInfo(path).isSymbolicLink()) {
        return path;
    }
    const native::Resolved resolved = native::resolveLink(path);
    if (resolved.failure) {
        throw cannotCreate(path, *resolved.failure);
    }
    return resolved.path;
}

Reason createTemporary(QFile& file, const QString& target) {
    if (Reason fault = injected(WriteStep::CreateTemporary)) {
        return fault;
    }
    for (int attempt = 0; attempt < 16; ++attempt) {
        file.setFileName(target +
                         QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8,
                                                       16, QLatin1Char('0')));
        // Unbuffered, so that a short write reports the system's reason at once.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            return std::nullopt;
        }
        if (!QFileInfo::exists(file.fileName())) {
            break;  // not a clash of names: the folder refuses
        }
    }
    return file.errorString();
}

Reason writeAll(QFile& file, const QByteArray& bytes) {
    if (Reason fault = injected(WriteStep::Write)) {
        return fault;
    }
    qint64 written = 0;
    while (written < bytes.size()) {
        // A short write is followed by one that fails with the reason.
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            return file.errorString();
        }
        written += count;
    }
    return std::nullopt;
}

Reason flush(QFile& file) {
    if (Reason fault = injected(WriteStep::Flush)) {
        return fault;
    }
    if (!file.flush()) {
        return file.errorString();
    }
    return std::nullopt;
}

Reason sync(QFile& file) {
    if (Reason fault = injected(WriteStep::Sync)) {
        return fault;
    }
    return native::syncToDisk(file);
}

Reason rename(const QString& from, const QString& to) {
    if (Reason fault = injected(WriteStep::Rename)) {
        return fault;
    }
    return native::replace(from, to);
}

// Without a new file beside it, the file itself is rewritten; its old bytes
// are put back when that fails.
void rewriteInPlace(const QString& path, const QString& target, const QByteArray& bytes,
                    const QString& folderReason) {
    QFile file(target);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        throw cannotCreate(path, folderReason);
    }
    const QByteArray old = file.readAll();
    Reason reason = file.seek(0) ? writeAll(file, bytes) : file.errorString();
    if (!reason && !file.resize(bytes.size())) {
        reason = file.errorString();
    }
    if (!reason) {
        reason = flush(file);
    }
    if (!reason) {
        reason = sync(file);
    }
    if (reason) {
        if (file.seek(0) && file.write(old) == old.size()) {
            file.resize(old.size());
        }
        throw cannotCreate(path, *reason);
    }
}

}  // namespace

QByteArray readWholeFile(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) {
        throw cannotOpen(path, QStringLiteral("Is a directory"));
    }
    if (info.exists() && !info.isFile()) {
        throw cannotOpen(path, notRegular());
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw cannotOpen(path, file.errorString());
    }
    if (file.isSequential()) {
        throw cannotOpen(path, notRegular());
    }
    const QString tooLarge =
        QStringLiteral("The file is larger than %1 MiB").arg(kMaxReadBytes >> 20);
    if (file.size() > kMaxReadBytes) {
        throw cannotOpen(path, tooLarge);
    }
    QByteArray bytes;
    try {
        bytes = file.readAll();
    } catch (const std::bad_alloc&) {
        throw cannotOpen(path, QStringLiteral("Not enough memory to read it"));
    }
    if (file.error() != QFileDevice::NoError) {
        throw cannotOpen(path, file.errorString());
    }
    if (bytes.size() > kMaxReadBytes) {
        throw cannotOpen(path, tooLarge);  // it grew while being read
    }
    return bytes;
}

void writeWholeFileAtomically(const QString& path, const QByteArray& bytes) {
    const QString target = replacedFile(path);
    const QFileInfo info(target);
    if (info.isDir()) {
        throw cannotCreate(path, QStringLiteral("Is a directory"));
    }
    const bool exists = info.exists();
    if (exists && !info.isFile()) {
        throw cannotCreate(path, notRegular());
    }
    if (exists && !ownerMayWrite(info)) {
        throw cannotCreate(path, QStringLiteral("Permission denied"));
    }

    QFile temporary;
    if (const Reason refused = createTemporary(temporary, target)) {
        const QFileInfo folder(info.absolutePath());
        if (exists && (!folder.isWritable() || !ownerMayWrite(folder))) {
            rewriteInPlace(path, target, bytes, *refused);
            return;
        }
        throw cannotCreate(path, *refused);
    }
    Reason reason = writeAll(temporary, bytes);
    if (!reason) {
        reason = flush(temporary);
    }
    if (!reason) {
        reason = sync(temporary);
    }
    if (!reason && exists) {
        reason = native::copyIdentity(temporary, target);
    }
    if (!reason) {
        temporary.close();
        if (temporary.error() != QFileDevice::NoError) {
            reason = temporary.errorString();
        }
    }
    if (!reason) {
        reason = rename(temporary.fileName(), target);
    }
    if (reason) {
        temporary.close();
        QFile::remove(temporary.fileName());
        throw cannotCreate(path, *reason);
    }
}

bool fileExists(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

ScopedWriteFault::ScopedWriteFault(WriteStep step, const QString& reason) {
    injectedFault = Fault{step, reason};
}

ScopedWriteFault::~ScopedWriteFault() { injectedFault.reset(); }

}  // namespace trellan

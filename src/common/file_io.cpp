#include "common/file_io.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <new>
#include <optional>

#include "common/failure.h"
#include "common/native_file.h"
#include "common/write_step.h"

namespace trellan {

namespace {

using Reason = std::optional<QString>;

Reason fault(WriteStep step, const QString& file) {
    const std::optional<StepFault> fault = writeStepFault(step, file);
    return fault ? Reason(fault->reason) : std::nullopt;
}

QString notRegular() { return QStringLiteral("Not a regular file"); }

// A reason with more said after it; the system's own may end with a full stop.
QString sentence(const QString& reason) {
    return reason.endsWith(QLatin1Char('.')) ? reason : reason + QLatin1Char('.');
}

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

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

// A new file in `folder` named `prefix`, eight hex digits and `suffix`; beside the
// replaced file the prefix is short and fixed, so that a file whose own name is
// as long as the system allows can still be replaced.
// The file opened from its handle does not know its name: `name` gets it.
native::Created createUnique(QFile& file, QString& name, const QString& folder,
                             const QString& prefix, const char* suffix, bool privateFile,
                             WriteStep step) {
    native::Created created;
    for (int attempt = 0; attempt < 16; ++attempt) {
        name = QStringLiteral("%1/%2-%3.%4")
                   .arg(folder, prefix)
                   .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))
                   .arg(QLatin1String(suffix));
        if (const std::optional<StepFault> failure = writeStepFault(step, name)) {
            return {failure->reason, failure->refused};
        }
        created = native::createNew(file, name, privateFile);
        if (!created.failure || !QFileInfo::exists(name)) {
            break;  // made, or not a clash of names: the folder refuses
        }
    }
    return created;
}

// Unbuffered, so a short write is followed by one that fails with the reason.
Reason writeBytes(QFile& file, const QByteArray& bytes) {
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            return file.errorString();
        }
        written += count;
    }
    return std::nullopt;
}

Reason writeAll(QFile& file, const QString& name, const QByteArray& bytes) {
    if (Reason failure = fault(WriteStep::Write, name)) {
        return failure;
    }
    return writeBytes(file, bytes);
}

Reason flush(QFile& file, const QString& name) {
    if (Reason failure = fault(WriteStep::Flush, name)) {
        return failure;
    }
    return file.flush() ? std::nullopt : Reason(file.errorString());
}

Reason sync(QFile& file, const QString& name) {
    if (Reason failure = fault(WriteStep::Sync, name)) {
        return failure;
    }
    return native::syncToDisk(file);
}

Reason truncate(QFile& file, const QString& name, qint64 size) {
    if (Reason failure = fault(WriteStep::Truncate, name)) {
        return failure;
    }
    return file.resize(size) ? std::nullopt : Reason(file.errorString());
}

// A failed close may have lost written bytes (on a network share, say).
Reason close(QFile& file, const QString& name) {
    const Reason failure = fault(WriteStep::Close, name);
    file.close();
    if (failure) {
        return failure;
    }
    return file.error() == QFileDevice::NoError ? std::nullopt : Reason(file.errorString());
}

native::Replaced rename(const QString& from, const QString& to) {
    if (const std::optional<StepFault> failure = writeStepFault(WriteStep::Rename, to)) {
        return {failure->reason, failure->oldFile};
    }
    return native::replace(from, to);
}

Reason remove(const QString& name, WriteStep step) {
    if (Reason failure = fault(step, name)) {
        return failure;
    }
    return native::removeFile(name);
}

// The old contents kept under `old` once the new ones are in place: a copy left
// there is named rather than forgotten.
Reason removeOld(const QString& old) {
    if (const Reason left = remove(old, WriteStep::RemoveTemporary)) {
        return QStringLiteral("its old contents could not be removed from \"%1\" (%2)")
            .arg(shown(old), *left);
    }
    return std::nullopt;
}

Failure savedButLeft(const QString& path, const QString& left) {
    return Failure(QStringLiteral("File \"%1\" was saved, but %2.").arg(shown(path), left));
}

// The old bytes, kept in the user's state folder while the file is rewritten in place.
struct SetAside {
    QString path;
    Reason failure;
};

// Named after the file, so that the user knows it; cut where the system's 255
// bytes for a name would not hold the rest.
SetAside setAside(const QString& target, const QByteArray& old) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           QStringLiteral("/trellan/backup");
    if (!QDir().mkpath(folder)) {
        return {folder, QStringLiteral("No folder to keep it in")};
    }
    QString prefix = QFileInfo(target).fileName();
    while (QFile::encodeName(prefix).size() > 200) {
        prefix.chop(prefix.back().isLowSurrogate() ? 2 : 1);
    }
    QFile backup;
    QString name;
    const native::Created created =
        createUnique(backup, name, folder, prefix, "bak", true, WriteStep::Backup);
    if (created.failure) {
        return {folder, created.failure};
    }
    Reason reason = writeBytes(backup, old);
    if (!reason && !backup.flush()) {
        reason = backup.errorString();
    }
    if (!reason) {
        reason = native::syncToDisk(backup);
    }
    backup.close();
    if (!reason && backup.error() != QFileDevice::NoError) {
        reason = backup.errorString();
    }
    if (reason) {
        native::removeFile(name);
    }
    return {name, reason};
}

// Writes the old bytes back over a failed rewrite, the file opened and locked
// again where its close failed; closes it.
Reason restore(QFile& file, const QString& target, const QByteArray& old) {
    if (Reason failure = fault(WriteStep::Restore, target)) {
        return failure;
    }
    if (!file.isOpen()) {
        if (Reason failure = native::openExisting(file, target)) {
            return failure;
        }
        if (Reason failure = native::lockExclusive(file, kLockWaitMs)) {
            return failure;
        }
    }
    if (!file.seek(0)) {
        return file.errorString();
    }
    if (Reason failure = writeBytes(file, old)) {
        return failure;
    }
    if (!file.resize(old.size()) || !file.flush()) {
        return file.errorString();
    }
    Reason failure = native::syncToDisk(file);
    native::unlock(file);
    file.close();
    if (!failure && file.error() != QFileDevice::NoError) {
        failure = file.errorString();
    }
    return failure;
}

// Where no new file can take the file's place, or where that would split its hard
// links, the file itself is rewritten, its old bytes kept aside until it is whole.
void rewriteInPlace(const QString& path, const QString& target, const QByteArray& bytes,
                    const Reason& folderReason) {
    QFile file;
    if (const Reason failure = native::openExisting(file, target)) {
        throw cannotCreate(path, folderReason.value_or(*failure));
    }
    // Another instance rewriting it waits, or gives up, rather than mixing its bytes in.
    Reason reason = fault(WriteStep::Lock, target);
    if (!reason) {
        reason = native::lockExclusive(file, kLockWaitMs);
    }
    if (reason) {
        throw cannotCreate(path, *reason);
    }
    QByteArray old;
    try {
        old = file.readAll();
    } catch (const std::bad_alloc&) {
        throw cannotCreate(path, QStringLiteral("Not enough memory to keep its old contents"));
    }
    if (file.error() != QFileDevice::NoError) {
        throw cannotCreate(path, file.errorString());
    }
    const SetAside backup = setAside(target, old);
    if (backup.failure) {
        throw cannotCreate(
            path, QStringLiteral("Its old contents could not be set aside in \"%1\" (%2), so it "
                                 "was left as it was.")
                      .arg(QDir::toNativeSeparators(backup.path), *backup.failure));
    }

    reason = file.seek(0) ? writeAll(file, target, bytes) : Reason(file.errorString());
    if (!reason) {
        reason = truncate(file, target, bytes.size());
    }
    if (!reason) {
        reason = flush(file, target);
    }
    if (!reason) {
        reason = sync(file, target);
    }
    if (!reason) {
        native::unlock(file);
        reason = close(file, target);
    }
    if (reason) {
        if (const Reason lost = restore(file, target, old)) {
            throw cannotCreate(path, QStringLiteral("%1 Its old contents could not be written "
                                                    "back (%2); they are kept in \"%3\".")
                                         .arg(sentence(*reason), *lost, shown(backup.path)));
        }
    }
    const Reason left = removeOld(backup.path);
    if (reason) {
        throw cannotCreate(
            path, left ? QStringLiteral("%1 Also, %2.").arg(sentence(*reason), *left) : *reason);
    }
    if (left) {
        throw savedButLeft(path, *left);
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

    // A signal that comes from here on ends the program once the file is whole.
    const native::DeferredSignals deferred;
    if (exists && native::linkCount(target) > 1) {
        rewriteInPlace(path, target, bytes, std::nullopt);
        return;
    }
    QFile temporary;
    QString name;
    const native::Created created =
        createUnique(temporary, name, info.path(), QStringLiteral("trellan"), "tmp", exists,
                     WriteStep::CreateTemporary);
    if (created.failure) {
        if (exists && created.refused) {
            rewriteInPlace(path, target, bytes, created.failure);
            return;
        }
        throw cannotCreate(path, *created.failure);
    }
    Reason reason = writeAll(temporary, name, bytes);
    if (!reason) {
        reason = flush(temporary, name);
    }
    if (!reason) {
        reason = sync(temporary, name);
    }
    if (!reason && exists) {
        reason = native::copyIdentity(temporary, target);
    }
    if (!reason) {
        reason = close(temporary, name);
    }
    native::Replaced replaced;
    if (!reason) {
        replaced = rename(name, target);
        reason = replaced.failure;
    }
    if (reason && !replaced.oldFile.isEmpty()) {
        // The old file went aside but the new one did not take its place: it is moved
        // in now, or else the old one is put back; failing both, each is named.
        if (!rename(name, target).failure) {
            reason.reset();
        } else if (rename(replaced.oldFile, target).failure) {
            throw cannotCreate(path,
                               QStringLiteral("%1 Its new contents are kept in \"%2\", its "
                                              "old ones in \"%3\".")
                                   .arg(sentence(*reason), shown(name), shown(replaced.oldFile)));
        } else {
            replaced.oldFile.clear();
        }
    }
    if (reason) {
        temporary.close();
        if (const Reason left = remove(name, WriteStep::RemoveTemporary)) {
            throw cannotCreate(
                path, QStringLiteral("%1 The temporary file \"%2\" could not be removed (%3).")
                          .arg(sentence(*reason), shown(name), *left));
        }
        throw cannotCreate(path, *reason);
    }
    if (!replaced.oldFile.isEmpty()) {
        if (const Reason left = removeOld(replaced.oldFile)) {
            throw savedButLeft(path, *left);
        }
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

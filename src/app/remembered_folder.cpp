#include "app/remembered_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>

#include "common/native_file.h"

namespace trellan {
namespace {

const QString kKey = QStringLiteral("dataFolder");

QString quoted(const QString& path) {
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

// Why the store's file may be neither read nor replaced; nullopt when it may,
// or when there is none.
std::optional<QString> refusal(const QString& file) {
    const QFileInfo info(file);
    if (info.isSymLink() && !info.exists()) {
        return QStringLiteral("%1 is a link that leads nowhere").arg(quoted(file));
    }
    if (!info.exists()) {
        return std::nullopt;
    }
    if (!info.isFile()) {
        if (info.isSymLink()) {
            return QStringLiteral("%1 is a link to %2, which is not a regular file")
                .arg(quoted(file), quoted(info.symLinkTarget()));
        }
        return QStringLiteral("%1 is not a regular file").arg(quoted(file));
    }
    if (info.size() > RememberedFolder::kMaxStoreBytes) {
        return QStringLiteral("%1 is larger than %2 KiB")
            .arg(quoted(file))
            .arg(RememberedFolder::kMaxStoreBytes >> 10);
    }
    return std::nullopt;
}

// QSettings works on a private copy of the store's file: on the file itself it
// would open a FIFO and wait for a writer, and wait for its lock without end.
class Copy {
public:
    // Copies the checked `file`, if there is one; nullopt when done, else why not.
    std::optional<QString> make(const QString& file) {
        if (!folder_.isValid()) {
            return QStringLiteral("no temporary folder: %1").arg(folder_.errorString());
        }
        if (!QFileInfo::exists(file)) {
            return std::nullopt;
        }
        QFile source(file);
        if (!source.open(QIODevice::ReadOnly)) {
            return QStringLiteral("%1 cannot be read: %2").arg(quoted(file), source.errorString());
        }
        const QByteArray bytes = source.read(RememberedFolder::kMaxStoreBytes + 1);
        if (source.error() != QFileDevice::NoError) {
            return QStringLiteral("%1 cannot be read: %2").arg(quoted(file), source.errorString());
        }
        if (bytes.size() > RememberedFolder::kMaxStoreBytes) {
            return refusal(file).value_or(quoted(file) + QStringLiteral(" grew while read"));
        }
        QFile copy(path());
        if (!copy.open(QIODevice::WriteOnly) || copy.write(bytes) != bytes.size() ||
            !copy.flush()) {
            return QStringLiteral("%1 cannot be written: %2")
                .arg(quoted(path()), copy.errorString());
        }
        return std::nullopt;
    }

    QString path() const { return folder_.filePath(QStringLiteral("store.conf")); }

private:
    QTemporaryDir folder_;
};

QString lockFailure(const QLockFile& lock, const QString& name) {
    switch (lock.error()) {
        case QLockFile::LockFailedError: {
            qint64 pid = 0;
            QString host;
            QString program;
            if (lock.getLockInfo(&pid, &host, &program)) {
                return QStringLiteral("its lock %1 has been held for %2 s by process %3 (%4) on %5")
                    .arg(quoted(name))
                    .arg(RememberedFolder::kLockWaitMs / 1000)
                    .arg(pid)
                    .arg(program, host);
            }
            return QStringLiteral("its lock %1 has been held by another program for %2 s")
                .arg(quoted(name))
                .arg(RememberedFolder::kLockWaitMs / 1000);
        }
        case QLockFile::PermissionError:
            return QStringLiteral("its lock %1 cannot be made: permission denied")
                .arg(quoted(name));
        default:
            return QStringLiteral("its lock %1 cannot be made").arg(quoted(name));
    }
}

// Takes the lock QSettings takes for `file`, waiting at most kLockWaitMs; a
// stale one is taken over. nullopt once held, else why not.
std::optional<QString> lockStore(QLockFile& lock, const QString& file) {
    // QLockFile reads a lock it cannot take, and would wait on a FIFO.
    const QString name = file + QStringLiteral(".lock");
    const QFileInfo info(name);
    if (info.exists() && !info.isFile()) {
        return QStringLiteral("its lock %1 is not a regular file").arg(quoted(name));
    }
    if (!lock.tryLock(RememberedFolder::kLockWaitMs)) {
        return lockFailure(lock, name);
    }
    return std::nullopt;
}

}  // namespace

RememberedFolder::RememberedFolder(const QString& organisation, const QString& application)
    : organisation_(organisation),
      application_(application),
      file_(native::nativeSettingsFile(organisation, application)) {}

QString RememberedFolder::read(QString* problem) const {
    if (!file_) {
        return QSettings(organisation_, application_).value(kKey).toString();
    }
    const auto notRead = [problem](const QString& why) {
        if (problem != nullptr) {
            *problem = why;
        }
        return QString();
    };
    if (const auto why = refusal(*file_)) {
        return notRead(*why);
    }
    Copy copy;
    if (const auto why = copy.make(*file_)) {
        return notRead(*why);
    }
    return QSettings(copy.path(), QSettings::IniFormat).value(kKey).toString();
}

std::optional<QString> RememberedFolder::write(const QString& folder) const {
    if (!file_) {
        QSettings settings(organisation_, application_);
        settings.setValue(kKey, folder);
        settings.sync();
        if (settings.status() != QSettings::NoError) {
            return QStringLiteral("%1 cannot be written").arg(settings.fileName());
        }
        return std::nullopt;
    }
    const QString& file = *file_;
    const QString parent = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(parent)) {
        return QStringLiteral("the folder %1 cannot be made").arg(quoted(parent));
    }
    QLockFile lock(file + QStringLiteral(".lock"));
    if (const auto why = lockStore(lock, file)) {
        return why;
    }
    if (const auto why = refusal(file)) {
        return why;
    }
    Copy copy;
    if (const auto why = copy.make(file)) {
        return why;
    }
    {
        QSettings settings(copy.path(), QSettings::IniFormat);
        settings.setValue(kKey, folder);
        settings.sync();
        if (settings.status() == QSettings::AccessError) {
            return QStringLiteral("%1 cannot be written").arg(quoted(copy.path()));
        }
    }
    QFile made(copy.path());
    if (!made.open(QIODevice::ReadOnly)) {
        return QStringLiteral("%1 cannot be read: %2").arg(quoted(copy.path()), made.errorString());
    }
    const QByteArray bytes = made.readAll();
    // Follows a link to the regular file it leads to, as QSettings does.
    QSaveFile store(file);
    if (!store.open(QIODevice::WriteOnly) || store.write(bytes) != bytes.size() ||
        !store.commit()) {
        return QStringLiteral("%1 cannot be written: %2").arg(quoted(file), store.errorString());
    }
    return std::nullopt;
}

std::optional<QString> sidestepBlockedQtSettings() {
    const auto file = native::nativeSettingsFile(QStringLiteral("QtProject"), QString());
    if (!file) {
        return std::nullopt;
    }
    std::optional<QString> why = refusal(*file);
    const QFileInfo lockInfo(*file + QStringLiteral(".lock"));
    if (!why && (lockInfo.exists() || lockInfo.isSymLink())) {
        QLockFile lock(lockInfo.filePath());
        why = lockStore(lock, *file);
    }
    if (why) {
        static const QTemporaryDir instead;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, instead.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, instead.path());
    }
    return why;
}

}  // namespace trellan

#pragma once

#include <QString>
#include <optional>

namespace trellan {

// The data folder chosen last with --choose-folder, under the key "dataFolder"
// of QSettings' native store for the organisation and application "trellan":
// ~/.config/trellan/trellan.conf on Linux, the registry key
// HKEY_CURRENT_USER\Software\trellan\trellan on Windows.
//
// Where the store is a file, no setting may stop the program: the file is read
// only when it is a regular file of at most kMaxStoreBytes (a FIFO would wait
// for a writer for good), and replaced only when it is one or does not exist,
// never through a link to anything else (root would turn a device into a
// regular file). Its lock, the one QSettings uses, is given up after
// kLockWaitMs.
class RememberedFolder {
public:
    static constexpr qint64 kMaxStoreBytes = 64 * 1024;
    static constexpr int kLockWaitMs = 2000;

    explicit RememberedFolder(const QString& organisation = QStringLiteral("trellan"),
                              const QString& application = QStringLiteral("trellan"));

    // The folder remembered, empty when there is none. A store that is there
    // but is not read leaves its reason in `problem`.
    QString read(QString* problem = nullptr) const;

    // nullopt once `folder` is remembered, else the reason it is not.
    std::optional<QString> write(const QString& folder) const;

private:
    QString organisation_;
    QString application_;
    // nullopt where the native store is no file.
    std::optional<QString> file_;
};

// Qt's file dialogs keep their state in QSettings' store of the organisation
// "QtProject" (~/.config/QtProject.conf on Linux), which waits on a FIFO or a
// held lock as ours would. When that file is no regular file of at most
// kMaxStoreBytes, or its lock cannot be had in kLockWaitMs, every QSettings of
// the user scope is sent to a folder of this run, and the reason is returned.
std::optional<QString> sidestepBlockedQtSettings();

}  // namespace trellan

#pragma once

#include <QFile>
#include <QString>
#include <optional>

// The few file operations Qt does not offer, one implementation per system.
// Each returns the system's reason when it fails.
namespace trellan::native {

// The file a symbolic link leads to, in the end; a loop or a dangling link gives
// the system's reason instead.
struct Resolved {
    QString path;
    std::optional<QString> failure;
};
Resolved resolveLink(const QString& link);

// Forces the open file's data onto the disk.
std::optional<QString> syncToDisk(QFile& file);

// Gives the open file the owner, group and permission bits (setuid, setgid and
// sticky included) of the file at `original`. An owner the process may not give
// away is left as it is; the permission bits must take.
std::optional<QString> copyIdentity(QFile& file, const QString& original);

// Renames `from` to `to`, replacing `to` in one step.
std::optional<QString> replace(const QString& from, const QString& to);

}  // namespace trellan::native

#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
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

// ---- Start-up: the command line, the console, the settings store ----

// The program's arguments, the program first, as Windows keeps them in UTF-16:
// main's argv is in the ANSI code page there, which loses what it cannot hold.
// nullopt elsewhere, where argv's bytes are the arguments.
std::optional<QStringList> wideArguments();

// A Windows GUI program has no console: where stdout or stderr leads nowhere,
// it is connected to the console of the program that started this one, if
// any. Output redirected to a file or pipe stays there. Nothing elsewhere.
void attachParentConsole();

// The file in which QSettings' native store keeps `application` of
// `organisation` (the organisation's own settings when `application` is
// empty) for this user; nullopt where that store is no file (Windows keeps it
// in the registry).
std::optional<QString> nativeSettingsFile(const QString& organisation, const QString& application);

// ---- End of start-up ----

}  // namespace trellan::native

#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The few file operations Qt does not offer, one implementation per system.
// Each returns the system's reason when it fails (on Windows the system's own
// message for the Win32 error).
namespace trellan::native {

// The file a symbolic link leads to, in the end; a loop or a dangling link gives
// the system's reason instead.
struct Resolved {
    QString path;
    std::optional<QString> failure;
};
Resolved resolveLink(const QString& link);

// Creates `path`, which must not exist yet, and opens it unbuffered for writing
// (`file` does not know its name then). A `privateFile` is readable by its owner
// alone until copyIdentity gives it the replaced file's mode; otherwise the
// process's default mode applies.
struct Created {
    std::optional<QString> failure;
    // The folder takes no new file, or none with a path this long.
    bool refused = false;
};
Created createNew(QFile& file, const QString& path, bool privateFile);

// Forces the open file's data onto the disk.
std::optional<QString> syncToDisk(QFile& file);

// Gives the open file the owner, group, permission bits (setuid, setgid and
// sticky included) and extended attributes (POSIX ACLs among them) of the file
// at `original`. An owner or attribute the process may not give is left out; the
// permission bits must take. Nothing on Windows, where the replace keeps them.
std::optional<QString> copyIdentity(QFile& file, const QString& original);

// Puts `from` in the place of `to` in one step. On Windows a `to` that exists is
// replaced with ReplaceFileW, which keeps its attributes, security descriptor and
// streams, and moves the old file to `from` + ".old" on the way: `oldFile` names
// it for the caller to remove. A sharing violation or a refused access is tried
// again for about a second. On a failure `to` keeps its old contents, except where
// `oldFile` is set: then the old file is there, `to` is free and `from` is whole
// (ReplaceFileW's ERROR_UNABLE_TO_MOVE_REPLACEMENT_2).
struct Replaced {
    std::optional<QString> failure;
    QString oldFile;
};
Replaced replace(const QString& from, const QString& to);

// Opens an existing file, never making one, for reading and writing unbuffered.
// On Windows a sharing violation or a refused access is tried again for about a
// second, as in replace().
std::optional<QString> openExisting(QFile& file, const QString& path);

// Removes a file; on Windows tried again for about a second while another program
// holds it.
std::optional<QString> removeFile(const QString& path);

// How many names (hard links) the file has; 1 when that cannot be told.
int linkCount(const QString& path);

// Takes an exclusive lock on the open file (flock; LockFileEx on Windows, which
// other programs cannot write or read through), waiting up to `waitMs` for
// another holder to let go. Closing the file or unlock() gives it up.
std::optional<QString> lockExclusive(QFile& file, int waitMs);
void unlock(QFile& file);

// While it lives, SIGINT, SIGTERM and SIGHUP wait: one that comes meanwhile takes
// effect when it ends, with the handling the program had before. SIGXFSZ is
// ignored meanwhile, so that a file-size limit fails the write (EFBIG) instead of
// ending the program in the middle of it. Nothing on Windows, where a console's
// Ctrl+C reaches the program only through SignalPipe.
class DeferredSignals {
public:
    DeferredSignals();
    ~DeferredSignals();
    DeferredSignals(const DeferredSignals&) = delete;
    DeferredSignals& operator=(const DeferredSignals&) = delete;

private:
    struct Saved;
    Saved* saved_;
};

// While it lives, SIGINT, SIGTERM and SIGHUP no longer end the process: each
// writes its number to a pipe, whose read end the event loop watches. One at a
// time. On Windows there is no pipe (readEnd() is -1): the Ctrl+C, Ctrl+Break or
// closing of a console the program is attached to no longer ends it; take() then
// gives SIGINT, SIGBREAK or SIGTERM and `arrived` is called, on a thread of the
// system's (Windows ends the process once a closed console's call returns, or
// after its timeout).
class SignalPipe {
public:
    explicit SignalPipe(std::function<void()> arrived = {});
    ~SignalPipe();
    SignalPipe(const SignalPipe&) = delete;
    SignalPipe& operator=(const SignalPipe&) = delete;
    int readEnd() const { return readEnd_; }
    // The number of a signal that came, or 0 when none is waiting.
    int take();

private:
    int readEnd_ = -1;
};

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

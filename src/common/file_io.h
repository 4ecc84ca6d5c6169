#pragma once

#include <QByteArray>
#include <QString>

namespace trellan {

// No catalogue or template comes near this; a larger file is refused rather
// than read into memory.
inline constexpr qint64 kMaxReadBytes = qint64(256) * 1024 * 1024;

// How long a replacement in place waits for another program's lock on the file.
inline constexpr int kLockWaitMs = 2000;

// Reads a whole regular file as bytes. A folder, FIFO or device is refused at
// once (reading a FIFO would wait for a writer for good), and so is a file
// larger than kMaxReadBytes. Throws Failure ("Cannot open file ...").
QByteArray readWholeFile(const QString& path);

// Replaces a file whole: afterwards it holds the old bytes or the new ones, never
// a mix, and no file of ours is left beside it. Symbolic links are followed (the
// link stays); a link loop is refused. A file without its owner's write permission
// (the read-only attribute on Windows) is refused even where the system would
// allow the write, as it does for root. Throws Failure ("Cannot create file ...")
// with the system's reason.
//
// Mostly the bytes go to a new file beside the old one, named "trellan-" and eight
// hex digits + ".tmp" whatever the file's own name, which is written, flushed,
// synced, closed and put in the old one's place in one step (on Windows the old
// file waits under that name + ".old" until the new one is in place, and is then
// removed; where the system moved the old file there but not the new one in, the
// new one is moved in, else the old one back, else the reason names both).
// A success that cannot remove the old file's copy says so too ("File ... was
// saved, but ...").
//
// The file is rewritten in place instead where the folder refuses the new file
// (the system answers that the user may not add one, or that its path is too
// long) but the file itself may be written, and where the file has more than one
// hard link, so that its links stay one file; it is never created then. Its old
// bytes are first set aside and synced in the user's state folder
// (GenericDataLocation + "/trellan/backup", named after the file + "-", eight hex
// digits and ".bak"); the rewrite holds an exclusive lock on the file, waiting up
// to kLockWaitMs for another holder; on any failure, a failed close included, the
// old bytes are written back, and if even that fails the reason names the file
// set aside. It is removed after success. On Windows, opening and removing wait
// about a second for another program's hold, as the replacement does.
//
// SIGINT, SIGTERM and SIGHUP wait until the file is whole again; a file-size
// limit (SIGXFSZ) fails the write instead of ending the program.
//
// What the file keeps:
// - Linux, new file: owner and group (the owner only where the process may give
//   the file away, as root may), mode with setuid, setgid and sticky bits, and
//   extended attributes, POSIX ACLs among them (one the process may not set, such
//   as another's security label, is left as the system made it). Not kept: its
//   inode and so its other hard links (the reason such a file is rewritten in
//   place), times, and file flags (chattr).
// - Windows, new file: ReplaceFileW keeps the old one's attributes, security
//   descriptor (owner and ACL) and alternate data streams; there are no owner,
//   group or mode bits. Not kept: its file ID and other hard links (hence in
//   place, as on Linux), and the creation time. Wine's ReplaceFileW, which the
//   tests run under, moves the new file in without these.
// - In place, on either system: everything, since it stays the same file.
void writeWholeFileAtomically(const QString& path, const QByteArray& bytes);

// True when `path` names an existing file (a folder or an empty name does not).
bool fileExists(const QString& path);

}  // namespace trellan

#pragma once

#include <QByteArray>
#include <QString>

namespace trellan {

// No catalogue or template comes near this; a larger file is refused rather
// than read into memory.
inline constexpr qint64 kMaxReadBytes = qint64(256) * 1024 * 1024;

// Reads a whole regular file as bytes. A folder, FIFO or device is refused at
// once (reading a FIFO would wait for a writer for good), and so is a file
// larger than kMaxReadBytes. Throws Failure ("Cannot open file ...").
QByteArray readWholeFile(const QString& path);

// Replaces a file whole and atomically: the bytes go to a new file beside it,
// which is written, flushed and synced, given the old file's owner, group and
// mode (setgid included), and renamed over it. A failure at any step removes the
// new file and leaves the old one as it was. Symbolic links are followed; a link
// loop is refused. Where the folder refuses the new file but the file itself is
// writable, the file is rewritten in place, and restored on a failed write.
// A file without its owner's write permission (the read-only attribute on
// Windows) is refused even where the system would allow the write, as it does
// for root. Throws Failure ("Cannot create file ...") with the system's reason.
// Hard links are not kept: the path gets the new file, other links the old one.
void writeWholeFileAtomically(const QString& path, const QByteArray& bytes);

// True when `path` names an existing file (a folder or an empty name does not).
bool fileExists(const QString& path);

// The steps of a replacement, for tests that make one of them fail.
enum class WriteStep { CreateTemporary, Write, Flush, Sync, Rename };

// While it lives, `step` of every replacement fails with `reason`.
class ScopedWriteFault {
public:
    ScopedWriteFault(WriteStep step, const QString& reason);
    ~ScopedWriteFault();
    ScopedWriteFault(const ScopedWriteFault&) = delete;
    ScopedWriteFault& operator=(const ScopedWriteFault&) = delete;
};

}  // namespace trellan

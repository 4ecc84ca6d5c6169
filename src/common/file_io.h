#pragma once

#include <QByteArray>
#include <QString>

namespace trellan {

// Reads a whole file as bytes; throws Failure ("Cannot open file ...") when it cannot.
QByteArray readWholeFile(const QString& path);

// Replaces a file whole and atomically: a write that fails midway leaves the old
// file as it was. A file without its owner's write permission (the read-only
// attribute on Windows) is refused even where the system would allow the write,
// as it does for root. Throws Failure ("Cannot create file ...") on any refusal.
void writeWholeFileAtomically(const QString& path, const QByteArray& bytes);

// True when `path` names an existing file (a folder or an empty name does not).
bool fileExists(const QString& path);

}  // namespace trellan

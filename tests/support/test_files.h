#pragma once

#include <QByteArray>
#include <QString>

namespace trellan::testing {

// Writes bytes to `path`, creating folders on the way; a test failure when it cannot.
void writeFile(const QString& path, const QByteArray& bytes);
// Writes bytes to `dir`/`relative`.
void writeFile(const QString& dir, const QString& relative, const QByteArray& bytes);
// The bytes of a file; a test failure and no bytes when it cannot be read.
QByteArray readFile(const QString& path);

}  // namespace trellan::testing

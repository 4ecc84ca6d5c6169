#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <ostream>

// A QString in a failure message as its text.
inline void PrintTo(const QString& text, std::ostream* os) { *os << text.toStdString(); }

namespace trellan::testing {

// Writes bytes to `path`, creating folders on the way; a test failure when it cannot.
void writeFile(const QString& path, const QByteArray& bytes);
// Writes bytes to `dir`/`relative`.
void writeFile(const QString& dir, const QString& relative, const QByteArray& bytes);
// The bytes of a file; a test failure and no bytes when it cannot be read.
QByteArray readFile(const QString& path);
// The reason the system gives for opening `path`, which does not exist: the C
// library's text on Unix; on Windows the system's own message, which differs
// for a missing file and a missing folder and speaks the system's language.
QString notFoundReason(const QString& path);
// The text of the Failure that `action` throws, or an empty text.
QString failureOf(const std::function<void()>& action);

#ifdef Q_OS_WIN
inline constexpr bool kWindows = true;
#else
inline constexpr bool kWindows = false;
#endif

}  // namespace trellan::testing

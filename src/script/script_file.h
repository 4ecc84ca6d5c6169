#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace trellan::script {

// The whole text of a script built by appending `lines`: each followed by CR LF.
QString scriptText(const QStringList& lines);

// The bytes of a saved script: the text in the system's 8-bit character set,
// nothing added or taken away.
QByteArray scriptFileBytes(const QString& wholeText);

// Writes a script file, replacing a file of that name whole and atomically.
// Throws Failure ("Cannot create file ...") when it cannot.
void saveScriptFile(const QString& path, const QString& wholeText);

}  // namespace trellan::script

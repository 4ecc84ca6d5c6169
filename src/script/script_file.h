#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace trellan::script {

// The bytes of a saved script: the text in the system's 8-bit character set,
// nothing added or taken away.
QByteArray scriptFileBytes(const QString& wholeText);

// The "Error" box text refusing a chosen path or a text bound for a script that
// holds a character the system's 8-bit character set cannot hold: it names the
// character and quotes the line it stands in. nullopt when every character fits.
std::optional<QString> unwritableTextMessage(QStringView text);

// Writes a script file, replacing a file of that name whole and atomically.
// Throws Failure ("Cannot create file ...") when it cannot.
void saveScriptFile(const QString& path, const QString& wholeText);

}  // namespace trellan::script

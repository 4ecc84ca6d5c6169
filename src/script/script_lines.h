#pragma once

#include <QString>
#include <QStringList>

namespace trellan::script {

// Phone folders, each with its trailing "/".
inline const QString kSoundFolder = QStringLiteral("/tpa/preset/system/sound/");
inline const QString kClipartFolder = QStringLiteral("/tpa/preset/system/multimedia/pe/clipart/");
inline const QString kFramesFolder = QStringLiteral("/tpa/preset/system/multimedia/pe/frames/");
inline const QString kFunlayerFolder = QStringLiteral("/tpa/preset/system/multimedia/pe/funlayer/");
inline const QString kLanguageFolder = QStringLiteral("/tpa/preset/system/language/");

// "deletefile:" + phone path.
QString deleteLine(const QString& phonePath);
// "gdfswrite:" + record id + value digits.
QString gdfsWriteLine(const QString& recordId, const QString& valueHex);

// Replacement of phone file P by local file L: delete P; L; P.
QStringList replacement(const QString& phonePath, const QString& localPath);
// A replacement for the ".mid" file, then one for its ".amr" companion
// (same names with the extension replaced by ".amr").
QStringList soundReplacement(const QString& phonePath, const QString& localPath);
// A new file: L; P.
QStringList newFile(const QString& phonePath, const QString& localPath);

// The extension of a file name: from its last "." on, "." included; empty
// when the name has none. Only the last path component is looked at.
QString extensionOf(const QString& path);
// `path` with its extension replaced by `extension` (appended when it has none).
QString withExtension(const QString& path, const QString& extension);
// The last component of a local path: the part after the last "\", "/" or ":".
QString fileNameOf(const QString& path);

}  // namespace trellan::script

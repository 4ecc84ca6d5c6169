#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "common/path_style.h"

namespace trellan::script {

// Phone folders, each with its trailing "/".
inline const QString kSoundFolder = QStringLiteral("/tpa/preset/system/sound/");
inline const QString kClipartFolder = QStringLiteral("/tpa/preset/system/multimedia/pe/clipart/");
inline const QString kFramesFolder = QStringLiteral("/tpa/preset/system/multimedia/pe/frames/");
inline const QString kFunlayerFolder = QStringLiteral("/tpa/preset/system/multimedia/pe/funlayer/");
inline const QString kLanguageFolder = QStringLiteral("/tpa/preset/system/language/");

inline const QString kMidExtension = QStringLiteral(".mid");
inline const QString kAmrExtension = QStringLiteral(".amr");

// "deletefile:" + phone path.
QString deleteLine(const QString& phonePath);
// "gdfswrite:" + record id + value digits.
QString gdfsWriteLine(const QString& recordId, const QString& valueHex);

// Replacement of phone file P by local file L: delete P; L; P.
QStringList replacement(const QString& phonePath, const QString& localPath);
// A replacement for the ".mid" file, then one for its ".amr" companion: the phone
// name with its extension replaced by ".amr" ("/" alone parts a phone path), and
// the AMR file found beside the local one.
QStringList soundReplacement(const QString& phonePath, const QString& localPath,
                             const QString& amrLocalPath);
// A new file: L; P.
QStringList newFile(const QString& phonePath, const QString& localPath);

// The extension of a file name: from its last "." on, "." included; empty
// when the name has none. Only the last path component is looked at.
QString extensionOf(const QString& path, PathStyle style = nativePathStyle());
// `path` with its extension replaced by `extension` (appended when it has none).
QString withExtension(const QString& path, const QString& extension,
                      PathStyle style = nativePathStyle());
// The last component of a local path, as splitPath cuts it.
QString fileNameOf(const QString& path, PathStyle style = nativePathStyle());

// "/tpa/preset/system/sound/messagealert<n><extension>", n = 1 to 6.
QString messageAlertPath(int alert, const QString& extension);
// "/tpa/preset/system/sound/camerashutter<extension>".
QString cameraShutterPath(const QString& extension);

// What the script generator writes for one message alert. A path is only
// written when its box is ticked.
struct AlertChoice {
    bool midiTicked = false;
    QString midiPath;
    bool amrTicked = false;
    QString amrPath;
};

enum class CameraSound { Keep, Delete, Replace };

struct SoundChoices {
    std::array<AlertChoice, 6> alerts;
    CameraSound camera = CameraSound::Keep;
    QString cameraMidiPath;
    QString cameraAmrPath;
};

// The lines of the sound script: message alerts 1 to 6 (each MIDI before AMR),
// then the camera shutter sound.
QStringList soundScript(const SoundChoices& choices);

}  // namespace trellan::script

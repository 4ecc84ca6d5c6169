#include "script/script_lines.h"

namespace trellan::script {
namespace {

// Where the extension of the file name begins; -1 when it has none.
qsizetype extensionStart(const QString& path, PathStyle style) {
    const qsizetype nameStart = path.size() - splitPath(path, style).name.size();
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot >= nameStart ? dot : -1;
}

}  // namespace

QString deleteLine(const QString& phonePath) { return QStringLiteral("deletefile:") + phonePath; }

QString gdfsWriteLine(const QString& recordId, const QString& valueHex) {
    return QStringLiteral("gdfswrite:") + recordId + valueHex;
}

QStringList replacement(const QString& phonePath, const QString& localPath) {
    return {deleteLine(phonePath), localPath, phonePath};
}

QStringList soundReplacement(const QString& phonePath, const QString& localPath,
                             const QString& amrLocalPath) {
    return replacement(phonePath, localPath) +
           replacement(withExtension(phonePath, kAmrExtension, PathStyle::Posix), amrLocalPath);
}

QStringList newFile(const QString& phonePath, const QString& localPath) {
    return {localPath, phonePath};
}

QString extensionOf(const QString& path, PathStyle style) {
    const qsizetype dot = extensionStart(path, style);
    return dot < 0 ? QString() : path.mid(dot);
}

QString withExtension(const QString& path, const QString& extension, PathStyle style) {
    const qsizetype dot = extensionStart(path, style);
    return (dot < 0 ? path : path.left(dot)) + extension;
}

QString fileNameOf(const QString& path, PathStyle style) { return splitPath(path, style).name; }

QString messageAlertPath(int alert, const QString& extension) {
    return kSoundFolder + QStringLiteral("messagealert") + QString::number(alert) + extension;
}

QString cameraShutterPath(const QString& extension) {
    return kSoundFolder + QStringLiteral("camerashutter") + extension;
}

QStringList soundScript(const SoundChoices& choices) {
    QStringList lines;
    for (int i = 0; i < int(choices.alerts.size()); ++i) {
        const AlertChoice& alert = choices.alerts[i];
        if (alert.midiTicked) {
            lines += replacement(messageAlertPath(i + 1, kMidExtension), alert.midiPath);
        }
        if (alert.amrTicked) {
            lines += replacement(messageAlertPath(i + 1, kAmrExtension), alert.amrPath);
        }
    }
    switch (choices.camera) {
        case CameraSound::Keep:
            break;
        case CameraSound::Delete:
            lines << deleteLine(cameraShutterPath(kMidExtension))
                  << deleteLine(cameraShutterPath(kAmrExtension));
            break;
        case CameraSound::Replace:
            lines += replacement(cameraShutterPath(kMidExtension), choices.cameraMidiPath);
            lines += replacement(cameraShutterPath(kAmrExtension), choices.cameraAmrPath);
            break;
    }
    return lines;
}

}  // namespace trellan::script

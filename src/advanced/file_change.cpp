#include "advanced/file_change.h"

#include "script/script_lines.h"

namespace trellan::advanced {

QString nameListFile(FileChangeMode mode) {
    switch (mode) {
        case FileChangeMode::ChangeSounds:
            return QStringLiteral("cda/sound.cdt");
        case FileChangeMode::ChangeClipart:
            return QStringLiteral("cda/clipart.cdt");
        case FileChangeMode::ChangeFrames:
            return QStringLiteral("cda/frames.cdt");
        case FileChangeMode::ChangeFunlayer:
            return QStringLiteral("cda/funlayer.cdt");
        case FileChangeMode::AddNewFrames:
            break;
    }
    return {};
}

QString phoneFolder(FileChangeMode mode) {
    switch (mode) {
        case FileChangeMode::ChangeSounds:
            return script::kSoundFolder;
        case FileChangeMode::ChangeClipart:
            return script::kClipartFolder;
        case FileChangeMode::ChangeFunlayer:
            return script::kFunlayerFolder;
        case FileChangeMode::ChangeFrames:
        case FileChangeMode::AddNewFrames:
            break;
    }
    return script::kFramesFolder;
}

QStringList fileChangeLines(FileChangeMode mode, const QString& name, const QString& local,
                            const QString& amrCompanion, PathStyle style) {
    const QString folder = phoneFolder(mode);
    switch (mode) {
        case FileChangeMode::ChangeSounds:
            return script::soundReplacement(folder + name, local, amrCompanion);
        case FileChangeMode::AddNewFrames:
            return script::newFile(folder + script::fileNameOf(local, style), local);
        case FileChangeMode::ChangeClipart:
        case FileChangeMode::ChangeFrames:
        case FileChangeMode::ChangeFunlayer:
            break;
    }
    return script::replacement(folder + name, local);
}

QString addedStatus(const QString& localPath, PathStyle style) {
    return QStringLiteral("Added ") + script::fileNameOf(localPath, style) +
           QStringLiteral(" successfully!");
}

}  // namespace trellan::advanced

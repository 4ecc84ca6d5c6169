#pragma once

#include <QString>
#include <QStringList>

#include "common/path_style.h"

namespace trellan::advanced {

enum class FileChangeMode {
    ChangeSounds,
    ChangeClipart,
    ChangeFrames,
    ChangeFunlayer,
    AddNewFrames
};

// The mode's name list, relative to the program folder; empty for Add new Frames.
QString nameListFile(FileChangeMode mode);
// The phone folder the mode writes to, with its trailing "/".
QString phoneFolder(FileChangeMode mode);

// The lines "Add" appends: `name` is the selected internal file name (unused by
// Add new Frames), `local` the chosen file, `amrCompanion` its ".amr" file
// (Change Sounds only).
QStringList fileChangeLines(FileChangeMode mode, const QString& name, const QString& local,
                            const QString& amrCompanion, PathStyle style = nativePathStyle());

// "Added " + the local file's name + " successfully!"
QString addedStatus(const QString& localPath, PathStyle style = nativePathStyle());

}  // namespace trellan::advanced

#pragma once

#include <QString>
#include <QStringList>

#include "common/path_style.h"

namespace trellan::advanced {

// The replacement of a language or T9 file in the phone's language folder,
// under the local file's own name.
QStringList languageLines(const QString& localPath, PathStyle style = nativePathStyle());

enum class DeleteKind { Sound, Clipart, Funlayer, Frame, Language };

struct DeleteKindInfo {
    QString folder;        // phone folder with its trailing "/"
    QString hint;          // what the name edit shows when the kind is chosen
    QString statusPrefix;  // "Command: Delete SOUND " ...
};

const DeleteKindInfo& deleteKindInfo(DeleteKind kind);

QString deleteCommand(DeleteKind kind, const QString& name);
QString deleteStatus(DeleteKind kind, const QString& name);

// Why a typed name cannot make a delete command for the kind's folder.
enum class DeleteNameProblem { None, Empty, StillHint, LeavesFolder };
DeleteNameProblem deleteNameProblem(DeleteKind kind, const QString& name);

}  // namespace trellan::advanced

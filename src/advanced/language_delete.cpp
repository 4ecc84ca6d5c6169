#include "advanced/language_delete.h"

#include <array>

#include "script/script_lines.h"

namespace trellan::advanced {

QStringList languageLines(const QString& localPath, PathStyle style) {
    return script::replacement(script::kLanguageFolder + script::fileNameOf(localPath, style),
                               localPath);
}

const DeleteKindInfo& deleteKindInfo(DeleteKind kind) {
    static const std::array<DeleteKindInfo, 5> kinds = {{
        {script::kSoundFolder, QStringLiteral(".mid / .amr"),
         QStringLiteral("Command: Delete SOUND ")},
        {script::kClipartFolder, QStringLiteral(".png"),
         QStringLiteral("Command: Delete CLIPART ")},
        {script::kFunlayerFolder, QStringLiteral(".png"),
         QStringLiteral("Command: Delete FUNLAYER ")},
        {script::kFramesFolder, QStringLiteral(".png"), QStringLiteral("Command: Delete FRAME ")},
        {script::kLanguageFolder, QStringLiteral(".lng / .t9"),
         QStringLiteral("Command: Delete LANG ")},
    }};
    return kinds[static_cast<size_t>(kind)];
}

QString deleteCommand(DeleteKind kind, const QString& name) {
    return script::deleteLine(deleteKindInfo(kind).folder + name);
}

QString deleteStatus(DeleteKind kind, const QString& name) {
    return deleteKindInfo(kind).statusPrefix + name + QStringLiteral(" added successfully!");
}

DeleteNameProblem deleteNameProblem(DeleteKind kind, const QString& name) {
    if (name.isEmpty()) {
        return DeleteNameProblem::Empty;
    }
    if (name == deleteKindInfo(kind).hint) {
        return DeleteNameProblem::StillHint;
    }
    // "." and ".." name the folder itself or its parent, not a file in it.
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name == QLatin1String(".") || name == QLatin1String("..")) {
        return DeleteNameProblem::LeavesFolder;
    }
    return DeleteNameProblem::None;
}

}  // namespace trellan::advanced

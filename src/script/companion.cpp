#include "script/companion.h"

#include "common/file_io.h"
#include "script/script_lines.h"

namespace trellan::script {

std::optional<QString> findCompanion(const QString& path, Companion companion, PathStyle style) {
    const QString extension = companion == Companion::Amr ? kAmrExtension : QStringLiteral(".t9");
    QString found = withExtension(path, extension, style);
    if (!fileExists(found)) {
        return std::nullopt;
    }
    return found;
}

QString missingCompanionText(Companion companion) {
    return companion == Companion::Amr
               ? QStringLiteral(
                     "Could not open .amr file! Note: .amr and .mid file must have same filename!")
               : QStringLiteral(
                     "Could not open .t9 file! Note: .lng and .t9 file must have same filename!");
}

}  // namespace trellan::script

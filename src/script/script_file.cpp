#include "script/script_file.h"

#include "common/file_io.h"
#include "common/text8.h"

namespace trellan::script {

QString scriptText(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return text;
}

QByteArray scriptFileBytes(const QString& wholeText) { return toSystem8(wholeText); }

void saveScriptFile(const QString& path, const QString& wholeText) {
    writeWholeFileAtomically(path, scriptFileBytes(wholeText));
}

}  // namespace trellan::script

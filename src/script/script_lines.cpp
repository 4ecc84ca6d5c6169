#include "script/script_lines.h"

namespace trellan::script {
namespace {

qsizetype nameStart(const QString& path) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar c = path[i];
        if (c == QLatin1Char('\\') || c == QLatin1Char('/') || c == QLatin1Char(':')) {
            start = i + 1;
        }
    }
    return start;
}

qsizetype extensionStart(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot >= nameStart(path) ? dot : -1;
}

}  // namespace

QString deleteLine(const QString& phonePath) { return QStringLiteral("deletefile:") + phonePath; }

QString gdfsWriteLine(const QString& recordId, const QString& valueHex) {
    return QStringLiteral("gdfswrite:") + recordId + valueHex;
}

QStringList replacement(const QString& phonePath, const QString& localPath) {
    return {deleteLine(phonePath), localPath, phonePath};
}

QStringList soundReplacement(const QString& phonePath, const QString& localPath) {
    const QString amr = QStringLiteral(".amr");
    return replacement(phonePath, localPath) +
           replacement(withExtension(phonePath, amr), withExtension(localPath, amr));
}

QStringList newFile(const QString& phonePath, const QString& localPath) {
    return {localPath, phonePath};
}

QString extensionOf(const QString& path) {
    const qsizetype dot = extensionStart(path);
    return dot < 0 ? QString() : path.mid(dot);
}

QString withExtension(const QString& path, const QString& extension) {
    const qsizetype dot = extensionStart(path);
    return (dot < 0 ? path : path.left(dot)) + extension;
}

QString fileNameOf(const QString& path) { return path.mid(nameStart(path)); }

}  // namespace trellan::script

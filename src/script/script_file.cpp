#include "script/script_file.h"

#include "common/file_io.h"
#include "common/text8.h"

namespace trellan::script {

QByteArray scriptFileBytes(const QString& wholeText) { return toSystem8(wholeText); }

std::optional<QString> unwritableTextMessage(QStringView text) {
    const qsizetype at = firstUnrepresentableInSystem8(text);
    if (at < 0) {
        return std::nullopt;
    }
    const auto isBreak = [](QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); };
    qsizetype start = at;
    while (start > 0 && !isBreak(text[start - 1])) {
        --start;
    }
    qsizetype end = at;
    while (end < text.size() && !isBreak(text[end])) {
        ++end;
    }
    const bool pair =
        text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate();
    const QStringView character = text.sliced(at, pair ? 2 : 1);
    const char32_t code =
        pair ? QChar::surrogateToUcs4(text[at], text[at + 1]) : text[at].unicode();
    return QStringLiteral(
               "Cannot write \"%1\" to a script: the system's character set has no "
               "\"%2\" (U+%3)! Please use only characters it holds.")
        .arg(text.sliced(start, end - start), character,
             QString::number(code, 16).toUpper().rightJustified(4, QLatin1Char('0')));
}

void saveScriptFile(const QString& path, const QString& wholeText) {
    writeWholeFileAtomically(path, scriptFileBytes(wholeText));
}

}  // namespace trellan::script

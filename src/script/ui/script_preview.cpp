#include "script/ui/script_preview.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace trellan {

ScriptPreview::ScriptPreview(QWidget* parent) : QPlainTextEdit(parent) {}

void ScriptPreview::empty() { clear(); }

void ScriptPreview::appendLine(const QString& line) {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    // An empty last block means the text ends with a line break (or is empty).
    if (document()->lastBlock().length() <= 1) {
        cursor.insertText(line + QLatin1Char('\n'));
    } else {
        cursor.insertText(QLatin1Char('\n') + line);
    }
}

void ScriptPreview::appendLines(const QStringList& lines) {
    for (const QString& line : lines) {
        appendLine(line);
    }
}

QString ScriptPreview::wholeText() const {
    // toRawText keeps non-breaking spaces that toPlainText would turn into blanks.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return text;
}

void ScriptPreview::setWholeText(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(plain);
}

}  // namespace trellan

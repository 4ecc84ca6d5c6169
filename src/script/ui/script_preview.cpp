#include "script/ui/script_preview.h"

#include <QPalette>
#include <QTextCursor>
#include <QTextDocument>

#include "common/lines.h"

namespace trellan {

ScriptPreview::ScriptPreview(QWidget* parent) : QPlainTextEdit(parent) {
    // Both script windows show it alike: cyan on black, the scroll bar always there.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, QColor(0, 255, 255));
    setPalette(palette);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void ScriptPreview::appendLine(const QString& line) {
    // A program change is not undoable: undoing it would mix its lines with the
    // user's edits, and a long script would keep one undo step per line alive.
    QTextDocument* doc = document();
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    QTextCursor cursor(doc);
    // In an edit block the cursor does not look up its screen position after
    // every move, which would lay out the last block again.
    cursor.beginEditBlock();
    // The document keeps one paragraph separator of its own after the text.
    const int end = doc->characterCount() - 1;
    cursor.setPosition(end);
    const QChar last = end > 0 ? doc->characterAt(end - 1) : QChar();
    const bool endsWithBreak =
        end == 0 || last == QChar::ParagraphSeparator || last == QChar::LineSeparator;
    if (endsWithBreak) {
        cursor.insertText(line + QLatin1Char('\n'));
    } else {
        cursor.insertText(QLatin1Char('\n') + line);
    }
    cursor.endEditBlock();
    doc->setUndoRedoEnabled(undo);
}

void ScriptPreview::appendLines(const QStringList& lines) {
    for (const QString& line : lines) {
        appendLine(line);
    }
}

QString ScriptPreview::wholeText() const {
    // toRawText keeps non-breaking spaces that toPlainText would turn into blanks.
    QString raw = document()->toRawText();
    // A line separator typed with Shift+Enter shows as a line break and is saved as
    // one. Replacing one character by one keeps this a single pass over the text.
    raw.replace(QChar::LineSeparator, QChar::ParagraphSeparator);
    return joinLines<QString>(QStringView(raw).split(QChar::ParagraphSeparator), false);
}

void ScriptPreview::setWholeText(const QString& text) {
    // One pass: QString::replace with a shorter text moves the rest of the string
    // once per thousand matches, which would make a long script quadratic.
    QString plain(text.size(), Qt::Uninitialized);
    QChar* out = plain.data();
    const QChar* end = text.constData() + text.size();
    for (const QChar* in = text.constData(); in != end; ++in) {
        if (*in != QLatin1Char('\r')) {
            *out++ = *in;
            continue;
        }
        // CR LF, and a lone CR, end a line.
        *out++ = QLatin1Char('\n');
        if (in + 1 != end && in[1] == QLatin1Char('\n')) {
            ++in;
        }
    }
    plain.truncate(out - plain.constData());
    setPlainText(plain);
}

}  // namespace trellan

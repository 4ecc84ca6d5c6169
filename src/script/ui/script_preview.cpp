#include "script/ui/script_preview.h"

#include <QPalette>
#include <QTextCursor>
#include <QTextDocument>

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

// Both conversions run in one pass over the text: QString::replace with a text
// of another length moves the rest of the string once per thousand matches,
// which makes a long script quadratic.

QString ScriptPreview::wholeText() const {
    const QTextDocument* doc = document();
    // toRawText keeps non-breaking spaces that toPlainText would turn into blanks.
    const QString raw = doc->toRawText();
    // Each block but the last ends in one separator that becomes two characters;
    // a line separator typed with Shift+Enter needs one more each.
    qsizetype extra = doc->blockCount() - 1;
    if (raw.contains(QChar::LineSeparator)) {  // a quick scan; counting is slow
        extra += raw.count(QChar::LineSeparator);
    }
    QString text(raw.size() + extra, Qt::Uninitialized);
    QChar* out = text.data();
    for (const QChar c : raw) {
        // Both show as a line break and are saved as one.
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            *out++ = QLatin1Char('\r');
            *out++ = QLatin1Char('\n');
        } else {
            *out++ = c;
        }
    }
    text.truncate(out - text.constData());
    return text;
}

void ScriptPreview::setWholeText(const QString& text) {
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

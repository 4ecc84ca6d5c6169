#pragma once

#include <QPlainTextEdit>
#include <QStringList>

namespace trellan {

// The script preview memo. Its whole text uses CR LF between lines, as the
// windows hand it to each other and as it is saved. The user may edit it; the
// program's own changes are not undoable and clear the undo history (clear()
// and setWholeText() reset it).
class ScriptPreview : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ScriptPreview(QWidget* parent);

    // The line always starts a line of its own: CR LF after it, or in front of
    // it when the text does not end with a line break. Cost does not grow with
    // the length of the script.
    void appendLine(const QString& line);
    void appendLines(const QStringList& lines);
    QString wholeText() const;
    // Takes a whole text as wholeText() gives it; CR LF, LF and CR end lines.
    void setWholeText(const QString& text);
};

}  // namespace trellan

#include "common/ui/labeled_edit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include "common/ui/controls.h"

namespace trellan {

LabeledEdit::LabeledEdit(const QString& name, const QString& caption, const QRect& editGeometry,
                         QWidget* parent)
    : QObject(parent), label(new QLabel(caption, parent)), edit(new QLineEdit(parent)) {
    setObjectName(name);
    edit->setObjectName(name);
    label->setObjectName(name + QStringLiteral("Label"));
    label->setBuddy(edit);
    setGeometry(editGeometry);
}

void LabeledEdit::setGeometry(const QRect& editGeometry) {
    edit->setGeometry(editGeometry);
    label->adjustSize();
    label->move(editGeometry.left(), editGeometry.top() - label->height() - kLabelSpacing);
}

QString LabeledEdit::text() const { return edit->text(); }

void LabeledEdit::setText(const QString& text) {
    edit->setText(text);
    // Show the beginning of a text wider than the edit, as a fresh edit does.
    edit->setCursorPosition(0);
}

QColor LabeledEdit::textColor() const { return edit->palette().color(QPalette::Text); }

void LabeledEdit::setTextColor(const QColor& color) {
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, color);
    edit->setPalette(palette);
}

void LabeledEdit::setReadOnly(bool readOnly) { edit->setReadOnly(readOnly); }

QString LabeledEdit::toolTip() const { return edit->toolTip(); }

void LabeledEdit::setToolTip(const QString& toolTip) { setPlainToolTip(edit, toolTip); }

void LabeledEdit::setEnabled(bool enabled) {
    label->setEnabled(enabled);
    edit->setEnabled(enabled);
}

bool LabeledEdit::isEnabled() const { return edit->isEnabled(); }

void LabeledEdit::showShortenedPath(const QString& path, int maxWidth, PathStyle style) {
    const QFontMetrics metrics(label->font());
    setText(shortenedPath(
        path, maxWidth, [&metrics](const QString& text) { return metrics.horizontalAdvance(text); },
        style));
}

}  // namespace trellan

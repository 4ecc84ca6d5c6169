#include "advanced/ui/captioned_edit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

#include "common/short_path.h"

namespace trellan {

QLineEdit* makeCaptionedEdit(QWidget* parent, const QString& name, const QString& caption,
                             const QRect& editRect, QLabel** label) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(editRect);
    auto* captionLabel = new QLabel(caption, parent);
    captionLabel->setObjectName(name + QStringLiteral("Label"));
    captionLabel->adjustSize();
    captionLabel->move(editRect.left(), editRect.top() - captionLabel->height() - 3);
    captionLabel->setBuddy(edit);
    *label = captionLabel;
    return edit;
}

void setCaptionedEnabled(QLineEdit* edit, QLabel* label, bool enabled) {
    edit->setEnabled(enabled);
    label->setEnabled(enabled);
}

void showShortenedPath(QLineEdit* edit, const QLabel* label, const QString& path, int maxWidth) {
    const QFontMetrics metrics(label->font());
    edit->setText(shortenedPath(path, maxWidth, [&metrics](const QString& text) {
        return metrics.horizontalAdvance(text);
    }));
}

}  // namespace trellan

#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace trellan {

// A line edit with its caption label 3 pixels above it. The edit carries
// `name`, the label `name` + "Label".
QLineEdit* makeCaptionedEdit(QWidget* parent, const QString& name, const QString& caption,
                             const QRect& editRect, QLabel** label);

// Enables or disables the edit together with its caption.
void setCaptionedEnabled(QLineEdit* edit, QLabel* label, bool enabled);

// Shows a local path in the edit, shortened to `maxWidth` pixels in the label's font.
void showShortenedPath(QLineEdit* edit, const QLabel* label, const QString& path, int maxWidth);

}  // namespace trellan

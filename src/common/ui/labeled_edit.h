#pragma once

#include <QColor>
#include <QObject>
#include <QRect>
#include <QString>

#include "common/short_path.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace trellan {

// A single-line edit with its caption label above it: two sibling widgets in the
// same parent, placed and enabled together. The edit carries the pair's name as
// its objectName (so it is found as the named control); the label is named
// `name` + "Label". Owned by the parent widget.
class LabeledEdit : public QObject {
    Q_OBJECT
public:
    // Pixels between the bottom of the caption label and the top of the edit.
    static constexpr int kLabelSpacing = 3;

    // `editGeometry` is the edit's place in `parent`; the label goes above it.
    LabeledEdit(const QString& name, const QString& caption, const QRect& editGeometry,
                QWidget* parent);

    QLabel* const label;
    QLineEdit* const edit;

    // Moves the edit and puts the label, sized to its caption, above it.
    void setGeometry(const QRect& editGeometry);

    QString text() const;
    void setText(const QString& text);
    QColor textColor() const;
    void setTextColor(const QColor& color);
    void setReadOnly(bool readOnly);
    // The hint: the edit's tooltip, typically the full path behind a shortened one,
    // shown as plain text (setPlainToolTip).
    QString toolTip() const;
    void setToolTip(const QString& toolTip);
    // Enables or disables the label and the edit together.
    void setEnabled(bool enabled);
    bool isEnabled() const;

    // Shows `path` shortened to `maxWidth` pixels, measured in the caption label's font.
    void showShortenedPath(const QString& path, int maxWidth, PathStyle style = nativePathStyle());
};

}  // namespace trellan

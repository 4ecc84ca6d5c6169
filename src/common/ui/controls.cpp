#include "common/ui/controls.h"

#include <QColor>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <algorithm>

namespace trellan {
namespace {

constexpr int kSmallestPixelSize = 8;
// Room a push button's text needs around it where the style asks for more only
// to reach its minimum button width, which is no part of the caption.
constexpr int kButtonTextMargin = 12;

int pixelSizeOf(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

// By how many pixels the caption overruns `width` in the control's present font.
int overrun(QWidget* control, int width) {
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        const int text = button->fontMetrics().horizontalAdvance(button->text());
        return std::min(button->sizeHint().width(), text + kButtonTextMargin) - width;
    }
    return control->sizeHint().width() - width;
}

// The width a control may take without reaching a shown control to its right
// beside it, nor its parent's edge.
int room(QWidget* control) {
    QWidget* parent = control->parentWidget();
    if (parent == nullptr) {
        return control->width();
    }
    int limit = parent->width() - 2;
    const QRect place = control->geometry();
    for (QWidget* sibling : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect other = sibling->geometry();
        if (sibling != control && !sibling->isHidden() && other.x() > place.x() &&
            other.top() <= place.bottom() && other.bottom() >= place.top()) {
            limit = std::min(limit, other.x());
        }
    }
    return limit - place.x();
}

void fitMemoText(QPlainTextEdit* memo) {
    const int frame = 2 * memo->frameWidth();
    QTextDocument probe;
    probe.setDocumentMargin(memo->document()->documentMargin());
    probe.setPlainText(memo->toPlainText());
    probe.setTextWidth(memo->width() - frame);
    QFont font = memo->font();
    font.setPixelSize(pixelSizeOf(font));
    probe.setDefaultFont(font);
    if (probe.size().height() <= memo->height() - frame) {
        return;
    }
    while (font.pixelSize() > kSmallestPixelSize &&
           probe.size().height() > memo->height() - frame) {
        font.setPixelSize(font.pixelSize() - 1);
        probe.setDefaultFont(font);
    }
    memo->setFont(font);
}

}  // namespace

QFrame* panel(QWidget* parent, const QString& name, QFrame::Shadow shadow, const QRect& place) {
    auto* frame = placed<QFrame>(parent, name, place);
    frame->setFrameStyle(QFrame::Panel | shadow);
    frame->setLineWidth(1);
    return frame;
}

void fitCaption(QWidget* control) {
    if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
        fitMemoText(memo);
        return;
    }
    const int excess = overrun(control, control->width());
    if (excess <= 0) {
        return;
    }
    // First the free room to the right, then a smaller font for what is still missing.
    const int width =
        std::min(control->width() + excess, std::max(control->width(), room(control)));
    control->resize(width, control->height());
    fitCaption(control, width);
}

void fitCaption(QWidget* control, int width) {
    int excess = overrun(control, width);
    if (excess <= 0) {
        return;
    }
    // Text width grows with the pixel size: one proportional step lands close,
    // so few sizes are loaded (each costs a font engine).
    QFont font = control->font();
    const int size = pixelSizeOf(font);
    font.setPixelSize(std::max(kSmallestPixelSize, size * width / (width + excess)));
    control->setFont(font);
    while ((excess = overrun(control, width)) > 0 && font.pixelSize() > kSmallestPixelSize) {
        font.setPixelSize(font.pixelSize() - 1);
        control->setFont(font);
    }
    // Never clipped, even at the smallest size.
    if (excess > 0) {
        control->resize(std::max(control->width(), width + excess), control->height());
    }
}

void setPlainToolTip(QWidget* widget, const QString& text) {
    // Kept as rich text that says the text, spaces included; no text, no tooltip.
    widget->setToolTip(text.isEmpty() ? QString()
                                      : Qt::convertFromPlainText(text, Qt::WhiteSpacePre));
    // A screen reader, which falls back to the tooltip, gets the text, not its markup.
    widget->setAccessibleDescription(text);
}

void fillBackground(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void paintAsWarning(QWidget* label) {
    fillBackground(label, QColor(255, 0, 0), label->palette().color(QPalette::Base));
}

}  // namespace trellan

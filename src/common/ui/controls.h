#pragma once

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPoint>
#include <QRect>
#include <QString>
#include <type_traits>
#include <utility>

class QColor;
class QWidget;

namespace trellan {

// The controls of all four windows are made, captioned, fitted and coloured here.

// Names a control as the design does; the windows and tests find it by that name.
template <typename W>
W* named(W* control, const QString& name) {
    control->setObjectName(name);
    return control;
}

// A control of kind W in `parent`, named, at the design's place.
template <typename W>
W* placed(QWidget* parent, const QString& name, const QRect& place) {
    W* control = named(new W(parent), name);
    control->setGeometry(place);
    return control;
}

// A captioned control at the design's place: a label (its text plain, so
// catalogue values such as "<b>" show as they are), a button, a check box, a
// group box. `extra` goes to the constructor after the caption and parent.
template <typename W, typename... Extra>
W* captioned(QWidget* parent, const QString& name, const QString& caption, const QRect& place,
             Extra&&... extra) {
    W* control = named(new W(caption, parent, std::forward<Extra>(extra)...), name);
    if constexpr (std::is_base_of_v<QLabel, W>) {
        control->setTextFormat(Qt::PlainText);
    }
    control->setGeometry(place);
    return control;
}

// A captioned control whose design gives only its position: it takes the size
// of its caption.
template <typename W, typename... Extra>
W* captioned(QWidget* parent, const QString& name, const QString& caption, const QPoint& at,
             Extra&&... extra) {
    W* control =
        captioned<W>(parent, name, caption, QRect(at, QSize()), std::forward<Extra>(extra)...);
    control->adjustSize();
    control->move(at);
    return control;
}

// The same in a font of its own, set before the caption is measured: measured
// first in the parent's font, it would be laid out twice.
template <typename W>
W* captionedInFont(QWidget* parent, const QString& name, const QString& caption, const QPoint& at,
                   const QFont& font) {
    W* control = captioned<W>(parent, name, caption, QRect(at, QSize()));
    control->setFont(font);
    control->adjustSize();
    control->move(at);
    return control;
}

// A frame drawn as a panel with a raised or sunken border.
QFrame* panel(QWidget* parent, const QString& name, QFrame::Shadow shadow, const QRect& place);

// Where a design font is missing, its fallback may run wider. A caption wider
// than its control first takes the free room to the right, up to the next
// control beside it or the parent's edge, so no control covers another; what
// is still missing is taken from the font, a pixel at a time down to 8 pixels.
// Only a caption that fits nowhere widens the control further: none is
// clipped. A memo fits its whole text into its height.
void fitCaption(QWidget* control);
// The same for a caption that is to fit `width`, without looking for room.
void fitCaption(QWidget* control, int width);

// A tooltip that shows `text` as it is: Qt would take a name such as
// "<img src=...>" for rich text and render (or load) it. A screen reader
// says the same text.
void setPlainToolTip(QWidget* widget, const QString& text);

// Gives a widget its own background and text colours.
void fillBackground(QWidget* widget, const QColor& background, const QColor& text);

// Colours a warning label as the script windows' warning stripes: red behind
// text in the palette's Base colour (the colour behind edits, white by
// default), not its Window colour.
void paintAsWarning(QWidget* label);

}  // namespace trellan

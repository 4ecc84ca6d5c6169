#include "main_window/ui/click_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace trellan {
namespace {

// What a screen reader finds in a ClickLabel: a link or a button, named by its
// caption unless the window names it, which it can press.
class ClickLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(ClickLabel* label)
        : QAccessibleWidget(label, label->kind() == ClickLabel::Kind::Link ? QAccessible::Link
                                                                           : QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        const QString text = QAccessibleWidget::text(t);
        const auto* label = static_cast<const ClickLabel*>(widget());
        // A link's caption is its address: the name says where it goes, the description shows it.
        const bool captionFallback =
            t == QAccessible::Name ||
            (t == QAccessible::Description && label->kind() == ClickLabel::Kind::Link);
        return text.isEmpty() && captionFallback ? label->text() : text;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
        } else if (widget()->isEnabled()) {
            emit static_cast<ClickLabel*>(widget())->Click();
        }
    }
};

QAccessibleInterface* clickLabelAccessible(const QString&, QObject* object) {
    auto* label = qobject_cast<ClickLabel*>(object);
    return label != nullptr ? new ClickLabelAccessible(label) : nullptr;
}

}  // namespace

ClickLabel::ClickLabel(const QString& text, QWidget* parent, Kind kind)
    : QLabel(text, parent), kind_(kind) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(clickLabelAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled)
    // Tab reaches it; a mouse click leaves the focus where it was, and no mark behind.
    setFocusPolicy(Qt::TabFocus);
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    const bool press = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                       event->key() == Qt::Key_Enter || event->key() == Qt::Key_Select;
    if (!press ||
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat()) {
        emit Click();
    }
}

void ClickLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    // Drawn as QLabel draws plain text. A label that takes the focus lays its text
    // out as a document instead, which puts the panel's centred "i" lower.
    style()->drawItemText(&painter, contentsRect(),
                          QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), text(), foregroundRole());
    // Marked once the keyboard has moved the focus, as the style marks other controls.
    if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        return;
    }
    // Dotted, in the text's own colour, so it shows on the white band and on the blue panel.
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    const int inset = frameWidth() == 0 ? 0 : frameWidth() + 1;
    painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    // Accepted, so the release comes back here rather than to a parent.
    event->setAccepted(event->button() == Qt::LeftButton);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool clicked =
        event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    event->setAccepted(clicked);
    if (clicked) {
        emit Click();
    }
}

}  // namespace trellan

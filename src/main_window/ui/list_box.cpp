#include "main_window/ui/list_box.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>

namespace trellan {
namespace {

class FixedRowDelegate : public QStyledItemDelegate {
public:
    FixedRowDelegate(int rowHeight, QObject* parent)
        : QStyledItemDelegate(parent), rowHeight_(rowHeight) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), rowHeight_};
    }

private:
    int rowHeight_;
};

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

ListBox::ListBox(int rowHeight, QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new FixedRowDelegate(rowHeight, this));
    setUniformItemSizes(true);
    connect(this, &QListWidget::clicked, this, [this](const QModelIndex&) { emit Click(); });
}

int ListBox::selectedRow() const {
    const QListWidgetItem* item = currentItem();
    return item != nullptr && item->isSelected() ? currentRow() : -1;
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    const int before = selectedRow();
    QListWidget::keyPressEvent(event);
    const int after = selectedRow();
    if (after >= 0 && after != before) {
        emit Click();
    }
}

void ListBox::mousePressEvent(QMouseEvent* event) {
    selectedAtPress_ = selectedRow();
    rowAtPress_ = row(itemAt(event->position().toPoint()));
    QListWidget::mousePressEvent(event);
}

void ListBox::mouseReleaseEvent(QMouseEvent* event) {
    const int releasedOn = row(itemAt(event->position().toPoint()));
    // Emits clicked, and so Click, for a left click on an entry.
    QListWidget::mouseReleaseEvent(event);
    const bool clickedEntry =
        event->button() == Qt::LeftButton && releasedOn >= 0 && releasedOn == rowAtPress_;
    // A drag or a right click moves the selection without a click; the entry
    // left selected is the one chosen, so what is shown is what was read.
    const int after = selectedRow();
    if (!clickedEntry && after >= 0 && after != selectedAtPress_) {
        emit Click();
    }
}

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

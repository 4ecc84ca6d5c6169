#include "common/ui/accessibility.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLatin1String>
#include <QLineEdit>
#include <QList>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <algorithm>

namespace trellan {
namespace {

// Outside a dialog Qt lets Enter press only a default button; here it presses
// the focused push button, as Space does.
class EnterPressesButtons : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return QObject::eventFilter(watched, event);
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
            return QObject::eventFilter(watched, event);
        }
        if (!key->isAutoRepeat()) {
            static_cast<QPushButton*>(watched)->click();
        }
        return true;
    }
};

// Qt keeps one Tab stop per group of radio buttons, whichever was focused last,
// by taking Tab from the others when one is focused. Here each stays a stop, so
// Tab visits every control in reading order; the arrow keys still move within
// the group. What QWidget does on focus is repaint, for the focus mark.
class RadioButtonsStayTabStops : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::FocusIn) {
            return QObject::eventFilter(watched, event);
        }
        static_cast<QWidget*>(watched)->update();
        return true;
    }
};

bool takesTab(const QWidget* widget) {
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

bool holdsTabStop(const QWidget* widget, const QWidget* window) {
    if (widget->isWindow() || !widget->isVisibleTo(window)) {
        return false;
    }
    if (takesTab(widget)) {
        return true;
    }
    const QList<QWidget*> children = widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    return std::any_of(children.begin(), children.end(),
                       [window](const QWidget* child) { return holdsTabStop(child, window); });
}

void appendInReadingOrder(QWidget* container, const QWidget* window, std::vector<QWidget*>& order) {
    std::vector<QWidget*> items;
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (holdsTabStop(child, window)) {
            items.push_back(child);
        }
    }
    std::stable_sort(items.begin(), items.end(), [](const QWidget* a, const QWidget* b) {
        return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
    });
    // A row is its topmost item and every item that starts above that one's middle:
    // a small label beside a tall panel reads with it, the next line of a group does not.
    for (auto row = items.begin(); row != items.end();) {
        const int middle = (*row)->geometry().center().y();
        const auto next = std::find_if(
            row + 1, items.end(), [middle](const QWidget* item) { return item->y() > middle; });
        std::stable_sort(row, next,
                         [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
        row = next;
    }
    for (QWidget* item : items) {
        if (takesTab(item)) {
            order.push_back(item);
        } else {
            appendInReadingOrder(item, window, order);
        }
    }
}

}  // namespace

std::vector<QWidget*> readingOrder(QWidget* window) {
    std::vector<QWidget*> order;
    appendInReadingOrder(window, window, order);
    return order;
}

void makeAccessible(QWidget* window, std::span<const ControlText> texts) {
    for (const ControlText& text : texts) {
        const QList<QWidget*> found =
            window->findChildren<QWidget*>(QLatin1String(text.objectName));
        Q_ASSERT_X(found.size() == 1, "makeAccessible", text.objectName);
        for (QWidget* control : found) {
            control->setAccessibleName(QString::fromUtf8(text.name));
            // A reader meets an editable combo box's line as a part of its own.
            if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit()) {
                combo->lineEdit()->setAccessibleName(QString::fromUtf8(text.name));
            }
            if (text.description != nullptr) {
                control->setAccessibleDescription(QString::fromUtf8(text.description));
            }
        }
    }

    auto* enter = new EnterPressesButtons(window);
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        button->installEventFilter(enter);
    }
    for (QPlainTextEdit* memo : window->findChildren<QPlainTextEdit*>()) {
        // Tab would otherwise type a tab and never leave the memo.
        memo->setTabChangesFocus(true);
        if (memo->isReadOnly()) {
            // A caret to read by, line by line.
            memo->setTextInteractionFlags(memo->textInteractionFlags() |
                                          Qt::TextSelectableByKeyboard);
        }
    }

    auto* radios = new RadioButtonsStayTabStops(window);
    for (QRadioButton* radio : window->findChildren<QRadioButton*>()) {
        radio->installEventFilter(radios);
    }

    const std::vector<QWidget*> order = readingOrder(window);
    for (size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
    // The chain is a ring through the window; a window starts at its first control.
    if (!order.empty()) {
        order.front()->setFocus();
    }
}

}  // namespace trellan

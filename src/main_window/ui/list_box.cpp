#include "main_window/ui/list_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
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

}  // namespace

ListBox::ListBox(int rowHeight, QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new FixedRowDelegate(rowHeight, this));
    setUniformItemSizes(true);
    setSortingEnabled(false);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    connect(this, &QListWidget::clicked, this, [this](const QModelIndex&) { emit Click(); });
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() >= 0 && currentRow() != before) {
        emit Click();
    }
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

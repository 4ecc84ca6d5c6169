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

}  // namespace trellan

#pragma once

#include <QListWidget>

namespace trellan {

// A list whose Click comes only from the user: a mouse click on an entry, or
// any mouse or key action that leaves another entry selected (a drag, a right
// click, Space on the focused entry). Changes made by the program send none.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    // Every row `rowHeight` pixels high; with uniform sizes long lists fill fast.
    ListBox(int rowHeight, QWidget* parent);

signals:
    void Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The selected row, or -1 when the current row is not selected.
    int selectedRow() const;

    int selectedAtPress_ = -1;
    int rowAtPress_ = -1;
};

}  // namespace trellan

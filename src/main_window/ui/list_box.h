#pragma once

#include <QLabel>
#include <QListWidget>

namespace trellan {

// A list whose Click comes only from the user: a mouse click on an entry or a
// key that moves the selection. Changes made by the program send none.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    // Every row `rowHeight` pixels high; with uniform sizes long lists fill fast.
    ListBox(int rowHeight, QWidget* parent);

signals:
    void Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A label (or a panel drawn as one) that reports a left click.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace trellan

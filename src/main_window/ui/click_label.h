#pragma once

#include <QLabel>

namespace trellan {

// A label (or a panel drawn as one) that reports a left click. Tab reaches it,
// a dotted frame marks its focus, and Space or Enter then click it. A screen
// reader takes a text label for a link and a panel for a button.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    enum class Kind { Link, Button };

    ClickLabel(const QString& text, QWidget* parent, Kind kind = Kind::Link);

    Kind kind() const { return kind_; }

signals:
    void Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
};

}  // namespace trellan

#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace trellan {

class Platform;

// The About window.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(Platform& platform);

    void FormCreate();
    void Button1Click();

    QPlainTextEdit* Memo1;
    QPushButton* Button1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool fitted_ = false;
    bool outerSizeSet_ = false;
};

}  // namespace trellan

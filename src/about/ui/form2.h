#pragma once

#include <QWidget>

#include "common/ui/app_context.h"

class QPlainTextEdit;
class QPushButton;

namespace trellan {

// The About window.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    TForm2(AppContext& context, WindowSet& windows);

    void FormCreate();
    void Button1Click();

    QPlainTextEdit* Memo1;
    QPushButton* Button1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool fitted_ = false;
};

}  // namespace trellan

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

private:
    AppContext& context_;
};

}  // namespace trellan

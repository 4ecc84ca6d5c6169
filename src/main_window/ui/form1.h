#pragma once

#include <QWidget>

#include "common/ui/app_context.h"

namespace trellan {

// The main window. (Layout and behaviour to be filled in.)
class TForm1 : public QWidget {
    Q_OBJECT
public:
    TForm1(AppContext& context, WindowSet& windows);

    void FormCreate();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AppContext& context_;
    WindowSet& windows_;
};

}  // namespace trellan

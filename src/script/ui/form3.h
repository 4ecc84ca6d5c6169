#pragma once

#include <QWidget>

#include "common/ui/app_context.h"

class QPushButton;

namespace trellan {

class ScriptPreview;

// The script generator window. (Layout and behaviour to be filled in.)
class TForm3 : public QWidget {
    Q_OBJECT
public:
    TForm3(AppContext& context, WindowSet& windows);

    // Creation handler and reset routine.
    void FormCreate();

    ScriptPreview* Memo1;   // the script preview
    QPushButton* Button11;  // "Save"

private:
    AppContext& context_;
    WindowSet& windows_;
};

}  // namespace trellan

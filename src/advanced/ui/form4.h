#pragma once

#include <QWidget>

#include "common/ui/app_context.h"

namespace trellan {

class ScriptPreview;

// The advanced script generator window. (Layout and behaviour to be filled in.)
class TForm4 : public QWidget {
    Q_OBJECT
public:
    TForm4(AppContext& context, WindowSet& windows);

    void FormCreate();

    ScriptPreview* Memo1;  // the script preview

private:
    AppContext& context_;
    WindowSet& windows_;
};

}  // namespace trellan

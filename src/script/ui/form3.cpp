#include "script/ui/form3.h"

#include <QPushButton>

#include "script/ui/script_preview.h"

namespace trellan {

TForm3::TForm3(AppContext& context, WindowSet& windows)
    : QWidget(nullptr), context_(context), windows_(windows) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Calvorn Trellan - Script Generator"));
    Memo1 = new ScriptPreview(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Button11 = new QPushButton(QStringLiteral("Save"), this);
    Button11->setObjectName(QStringLiteral("Button11"));
}

void TForm3::FormCreate() {
    Memo1->empty();
    Button11->setEnabled(false);
}

}  // namespace trellan

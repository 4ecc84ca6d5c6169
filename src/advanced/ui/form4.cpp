#include "advanced/ui/form4.h"

#include "script/ui/script_preview.h"

namespace trellan {

TForm4::TForm4(AppContext& context, WindowSet& windows)
    : QWidget(nullptr), context_(context), windows_(windows) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Calvorn Trellan - Script Generator - Advanced..."));
    Memo1 = new ScriptPreview(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
}

void TForm4::FormCreate() {}

}  // namespace trellan

#include "main_window/ui/form1.h"

#include <QCloseEvent>
#include <QCoreApplication>

#include "common/app_title.h"

namespace trellan {

TForm1::TForm1(AppContext& context, WindowSet& windows)
    : QWidget(nullptr), context_(context), windows_(windows) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kAppTitle);
}

void TForm1::FormCreate() {}

void TForm1::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program, whatever else is open.
    event->accept();
    QCoreApplication::quit();
}

}  // namespace trellan

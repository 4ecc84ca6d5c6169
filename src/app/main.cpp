#include <QApplication>
#include <QDir>

#include "app/ui/first_paint_probe.h"
#include "app/ui/window_set.h"
#include "common/app_title.h"
#include "common/ui/qt_platform.h"
#include "main_window/ui/form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(trellan::kAppTitle);
    // Only the main window's closing ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    trellan::QtPlatform platform;
    trellan::AppContext context{platform, QDir::currentPath(),
                                QCoreApplication::applicationDirPath() + QLatin1Char('/')};
    trellan::Windows windows(context);
    trellan::reportFirstPaintIfAsked(windows.set().form1);
    windows.set().form1->show();
    return QApplication::exec();
}

// Opens the program's four windows side by side on the data in the current
// folder, so scripts/screenshots.sh can photograph each of them. The program
// itself shows only the main window.

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <array>

#include "about/ui/form2.h"
#include "advanced/ui/form4.h"
#include "app/ui/window_set.h"
#include "common/app_title.h"
#include "common/ui/qt_platform.h"
#include "common/ui/window_util.h"
#include "main_window/ui/form1.h"
#include "script/ui/form3.h"

namespace {

// Without a window manager windows that overlap would photograph each other,
// so lay them out left to right, wrapping at the screen's edge.
void tile(const std::array<QWidget*, 4>& windows) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    constexpr int kGap = 8;
    int x = area.left();
    int y = area.top();
    int rowHeight = 0;
    for (QWidget* window : windows) {
        const QSize size = window->frameGeometry().size();
        if (x > area.left() && x + size.width() > area.right()) {
            x = area.left();
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        window->move(x, y);
        x += size.width() + kGap;
        rowHeight = std::max(rowHeight, size.height());
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(trellan::kAppTitle);

    trellan::QtPlatform platform;
    trellan::AppContext context{platform, QDir::currentPath(),
                                QCoreApplication::applicationDirPath() + QLatin1Char('/')};
    trellan::Windows windows(context);
    trellan::WindowSet& set = windows.set();
    const std::array<QWidget*, 4> all = {set.form1, set.form2, set.form3, set.form4};
    for (QWidget* window : all) {
        trellan::showWindow(window);
    }
    QCoreApplication::processEvents();
    tile(all);
    return QApplication::exec();
}

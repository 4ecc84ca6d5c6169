#include <QApplication>
#include <QDir>
#include <cstdio>

#include "app/command_line.h"
#include "app/remembered_folder.h"
#include "app/ui/data_folder_dialog.h"
#include "app/ui/first_paint_probe.h"
#include "app/ui/quit_on_signal.h"
#include "app/ui/unattended_platform.h"
#include "app/ui/window_set.h"
#include "common/app_title.h"
#include "common/native_file.h"
#include "common/ui/qt_platform.h"
#include "main_window/ui/form1.h"

int main(int argc, char* argv[]) {
    // Parsed once, before the GUI exists: help, version and a refusal need no
    // display. The QApplication takes Qt's own options from argv after that.
    const trellan::CommandLine options =
        trellan::parseCommandLine(trellan::programArguments(argc, argv), QDir::currentPath());
    if (options.exitStatus) {
        trellan::native::attachParentConsole();
        std::FILE* stream = *options.exitStatus == 0 ? stdout : stderr;
        std::fputs(qPrintable(options.message), stream);
        std::fflush(stream);
        return *options.exitStatus;
    }
    QApplication app(argc, argv);
    const trellan::QuitOnSignal quitOnSignal;  // a signal ends the program between actions
    QApplication::setApplicationName(trellan::kAppTitle);
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TRELLAN_APP_ID));
    // Only the main window's closing ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    if (const auto why = trellan::sidestepBlockedQtSettings()) {
        trellan::native::attachParentConsole();
        std::fprintf(stderr, "trellan: the file dialogs' settings are not kept this time: %s.\n",
                     qPrintable(*why));
    }
    QString dataFolder = options.dataFolder.isEmpty() ? QDir::currentPath() : options.dataFolder;
    if (options.chooseFolder) {
        const auto chosen = trellan::chooseDataFolder(options.dataFolder);
        // A signal ends the dialog's loop: the program ends as it would from the window.
        if (const int number = quitOnSignal.received()) {
            return 128 + number;
        }
        if (!chosen) {
            return 0;
        }
        dataFolder = *chosen;
    }

    // Nobody answers a box when the first paint is reported: an error box is
    // printed instead and makes the exit status 1.
    const bool unattended = trellan::firstPaintReportAsked();
    trellan::QtPlatform desktop;
    trellan::UnattendedPlatform unattendedPlatform;
    trellan::Platform& platform =
        unattended ? static_cast<trellan::Platform&>(unattendedPlatform) : desktop;
    trellan::AppContext context{platform, dataFolder,
                                QCoreApplication::applicationDirPath() + QLatin1Char('/')};
    trellan::Windows windows(context);
    // A signal during a start-up error box ended only that box's loop.
    if (const int number = quitOnSignal.received()) {
        return 128 + number;
    }
    trellan::reportFirstPaintIfAsked(windows.set().form1);
    windows.set().form1->show();
    const int status = QApplication::exec();
    return status == 0 && unattendedPlatform.boxesShown() > 0 ? 1 : status;
}

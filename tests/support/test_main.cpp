#include <gtest/gtest.h>

#ifdef TRELLAN_GUI_TESTS
#include <QApplication>
#include <QStandardPaths>
#else
#include <QCoreApplication>
#endif

int main(int argc, char** argv) {
    // GUI tests run headless unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#if defined(TRELLAN_GUI_TESTS) && defined(Q_OS_WIN)
    // Offscreen Qt on Windows reads font files itself, by default from Qt's own
    // lib/fonts, which holds none: every text would then measure as boxes.
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")) {
        qputenv("QT_QPA_FONTDIR",
                QStandardPaths::writableLocation(QStandardPaths::FontsLocation).toLocal8Bit());
    }
#endif
#ifdef TRELLAN_GUI_TESTS
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
#else
    QCoreApplication app(argc, argv);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

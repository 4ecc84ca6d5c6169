#include <gtest/gtest.h>

#ifdef TRELLAN_GUI_TESTS
#include <QApplication>
#else
#include <QCoreApplication>
#endif

int main(int argc, char** argv) {
    // GUI tests run headless unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#if defined(TRELLAN_GUI_TESTS) && defined(Q_OS_WIN)
    // There the offscreen platform measures text only with the fonts of
    // QT_QPA_FONTDIR, which Wine does not pass on: those of the system's font
    // folder, as a user has them, rather than none at all.
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")) {
        qputenv("QT_QPA_FONTDIR", qgetenv("SystemRoot") + "\\Fonts");
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

// The start-up yardstick: a bare Qt window with as many widgets as Trellan's
// four windows, reporting its first paint the way Trellan does.
// Usage: bare_window WIDGET_COUNT
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "app/ui/first_paint_probe.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 100;
    QWidget window;
    window.resize(763, 315);
    for (int i = 1; i < count; ++i) {
        auto* label = new QLabel(QStringLiteral("Label %1").arg(i), &window);
        label->setGeometry((i % 8) * 95, (i / 8 % 20) * 15, 90, 14);
    }
    trellan::reportFirstPaint(&window);
    window.show();
    return QApplication::exec();
}

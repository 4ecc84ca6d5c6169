#include "common/ui/window_util.h"

#include <QFont>
#include <QStringList>
#include <QWidget>

namespace trellan {

void showWindow(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void removeMaximizeBox(QWidget* window) {
    window->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

QFont sansSerifFont(int pixelHeight) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Sans Serif")});
    font.setPixelSize(pixelHeight);
    return font;
}

}  // namespace trellan

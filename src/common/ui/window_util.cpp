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
    // Without the customize hint the window manager adds its own maximise box.
    const Qt::WindowFlags flags =
        (window->windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) &
        ~Qt::WindowMaximizeButtonHint;
    if (flags == window->windowFlags()) {
        return;
    }
    // Changing the flags hides a shown window; a second run must not make it vanish.
    const bool shown = window->isVisible();
    window->setWindowFlags(flags);
    if (shown) {
        window->show();
    }
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

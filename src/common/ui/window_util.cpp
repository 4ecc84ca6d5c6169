#include "common/ui/window_util.h"

#include <QColor>
#include <QFont>
#include <QPalette>
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

void fillBackground(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void paintAsWarning(QWidget* widget) {
    fillBackground(widget, QColor(255, 0, 0), widget->palette().color(QPalette::Base));
}

QStringList sansSerifFamilies() {
    return {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
            QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
}

QFont sansSerifFont(int pixelHeight) {
    QFont font;
    // The generic alias last, for a system with none of them.
    font.setFamilies(sansSerifFamilies() << QStringLiteral("Sans Serif"));
    font.setPixelSize(pixelHeight);
    return font;
}

}  // namespace trellan

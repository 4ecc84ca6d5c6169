#include "common/ui/window_util.h"

#include <QFont>
#include <QFontDatabase>
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

bool reachOuterSize(QWidget* window, const QSize& outer, const QSize& least) {
    const QSize frame = window->frameGeometry().size() - window->size();
    if (frame.isNull()) {
        return false;
    }
    const QSize client = (outer - frame).expandedTo(least);
    if (window->minimumSize() == window->maximumSize()) {
        window->setFixedSize(client);
    } else {
        window->resize(client);
    }
    return true;
}

QFont fontWithFallback(const QStringList& families, int pixelHeight, bool bold, bool italic) {
    // Naming one installed family spares the font matcher a search for each
    // missing one, which is what start-up time goes on.
    static const QStringList installed = QFontDatabase::families();
    QFont font;
    for (const QString& family : families) {
        if (installed.contains(family)) {
            font.setFamily(family);
            break;
        }
    }
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont sansSerifFont(int pixelHeight) {
    static const QStringList families = {
        QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
        QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    return fontWithFallback(families, pixelHeight);
}

}  // namespace trellan

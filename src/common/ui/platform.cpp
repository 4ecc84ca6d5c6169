#include "common/ui/platform.h"

#include <QDir>
#include <QFileInfo>

#include "common/app_title.h"
#include "common/box_text.h"
#include "common/failure.h"

namespace trellan {
namespace {

std::optional<QString> moveCurrentFolder(std::optional<QString> chosen) {
    if (chosen) {
        QDir::setCurrent(QFileInfo(*chosen).absolutePath());
    }
    return chosen;
}

}  // namespace

std::optional<QString> Platform::openFile(QWidget* owner, const FileDialogOptions& options) {
    return moveCurrentFolder(runOpenDialog(owner, options));
}

std::optional<QString> Platform::saveFile(QWidget* owner, const FileDialogOptions& options) {
    return moveCurrentFolder(runSaveDialog(owner, options));
}

void Platform::messageBox(QWidget* owner, const QString& title, const QString& text,
                          MessageIcon icon) {
    runMessageBox(owner, title, shortenedForBox(text), icon);
}

void Platform::showError(const QString& failureText) {
    messageBox(nullptr, kAppTitle, errorBoxText(failureText), MessageIcon::Error);
}

void Platform::errorBox(QWidget* owner, const QString& text) {
    messageBox(owner, QStringLiteral("Error"), text, MessageIcon::None);
}

}  // namespace trellan

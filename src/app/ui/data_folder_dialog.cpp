#include "app/ui/data_folder_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QSettings>

namespace trellan {

std::optional<QString> chooseDataFolder(const QString& startFolder) {
    // A fixed name: the application name is the window title, version included,
    // and the choice should outlive an upgrade.
    QSettings settings(QStringLiteral("trellan"), QStringLiteral("trellan"));
    const QString key = QStringLiteral("dataFolder");
    QString start = startFolder;
    if (start.isEmpty()) {
        start = settings.value(key, QDir::homePath()).toString();
    }
    const QString chosen = QFileDialog::getExistingDirectory(
        nullptr, QStringLiteral("Trellan - choose the data folder (with cda and tpa)"), start);
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    settings.setValue(key, chosen);
    return chosen;
}

}  // namespace trellan

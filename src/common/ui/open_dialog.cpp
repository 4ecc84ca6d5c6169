#include "common/ui/open_dialog.h"

#include <QDir>

#include "common/ui/platform.h"

namespace trellan {

std::optional<QString> OpenDialog::execute(Platform& platform, QWidget* owner) {
    std::optional<QString> chosen = platform.openFile(owner, {filter, fileName, folder, {}});
    folder = QDir::currentPath();
    return chosen;
}

}  // namespace trellan

#include "app/ui/data_folder_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <cstdio>

#include "app/remembered_folder.h"
#include "common/native_file.h"

namespace trellan {
namespace {

// The program goes on without what could not be remembered; the user is told why.
void warn(const QString& what, const QString& reason) {
    native::attachParentConsole();
    std::fprintf(stderr, "trellan: %s: %s.\n", qPrintable(what), qPrintable(reason));
    std::fflush(stderr);
}

}  // namespace

std::optional<QString> chooseDataFolder(const QString& startFolder) {
    const RememberedFolder remembered;
    QString start = startFolder;
    if (start.isEmpty()) {
        QString problem;
        start = remembered.read(&problem);
        if (!problem.isEmpty()) {
            warn(QStringLiteral("the folder chosen last time is not read"), problem);
        }
    }
    if (start.isEmpty()) {
        start = QDir::homePath();
    }
    const QString chosen = QFileDialog::getExistingDirectory(
        nullptr, QStringLiteral("Trellan - choose the data folder (with cda and tpa)"), start);
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    if (const auto problem = remembered.write(chosen)) {
        warn(QStringLiteral("the chosen data folder is not remembered"), *problem);
    }
    return chosen;
}

}  // namespace trellan

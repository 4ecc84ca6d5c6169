#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace trellan {

class Platform;

// A script window's open dialog: the filter and proposed file name set last, and
// the folder it starts in. Every run takes the next start folder from the current
// working folder, which a confirmed choice has moved to the chosen file's folder.
struct OpenDialog {
    QString filter;
    QString fileName;
    QString folder;

    // The confirmed name; nullopt when the user cancelled.
    std::optional<QString> execute(Platform& platform, QWidget* owner);
};

}  // namespace trellan

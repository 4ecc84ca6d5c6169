#pragma once

#include <QString>

#include "common/ui/platform.h"

namespace trellan {

// What the program gives its windows: the platform layer and the two folders
// the program's relative paths are resolved against.
struct AppContext {
    Platform& platform;
    // Current folder at start-up: "cda/models.cdt" and customize.xml live below it,
    // whatever folder a later file dialog makes current.
    QString startFolder;
    // Folder of the program's own file, with a trailing separator.
    QString programFolder;
};

}  // namespace trellan

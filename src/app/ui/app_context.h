#pragma once

#include <QString>

#include "common/ui/platform.h"

namespace trellan {

// What the program gives its windows: the platform layer and the two folders
// the program's relative paths are resolved against.
struct AppContext {
    Platform& platform;
    // The data folder: cda/models.cdt and tpa/preset/custom/customize.xml live
    // below it, whatever folder a later file dialog makes current. It is the
    // command line's FOLDER, or the folder chosen with --choose-folder, else the
    // current folder at start-up.
    QString dataFolder;
    // Folder of the program's own file, with a trailing separator.
    QString programFolder;
};

}  // namespace trellan

#pragma once

#include <QString>

#include "common/ui/platform.h"

namespace trellan {

class TForm1;
class TForm2;
class TForm3;
class TForm4;

// What every window is given: the platform layer and the two folders the
// program's relative paths are resolved against.
struct AppContext {
    Platform& platform;
    // Current folder at start-up: "cda/models.cdt" and customize.xml live below it,
    // whatever folder a later file dialog makes current.
    QString startFolder;
    // Folder of the program's own file, with a trailing separator.
    QString programFolder;
};

// The four long-lived windows; they reach each other through it.
struct WindowSet {
    TForm1* form1 = nullptr;
    TForm2* form2 = nullptr;
    TForm3* form3 = nullptr;
    TForm4* form4 = nullptr;
};

}  // namespace trellan

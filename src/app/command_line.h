#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace trellan {

// What the command line `trellan [--choose-folder] [FOLDER]` asks for.
struct CommandLine {
    // Set when the program ends at once with this status: 0 for --help and
    // --version (the message goes to stdout), 2 for a refused command line
    // (the message goes to stderr). No window is opened then.
    std::optional<int> exitStatus;
    QString message;
    // FOLDER made absolute: the main window finds cda/ and tpa/ below it.
    // Empty when none is given, which leaves the current folder in its place.
    QString dataFolder;
    // Ask for the data folder with a folder dialog before the windows are
    // created; the dialog starts at FOLDER when one is given.
    bool chooseFolder = false;
    // The refusal is an option this parser does not know; it may be one of Qt's own
    // (-platform, -style), which only the GUI application takes away.
    bool unknownOption = false;
};

// `arguments` as QCoreApplication::arguments() gives them, the program first.
CommandLine parseCommandLine(const QStringList& arguments, const QString& currentFolder);

}  // namespace trellan

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace trellan {

// One argument of the program as the system handed it over.
struct Argument {
    QString text;
    // False for an argument whose bytes are not valid in the system's character
    // set (Unix only): `text` then shows them, each invalid byte as \xHH, and
    // names no file the program could open.
    bool exact = true;
};

// What the command line `trellan [--choose-folder] [FOLDER]` asks for.
struct CommandLine {
    // Set when the program ends at once with this status: 0 for --help, /? and
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
};

// The arguments main() was given, the program first: on Windows the UTF-16
// command line (argv is in the ANSI code page there), elsewhere argv's bytes.
QList<Argument> programArguments(int argc, char** argv);

// An argument's bytes read as a file name is (Unix).
Argument decodeArgument(const QByteArray& bytes);

// Decides before the GUI exists, so that help, version and a refusal need no
// display. Qt's own options (-platform, -style, ...) are passed over: the
// QApplication takes them from argv.
CommandLine parseCommandLine(const QList<Argument>& arguments, const QString& currentFolder);

}  // namespace trellan

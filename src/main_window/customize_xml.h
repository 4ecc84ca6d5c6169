#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "common/lines.h"

namespace trellan {

// What "Update customize.xml" puts into the file, as the catalogue's bytes.
struct CustomizeValues {
    QByteArray cdaNumber;
    QByteArray revision;
    QByteArray model;
    QByteArray country;
    QByteArray operatorName;
    QByteArray fileSystem;
    bool cameraSoundOn = false;
};

// The settings the file holds, one per fixed line position.
enum class CustomizeSetting {
    CdaNumber,
    Revision,
    Model,
    Country,
    Operator,
    FileSystem,
    CameraSound,
};

// Path of customize.xml below `dataFolder`.
QString customizeXmlPath(const QString& dataFolder);

// Replaces the fixed lines of the template with the values, unescaped. A
// position past the end is left out (the template never grows), except the
// one empty position after a final line break, which takes the line and then
// ends the file without a break. Returns the settings that had no line.
std::vector<CustomizeSetting> applyCustomization(Lines& templateLines,
                                                 const CustomizeValues& values);

// Puts the values into the template lines and replaces the file at `path`
// whole with them. The template keeps the replaced lines even when the write
// fails (Failure "Cannot create file ..."). Returns the settings not written.
std::vector<CustomizeSetting> writeCustomizeXml(const QString& path, Lines& templateLines,
                                                const CustomizeValues& values);

// The status bar text after a write; names the settings the template had no line for.
QString customizeSavedStatus(const std::vector<CustomizeSetting>& notWritten);

}  // namespace trellan

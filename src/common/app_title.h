#pragma once

#include <QString>

namespace trellan {

// TRELLAN_VERSION comes from the version in CMake's project().

// Title of the application and of message boxes that have no title of their own.
inline const QString kAppTitle = QStringLiteral("Calvorn Trellan v" TRELLAN_VERSION);

// What --version prints.
inline const QString kVersionText = QStringLiteral("Trellan " TRELLAN_VERSION);

}  // namespace trellan

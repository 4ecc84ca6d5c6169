#pragma once

#include <QString>

namespace trellan {

// Title of the application and of message boxes that have no title of their own.
inline const QString kAppTitle = QStringLiteral("Calvorn Trellan v2.05");

}  // namespace trellan

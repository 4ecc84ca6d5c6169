#pragma once

#include <QString>

namespace trellan {

// The maker's addresses shown by the main window's link labels, and their targets.
inline const QString kMakerWebAddress = QStringLiteral("https://calvorn.example/");
inline const QString kMakerMailAddress = QStringLiteral("me@calvorn.example");
inline const QString kSetool2Page = QStringLiteral("https://setool.example/setool2/");

}  // namespace trellan

#pragma once

#include <QStringList>

namespace trellan {

// The ten lines of the About window.
QStringList aboutLines();

}  // namespace trellan

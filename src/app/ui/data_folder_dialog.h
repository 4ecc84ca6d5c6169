#pragma once

#include <QString>
#include <optional>

namespace trellan {

// Asks for the data folder with a folder dialog that starts at `startFolder`,
// or when that is empty at the folder chosen last time (else the home folder),
// and remembers the choice (RememberedFolder). A store that cannot be read or
// written is told on stderr and the program goes on. nullopt when the user
// cancels.
std::optional<QString> chooseDataFolder(const QString& startFolder);

}  // namespace trellan

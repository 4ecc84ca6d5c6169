#pragma once

#include <QString>
#include <optional>

#include "common/path_style.h"

namespace trellan::script {

// The file a chosen file needs beside it, of the same path and name: the AMR
// sound of a MIDI file (".mid" -> ".amr"), the T9 dictionary of a language
// file (".lng" -> ".t9"). The chosen file's own extension is replaced whatever
// it is, so a refused RING.MID still finds RING.amr.
enum class Companion { Amr, T9 };

// The companion's path when that file exists; nullopt when it does not.
std::optional<QString> findCompanion(const QString& path, Companion companion,
                                     PathStyle style = nativePathStyle());

// The "Error" box text for a missing companion.
QString missingCompanionText(Companion companion);

}  // namespace trellan::script

#pragma once

#include "common/ui/accessibility.h"

namespace trellan {

// What a screen reader says for the About window's controls.
inline constexpr ControlText kForm2Texts[] = {
    {"Memo1", "About text"},
    {"Button1", "Close About window"},
};

}  // namespace trellan

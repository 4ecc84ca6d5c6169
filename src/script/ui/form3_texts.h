#pragma once

#include "common/ui/accessibility.h"

namespace trellan {

// What a screen reader says for the script generator's controls and icons.
inline constexpr ControlText kForm3Texts[] = {
    {"Sms1", "Message alert 1 file"},
    {"Button1", "Open message alert 1"},
    {"Write1", "Message alert 1 MIDI"},
    {"AMR1", "Message alert 1 AMR"},
    {"Sms2", "Message alert 2 file"},
    {"Button2", "Open message alert 2"},
    {"Write2", "Message alert 2 MIDI"},
    {"AMR2", "Message alert 2 AMR"},
    {"Sms3", "Message alert 3 file"},
    {"Button3", "Open message alert 3"},
    {"Write3", "Message alert 3 MIDI"},
    {"AMR3", "Message alert 3 AMR"},
    {"Sms4", "Message alert 4 file"},
    {"Button4", "Open message alert 4"},
    {"Write4", "Message alert 4 MIDI"},
    {"AMR4", "Message alert 4 AMR"},
    {"Sms5", "Message alert 5 file"},
    {"Button5", "Open message alert 5"},
    {"Write5", "Message alert 5 MIDI"},
    {"AMR5", "Message alert 5 AMR"},
    {"Sms6", "Message alert 6 file"},
    {"Button6", "Open message alert 6"},
    {"Write6", "Message alert 6 MIDI"},
    {"AMR6", "Message alert 6 AMR"},
    {"RadioButton3", "Keep original camera sound"},
    {"RadioButton1", "Delete camera sound"},
    {"RadioButton2", "Replace camera sound"},
    {"Image1", "Camera", "Camera"},
    {"Image2", "Camera sound", "Camera sound kept"},
    {"Image3", "Camera sound", "Camera sound deleted"},
    {"Image4", "Camera sound", "Camera sound replaced"},
    {"CameraLabel", "Camera sound file"},
    {"Button7", "Open camera sound"},
    {"Button10", "Generate script"},
    {"Button12", "Add more commands"},
    {"Button11", "Save script"},
    {"Button8", "Reset"},
    {"Button9", "Close script generator"},
    {"Memo1", "Script preview"},
};

}  // namespace trellan

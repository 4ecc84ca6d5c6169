#pragma once

#include "common/ui/accessibility.h"

namespace trellan {

// What a screen reader says for the advanced window's controls.
inline constexpr ControlText kForm4Texts[] = {
    // Change files.
    {"RadioButton1", "Change sounds"},
    {"RadioButton2", "Change frames"},
    {"RadioButton3", "Change clipart"},
    {"RadioButton5", "Add new frames"},
    {"RadioButton4", "Change funlayer"},
    {"ComboBox1", "Internal file name"},
    {"LabeledEdit1", "New file"},
    {"Button1", "Open new file"},
    {"Button2", "Add file change"},
    {"Button3", "Reset file change"},
    // Change bandlocks.
    {"ComboBox2", "Band lock"},
    {"Button4", "Add band lock"},
    // More options.
    {"CheckBox1", "Change CDA"},
    {"Edit2", "CDA number"},
    {"Edit6", "CDA revision"},
    {"Button12", "CDA from list"},
    {"CheckBox2", "Change revision"},
    {"Edit3", "Revision"},
    {"Button14", "Revision from list"},
    {"CheckBox3", "Change '1E0W'"},
    {"Edit4", "'1E0W'"},
    {"CheckBox4", "Change LP info"},
    {"Edit5", "LP info"},
    {"CheckBox5", "Fix Z1010 voice control"},
    {"CheckBox6", "Enable channel + battery info"},
    {"Button8", "Add these options"},
    // Languages.
    {"RadioButton6", "Standard language file"},
    {"RadioButton7", "Write T9 only"},
    {"CheckBox7", "Write T9 file"},
    {"LabeledEdit2", "Language file"},
    {"Button9", "Open language file"},
    {"LabeledEdit3", "Single T9 file"},
    {"Button11", "Open single T9 file"},
    {"Button10", "Add languages"},
    // Delete file.
    {"RadioButton8", "Delete sound"},
    {"RadioButton9", "Delete clipart"},
    {"RadioButton11", "Delete funlayer"},
    {"RadioButton10", "Delete frame"},
    {"RadioButton12", "Delete language / T9"},
    {"Edit7", "File name to delete"},
    {"Button13", "Add command to delete the file"},
    // Status, preview and closing.
    {"Memo3", "Status"},
    {"Memo1", "Script preview"},
    {"Button6", "Clear script preview"},
    {"Button7", "Cancel"},
    {"Button5", "OK, back to the script generator"},
};

}  // namespace trellan

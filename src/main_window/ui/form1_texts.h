#pragma once

#include "common/ui/accessibility.h"

namespace trellan {

// What a screen reader says for the main window's controls and pictures. The
// phone pictures' descriptions follow the chosen model.
inline constexpr ControlText kForm1Texts[] = {
    {"Image1", "Logo", "Calvorn Mobile Solutions"},
    {"Label11", "setool2 web page"},
    {"Panel6", "About Trellan"},
    {"ListBox1", "Models"},
    {"ListBox2", "File systems"},
    {"Label5", "Calvorn web page"},
    {"Label6", "Mail to Calvorn"},
    {"CameraOn", "Camera shutter sound on"},
    {"CameraOff", "Camera shutter sound off in silent mode"},
    {"K750", "Phone picture", "Picture of the K750"},
    {"K700", "Phone picture", "Picture of the K700"},
    {"K500", "Phone picture", "Picture of the K500"},
    {"S700", "Phone picture", "Picture of the S700"},
    {"V800", "Phone picture", "Picture of the V800"},
    {"Z1010", "Phone picture", "Picture of the Z1010"},
    {"Z800", "Phone picture", "Picture of the Z800"},
    {"NoImage", "Phone picture", "No phone model chosen"},
    {"Button1", "Update customize.xml"},
    {"Button2", "Clear all fields"},
    {"Button3", "Script generator"},
    {"Cam", "Camera", "Camera"},
    {"CamOn", "Camera shutter sound", "Camera shutter sound on"},
    {"CamOff", "Camera shutter sound", "Camera shutter sound off in silent mode"},
};

}  // namespace trellan

#include "script/script_lines.h"

#include <gtest/gtest.h>

namespace trellan::script {
namespace {

const QString kMid1 = QStringLiteral("/tpa/preset/system/sound/messagealert1.mid");
const QString kAmr1 = QStringLiteral("/tpa/preset/system/sound/messagealert1.amr");

struct GroupCase {
    const char* name;
    QStringList lines;
    QStringList expected;
};

class LineGroups : public ::testing::TestWithParam<GroupCase> {};

TEST_P(LineGroups, WriteTheLinesInOrder) { EXPECT_EQ(GetParam().lines, GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Groups, LineGroups,
    ::testing::Values(
        GroupCase{"replacement",
                  replacement(kMid1, "C:\\Tones\\beep.mid"),
                  {"deletefile:/tpa/preset/system/sound/messagealert1.mid", "C:\\Tones\\beep.mid",
                   "/tpa/preset/system/sound/messagealert1.mid"}},
        GroupCase{"replacement_keeps_blanks_and_an_empty_path",
                  replacement(kClipartFolder + "a b.png", "") +
                      replacement(kLanguageFolder + "x.lng", "D:\\My Files\\x.lng"),
                  {"deletefile:/tpa/preset/system/multimedia/pe/clipart/a b.png", "",
                   "/tpa/preset/system/multimedia/pe/clipart/a b.png",
                   "deletefile:/tpa/preset/system/language/x.lng", "D:\\My Files\\x.lng",
                   "/tpa/preset/system/language/x.lng"}},
        GroupCase{
            "sound_replacement_adds_the_amr_companion",
            soundReplacement(kSoundFolder + "ring.mid", "C:\\Tones\\My beep.mid",
                             "C:\\Tones\\My beep.amr"),
            {"deletefile:/tpa/preset/system/sound/ring.mid", "C:\\Tones\\My beep.mid",
             "/tpa/preset/system/sound/ring.mid", "deletefile:/tpa/preset/system/sound/ring.amr",
             "C:\\Tones\\My beep.amr", "/tpa/preset/system/sound/ring.amr"}},
        GroupCase{"new_file_has_nothing_to_delete",
                  newFile(kFramesFolder + "f.png", "C:\\f.png"),
                  {"C:\\f.png", "/tpa/preset/system/multimedia/pe/frames/f.png"}},
        GroupCase{"delete_and_gdfs_write",
                  {deleteLine(kFunlayerFolder + "l.png"), gdfsWriteLine("000000AA", "0102FF")},
                  {"deletefile:/tpa/preset/system/multimedia/pe/funlayer/l.png",
                   "gdfswrite:000000AA0102FF"}},
        GroupCase{"fixed_sound_names",
                  {messageAlertPath(6, kAmrExtension), cameraShutterPath(kMidExtension)},
                  {"/tpa/preset/system/sound/messagealert6.amr",
                   "/tpa/preset/system/sound/camerashutter.mid"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ExtensionCase {
    QString path;
    PathStyle style;
    QString extension;
    QString amr;
    QString fileName;
};

TEST(ExtensionHelpers, LookOnlyAtTheFileName) {
    const PathStyle w = PathStyle::Windows;
    const PathStyle p = PathStyle::Posix;
    const std::vector<ExtensionCase> cases = {
        {"C:\\Tones\\beep.mid", w, ".mid", "C:\\Tones\\beep.amr", "beep.mid"},
        {"C:\\Tones\\RING.MID", w, ".MID", "C:\\Tones\\RING.amr", "RING.MID"},
        {"C:\\Tones.d\\ring", w, "", "C:\\Tones.d\\ring.amr", "ring"},
        {"C:\\Tones\\a.b.mid", w, ".mid", "C:\\Tones\\a.b.amr", "a.b.mid"},
        {"C:\\Tones\\.mid", w, ".mid", "C:\\Tones\\.amr", ".mid"},
        {"C:\\Tones\\ring.", w, ".", "C:\\Tones\\ring.amr", "ring."},
        {"C:ring.mid", w, ".mid", "C:ring.amr", "ring.mid"},
        {"C:\\a.d/ring", w, "", "C:\\a.d/ring.amr", "ring"},
        {"C:\\a.mid:x", w, ".mid:x", "C:\\a.amr", "a.mid:x"},  // ":" parts only the drive
        {"", w, "", ".amr", ""},
        {"/home/me.d/ring", p, "", "/home/me.d/ring.amr", "ring"},
        {"/music/a:b.mid", p, ".mid", "/music/a:b.amr", "a:b.mid"},
        {"/music/my tune.mid", p, ".mid", "/music/my tune.amr", "my tune.mid"},
    };
    for (const ExtensionCase& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        EXPECT_EQ(extensionOf(c.path, c.style), c.extension);
        EXPECT_EQ(withExtension(c.path, kAmrExtension, c.style), c.amr);
        EXPECT_EQ(fileNameOf(c.path, c.style), c.fileName);
    }
}

TEST(SoundScript, WorkedExampleAlertOneAndCameraDeleted) {
    SoundChoices choices;
    choices.alerts[0] = {true, "C:\\Tones\\beep.mid", true, "C:\\Tones\\beep.amr"};
    choices.camera = CameraSound::Delete;
    EXPECT_EQ(soundScript(choices),
              QStringList({"deletefile:/tpa/preset/system/sound/messagealert1.mid",
                           "C:\\Tones\\beep.mid", "/tpa/preset/system/sound/messagealert1.mid",
                           "deletefile:/tpa/preset/system/sound/messagealert1.amr",
                           "C:\\Tones\\beep.amr", "/tpa/preset/system/sound/messagealert1.amr",
                           "deletefile:/tpa/preset/system/sound/camerashutter.mid",
                           "deletefile:/tpa/preset/system/sound/camerashutter.amr"}));
}

TEST(SoundScript, WritesOnlyTickedHalvesInAlertOrderThenTheCamera) {
    SoundChoices choices;
    choices.alerts[5] = {true, "C:\\6.mid", false, "C:\\6.amr"};
    choices.alerts[1] = {false, "C:\\2.mid", true, "C:\\2.amr"};
    choices.alerts[3] = {false, "C:\\4.mid", false, "C:\\4.amr"};
    choices.camera = CameraSound::Replace;
    choices.cameraMidiPath = "C:\\cam\\click.mid";
    choices.cameraAmrPath = "C:\\other\\shot.amr";  // kept as given, not derived
    EXPECT_EQ(soundScript(choices),
              QStringList({"deletefile:/tpa/preset/system/sound/messagealert2.amr", "C:\\2.amr",
                           "/tpa/preset/system/sound/messagealert2.amr",
                           "deletefile:/tpa/preset/system/sound/messagealert6.mid", "C:\\6.mid",
                           "/tpa/preset/system/sound/messagealert6.mid",
                           "deletefile:/tpa/preset/system/sound/camerashutter.mid",
                           "C:\\cam\\click.mid", "/tpa/preset/system/sound/camerashutter.mid",
                           "deletefile:/tpa/preset/system/sound/camerashutter.amr",
                           "C:\\other\\shot.amr", "/tpa/preset/system/sound/camerashutter.amr"}));
}

TEST(SoundScript, KeepingTheCameraWithNothingTickedWritesNothing) {
    SoundChoices choices;
    choices.alerts[2] = {false, "C:\\3.mid", false, "C:\\3.amr"};
    choices.cameraMidiPath = "C:\\cam.mid";
    choices.cameraAmrPath = "C:\\cam.amr";
    EXPECT_TRUE(soundScript(choices).isEmpty());
}

}  // namespace
}  // namespace trellan::script

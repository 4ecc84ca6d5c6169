#include <gtest/gtest.h>

#include <vector>

#include "advanced/file_change.h"
#include "advanced/language_delete.h"
#include "script/script_lines.h"

namespace trellan::advanced {
namespace {

TEST(FileChangeLines, NamesComeFromTheListAndTheLocalFilesLastComponent) {
    struct Case {
        const char* name;
        FileChangeMode mode;
        QString entry;
        QString local;
        QString amr;
        QStringList lines;
    };
    const QString sound = "/tpa/preset/system/sound/";
    const QString frames = "/tpa/preset/system/multimedia/pe/frames/";
    const std::vector<Case> cases = {
        {"sound_dotted_entry",
         FileChangeMode::ChangeSounds,
         "my.ring.mid",
         "C:\\a b\\t.mid",
         "C:\\a b\\t.amr",
         {"deletefile:" + sound + "my.ring.mid", "C:\\a b\\t.mid", sound + "my.ring.mid",
          "deletefile:" + sound + "my.ring.amr", "C:\\a b\\t.amr", sound + "my.ring.amr"}},
        {"sound_entry_without_extension",
         FileChangeMode::ChangeSounds,
         "bell",
         "C:\\v1.2\\t",
         "C:\\v1.2\\t.amr",
         {"deletefile:" + sound + "bell", "C:\\v1.2\\t", sound + "bell",
          "deletefile:" + sound + "bell.amr", "C:\\v1.2\\t.amr", sound + "bell.amr"}},
        {"sound_entry_is_a_phone_name_where_only_slash_parts",
         FileChangeMode::ChangeSounds,
         "v1.0\\bell",
         "C:\\t.mid",
         "C:\\t.amr",
         {"deletefile:" + sound + "v1.0\\bell", "C:\\t.mid", sound + "v1.0\\bell",
          "deletefile:" + sound + "v1.amr", "C:\\t.amr", sound + "v1.amr"}},
        {"frame_replaced_under_the_entry",
         FileChangeMode::ChangeFrames,
         "frame1.png",
         "C:\\x\\other.png",
         "",
         {"deletefile:" + frames + "frame1.png", "C:\\x\\other.png", frames + "frame1.png"}},
        {"new_frame_under_its_own_name",
         FileChangeMode::AddNewFrames,
         "ignored.png",
         "C:\\pics.v2\\new pic.png",
         "",
         {"C:\\pics.v2\\new pic.png", frames + "new pic.png"}},
        {"new_frame_drive_relative",
         FileChangeMode::AddNewFrames,
         "",
         "D:bg.png",
         "",
         {"D:bg.png", frames + "bg.png"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fileChangeLines(c.mode, c.entry, c.local, c.amr, PathStyle::Windows), c.lines)
            << c.name;
    }
    EXPECT_EQ(addedStatus("C:\\v1.2\\my tone.mid", PathStyle::Windows),
              "Added my tone.mid successfully!");
}

// The extension decides what Open accepts and where the AMR and T9 companions are.
TEST(LocalFileNames, ADotInAFolderIsNoExtension) {
    struct Case {
        QString path;
        QString extension;
        QString t9;
    };
    const std::vector<Case> cases = {
        {"D:\\lang\\czech.lng", ".lng", "D:\\lang\\czech.t9"},
        {"D:\\lang.v2\\czech", "", "D:\\lang.v2\\czech.t9"},
        {"D:\\lang\\czech.old.lng", ".lng", "D:\\lang\\czech.old.t9"},
        {"D:\\lang\\CZECH.LNG", ".LNG", "D:\\lang\\CZECH.t9"},
        {"D:czech.lng", ".lng", "D:czech.t9"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(script::extensionOf(c.path, PathStyle::Windows), c.extension)
            << c.path.toStdString();
        EXPECT_EQ(script::withExtension(c.path, ".t9", PathStyle::Windows), c.t9)
            << c.path.toStdString();
    }
    EXPECT_EQ(languageLines("D:czech.lng", PathStyle::Windows),
              (QStringList{"deletefile:/tpa/preset/system/language/czech.lng", "D:czech.lng",
                           "/tpa/preset/system/language/czech.lng"}));
}

TEST(DeleteName, RefusesNamesThatMakeNoFileInTheKindsFolder) {
    using P = DeleteNameProblem;
    struct Case {
        DeleteKind kind;
        QString name;
        DeleteNameProblem problem;
    };
    const std::vector<Case> cases = {
        {DeleteKind::Sound, "a.mid", P::None},
        {DeleteKind::Sound, " ", P::None},
        {DeleteKind::Sound, "", P::Empty},
        {DeleteKind::Sound, ".mid / .amr", P::StillHint},
        {DeleteKind::Language, ".lng / .t9", P::StillHint},
        {DeleteKind::Frame, ".png", P::StillHint},
        {DeleteKind::Sound, ".png", P::None},  // another kind's hint is a name here
        {DeleteKind::Clipart, "../sound/a.mid", P::LeavesFolder},
        {DeleteKind::Funlayer, "sub\\f.png", P::LeavesFolder},
        {DeleteKind::Frame, "bg.png/", P::LeavesFolder},
        {DeleteKind::Sound, ".", P::LeavesFolder},
        {DeleteKind::Language, "..", P::LeavesFolder},
        {DeleteKind::Sound, "...", P::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(deleteNameProblem(c.kind, c.name), c.problem) << c.name.toStdString();
    }
}

}  // namespace
}  // namespace trellan::advanced

#include <QTest>

#include "advanced_fixture.h"
#include "common/short_path.h"
#include "support/code_page.h"

namespace trellan::testing {
namespace {

using FileChange = AdvancedTest;

const char* kAmrMessage =
    "Could not open .amr file! Note: .amr and .mid file must have same filename!";

TEST_F(FileChange, ChangeSoundsWritesSixLinesWithTheAmrCompanion) {
    create();
    openFromGenerator();
    const QString mid = file("tones/my tone.mid");
    const QString amr = file("tones/my tone.amr");
    pick(form4()->ComboBox1, 1);
    platform_.openAnswers.push_back(mid);
    click(form4()->Button1);
    ASSERT_TRUE(form4()->Button2->isEnabled());
    EXPECT_EQ(form4()->LabeledEdit1->toolTip(), mid);
    click(form4()->Button2);

    EXPECT_EQ(previewLines(), (QStringList{"deletefile:/tpa/preset/system/sound/ring2.mid", mid,
                                           "/tpa/preset/system/sound/ring2.mid",
                                           "deletefile:/tpa/preset/system/sound/ring2.amr", amr,
                                           "/tpa/preset/system/sound/ring2.amr"}));
    EXPECT_EQ(statusLines(), QStringList{"Added my tone.mid successfully!"});
    EXPECT_TRUE(platform_.boxes().empty());
    // Back in Change Sounds with nothing chosen.
    EXPECT_TRUE(form4()->RadioButton1->isChecked());
    EXPECT_EQ(form4()->ComboBox1->currentIndex(), 0);
    EXPECT_FALSE(form4()->Button2->isEnabled());
    EXPECT_EQ(form4()->LabeledEdit1->text(), "");
    EXPECT_EQ(form4()->LabeledEdit1->toolTip(), mid);
    EXPECT_TRUE(form4()->Button5->isEnabled());
}

struct ModeCase {
    const char* name;
    const char* radio;
    const char* pattern;
    QStringList lines;  // %1 stands for the local file
};

class FileChangeModes : public AdvancedTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(FileChangeModes, AddWritesTheModesLines) {
    const ModeCase& c = GetParam();
    create();
    openFromGenerator();
    click(child<QRadioButton>(form4(), c.radio));
    ASSERT_TRUE(platform_.boxes().empty());
    const QString local = file(QStringLiteral("pics/new pic.png"));
    platform_.openAnswers.push_back(local);
    click(form4()->Button1);
    ASSERT_EQ(platform_.openRequests.size(), 1u);
    EXPECT_EQ(platform_.openRequests[0].filter, c.pattern);
    EXPECT_EQ(platform_.openRequests[0].fileName, c.pattern);
    click(form4()->Button2);
    QStringList expected;
    for (const QString& line : c.lines) expected << (line == "%1" ? local : line);
    EXPECT_EQ(previewLines(), expected);
    EXPECT_EQ(statusLines(), QStringList{"Added new pic.png successfully!"});
    EXPECT_TRUE(form4()->RadioButton1->isChecked());
    EXPECT_TRUE(form4()->ComboBox1->isEnabled());
    EXPECT_EQ(items(form4()->ComboBox1), (QStringList{"ring1.mid", "ring2.mid"}));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, FileChangeModes,
    ::testing::Values(ModeCase{"clipart",
                               "RadioButton3",
                               "*.png",
                               {"deletefile:/tpa/preset/system/multimedia/pe/clipart/clip1.png",
                                "%1", "/tpa/preset/system/multimedia/pe/clipart/clip1.png"}},
                      ModeCase{"frames",
                               "RadioButton2",
                               "*.png",
                               {"deletefile:/tpa/preset/system/multimedia/pe/frames/frame1.png",
                                "%1", "/tpa/preset/system/multimedia/pe/frames/frame1.png"}},
                      ModeCase{"funlayer",
                               "RadioButton4",
                               "*.png",
                               {"deletefile:/tpa/preset/system/multimedia/pe/funlayer/fun1.png",
                                "%1", "/tpa/preset/system/multimedia/pe/funlayer/fun1.png"}},
                      ModeCase{"new_frame",
                               "RadioButton5",
                               "*.png",
                               {"%1", "/tpa/preset/system/multimedia/pe/frames/new pic.png"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileChange, DialogUsesTheListsExtensionAndTheLastFolder) {
    create();
    const QString mid = file("a/b/t.mid");
    file("a/b/t.amr");
    platform_.openAnswers = {mid, std::nullopt};
    click(form4()->Button1);
    click(form4()->Button1);
    ASSERT_EQ(platform_.openRequests.size(), 2u);
    EXPECT_EQ(platform_.openRequests[0].filter, "*.mid");
    EXPECT_EQ(platform_.openRequests[0].fileName, "*.mid");
    EXPECT_EQ(platform_.openRequests[0].startFolder, "");
    EXPECT_EQ(QDir(platform_.openRequests[1].startFolder), QDir(path("a/b")));
}

TEST_F(FileChange, OpenRefusals) {
    create();
    platform_.openAnswers = {file("t/lonely.mid")};
    click(form4()->Button1);  // no AMR companion beside it
    EXPECT_FALSE(form4()->Button2->isEnabled());
    click(form4()->RadioButton3);
    const QString capitals = file("p/PIC.PNG");
    const QString good = file("p/pic.png");
    // Wrong extension (letter case counts), a cancelled dialog, a missing file.
    platform_.openAnswers = {good, capitals, std::nullopt, path("p/none.png")};
    click(form4()->Button1);
    ASSERT_TRUE(form4()->Button2->isEnabled());
    for (int i = 0; i < 3; ++i) {
        click(form4()->Button1);
        EXPECT_FALSE(form4()->Button2->isEnabled());
        EXPECT_EQ(form4()->LabeledEdit1->text(), "");
    }
    EXPECT_EQ(errorTexts(),
              (QStringList{kAmrMessage,
                           "Could not open file! Must be right format and have .png extension!"}));
}

TEST_F(FileChange, ShowsTheFileShortenedTo100Pixels) {
    create();
    const QString mid = file("some/deep/folder/chain/of/names/tone.mid");
    file("some/deep/folder/chain/of/names/tone.amr");
    platform_.openAnswers = {mid};
    click(form4()->Button1);
    const QFontMetrics metrics(form4()->LabeledEdit1->label->font());
    const auto width = [&](const QString& s) { return metrics.horizontalAdvance(s); };
    EXPECT_EQ(form4()->LabeledEdit1->text(), shortenedPath(mid, 100, width));
    EXPECT_NE(form4()->LabeledEdit1->text(), shortenedPath(mid, 140, width));
}

TEST_F(FileChange, UserChangingTheListForgetsTheFileButTheProgramDoesNot) {
    create();
    platform_.openAnswers = {file("t/x.mid"), file("t/x.mid")};
    file("t/x.amr");
    click(form4()->Button1);
    // Picking the shown entry from the drop-down again changes nothing.
    emit form4()->ComboBox1->activated(0);
    EXPECT_TRUE(form4()->Button2->isEnabled());
    form4()->ComboBox1->setCurrentIndex(1);  // the program's change: no handler
    EXPECT_TRUE(form4()->Button2->isEnabled());
    pick(form4()->ComboBox1, 0);
    EXPECT_FALSE(form4()->Button2->isEnabled());
    EXPECT_EQ(form4()->LabeledEdit1->text(), "");

    click(form4()->Button1);
    ASSERT_TRUE(form4()->Button2->isEnabled());
    QTest::keyClicks(form4()->ComboBox1->lineEdit(), "typed");
    EXPECT_FALSE(form4()->Button2->isEnabled());
}

// A catalogue line whose bytes the preview's text cannot carry is refused; one it can
// carry reaches the saved script byte for byte.
TEST_F(FileChange, CatalogueBytesReachTheScriptUnchangedOrNotAtAll) {
    if (systemCodePage() == CodePage::Other) GTEST_SKIP() << kOtherCodePage;
    // A lone 0xA9 is no UTF-8; in Windows-1252 every byte is a character (0xA9 is "\u00a9").
    const bool loneBytePasses = systemCodePage() == CodePage::Windows1252;
    writeFile(dir_.path(), "cda/sound.cdt", "bad\xA9.mid\r\ngood\xC3\xA9.mid\r\n");
    writeFile(dir_.path(), "cda/bandlock.cdt",
              "30\xA9"
              "31\r\nBad\r\n30\xC3\xA9"
              "31\r\nGood\r\n#\r\n");
    create();
    openFromGenerator();
    const QString mid = file("t/x.mid");
    file("t/x.amr");
    platform_.openAnswers = {mid, mid};
    click(form4()->Button1);
    click(form4()->Button2);  // entry 0
    form4()->ComboBox2->setCurrentIndex(0);
    click(form4()->Button4);
    if (loneBytePasses) {
        EXPECT_TRUE(platform_.boxes().empty());
    } else {
        const QStringList errors = errorTexts();
        ASSERT_EQ(errors.size(), 2);
        EXPECT_TRUE(errors[0].contains("sound.cdt")) << errors[0].toStdString();
        EXPECT_TRUE(errors[1].contains("bandlock.cdt")) << errors[1].toStdString();
        EXPECT_EQ(preview(), "");
        EXPECT_FALSE(form4()->Button5->isEnabled());
    }

    pick(form4()->ComboBox1, 1);
    click(form4()->Button1);
    click(form4()->Button2);
    form4()->ComboBox2->setCurrentIndex(1);
    click(form4()->Button4);
    EXPECT_EQ(platform_.boxes().size(), loneBytePasses ? 0u : 2u);

    // Handed back and saved by the script generator.
    click(form4()->Button5);
    platform_.saveAnswers.push_back(path("out.txt"));
    click(form3()->Button11);
    const QByteArray bytes = readFile(path("out.txt"));
    EXPECT_TRUE(bytes.contains("/tpa/preset/system/sound/good\xC3\xA9.mid\r\n"))
        << bytes.toStdString();
    EXPECT_TRUE(
        bytes.contains("gdfswrite:000000AA30\xC3\xA9"
                       "31FFFF"))
        << bytes.toStdString();
    EXPECT_EQ(bytes.contains("/tpa/preset/system/sound/bad\xA9.mid\r\n"), loneBytePasses);
    EXPECT_EQ(bytes.contains("gdfswrite:000000AA30\xA9"
                             "31FFFF"),
              loneBytePasses);
}

TEST_F(FileChange, RequiredExtensionComesFromTheFirstEntry) {
    writeFile(dir_.path(), "cda/clipart.cdt", "first.png\r\nsecond.gif\r\n");
    create();
    click(form4()->RadioButton3);
    pick(form4()->ComboBox1, 1);
    platform_.openAnswers = {file("p/x.gif")};
    click(form4()->Button1);
    EXPECT_EQ(platform_.openRequests.back().filter, "*.png");
    EXPECT_EQ(errorTexts(),
              QStringList{"Could not open file! Must be right format and have .png extension!"});
}

TEST_F(FileChange, EntriesAreUsedVerbatim) {
    writeFile(dir_.path(), "cda/sound.cdt", " bell \nring2.mid");
    create();
    EXPECT_EQ(items(form4()->ComboBox1), (QStringList{" bell ", "ring2.mid"}));
    // No extension on the first entry: files without one are required.
    const QString local = file("t/plain");
    file("t/plain.amr");
    platform_.openAnswers = {local};
    click(form4()->Button1);
    EXPECT_EQ(platform_.openRequests.back().filter, "*");
    click(form4()->Button2);
    EXPECT_EQ(previewLines(), (QStringList{"deletefile:/tpa/preset/system/sound/ bell ", local,
                                           "/tpa/preset/system/sound/ bell ",
                                           "deletefile:/tpa/preset/system/sound/ bell .amr",
                                           local + ".amr", "/tpa/preset/system/sound/ bell .amr"}));
}

TEST_F(FileChange, AddWithoutAnEntryIsRefused) {
    writeFile(dir_.path(), "cda/clipart.cdt", "");
    writeFile(dir_.path(), "cda/funlayer.cdt", "\r\nfun.png\r\n");
    create();
    for (const char* radio : {"RadioButton3", "RadioButton4"}) {
        click(child<QRadioButton>(form4(), radio));
        platform_.openAnswers = {file("p/noext")};
        platform_.clearBoxes();
        click(form4()->Button1);
        ASSERT_TRUE(form4()->Button2->isEnabled()) << radio;
        click(form4()->Button2);
        EXPECT_EQ(errorTexts(),
                  QStringList{"No internal filename selected! Please choose one from the list."});
        EXPECT_EQ(preview(), "");
        EXPECT_TRUE(statusLines().isEmpty());
        EXPECT_FALSE(form4()->Button5->isEnabled());
    }
}

TEST_F(FileChange, AddNewFramesKeepsTheListDisabled) {
    create();
    click(form4()->RadioButton3);
    click(form4()->RadioButton5);
    EXPECT_FALSE(form4()->ComboBox1->isEnabled());
    EXPECT_EQ(items(form4()->ComboBox1), (QStringList{"clip1.png", "clip2.png"}));
    click(form4()->RadioButton1);
    EXPECT_TRUE(form4()->ComboBox1->isEnabled());
    EXPECT_EQ(items(form4()->ComboBox1), (QStringList{"ring1.mid", "ring2.mid"}));
}

TEST_F(FileChange, ResetForgetsTheFileAndItsHint) {
    create();
    click(form4()->RadioButton3);
    platform_.openAnswers = {file("p/x.png")};
    click(form4()->Button1);
    click(form4()->Button3);
    EXPECT_TRUE(form4()->RadioButton1->isChecked());
    EXPECT_FALSE(form4()->Button2->isEnabled());
    EXPECT_EQ(form4()->LabeledEdit1->text(), "");
    EXPECT_EQ(form4()->LabeledEdit1->toolTip(), "");
    EXPECT_EQ(items(form4()->ComboBox1), (QStringList{"ring1.mid", "ring2.mid"}));
    EXPECT_EQ(preview(), "");
}

TEST_F(FileChange, DeleteKindsDoNotChangeTheLinesAndLanguagesShareTheDialog) {
    create();
    click(form4()->RadioButton3);
    platform_.openAnswers = {file("l/x.lng"), file("p/pic.png")};
    click(form4()->Button9);  // the Languages Open leaves its filter set
    click(form4()->Button1);
    EXPECT_EQ(errorTexts(), QStringList{"Could not open .t9 file! Note: .lng and .t9 file must "
                                        "have same filename!"});
    EXPECT_EQ(platform_.openRequests.back().filter, "*.lng");
    ASSERT_TRUE(form4()->Button2->isEnabled());  // the test still wants ".png"
    click(form4()->RadioButton8);
    click(form4()->Button2);
    EXPECT_EQ(previewLines().first(),
              "deletefile:/tpa/preset/system/multimedia/pe/clipart/clip1.png");
}

}  // namespace
}  // namespace trellan::testing

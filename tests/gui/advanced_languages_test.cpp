#include <QApplication>
#include <QFocusEvent>
#include <QTest>

#include "advanced_fixture.h"
#include "common/short_path.h"

namespace trellan::testing {
namespace {

using Languages = AdvancedTest;
using DeleteFile = AdvancedTest;

const char* kT9Message =
    "Could not open .t9 file! Note: .lng and .t9 file must have same filename!";

QStringList replacementOf(const QString& local, const QString& name) {
    return {"deletefile:/tpa/preset/system/language/" + name, local,
            "/tpa/preset/system/language/" + name};
}

TEST_F(Languages, LanguageFileWithItsT9CompanionGivesSixLines) {
    create();
    const QString lng = file("lang/czech.lng");
    const QString t9 = file("lang/czech.t9");
    platform_.openAnswers = {lng};
    click(form4()->Button9);
    EXPECT_EQ(platform_.openRequests.back().filter, "*.lng");
    EXPECT_EQ(platform_.openRequests.back().fileName, "*.lng");
    EXPECT_TRUE(form4()->CheckBox7->isEnabled());
    EXPECT_TRUE(form4()->CheckBox7->isChecked());
    EXPECT_EQ(form4()->CheckBox7->toolTip(), t9);
    EXPECT_EQ(form4()->LabeledEdit2->toolTip(), lng);
    click(form4()->Button10);
    EXPECT_EQ(previewLines(), replacementOf(lng, "czech.lng") + replacementOf(t9, "czech.t9"));
    EXPECT_EQ(statusLines(),
              (QStringList{"Added czech.lng successfully!", "Added czech.t9 successfully!"}));
    EXPECT_TRUE(form4()->Button5->isEnabled());
    EXPECT_TRUE(form4()->Button10->isEnabled());
    EXPECT_TRUE(platform_.boxes().empty());
}

TEST_F(Languages, UntickedT9GivesTheLanguageLinesOnly) {
    create();
    const QString lng = file("lang/czech.lng");
    file("lang/czech.t9");
    platform_.openAnswers = {lng};
    click(form4()->Button9);
    click(form4()->CheckBox7);
    click(form4()->Button10);
    EXPECT_EQ(previewLines(), replacementOf(lng, "czech.lng"));
    EXPECT_EQ(statusLines(), QStringList{"Added czech.lng successfully!"});
}

TEST_F(Languages, LanguageFileWithoutCompanionIsTakenAlone) {
    create();
    const QString lng = file("a/long/chain/of/nested/folders/here/czech.lng");
    platform_.openAnswers = {lng};
    click(form4()->Button9);
    EXPECT_EQ(errorTexts(), QStringList{kT9Message});
    const QFontMetrics metrics(form4()->LabeledEdit2->label->font());
    const auto width = [&](const QString& s) { return metrics.horizontalAdvance(s); };
    EXPECT_EQ(form4()->LabeledEdit2->text(), shortenedPath(lng, 100, width));
    EXPECT_NE(form4()->LabeledEdit2->text(), shortenedPath(lng, 140, width));
    EXPECT_EQ(form4()->LabeledEdit2->toolTip(), "");
    EXPECT_FALSE(form4()->CheckBox7->isEnabled());
    click(form4()->Button10);
    EXPECT_EQ(previewLines(), replacementOf(lng, "czech.lng"));
}

TEST_F(Languages, ExtensionsAreExact) {
    create();
    platform_.openAnswers = {file("l/CZECH.LNG")};
    click(form4()->Button9);
    click(form4()->RadioButton7);
    platform_.openAnswers = {file("l/dict.T9")};
    click(form4()->Button11);
    EXPECT_EQ(platform_.openRequests.back().filter, "*.t9");
    EXPECT_EQ(errorTexts(),
              (QStringList{"Could not open file! Must be right format and have .lng extension!",
                           "Could not open file! Must be right format and have .t9 extension!"}));
    EXPECT_FALSE(form4()->Button10->isEnabled());
}

TEST_F(Languages, WriteT9OnlyPutsTheSingleFile) {
    create();
    click(form4()->RadioButton7);
    EXPECT_FALSE(form4()->LabeledEdit2->isEnabled());
    EXPECT_FALSE(form4()->Button9->isEnabled());
    EXPECT_TRUE(form4()->LabeledEdit3->isEnabled());
    EXPECT_TRUE(form4()->Button11->isEnabled());
    const QString t9 = file("l/dict.t9");
    platform_.openAnswers = {t9};
    click(form4()->Button11);
    EXPECT_EQ(form4()->LabeledEdit3->toolTip(), t9);
    click(form4()->Button10);
    EXPECT_EQ(previewLines(), replacementOf(t9, "dict.t9"));
    EXPECT_EQ(statusLines(), QStringList{"Added dict.t9 successfully!"});
}

TEST_F(Languages, ModeSwitchDropsTheCompanionUntilTheNextOpen) {
    create();
    const QString lng = file("lang/czech.lng");
    file("lang/czech.t9");
    platform_.openAnswers = {lng};
    click(form4()->Button9);
    click(form4()->RadioButton7);
    click(form4()->RadioButton6);
    EXPECT_FALSE(form4()->CheckBox7->isChecked());
    EXPECT_FALSE(form4()->CheckBox7->isEnabled());
    EXPECT_FALSE(form4()->Button11->isEnabled());
    click(form4()->Button10);
    EXPECT_EQ(previewLines(), replacementOf(lng, "czech.lng"));
}

TEST_F(Languages, AddForAModeWhoseFileWasNeverChosenIsRefused) {
    struct Case {
        const char* openButton;
        const char* answer;
        const char* addMode;
        const char* message;
    };
    const Case cases[] = {
        {"Button9", "lang/czech.lng", "RadioButton7",
         "No T9 file chosen! Please open a .t9 file first."},
        {"Button11", "l/dict.t9", "RadioButton6",
         "No language file chosen! Please open a .lng file first."},
    };
    for (const Case& c : cases) {
        create();
        if (QString(c.openButton) == "Button11") click(form4()->RadioButton7);
        platform_.openAnswers = {file(c.answer)};
        click(child<QPushButton>(form4(), c.openButton));
        click(child<QRadioButton>(form4(), c.addMode));
        ASSERT_TRUE(form4()->Button10->isEnabled());
        platform_.clearBoxes();
        click(form4()->Button10);
        EXPECT_EQ(errorTexts(), QStringList{c.message});
        EXPECT_EQ(preview(), "");
        EXPECT_TRUE(statusLines().isEmpty());
        EXPECT_FALSE(form4()->Button5->isEnabled());
        windows_.reset();
    }
}

struct KindCase {
    const char* radio;
    const char* hint;
    const char* name;
    const char* line;
    const char* status;
};

class DeleteKinds : public AdvancedTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(DeleteKinds, AddCommandWritesTheKindsLine) {
    const KindCase& c = GetParam();
    create();
    click(child<QRadioButton>(form4(), c.radio));
    ASSERT_TRUE(form4()->Button13->isEnabled());
    EXPECT_EQ(form4()->Edit7->text(), c.hint);
    form4()->Edit7->setText(c.name);
    click(form4()->Button13);
    EXPECT_EQ(previewLines(), QStringList{c.line});
    EXPECT_EQ(statusLines(), QStringList{c.status});
    EXPECT_FALSE(form4()->Button13->isEnabled());
    EXPECT_TRUE(form4()->Button5->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DeleteKinds,
    ::testing::Values(KindCase{"RadioButton8", ".mid / .amr", "a.mid",
                               "deletefile:/tpa/preset/system/sound/a.mid",
                               "Command: Delete SOUND a.mid added successfully!"},
                      KindCase{"RadioButton9", ".png", "c.png",
                               "deletefile:/tpa/preset/system/multimedia/pe/clipart/c.png",
                               "Command: Delete CLIPART c.png added successfully!"},
                      KindCase{"RadioButton11", ".png", "f.png",
                               "deletefile:/tpa/preset/system/multimedia/pe/funlayer/f.png",
                               "Command: Delete FUNLAYER f.png added successfully!"},
                      KindCase{"RadioButton10", ".png", "bg.png",
                               "deletefile:/tpa/preset/system/multimedia/pe/frames/bg.png",
                               "Command: Delete FRAME bg.png added successfully!"},
                      KindCase{"RadioButton12", ".lng / .t9", "czech.lng",
                               "deletefile:/tpa/preset/system/language/czech.lng",
                               "Command: Delete LANG czech.lng added successfully!"}),
    [](const auto& info) { return std::string(info.param.radio); });

TEST_F(DeleteFile, NamesThatLeaveNoFileInTheFolderAreRefused) {
    create();
    click(form4()->RadioButton8);  // Edit7 holds the hint
    click(form4()->Button13);
    for (const char* name : {"", "../system/x", "a\\b"}) {
        form4()->Edit7->setText(name);
        click(form4()->Button13);
    }
    EXPECT_EQ(errorTexts(),
              (QStringList{
                  "\".mid / .amr\" is not a filename! Please type the name of the file to delete.",
                  "No filename entered! Please type the name of the file to delete.",
                  "The filename must not contain \"/\" or \"\\\"! Only files in the chosen "
                  "folder can be deleted.",
                  "The filename must not contain \"/\" or \"\\\"! Only files in the chosen "
                  "folder can be deleted."}));
    EXPECT_EQ(preview(), "");
    EXPECT_TRUE(statusLines().isEmpty());
    EXPECT_TRUE(form4()->RadioButton8->isChecked());
    EXPECT_TRUE(form4()->Button13->isEnabled());
    EXPECT_FALSE(form4()->Button5->isEnabled());
}

TEST_F(DeleteFile, EachCommandNeedsANewKindChoice) {
    create();
    click(form4()->RadioButton10);
    form4()->Edit7->setText("bg.png");
    click(form4()->Button13);
    click(form4()->RadioButton10);
    EXPECT_FALSE(form4()->Button13->isEnabled());
    click(form4()->RadioButton9);
    EXPECT_TRUE(form4()->Button13->isEnabled());
}

TEST_F(DeleteFile, FocusFromAnotherControlEmptiesTheName) {
    create();
    click(form4()->RadioButton9);
    QFocusEvent reactivated(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(form4()->Edit7, &reactivated);
    EXPECT_EQ(form4()->Edit7->text(), ".png");
    QFocusEvent tabbed(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(form4()->Edit7, &tabbed);
    EXPECT_EQ(form4()->Edit7->text(), "");
}

TEST_F(DeleteFile, GroupsKeepTheirStateThroughClearAndCancel) {
    create();
    openFromGenerator();
    click(form4()->RadioButton11);
    form4()->Edit7->setText("keep.png");
    click(form4()->RadioButton7);
    click(form4()->Button6);
    click(form4()->Button7);
    EXPECT_TRUE(form4()->RadioButton11->isChecked());
    EXPECT_EQ(form4()->Edit7->text(), "keep.png");
    EXPECT_TRUE(form4()->RadioButton7->isChecked());
    EXPECT_TRUE(form4()->Button13->isEnabled());
}

}  // namespace
}  // namespace trellan::testing

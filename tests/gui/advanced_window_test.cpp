#include <QFile>
#include <QGroupBox>
#include <QTest>

#include "advanced_fixture.h"
#include "common/app_title.h"
#include "common/failure.h"
#include "support/code_page.h"

namespace trellan::testing {
namespace {

using AdvancedWindow = AdvancedTest;

TEST_F(AdvancedWindow, LayoutUsesTheDesignNamesAndPlaces) {
    create();
    TForm4* form = form4();
    EXPECT_EQ(form->windowTitle(), "Calvorn Trellan - Script Generator - Advanced...");
    EXPECT_EQ(form->font().pixelSize(), 11);
    EXPECT_EQ(form->size(), QSize(602, 496));
    EXPECT_EQ(form->pos(), QPoint(343, 165));
    EXPECT_FALSE(form->isVisible());

    struct Group {
        const char* name;
        const char* title;
        QRect rect;
    };
    const Group groups[] = {
        {"GroupBox1", "Change files ", {8, 8, 241, 193}},
        {"GroupBox2", "Change bandlocks ", {256, 8, 337, 49}},
        {"GroupBox3", "More options ", {256, 64, 337, 177}},
        {"GroupBox5", "Languages ", {8, 208, 241, 169}},
        {"GroupBox6", "Delete file ", {256, 248, 337, 81}},
        {"GroupBox4", "Status ", {256, 336, 337, 57}},
    };
    for (const Group& g : groups) {
        auto* box = child<QGroupBox>(form, g.name);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->title(), g.title);
        EXPECT_EQ(box->geometry(), g.rect) << g.name;
    }
    // The single T9 file's "Open" lies 3 pixels over its edit.
    expectTidyLayout(form, {form->LabeledEdit3->edit, form->Button11});

    EXPECT_TRUE(form->Memo1->isReadOnly());
    EXPECT_EQ(form->Memo1->geometry(), QRect(8, 400, 473, 73));
    EXPECT_EQ(form->Memo1->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(form->Memo1->palette().color(QPalette::Text), QColor(0, 255, 255));
    EXPECT_EQ(form->Memo3->parentWidget(), form->GroupBox4);
    EXPECT_EQ(form->Button5->text(), "OK! (Back)");
    EXPECT_TRUE(form->Button5->font().bold());
    EXPECT_FALSE(form->Button5->isEnabled());
    EXPECT_EQ(form->Button6->text(), "Clear");
    EXPECT_EQ(form->Button7->text(), "Cancel");
    EXPECT_EQ(form->Label5->text(), " Only use these features if you know what you're doing!    ");
    EXPECT_EQ(form->Label6->palette().color(QPalette::Window), QColor(Qt::red));
    EXPECT_EQ(form->LabeledEdit1->label->geometry().bottom() + 1 + 3,
              form->LabeledEdit1->edit->y());
}

TEST_F(AdvancedWindow, WarningStripesKeepTheirPlacesWhenShown) {
    create();
    openFromGenerator();
    EXPECT_EQ(form4()->Label5->geometry(), QRect(8, 475, 272, 13));
    EXPECT_EQ(form4()->Label6->geometry(), QRect(280, 475, 313, 13));
    EXPECT_EQ(form4()->Label5->font(), form4()->font());
    EXPECT_EQ(form4()->Label6->font(), form4()->font());
}

TEST_F(AdvancedWindow, CreationLoadsBothListsBesideTheProgram) {
    create();
    // A later dialog moves the working folder; the lists still come from the program folder.
    QDir::setCurrent(QDir::tempPath());
    TForm4* form = form4();
    EXPECT_TRUE(platform_.boxes().empty());
    EXPECT_EQ(items(form->ComboBox1), (QStringList{"ring1.mid", "ring2.mid"}));
    EXPECT_EQ(form->ComboBox1->currentIndex(), 0);
    EXPECT_EQ(items(form->ComboBox2), (QStringList{"A", "B"}));
    EXPECT_EQ(form->ComboBox2->currentText(), "A");
    EXPECT_FALSE(form->CheckBox7->isEnabled());
    EXPECT_FALSE(form->Button2->isEnabled());
    click(form->Button7);  // Cancel reloads from the program folder too
    EXPECT_TRUE(platform_.boxes().empty());
    EXPECT_EQ(items(form->ComboBox2), (QStringList{"A", "B"}));
}

TEST_F(AdvancedWindow, OpensWithTheGeneratorsTextAndHandsItBackVerbatim) {
    create();
    const QString generated = "deletefile:/a\r\nC:\\x y\\\u00e4.mid\r\n/a\r\n";
    form3()->Memo1->setWholeText(generated);
    openFromGenerator();
    EXPECT_EQ(preview(), generated);
    EXPECT_FALSE(form4()->Button5->isEnabled());
    EXPECT_FALSE(form3()->isEnabled());

    form4()->CheckBox5->setChecked(true);
    click(form4()->Button8);
    const QString expected = generated + "gdfswrite:000000460F\r\ngdfswrite:000000470F\r\n";
    EXPECT_EQ(preview(), expected);
    ASSERT_TRUE(form4()->Button5->isEnabled());

    click(form4()->Button5);
    EXPECT_EQ(form3()->Memo1->wholeText(), expected);
    EXPECT_TRUE(form3()->isEnabled());
    EXPECT_TRUE(form3()->Button11->isEnabled());
    EXPECT_FALSE(form4()->isVisible());
    // The window keeps its lines, status and the enabled hand-back.
    EXPECT_EQ(preview(), expected);
    EXPECT_EQ(statusLines(), QStringList{"Z1010 voice control fix command added successfully!"});
    EXPECT_TRUE(form4()->Button5->isEnabled());
}

TEST_F(AdvancedWindow, ClearThenOneAddHandsBackOnlyTheNewLines) {
    create();
    form3()->Memo1->setWholeText("old1\r\nold2\r\n");
    openFromGenerator();
    form4()->CheckBox5->setChecked(true);
    click(form4()->Button8);
    click(form4()->Button6);
    EXPECT_EQ(preview(), "");
    EXPECT_FALSE(form4()->Button5->isEnabled());
    EXPECT_EQ(statusLines().size(), 1);  // the status area stays
    EXPECT_TRUE(form4()->isVisible());

    click(form4()->Button4);
    click(form4()->Button5);
    EXPECT_EQ(form3()->Memo1->wholeText(), "gdfswrite:000000AA01FFFFFFFFFFFFFFFFFF00\r\n");
}

TEST_F(AdvancedWindow, CancelRestoresTheGeneratorsTextAndResetsTheFileGroup) {
    create();
    form3()->Memo1->setWholeText("keep\r\n");
    form3()->Button11->setEnabled(false);
    openFromGenerator();
    form4()->CheckBox6->setChecked(true);
    click(form4()->Button8);
    form4()->RadioButton3->setChecked(true);
    form4()->Edit4->setText("kept");

    click(form4()->Button7);
    EXPECT_EQ(form3()->Memo1->wholeText(), "keep\r\n");
    EXPECT_TRUE(form3()->isEnabled());
    EXPECT_FALSE(form3()->Button11->isEnabled());
    EXPECT_FALSE(form4()->isVisible());
    EXPECT_EQ(preview(), "");
    EXPECT_TRUE(statusLines().isEmpty());
    EXPECT_TRUE(form4()->RadioButton1->isChecked());
    EXPECT_EQ(items(form4()->ComboBox1), (QStringList{"ring1.mid", "ring2.mid"}));
    // Untouched by Cancel: the hand-back state and the other groups.
    EXPECT_TRUE(form4()->Button5->isEnabled());
    EXPECT_TRUE(form4()->CheckBox6->isChecked());
    EXPECT_EQ(form4()->Edit4->text(), "kept");
}

TEST_F(AdvancedWindow, CloseBoxKeepsTheGeneratorTextAndTheStatus) {
    create();
    form3()->Memo1->setWholeText("gen\r\n");
    openFromGenerator();
    click(form4()->Button4);
    form4()->close();
    EXPECT_FALSE(form4()->isVisible());
    EXPECT_TRUE(form3()->isEnabled());
    EXPECT_EQ(form3()->Memo1->wholeText(), "gen\r\n");

    openFromGenerator();
    EXPECT_EQ(preview(), "gen\r\n");
    EXPECT_EQ(statusLines(), QStringList{"Added bandlock change command successfully!"});
    // Still enabled from before: hands the generator its own text back.
    ASSERT_TRUE(form4()->Button5->isEnabled());
    form3()->Button11->setEnabled(false);
    click(form4()->Button5);
    EXPECT_EQ(form3()->Memo1->wholeText(), "gen\r\n");
    EXPECT_TRUE(form3()->Button11->isEnabled());
}

struct CatalogueFailure {
    const char* name;
    const char* file;
    bool folder;  // a folder in the file's place: it exists but cannot be read
    bool duringCancel;
};

class UnreadableCatalogue : public AdvancedTest,
                            public ::testing::WithParamInterface<CatalogueFailure> {};

TEST_P(UnreadableCatalogue, StopsTheHandlerAtThatLoadAndTheWindowStillOpens) {
    const CatalogueFailure& c = GetParam();
    const bool soundList = QString(c.file) == "cda/sound.cdt";
    auto spoil = [&] {
        ASSERT_TRUE(QFile::remove(path(c.file)));
        if (c.folder) {
            ASSERT_TRUE(QDir().mkpath(path(c.file)));
        }
    };
    if (!c.duringCancel) spoil();
    create();
    form3()->Memo1->setWholeText("gen\r\n");
    openFromGenerator();
    if (c.duringCancel) {
        click(form4()->Button4);
        spoil();
        click(form4()->Button7);
    }

    ASSERT_EQ(platform_.boxes().size(), 1u);
    EXPECT_EQ(platform_.boxes()[0].title, kAppTitle);
    EXPECT_EQ(platform_.boxes()[0].icon, MessageIcon::Error);
    EXPECT_TRUE(platform_.boxes()[0].text.startsWith(
        "Cannot open file \"" + QDir::toNativeSeparators(path(c.file)) + "\". "))
        << platform_.boxes()[0].text.toStdString();
    EXPECT_TRUE(form4()->isVisible());
    EXPECT_FALSE(form3()->isEnabled());
    if (!c.duringCancel) {
        // Creation ended at the failing load: a failed sound list leaves the band locks unread.
        const QStringList sounds =
            soundList ? QStringList() : QStringList{"ring1.mid", "ring2.mid"};
        EXPECT_EQ(items(form4()->ComboBox1), sounds);
        EXPECT_EQ(form4()->ComboBox2->count(), 0);
        EXPECT_FALSE(form4()->Button2->isEnabled());
        EXPECT_EQ(preview(), "gen\r\n");
    } else {
        // The steps before the failing load are done, the later ones are not.
        const QString added = "gen\r\ngdfswrite:000000AA01FFFFFFFFFFFFFFFFFF00\r\n";
        EXPECT_EQ(preview(), soundList ? added : "");
        EXPECT_EQ(statusLines().size(), soundList ? 1 : 0);
        EXPECT_EQ(items(form4()->ComboBox2), (QStringList{"A", "B"}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Catalogues, UnreadableCatalogue,
    ::testing::Values(CatalogueFailure{"creation_sound_missing", "cda/sound.cdt", false, false},
                      CatalogueFailure{"creation_sound_folder", "cda/sound.cdt", true, false},
                      CatalogueFailure{"creation_bandlock_missing", "cda/bandlock.cdt", false,
                                       false},
                      CatalogueFailure{"creation_bandlock_folder", "cda/bandlock.cdt", true, false},
                      CatalogueFailure{"cancel_sound_missing", "cda/sound.cdt", false, true},
                      CatalogueFailure{"cancel_bandlock_folder", "cda/bandlock.cdt", true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AdvancedWindow, RepeatedCancelsListEachBandLockOnce) {
    create();
    for (int i = 0; i < 3; ++i) {
        openFromGenerator();
        click(form4()->Button7);
    }
    EXPECT_EQ(items(form4()->ComboBox2), (QStringList{"A", "B"}));
    EXPECT_EQ(form4()->ComboBox2->currentIndex(), 0);
}

// Nothing the window adds reaches the script with a character changed: a chosen path
// or a typed text outside the system's 8-bit character set is refused, naming it.
TEST_F(AdvancedWindow, TextsOutsideTheCharacterSetAreRefused) {
    if (systemCodePage() == CodePage::Other) GTEST_SKIP() << kOtherCodePage;
    create();
    const QString c = characterOutsideCodePage();
    const QStringList files = {"lang/" + c + ".lng", "lang/" + c + ".t9", "pics/" + c + ".png"};
    if (systemCodePage() == CodePage::Windows1252) {  // Linux names no unpaired surrogate
        for (const QString& name : files) file(name);
    }
    const QString lng = QDir::toNativeSeparators(path(files[0]));
    const QString png = QDir::toNativeSeparators(path(files[2]));
    platform_.openAnswers = {lng, png};
    click(form4()->Button9);
    click(form4()->RadioButton5);  // "Add new Frames"
    click(form4()->Button1);
    form4()->Edit4->setText("fits");
    form4()->Edit5->setText("lp" + c);
    click(form4()->Button8);
    click(form4()->RadioButton8);
    form4()->Edit7->setText("a" + c + ".mid");
    click(form4()->Button13);
    EXPECT_EQ(errorTexts(),
              (QStringList{unwritable(lng, c), unwritable(png, c), unwritable("lp" + c, c),
                           unwritable("a" + c + ".mid", c)}));
    EXPECT_EQ(preview(), "");  // not even the option that fits
    EXPECT_TRUE(statusLines().isEmpty());
    EXPECT_FALSE(form4()->Button2->isEnabled() || form4()->Button10->isEnabled() ||
                 form4()->Button5->isEnabled());
    EXPECT_EQ(form4()->LabeledEdit1->text(), "");
    EXPECT_EQ(form4()->LabeledEdit2->text(), "");
}

}  // namespace
}  // namespace trellan::testing

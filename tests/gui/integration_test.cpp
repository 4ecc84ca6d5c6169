// The four windows working together, driven by clicks as the user drives them.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <ostream>

#include "about/ui/form2.h"
#include "advanced/ui/form4.h"
#include "common/text8.h"
#include "common/ui/labeled_edit.h"
#include "main_window/ui/click_label.h"
#include "main_window/ui/form1.h"
#include "main_window/ui/list_box.h"
#include "script/ui/form3.h"
#include "script/ui/script_preview.h"
#include "support/gui_support.h"

namespace trellan::testing {
namespace {

const char* kCustomize = "tpa/preset/custom/customize.xml";

// Lines 14 to 70 of the template; the update keeps them as they are.
const QByteArray kKeptSettings =
    "  <settings>\r\n"
    "    <setting n=\"15\"/>\r\n    <setting n=\"16\"/>\r\n    <setting n=\"17\"/>\r\n"
    "    <setting n=\"18\"/>\r\n    <setting n=\"19\"/>\r\n    <setting n=\"20\"/>\r\n"
    "    <setting n=\"21\"/>\r\n    <setting n=\"22\"/>\r\n    <setting n=\"23\"/>\r\n"
    "    <setting n=\"24\"/>\r\n    <setting n=\"25\"/>\r\n    <setting n=\"26\"/>\r\n"
    "    <setting n=\"27\"/>\r\n    <setting n=\"28\"/>\r\n    <setting n=\"29\"/>\r\n"
    "    <setting n=\"30\"/>\r\n    <setting n=\"31\"/>\r\n    <setting n=\"32\"/>\r\n"
    "    <setting n=\"33\"/>\r\n    <setting n=\"34\"/>\r\n    <setting n=\"35\"/>\r\n"
    "    <setting n=\"36\"/>\r\n    <setting n=\"37\"/>\r\n    <setting n=\"38\"/>\r\n"
    "    <setting n=\"39\"/>\r\n    <setting n=\"40\"/>\r\n    <setting n=\"41\"/>\r\n"
    "    <setting n=\"42\"/>\r\n    <setting n=\"43\"/>\r\n    <setting n=\"44\"/>\r\n"
    "    <setting n=\"45\"/>\r\n    <setting n=\"46\"/>\r\n    <setting n=\"47\"/>\r\n"
    "    <setting n=\"48\"/>\r\n    <setting n=\"49\"/>\r\n    <setting n=\"50\"/>\r\n"
    "    <setting n=\"51\"/>\r\n    <setting n=\"52\"/>\r\n    <setting n=\"53\"/>\r\n"
    "    <setting n=\"54\"/>\r\n    <setting n=\"55\"/>\r\n    <setting n=\"56\"/>\r\n"
    "    <setting n=\"57\"/>\r\n    <setting n=\"58\"/>\r\n    <setting n=\"59\"/>\r\n"
    "    <setting n=\"60\"/>\r\n    <setting n=\"61\"/>\r\n    <setting n=\"62\"/>\r\n"
    "    <setting n=\"63\"/>\r\n    <setting n=\"64\"/>\r\n    <setting n=\"65\"/>\r\n"
    "    <setting n=\"66\"/>\r\n    <setting n=\"67\"/>\r\n    <setting n=\"68\"/>\r\n"
    "    <camera>\r\n"
    "      <shutter-sound>\r\n";

// The template as another program left it: LF line ends, one lone CR.
const QByteArray kTemplate =
    "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
    "<customization version=\"2.1\">\n"
    "  <identification>\r"
    "    <customization-id>CUST-0001</customization-id>\r\n"
    "    <flash-variant>\n"
    "      <!-- rewritten by Trellan -->\n"
    "      <cda-number>CDA0000000</cda-number>\n"
    "      <cda-revision>R0A</cda-revision>\n"
    "      <model>NONE</model>\n"
    "      <country>Nowhere</country>\n"
    "      <operator>Nobody</operator>\n"
    "      <language-variant-name>NONE</language-variant-name>\n"
    "    </flash-variant>\n"
    "  </identification>\n" +
    kKeptSettings +
    "        <suppress-camera-sound>true</suppress-camera-sound>\n"
    "      </shutter-sound>\n"
    "    </camera>\n"
    "  </settings>\n"
    "</customization>\n";

// The template rewritten for "K750 Nordic" with the camera sound on.
const QByteArray kUpdatedCustomize =
    "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
    "<customization version=\"2.1\">\r\n"
    "  <identification>\r\n"
    "    <customization-id>CUST-0001</customization-id>\r\n"
    "    <flash-variant>\r\n"
    "      <!-- rewritten by Trellan -->\r\n"
    "      <cda-number>CDA102346/7</cda-number>\r\n"
    "      <cda-revision>R2B</cda-revision>\r\n"
    "      <model>K750</model>\r\n"
    "      <country>Sweden</country>\r\n"
    "      <operator>Telia & Co</operator>\r\n"
    "      <language-variant-name>K750 Nordic</language-variant-name>\r\n"
    "    </flash-variant>\r\n"
    "  </identification>\r\n" +
    kKeptSettings +
    "        <suppress-camera-sound>false</suppress-camera-sound>\r\n"
    "      </shutter-sound>\r\n"
    "    </camera>\r\n"
    "  </settings>\r\n"
    "</customization>\r\n";

class Integration : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        writeFile(dir_.path(), "cda/models.cdt", "Z1010\r\nK750\r\n");
        writeFile(dir_.path(), "cda/K750.cdt",
                  "K750 Generic\r\nEurope\r\nUnbranded\r\nCDA102345/1\r\nR1A\r\nEN DE FR\r\n-\r\n"
                  "K750 Nordic\r\nSweden\r\nTelia & Co\r\nCDA102346/7\r\nR2B\r\nSV NO\r\n-\r\n"
                  "#\r\n");
        writeFile(dir_.path(), kCustomize, kTemplate);
        writeFile(dir_.path(), "cda/sound.cdt", "ring1.mid\r\nring2.mid\r\n");
        writeFile(dir_.path(), "cda/bandlock.cdt",
                  "03\r\nGSM 900/1800\r\n0C\r\nGSM 850/1900\r\n-\r\n#\r\n");
        // Started from its data folder, as the program is.
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
        create();
        form1()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form1()));
        ASSERT_TRUE(platform_.boxes().empty()) << platform_.boxes().front().text.toStdString();
    }

    TForm1* form1() const { return windows_->set().form1; }
    TForm2* form2() const { return windows_->set().form2; }
    TForm3* form3() const { return windows_->set().form3; }
    TForm4* form4() const { return windows_->set().form4; }

    // The local path line a script holds for a file of the temporary folder.
    QByteArray local(const QString& relative) const { return toSystem8(native(relative)); }

    // A MIDI file with its AMR companion; the MIDI file's local path.
    QString alertSound(const QString& stem) {
        file(stem + ".amr", "#!AMR\n");
        return file(stem + ".mid", "MThd");
    }
    // "Message alert 1" through the open dialog.
    void chooseAlert1(const QString& midi) {
        platform_.openAnswers.push_back(midi);
        click(form3()->Button1);
    }

    QString generatorText() const { return form3()->Memo1->wholeText(); }
    // The lines "Generate script" writes for message alert 1 from the file `stem`.
    QByteArray alert1Lines(const QString& stem) const {
        return "deletefile:/tpa/preset/system/sound/messagealert1.mid\r\n" + local(stem + ".mid") +
               "\r\n/tpa/preset/system/sound/messagealert1.mid\r\n"
               "deletefile:/tpa/preset/system/sound/messagealert1.amr\r\n" +
               local(stem + ".amr") + "\r\n/tpa/preset/system/sound/messagealert1.amr\r\n";
    }
    // Whether "Save" is enabled as such, whatever the window's own state.
    bool saveEnabled() const { return form3()->Button11->isEnabledTo(form3()); }
};

TEST_F(Integration, TypicalRunWritesCustomizeXmlAndTheScriptByteForByte) {
    // Main window: a model, its second entry, the camera sound on, update.
    chooseRow(form1()->ListBox1, 1);
    chooseRow(form1()->ListBox2, 1);
    clickRadio(form1()->CameraOn);
    click(form1()->Button1);
    EXPECT_EQ(form1()->Panel3->text(),
              "File \"customize.xml\" updated and saved successfully. Flash with setool2 now...");

    // Script generator: message alert 1 with its AMR companion, generate.
    click(form1()->Button3);
    ASSERT_TRUE(form3()->isVisible());
    chooseAlert1(alertSound("Media Files/Sounds/alert tone"));
    click(form3()->Button10);

    // Advanced window: a band lock and a language file with its T9 dictionary.
    click(form3()->Button12);
    ASSERT_TRUE(form4()->isVisible());
    EXPECT_FALSE(form3()->isEnabled());
    pick(form4()->ComboBox2, 1);
    click(form4()->Button4);
    platform_.openAnswers.push_back(file("lang/czech.lng"));
    file("lang/czech.t9");
    click(form4()->Button9);
    click(form4()->Button10);
    click(form4()->Button5);
    EXPECT_FALSE(form4()->isVisible());
    ASSERT_TRUE(form3()->isEnabled());

    ASSERT_TRUE(QDir().mkpath(path("scripts")));
    platform_.saveAnswers.push_back(native("scripts/trellan.txt"));
    click(form3()->Button11);

    EXPECT_TRUE(platform_.boxes().empty()) << platform_.boxes().front().text.toStdString();
    EXPECT_EQ(readFile(path(kCustomize)), kUpdatedCustomize);
    EXPECT_EQ(readFile(path("scripts/trellan.txt")),
              alert1Lines("Media Files/Sounds/alert tone") +
                  "gdfswrite:000000AA0CFFFFFFFFFFFFFFFFFF00\r\n"
                  "deletefile:/tpa/preset/system/language/czech.lng\r\n" +
                  local("lang/czech.lng") +
                  "\r\n"
                  "/tpa/preset/system/language/czech.lng\r\n"
                  "deletefile:/tpa/preset/system/language/czech.t9\r\n" +
                  local("lang/czech.t9") +
                  "\r\n"
                  "/tpa/preset/system/language/czech.t9\r\n");
}

// Tab to `target`, then press `key` there.
bool press(QWidget* target, Qt::Key key) {
    if (!tabTo(target)) return false;
    QTest::keyClick(target, key);
    return true;
}

TEST_F(Integration, TypicalRunByKeysAloneWritesTheSameFiles) {
    form1()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1()));
    // The arrow keys choose the model as a click does, once for each change.
    QSignalSpy modelChoices(form1()->ListBox1, &ListBox::Click);
    ASSERT_TRUE(press(form1()->ListBox1, Qt::Key_Down));
    QTest::keyClick(form1()->ListBox1, Qt::Key_Down);  // already on the last row
    EXPECT_EQ(modelChoices.count(), 1);
    ASSERT_TRUE(press(form1()->ListBox2, Qt::Key_Down));
    ASSERT_TRUE(press(form1()->CameraOn, Qt::Key_Space));
    ASSERT_TRUE(press(form1()->Button1, Qt::Key_Return));

    ASSERT_TRUE(press(form1()->Button3, Qt::Key_Space));
    ASSERT_TRUE(QTest::qWaitForWindowActive(form3()));
    platform_.openAnswers.push_back(alertSound("Media Files/Sounds/alert tone"));
    ASSERT_TRUE(press(form3()->Button1, Qt::Key_Return));
    ASSERT_TRUE(press(form3()->Button10, Qt::Key_Space));
    ASSERT_TRUE(press(form3()->Button12, Qt::Key_Return));

    ASSERT_TRUE(QTest::qWaitForWindowActive(form4()));
    ASSERT_TRUE(press(form4()->ComboBox2, Qt::Key_Down));
    ASSERT_TRUE(press(form4()->Button4, Qt::Key_Space));
    ASSERT_TRUE(press(form4()->Button5, Qt::Key_Return));

    ASSERT_TRUE(QTest::qWaitForWindowActive(form3()));
    ASSERT_TRUE(QDir().mkpath(path("scripts")));
    platform_.saveAnswers.push_back(native("scripts/trellan.txt"));
    ASSERT_TRUE(press(form3()->Button11, Qt::Key_Return));

    EXPECT_TRUE(platform_.boxes().empty()) << platform_.boxes().front().text.toStdString();
    EXPECT_EQ(readFile(path(kCustomize)), kUpdatedCustomize);
    EXPECT_EQ(readFile(path("scripts/trellan.txt")),
              alert1Lines("Media Files/Sounds/alert tone") +
                  "gdfswrite:000000AA0CFFFFFFFFFFFFFFFFFF00\r\n");
}

TEST_F(Integration, ScriptGeneratorButtonWhileItIsOpenBringsItToFrontAndResetsIt) {
    click(form1()->Button3);
    chooseAlert1(alertSound("s/a"));
    platform_.openAnswers.push_back(native("s/a.mid"));  // the camera sound too
    click(form3()->Button7);
    ASSERT_TRUE(form3()->RadioButton2->isChecked());
    click(form3()->Button10);
    ASSERT_TRUE(saveEnabled());

    form1()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1()));
    click(form1()->Button3);
    EXPECT_TRUE(QTest::qWaitForWindowActive(form3()));
    EXPECT_TRUE(form3()->isVisible());
    EXPECT_EQ(generatorText(), "");
    EXPECT_FALSE(saveEnabled());
    EXPECT_EQ(form3()->Sms1->text(), "");
    EXPECT_EQ(form3()->Edit1->text(), "");
    for (QCheckBox* box : {form3()->Write1, form3()->AMR1}) {
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
        EXPECT_FALSE(box->isEnabled()) << box->objectName().toStdString();
    }
    EXPECT_EQ(form3()->CameraLabel->text(), "");
    EXPECT_TRUE(form3()->RadioButton3->isChecked());
    EXPECT_FALSE(form3()->RadioButton2->isEnabled());
    // Nothing chosen before the press reaches a script.
    click(form3()->Button10);
    EXPECT_EQ(generatorText(), "");
    EXPECT_TRUE(form1()->isVisible());
}

// How the advanced window goes away while the script generator waits for it.
struct ClosingCase {
    const char* name;
    std::function<void(TForm4*)> close;
    bool handsBack;
};

void PrintTo(const ClosingCase& c, std::ostream* os) { *os << c.name; }

class AdvancedClosing : public Integration, public ::testing::WithParamInterface<ClosingCase> {};

TEST_P(AdvancedClosing, ScriptGeneratorPressedMeanwhileIsResetButWaitsForTheAdvancedWindow) {
    click(form1()->Button3);
    chooseAlert1(alertSound("s/a"));
    click(form3()->Button10);
    click(form3()->Button12);
    click(form4()->Button4);
    const QString advancedText = form4()->Memo1->wholeText();
    ASSERT_TRUE(advancedText.endsWith("\r\ngdfswrite:000000AA03FFFFFFFFFFFFFFFFFF00\r\n"));

    click(form1()->Button3);
    EXPECT_TRUE(form3()->isVisible());
    EXPECT_EQ(generatorText(), "");
    EXPECT_FALSE(saveEnabled());
    EXPECT_FALSE(form3()->isEnabled());
    EXPECT_TRUE(form4()->isVisible());

    GetParam().close(form4());
    EXPECT_FALSE(form4()->isVisible());
    EXPECT_TRUE(form3()->isEnabled());
    EXPECT_EQ(generatorText(), GetParam().handsBack ? advancedText : QString());
    EXPECT_EQ(form3()->Button11->isEnabled(), GetParam().handsBack);
    EXPECT_TRUE(platform_.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Closings, AdvancedClosing,
    ::testing::Values(ClosingCase{"ok_back", [](TForm4* f) { click(f->Button5); }, true},
                      ClosingCase{"cancel", [](TForm4* f) { click(f->Button7); }, false},
                      ClosingCase{"close_box", [](TForm4* f) { f->close(); }, false}),
    [](const auto& info) { return std::string(info.param.name); });

// What the script generator holds when "Add more..." is pressed.
struct GeneratorCase {
    const char* name;
    bool generate;      // "Generate script" (enables "Save")
    QStringList typed;  // then typed into the preview by hand, Enter between lines
};

void PrintTo(const GeneratorCase& c, std::ostream* os) { *os << c.name; }

class CancelledAddMore : public Integration, public ::testing::WithParamInterface<GeneratorCase> {};

TEST_P(CancelledAddMore, RestoresTheGeneratorsTextExactlyAndLeavesSaveAsItWas) {
    click(form1()->Button3);
    chooseAlert1(alertSound("s/a"));
    if (GetParam().generate) click(form3()->Button10);
    for (qsizetype i = 0; i < GetParam().typed.size(); ++i) {
        if (i > 0) QTest::keyClick(form3()->Memo1, Qt::Key_Return);
        QTest::keyClicks(form3()->Memo1, GetParam().typed[i]);
    }
    const QString before = generatorText();
    for (const QString& line : GetParam().typed) ASSERT_TRUE(before.contains(line));
    const bool saveBefore = saveEnabled();

    click(form3()->Button12);
    ASSERT_EQ(form4()->Memo1->wholeText(), before);
    click(form4()->Button4);
    click(form4()->Button7);

    EXPECT_TRUE(form3()->isEnabled());
    EXPECT_EQ(generatorText(), before);
    EXPECT_EQ(saveEnabled(), saveBefore);
}

INSTANTIATE_TEST_SUITE_P(Generators, CancelledAddMore,
                         ::testing::Values(GeneratorCase{"generated", true, {}},
                                           GeneratorCase{
                                               "generated_then_typed", true, {"typed, no break"}},
                                           GeneratorCase{"typed_only", false, {"typed", "lines"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Integration, GenerateAfterTheHandBackReplacesTheAdvancedLinesWithTheSoundLines) {
    click(form1()->Button3);
    chooseAlert1(alertSound("s/a"));
    click(form3()->Button10);
    const QString soundLines = generatorText();
    ASSERT_EQ(soundLines.count("\r\n"), 6);

    click(form3()->Button12);
    click(form4()->Button4);
    click(form4()->Button5);
    ASSERT_EQ(generatorText(), soundLines + "gdfswrite:000000AA03FFFFFFFFFFFFFFFFFF00\r\n");
    click(form3()->Button10);
    EXPECT_EQ(generatorText(), soundLines);
}

TEST_F(Integration, DialogsMoveTheCurrentFolderButEachWindowKeepsItsOwnFiles) {
    // A folder holding catalogues of its own, which must not be taken for the program's.
    writeFile(dir_.path(), "elsewhere/cda/models.cdt", "Decoy\r\n");
    writeFile(dir_.path(), "elsewhere/cda/bandlock.cdt", "FF\r\nDecoy\r\n-\r\n#\r\n");
    writeFile(dir_.path(), "elsewhere/" + QString(kCustomize), "<decoy/>\r\n");
    click(form1()->Button3);
    chooseAlert1(alertSound("elsewhere/a"));
    click(form3()->Button12);
    platform_.openAnswers.push_back(file("elsewhere/czech.lng"));
    click(form4()->Button9);
    ASSERT_EQ(QFileInfo(QDir::currentPath()).canonicalFilePath(),
              QFileInfo(path("elsewhere")).canonicalFilePath());

    // The advanced window reloads its lists beside the program.
    click(form4()->Button7);
    ASSERT_EQ(form4()->ComboBox2->count(), 2);
    EXPECT_EQ(form4()->ComboBox2->itemText(0), "GSM 900/1800");

    // The main window reloads and reads below the folder it started in.
    click(form1()->Button2);
    ASSERT_EQ(form1()->ListBox1->count(), 2);
    EXPECT_EQ(form1()->ListBox1->item(1)->text(), "K750");
    chooseRow(form1()->ListBox1, 1);
    EXPECT_EQ(form1()->ListBox2->count(), 2);
    chooseRow(form1()->ListBox2, 0);
    click(form1()->Button1);
    EXPECT_TRUE(readFile(path(kCustomize)).contains("      <model>K750</model>\r\n"));
    EXPECT_EQ(readFile(path("elsewhere/" + QString(kCustomize))), "<decoy/>\r\n");
    // Only the missing T9 companion was reported.
    EXPECT_EQ(platform_.boxTexts(),
              std::vector<QString>{
                  "Could not open .t9 file! Note: .lng and .t9 file must have same filename!"});
}

TEST_F(Integration, ClosingTheMainWindowEndsTheProgramWhateverElseIsOpen) {
    click(form1()->Panel6);
    click(form1()->Button3);
    click(form3()->Button12);
    ASSERT_TRUE(form2()->isVisible());
    ASSERT_TRUE(form4()->isVisible());

    // Steps taken inside the event loop; the watchdog ends a loop nothing else ends.
    bool ranOnAfterAboutClosed = false;
    QTimer closeAbout;
    QTimer closeMain;
    QTimer watchdog;
    for (QTimer* timer : {&closeAbout, &closeMain, &watchdog}) timer->setSingleShot(true);
    QObject::connect(&closeAbout, &QTimer::timeout, [&] {
        form2()->close();
        closeMain.start(0);
    });
    QObject::connect(&closeMain, &QTimer::timeout, [&] {
        ranOnAfterAboutClosed = true;
        EXPECT_TRUE(form3()->isVisible());
        EXPECT_TRUE(form4()->isVisible());
        form1()->close();
    });
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    closeAbout.start(0);
    watchdog.start(10000);

    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(ranOnAfterAboutClosed);
    EXPECT_FALSE(form1()->isVisible());
}

}  // namespace
}  // namespace trellan::testing

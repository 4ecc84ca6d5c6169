#include "script/ui/form3.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "advanced/ui/form4.h"
#include "common/app_title.h"
#include "common/file_io.h"
#include "common/text8.h"
#include "common/ui/jpeg_picture.h"
#include "common/ui/labeled_edit.h"
#include "common/ui/window_util.h"
#include "script/ui/script_preview.h"
#include "support/code_page.h"
#include "support/gui_support.h"
#include "support/write_fault.h"

namespace trellan::testing {
namespace {

const QString kNotMidi = "Could not open file! Must be MIDI format and have .mid extension!";
const QString kNoAmr =
    "Could not open .amr file! Note: .amr and .mid file must have same filename!";
const QString kNoFile = "File does not exist!";
const QColor kRed(255, 0, 0);

// The three lines that replace a phone sound file, written out in full.
QStringList replaced(const QString& phoneName, const QString& local) {
    const QString phone = "/tpa/preset/system/sound/" + phoneName;
    return {"deletefile:" + phone, local, phone};
}

QString crlf(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) text += line + "\r\n";
    return text;
}

class ScriptGenerator : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        copySampleData();
        create();
        form = windows_->set().form3;
        // As the main window's "Script generator" does it.
        showWindow(form);
        form->FormCreate();
        platform_.clearBoxes();
    }

    void choose(QPushButton* open, const std::optional<QString>& answer) {
        platform_.openAnswers.push_back(answer);
        click(open);
    }
    QPushButton* openButton(int row) const {
        return std::array{form->Button1, form->Button2, form->Button3,
                          form->Button4, form->Button5, form->Button6}[row - 1];
    }
    QCheckBox* midiBox(int row) const {
        return std::array{form->Write1, form->Write2, form->Write3,
                          form->Write4, form->Write5, form->Write6}[row - 1];
    }
    QCheckBox* amrBox(int row) const {
        return std::array{
            form->AMR1, form->AMR2, form->AMR3, form->AMR4, form->AMR5, form->AMR6}[row - 1];
    }
    LabeledEdit* sms(int row) const {
        return std::array{
            form->Sms1, form->Sms2, form->Sms3, form->Sms4, form->Sms5, form->Sms6}[row - 1];
    }
    QLineEdit* amrEdit(int row) const {
        return std::array{form->Edit1, form->Edit2, form->Edit3,
                          form->Edit4, form->Edit5, form->Edit6}[row - 1];
    }

    QString generate() {
        click(form->Button10);
        return form->Memo1->wholeText();
    }
    // Saves through the save dialog and returns the file's bytes.
    QByteArray save(const QString& target) {
        platform_.saveAnswers.push_back(target);
        click(form->Button11);
        return readFile(target);
    }

    TForm3* form = nullptr;
};

TEST_F(ScriptGenerator, WorkedExampleByteForByte) {
    const QString mid = file("Tones/beep.mid");
    const QString amr = file("Tones/beep.amr");
    choose(form->Button1, mid);
    click(form->RadioButton1);
    EXPECT_EQ(generate(), crlf({"deletefile:/tpa/preset/system/sound/messagealert1.mid", mid,
                                "/tpa/preset/system/sound/messagealert1.mid",
                                "deletefile:/tpa/preset/system/sound/messagealert1.amr", amr,
                                "/tpa/preset/system/sound/messagealert1.amr",
                                "deletefile:/tpa/preset/system/sound/camerashutter.mid",
                                "deletefile:/tpa/preset/system/sound/camerashutter.amr"}));
    const QByteArray expected = "deletefile:/tpa/preset/system/sound/messagealert1.mid\r\n" +
                                toSystem8(mid) +
                                "\r\n/tpa/preset/system/sound/messagealert1.mid\r\n"
                                "deletefile:/tpa/preset/system/sound/messagealert1.amr\r\n" +
                                toSystem8(amr) +
                                "\r\n/tpa/preset/system/sound/messagealert1.amr\r\n"
                                "deletefile:/tpa/preset/system/sound/camerashutter.mid\r\n"
                                "deletefile:/tpa/preset/system/sound/camerashutter.amr\r\n";
    EXPECT_EQ(save(path("trellan.txt")), expected);
    EXPECT_TRUE(platform_.boxes().empty());
}

struct RowCase {
    const char* name;
    int row;
    QStringList files;              // created before the choice
    std::optional<QString> answer;  // nullopt: cancelled
    std::vector<QString> boxes;
    bool missingShown;  // "File does not exist!" in red
    bool midiAccepted;
    bool amrAccepted;
};

class RowChoice : public ScriptGenerator, public ::testing::WithParamInterface<RowCase> {};

TEST_P(RowChoice, TicksWhatWasAcceptedAndWritesOnlyThat) {
    const RowCase& c = GetParam();
    for (const QString& name : c.files) file(name);
    std::optional<QString> answer;
    if (c.answer) answer = native(*c.answer);
    form->Memo1->setWholeText("before\r\n");
    choose(openButton(c.row), answer);
    // Emptied exactly when one of the row's boxes changed.
    EXPECT_EQ(form->Memo1->wholeText().isEmpty(), c.midiAccepted || c.amrAccepted);

    EXPECT_EQ(platform_.boxTexts(), c.boxes);
    for (const auto& box : platform_.boxes()) {
        EXPECT_EQ(box.title, "Error");
        EXPECT_EQ(box.icon, MessageIcon::None);
    }
    EXPECT_EQ(sms(c.row)->text() == kNoFile, c.missingShown);
    EXPECT_EQ(sms(c.row)->textColor(), c.missingShown ? kRed : QColor(Qt::black));
    EXPECT_EQ(midiBox(c.row)->isChecked(), c.midiAccepted);
    EXPECT_EQ(midiBox(c.row)->isEnabled(), c.midiAccepted);
    EXPECT_EQ(amrBox(c.row)->isChecked(), c.amrAccepted);
    EXPECT_EQ(amrBox(c.row)->isEnabled(), c.amrAccepted);

    QStringList lines;
    const QString n = QString::number(c.row);
    if (c.midiAccepted) {
        EXPECT_TRUE(sms(c.row)->text().endsWith(QFileInfo(*answer).fileName()));
        lines += replaced("messagealert" + n + ".mid", *answer);
    }
    const QString amr = answer ? answer->left(answer->lastIndexOf('.')) + ".amr" : QString();
    EXPECT_EQ(amrEdit(c.row)->text(), c.amrAccepted ? amr : QString());
    if (c.amrAccepted) lines += replaced("messagealert" + n + ".amr", amr);
    EXPECT_EQ(generate(), crlf(lines));
    EXPECT_TRUE(form->Button11->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RowChoice,
    ::testing::Values(
        RowCase{
            "mid_with_amr", 1, {"s/beep.mid", "s/beep.amr"}, "s/beep.mid", {}, false, true, true},
        RowCase{"upper_case_extension_refused_amr_taken",
                2,
                {"s/RING.MID", "s/RING.amr"},
                "s/RING.MID",
                {kNotMidi},
                false,
                false,
                true},
        RowCase{"mid_without_amr", 3, {"s/beep.mid"}, "s/beep.mid", {kNoAmr}, false, true, false},
        RowCase{"typed_name_of_no_file", 4, {}, "s/none.mid", {kNoAmr}, true, false, false},
        RowCase{
            "missing_mid_with_amr_beside", 5, {"s/gone.amr"}, "s/gone.mid", {}, true, false, true},
        RowCase{
            "no_extension", 6, {"s/ring", "s/ring.amr"}, "s/ring", {kNotMidi}, false, false, true},
        RowCase{"folder_counts_as_missing",
                1,
                {"s/dir.mid/x"},
                "s/dir.mid",
                {kNoAmr},
                true,
                false,
                false},
        RowCase{
            "cancelled", 2, {"s/beep.mid", "s/beep.amr"}, std::nullopt, {}, false, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScriptGenerator, CancelledChoiceClearsTheRowButKeepsItsText) {
    const QString mid = file("s/beep.mid");
    file("s/beep.amr");
    choose(form->Button2, native("s/nothing.mid"));
    EXPECT_EQ(form->Sms2->textColor(), kRed);
    choose(form->Button2, mid);
    const QString shown = form->Sms2->text();
    click(form->RadioButton1);
    EXPECT_NE(generate(), "");
    platform_.clearBoxes();

    choose(form->Button2, std::nullopt);
    EXPECT_TRUE(platform_.boxes().empty());
    EXPECT_EQ(form->Sms2->text(), shown);
    EXPECT_EQ(form->Sms2->textColor(), QColor(Qt::black));
    EXPECT_FALSE(form->Write2->isChecked() || form->Write2->isEnabled());
    EXPECT_FALSE(form->AMR2->isChecked() || form->AMR2->isEnabled());
    EXPECT_EQ(form->Edit2->text(), "");
    EXPECT_EQ(form->Memo1->wholeText(), "");  // a box changed
    EXPECT_EQ(generate(), crlf({"deletefile:/tpa/preset/system/sound/camerashutter.mid",
                                "deletefile:/tpa/preset/system/sound/camerashutter.amr"}));

    // Nothing changes when the row's boxes were already unticked.
    choose(form->Button2, std::nullopt);
    EXPECT_NE(form->Memo1->wholeText(), "");
}

TEST_F(ScriptGenerator, RowsFilledInAnyOrderAreWrittenInRowOrder) {
    const QString six = file("a/six.mid");
    const QString two = file("b/two.mid");
    const QString four = file("c/four.mid");
    const QString fourAmr = file("c/four.amr");
    choose(form->Button6, six);
    choose(form->Button2, two);
    choose(form->Button4, four);
    EXPECT_EQ(generate(),
              crlf(replaced("messagealert2.mid", two) + replaced("messagealert4.mid", four) +
                   replaced("messagealert4.amr", fourAmr) + replaced("messagealert6.mid", six)));
    EXPECT_EQ(platform_.boxTexts(), (std::vector<QString>{kNoAmr, kNoAmr}));
}

TEST_F(ScriptGenerator, UntickingABoxAfterGeneratingEmptiesThePreview) {
    const QString mid = file("s/a.mid");
    file("s/a.amr");
    choose(form->Button3, mid);
    EXPECT_NE(generate(), "");
    click(form->Write3);
    EXPECT_FALSE(form->Write3->isChecked());
    EXPECT_EQ(form->Memo1->wholeText(), "");
    EXPECT_TRUE(form->Button11->isEnabled());
    EXPECT_EQ(save(path("out.txt")), QByteArray());
    EXPECT_TRUE(QFile::exists(path("out.txt")));

    // Ticking it again empties a fresh preview too, and generating writes only the ticked half.
    form->Memo1->appendLine("typed");
    click(form->Write3);
    EXPECT_EQ(form->Memo1->wholeText(), "");
    click(form->AMR3);
    EXPECT_EQ(generate(), crlf(replaced("messagealert3.mid", mid)));
}

TEST_F(ScriptGenerator, ResetAfterChoices) {
    const QString mid = file("s/a.mid");
    file("s/a.amr");
    choose(form->Button1, mid);
    choose(form->Button5, mid);
    choose(form->Button7, mid);
    choose(form->Button4, native("s/missing.mid"));
    EXPECT_EQ(platform_.boxTexts(), std::vector<QString>{kNoAmr});
    generate();
    click(form->Button8);

    for (int row = 1; row <= 6; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(sms(row)->text(), "");
        EXPECT_EQ(amrEdit(row)->text(), "");
        EXPECT_FALSE(midiBox(row)->isChecked() || midiBox(row)->isEnabled());
        EXPECT_FALSE(amrBox(row)->isChecked() || amrBox(row)->isEnabled());
    }
    // The reset leaves the text colour alone.
    EXPECT_EQ(form->Sms4->textColor(), kRed);
    EXPECT_EQ(form->CameraLabel->text(), "");
    EXPECT_TRUE(form->CameraLabel->isEnabled());
    EXPECT_TRUE(form->RadioButton3->isChecked());
    EXPECT_FALSE(form->RadioButton2->isEnabled());
    EXPECT_TRUE(form->Image2->isVisible());
    EXPECT_FALSE(form->Image3->isVisible() || form->Image4->isVisible());
    EXPECT_EQ(form->Memo1->wholeText(), "");
    EXPECT_FALSE(form->Button11->isEnabled());
    EXPECT_TRUE(form->Button10->isEnabled());
    EXPECT_EQ(generate(), "");
}

TEST_F(ScriptGenerator, FileDeletedAfterChoosingIsStillWritten) {
    const QString mid = file("s/a.mid");
    const QString amr = file("s/a.amr");
    choose(form->Button1, mid);
    ASSERT_TRUE(QFile::remove(mid) && QFile::remove(amr));
    EXPECT_EQ(generate(),
              crlf(replaced("messagealert1.mid", mid) + replaced("messagealert1.amr", amr)));
}

TEST_F(ScriptGenerator, BlanksAndNonAsciiLettersAreWrittenUnquoted) {
    const QString mid = file(QStringLiteral("My Sounds/T\u00f6ne \u00e9t\u00e9/Ring tone 1.mid"));
    const QString amr = file(QStringLiteral("My Sounds/T\u00f6ne \u00e9t\u00e9/Ring tone 1.amr"));
    choose(form->Button6, mid);
    generate();
    const QByteArray bytes = save(path("out.txt"));
    EXPECT_EQ(bytes, "deletefile:/tpa/preset/system/sound/messagealert6.mid\r\n" + toSystem8(mid) +
                         "\r\n/tpa/preset/system/sound/messagealert6.mid\r\n"
                         "deletefile:/tpa/preset/system/sound/messagealert6.amr\r\n" +
                         toSystem8(amr) + "\r\n/tpa/preset/system/sound/messagealert6.amr\r\n");
    EXPECT_FALSE(bytes.contains('"'));
    if (systemCodePage() == CodePage::Other) GTEST_SKIP() << kOtherCodePage;
    EXPECT_TRUE(bytes.contains(systemBytes("/T\xc3\xb6ne \xc3\xa9t\xc3\xa9/Ring tone 1.mid\r\n",
                                           "\\T\xf6ne \xe9t\xe9\\Ring tone 1.mid\r\n")));
}

TEST_F(ScriptGenerator, PathOutsideTheCharacterSetIsRefusedNeverWrittenAsQuestionMark) {
    if (systemCodePage() == CodePage::Other) GTEST_SKIP() << kOtherCodePage;
    const QString mid = file("s/a.mid");
    file("s/a.amr");
    choose(form->Button1, mid);
    choose(form->Button7, mid);
    const QString shown = form->Sms1->text();
    const QString c = characterOutsideCodePage();
    const QString bad = native("s/" + c + ".mid");
    if (systemCodePage() == CodePage::Windows1252) {  // Linux names no unpaired surrogate
        file("s/" + c + ".mid");
        file("s/" + c + ".amr");
    }
    choose(form->Button1, bad);
    choose(form->Button7, bad);
    ASSERT_EQ(platform_.boxes().size(), 2u);
    for (const auto& box : platform_.boxes()) {
        EXPECT_EQ(box.title, "Error");
        EXPECT_EQ(box.text, unwritable(bad, c));
    }
    // The row as a cancel leaves it; the camera keeps its earlier choice.
    EXPECT_EQ(form->Sms1->text(), shown);
    EXPECT_FALSE(form->Write1->isEnabled() || form->AMR1->isEnabled());
    EXPECT_EQ(form->CameraLabel->text(), "");
    EXPECT_TRUE(form->RadioButton2->isChecked());
    EXPECT_EQ(generate(), crlf(replaced("camerashutter.mid", mid) +
                               replaced("camerashutter.amr", native("s/a.amr"))));
}

TEST_F(ScriptGenerator, SaveRefusesATypedCharacterTheFileCannotHold) {
    if (systemCodePage() == CodePage::Other) GTEST_SKIP() << kOtherCodePage;
    const QString c = characterOutsideCodePage();
    form->Memo1->setWholeText("deletefile:/x\r\nC:\\" + c + "\\a.mid\r\n");
    form->Button11->setEnabled(true);
    click(form->Button11);  // refused before the save dialog
    EXPECT_EQ(platform_.boxTexts(), std::vector<QString>{unwritable("C:\\" + c + "\\a.mid", c)});
    EXPECT_TRUE(platform_.saveRequests.empty());
    EXPECT_EQ(form->Memo1->wholeText(), "deletefile:/x\r\nC:\\" + c + "\\a.mid\r\n");
}

TEST_F(ScriptGenerator, AlertPathIsShortenedInTheCaptionFont) {
    const QString deep = "a-rather-long-folder/another-long-folder/third-folder/sounds/";
    const QString mid = file(deep + "alert.mid");
    file(deep + "alert.amr");
    choose(form->Button1, mid);
    choose(form->Button7, mid);
    // A Windows path keeps its drive in front of the cut: C:\...\sounds\alert.mid.
    const QString drive = mid.left(mid.indexOf(QDir::separator()));
    const QString cut = drive + QDir::separator() + QString("...") + QDir::separator();
    const std::vector<std::pair<LabeledEdit*, int>> cases = {{form->Sms1, 170},
                                                             {form->CameraLabel, 140}};
    for (const auto& [edit, limit] : cases) {
        const QString shown = edit->text();
        SCOPED_TRACE(shown.toStdString());
        const QFontMetrics metrics(edit->label->font());
        EXPECT_GT(metrics.horizontalAdvance(mid), limit);
        EXPECT_LE(metrics.horizontalAdvance(shown), limit);
        EXPECT_TRUE(shown.startsWith(cut));
        EXPECT_TRUE(mid.endsWith(shown.mid(cut.size() - 1)));
    }
    EXPECT_LT(form->CameraLabel->text().size(), form->Sms1->text().size());
}

TEST_F(ScriptGenerator, CameraChoiceSelectsReplaceAndWritesSixLines) {
    const QString mid = file("cam/click.mid");
    const QString amr = file("cam/click.amr");
    choose(form->Button7, mid);
    EXPECT_TRUE(platform_.boxes().empty());
    EXPECT_TRUE(form->RadioButton2->isEnabled());
    EXPECT_TRUE(form->RadioButton2->isChecked());
    EXPECT_TRUE(form->Image4->isVisible());
    EXPECT_FALSE(form->Image2->isVisible() || form->Image3->isVisible());
    EXPECT_EQ(form->Edit7->text(), amr);
    EXPECT_TRUE(form->CameraLabel->text().endsWith("click.mid"));
    EXPECT_EQ(generate(),
              crlf(replaced("camerashutter.mid", mid) + replaced("camerashutter.amr", amr)));

    // "Replace" stays enabled while another choice is selected.
    click(form->RadioButton3);
    EXPECT_TRUE(form->RadioButton2->isEnabled());
    EXPECT_EQ(generate(), "");
}

TEST_F(ScriptGenerator, ReplaceIsNeverOfferedWithoutAnAcceptedCameraMidi) {
    file("cam/RING.MID");
    const QString amr = file("cam/RING.amr");
    choose(form->Button7, native("cam/RING.MID"));
    EXPECT_EQ(platform_.boxTexts(), std::vector<QString>{kNotMidi});
    EXPECT_EQ(form->CameraLabel->text(), "");
    EXPECT_FALSE(form->RadioButton2->isEnabled());
    EXPECT_TRUE(form->RadioButton3->isChecked());
    EXPECT_EQ(generate(), "");
    // Not even after a missing file whose companion exists.
    file("cam/gone.amr");
    choose(form->Button7, native("cam/gone.mid"));
    EXPECT_EQ(form->CameraLabel->text(), kNoFile);
    EXPECT_EQ(form->CameraLabel->textColor(), kRed);
    EXPECT_FALSE(form->RadioButton2->isEnabled());
    EXPECT_FALSE(generate().contains("camerashutter"));
}

TEST_F(ScriptGenerator, RefusedCameraMidiKeepsTheLastAcceptedOne) {
    const QString mid = file("cam/click.mid");
    file("cam/click.amr");
    choose(form->Button7, mid);
    click(form->Button8);  // the accepted path outlives the reset
    EXPECT_FALSE(form->RadioButton2->isEnabled());
    file("other/RING.MID");
    const QString ringAmr = file("other/RING.amr");
    choose(form->Button7, native("other/RING.MID"));
    EXPECT_EQ(platform_.boxTexts(), std::vector<QString>{kNotMidi});
    EXPECT_TRUE(form->RadioButton2->isChecked());
    EXPECT_EQ(generate(),
              crlf(replaced("camerashutter.mid", mid) + replaced("camerashutter.amr", ringAmr)));
}

TEST_F(ScriptGenerator, CameraWithoutAmrAfterACompleteChoiceMixesThePaths) {
    file("cam/click.mid");
    const QString amr = file("cam/click.amr");
    choose(form->Button7, native("cam/click.mid"));
    const QString lone = file("lone/shot.mid");
    choose(form->Button7, lone);
    EXPECT_EQ(platform_.boxTexts(), std::vector<QString>{kNoAmr});
    EXPECT_TRUE(form->RadioButton2->isChecked());
    EXPECT_EQ(generate(),
              crlf(replaced("camerashutter.mid", lone) + replaced("camerashutter.amr", amr)));
}

TEST_F(ScriptGenerator, CancelledCameraChoiceLeavesTheLabelEmptyAndBlack) {
    choose(form->Button7, native("cam/none.mid"));
    ASSERT_EQ(form->CameraLabel->textColor(), kRed);
    choose(form->Button7, std::nullopt);
    EXPECT_EQ(form->CameraLabel->text(), "");
    EXPECT_EQ(form->CameraLabel->textColor(), QColor(Qt::black));
    EXPECT_EQ(platform_.boxTexts(), std::vector<QString>{kNoAmr});
}

TEST_F(ScriptGenerator, CameraRadioButtonsShowTheirStateIcon) {
    const std::vector<std::pair<QRadioButton*, JpegPicture*>> cases = {
        {form->RadioButton1, form->Image3}, {form->RadioButton3, form->Image2}};
    for (const auto& [radio, icon] : cases) {
        click(radio);
        EXPECT_TRUE(radio->isChecked());
        for (JpegPicture* image : {form->Image2, form->Image3, form->Image4}) {
            EXPECT_EQ(image->isVisible(), image == icon) << image->objectName().toStdString();
        }
        EXPECT_TRUE(form->Image1->isVisible());
    }
}

TEST_F(ScriptGenerator, OpenDialogRemembersItsNameAndStartsWhereTheLastOneEnded) {
    const QString first = file("one/a.mid");
    file("two/b.mid");
    choose(form->Button1, first);
    choose(form->Button2, std::nullopt);
    choose(form->Button7, native("two/b.mid"));
    ASSERT_EQ(platform_.openRequests.size(), 3u);
    const auto& requests = platform_.openRequests;
    for (const FileDialogOptions& request : requests) {
        EXPECT_EQ(request.filter, "MIDI Files (*.mid)|*.mid");
    }
    EXPECT_EQ(requests[0].startFolder, "");
    EXPECT_EQ(requests[0].fileName, "");
    EXPECT_EQ(QDir(requests[1].startFolder), QDir(path("one")));
    EXPECT_EQ(requests[1].fileName, first);
    EXPECT_EQ(QDir(requests[2].startFolder), QDir(path("one")));  // a cancel moves nothing
    EXPECT_EQ(requests[2].fileName, first);
    EXPECT_EQ(QDir(QDir::currentPath()), QDir(path("two")));
    EXPECT_EQ(platform_.boxTexts(), (std::vector<QString>{kNoAmr, kNoAmr}));
}

TEST_F(ScriptGenerator, SaveDialogProposesTheLastNameAndDoesNotAsk) {
    form->Memo1->appendLine("x");
    form->Button11->setEnabled(true);
    const QString target = path("mine.txt");
    EXPECT_EQ(save(target), "x\r\n");
    platform_.saveAnswers.push_back(std::nullopt);
    click(form->Button11);
    ASSERT_EQ(platform_.saveRequests.size(), 2u);
    EXPECT_EQ(platform_.saveRequests[0].fileName, "trellan.script");
    EXPECT_EQ(platform_.saveRequests[0].filter, "Text File / SETool script (*.txt)|*.txt");
    EXPECT_EQ(platform_.saveRequests[0].defaultSuffix, "txt");
    EXPECT_EQ(QDir::fromNativeSeparators(platform_.saveRequests[1].fileName), target);
    EXPECT_TRUE(platform_.boxes().empty());
    EXPECT_EQ(form->Memo1->wholeText(), "x\r\n");
}

TEST_F(ScriptGenerator, SaveReplacesAnExistingFileWhole) {
    writeFile(dir_.path(), "old.txt", QByteArray(10000, 'o'));
    file("s/a.mid");
    choose(form->Button1, native("s/a.mid"));
    EXPECT_EQ(platform_.boxTexts(), std::vector<QString>{kNoAmr});
    generate();
    const QByteArray bytes = save(path("old.txt"));
    EXPECT_EQ(bytes, toSystem8(crlf(replaced("messagealert1.mid", native("s/a.mid")))));
    platform_.saveAnswers.push_back(std::nullopt);
    form->Memo1->appendLine("more");
    click(form->Button11);
    EXPECT_EQ(readFile(path("old.txt")), bytes);  // a cancelled save writes nothing
}

TEST_F(ScriptGenerator, HandEditedPreviewIsSavedExactlyAsTyped) {
    form->Memo1->setFocus();
    QTest::keyClicks(form->Memo1, "deletefile:/x");
    QTest::keyClick(form->Memo1, Qt::Key_Return);
    QTest::keyClick(form->Memo1, Qt::Key_Return);
    QTest::keyClicks(form->Memo1, "C:\\T");
    QTest::sendKeyEvent(QTest::Click, form->Memo1, Qt::Key_unknown, QStringLiteral("\u00f6"),
                        Qt::NoModifier);
    QTest::keyClicks(form->Memo1, "ne\\a.mid");
    form->Button11->setEnabled(true);
    if (systemCodePage() == CodePage::Other) GTEST_SKIP() << kOtherCodePage;
    EXPECT_EQ(
        save(path("hand.txt")),
        "deletefile:/x\r\n\r\n" + systemBytes("C:\\T\xc3\xb6ne\\a.mid", "C:\\T\xf6ne\\a.mid"));
}

struct SaveFailureCase {
    const char* name;
    std::function<QString(const QString& dir)> prepare;  // returns the target
    QString reason;                                      // empty: the system's own
};

// A step of the replacement that fails while a case holds it.
std::unique_ptr<ScopedWriteFault> writeFault;

class SaveFailure : public ScriptGenerator, public ::testing::WithParamInterface<SaveFailureCase> {
protected:
    void TearDown() override {
        writeFault.reset();
        ScriptGenerator::TearDown();
    }
};

TEST_P(SaveFailure, ShowsTheErrorAndKeepsThePreviewAndTheOldFile) {
    const QString target = GetParam().prepare(dir_.path());
    const bool existed = QFileInfo(target).isFile();
    const QByteArray old = existed ? readFile(target) : QByteArray();
    form->Memo1->setWholeText("typed");
    form->Button11->setEnabled(true);
    platform_.saveAnswers.push_back(target);
    click(form->Button11);
    ASSERT_EQ(platform_.boxes().size(), 1u);
    const auto& box = platform_.boxes().front();
    EXPECT_EQ(box.title, kAppTitle);
    EXPECT_EQ(box.icon, MessageIcon::Error);
    const QString prefix = "Cannot create file \"" + QDir::toNativeSeparators(target) + "\". ";
    if (GetParam().reason.isEmpty()) {
        EXPECT_TRUE(box.text.startsWith(prefix)) << box.text.toStdString();
        EXPECT_GT(box.text.size(), prefix.size());
    } else {
        EXPECT_EQ(box.text, prefix + GetParam().reason);
    }
    EXPECT_EQ(form->Memo1->wholeText(), "typed");
    EXPECT_TRUE(form->Button11->isEnabled());
    if (existed) {
        EXPECT_EQ(readFile(target), old);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveFailure,
    ::testing::Values(SaveFailureCase{"folder_of_that_name",
                                      [](const QString& dir) {
                                          QDir(dir).mkdir("taken.txt");
                                          return dir + "/taken.txt";
                                      },
                                      "Is a directory."},
                      SaveFailureCase{"read_only_file",
                                      [](const QString& dir) {
                                          const QString target = dir + "/locked.txt";
                                          writeFile(dir, "locked.txt", "old");
                                          QFile::setPermissions(target, QFileDevice::ReadOwner);
                                          return target;
                                      },
                                      "Permission denied."},
                      SaveFailureCase{
                          "missing_folder",
                          [](const QString& dir) { return dir + "/no/such/folder/x.txt"; }, ""},
                      SaveFailureCase{"disk_full",
                                      [](const QString& dir) {
                                          writeFile(dir, "full.txt", "old");
                                          writeFault = std::make_unique<ScopedWriteFault>(
                                              WriteStep::Write, "No space left on device");
                                          return dir + "/full.txt";
                                      },
                                      "No space left on device."},
                      SaveFailureCase{"sync_fails",
                                      [](const QString& dir) {
                                          writeFault = std::make_unique<ScopedWriteFault>(
                                              WriteStep::Sync, "Input/output error");
                                          return dir + "/new.txt";
                                      },
                                      "Input/output error."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScriptGenerator, AddMoreHandsTheWholeTextToTheAdvancedWindow) {
    TForm4* advanced = windows_->set().form4;
    advanced->Memo1->setWholeText("stale\r\n");
    form->Memo1->setWholeText("line 1\r\n\r\nhand typed");
    click(form->Button12);
    EXPECT_FALSE(form->isEnabled());
    EXPECT_TRUE(advanced->isVisible());
    EXPECT_EQ(advanced->Memo1->wholeText(), "line 1\r\n\r\nhand typed");

    // The main window's "Script generator" meanwhile: shown and reset, still disabled.
    showWindow(form);
    form->FormCreate();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isEnabled());
    EXPECT_EQ(form->Memo1->wholeText(), "");
}

TEST_F(ScriptGenerator, ScriptGeneratorButtonWhileOpenResetsIt) {
    const QString mid = file("s/a.mid");
    choose(form->Button1, mid);
    EXPECT_EQ(platform_.boxTexts(), std::vector<QString>{kNoAmr});
    generate();
    showWindow(form);
    form->FormCreate();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->Sms1->text(), "");
    EXPECT_EQ(form->Memo1->wholeText(), "");
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    // The open dialog still remembers the last name.
    choose(form->Button1, std::nullopt);
    EXPECT_EQ(platform_.openRequests.back().fileName, mid);
}

TEST_F(ScriptGenerator, CloseOnlyHides) {
    form->Memo1->setWholeText("kept");
    click(form->Button9);
    EXPECT_FALSE(form->isVisible());
    showWindow(form);
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(windows_->set().form3, form);
    EXPECT_EQ(form->Memo1->wholeText(), "kept");
}

TEST_F(ScriptGenerator, FrameCloseIsRefusedWhileTheAdvancedWindowIsOpen) {
    TForm4* advanced = windows_->set().form4;
    form->Memo1->setWholeText("generated\r\n");
    click(form->Button12);
    closeFromFrame(form);
    EXPECT_TRUE(form->isVisible());

    click(advanced->Button7);  // "Cancel"
    ASSERT_TRUE(form->isEnabled());
    closeFromFrame(form);
    EXPECT_FALSE(form->isVisible());

    // The program's own closing (as at its end) is never refused.
    showWindow(form);
    click(form->Button12);
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
}

TEST_F(ScriptGenerator, LayoutUsesTheDesignedNamesAndPlaces) {
    EXPECT_EQ(form->windowTitle(), "Calvorn Trellan - Script Generator");
    EXPECT_EQ(form->frameGeometry().size(), QSize(393, 660));
    EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(732, 118));
    EXPECT_EQ(form->font().pixelSize(), 11);
    // Sound row i lies at y 64 + 40 (i - 1), its boxes under the captions of their columns.
    for (int i = 1; i <= 6; ++i) {
        const int y = 64 + 40 * (i - 1);
        const auto place = [&](const char* name) {
            const QWidget* part = child<QWidget>(form, name + QString::number(i));
            return part != nullptr ? part->geometry() : QRect();
        };
        EXPECT_EQ(place("Sms"), QRect(form->Label1->x(), y, 177, 21)) << i;
        EXPECT_EQ(place("Button"), QRect(192, y, 75, 21)) << i;
        EXPECT_EQ(place("Write"), QRect(form->Label2->x(), y, 17, 17)) << i;
        EXPECT_EQ(place("AMR"), QRect(form->Label3->x(), y, 17, 17)) << i;
    }
    const std::vector<std::pair<const char*, QRect>> places = {
        {"GroupBox1", {8, 8, 369, 297}},    {"GroupBox2", {8, 312, 225, 137}},
        {"Image1", {144, 24, 28, 25}},      {"Image4", {184, 24, 28, 25}},
        {"CameraLabel", {8, 104, 129, 21}}, {"Button7", {144, 104, 75, 21}},
        {"Button10", {240, 312, 137, 25}},  {"Button12", {240, 336, 137, 25}},
        {"Button11", {240, 376, 137, 25}},  {"Button8", {240, 400, 137, 25}},
        {"Button9", {240, 424, 137, 25}},   {"Memo1", {8, 472, 369, 105}},
    };
    for (const auto& [name, rect] : places) {
        const QWidget* widget = child<QWidget>(form, name);
        EXPECT_EQ(widget != nullptr ? widget->geometry() : QRect(), rect) << name;
    }
    // Only one of the state icons, which share a place, is shown.
    expectTidyLayout(form);
    for (LabeledEdit* edit : {form->Sms3, form->CameraLabel}) {
        EXPECT_EQ(edit->label->geometry().bottom() + 1 + 3, edit->edit->y());
        EXPECT_EQ(edit->label->x(), edit->edit->x());
        EXPECT_TRUE(edit->edit->isReadOnly());
    }
    EXPECT_EQ(form->Label5->pos(), QPoint(28, 584));
    EXPECT_EQ(form->Label6->pos(), QPoint(32, 600));
    EXPECT_TRUE(form->Label5->font().bold());
    EXPECT_EQ(form->Label5->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(form->Memo1->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(form->Memo1->palette().color(QPalette::Text), QColor(0, 255, 255));
    EXPECT_EQ(form->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_FALSE(form->Memo1->isReadOnly());
    for (QLineEdit* hidden : {form->Edit1, form->Edit6, form->Edit7}) {
        EXPECT_FALSE(hidden->isVisible());
    }
    for (JpegPicture* image : {form->Image1, form->Image2, form->Image3, form->Image4}) {
        EXPECT_TRUE(image->decoded()) << image->objectName().toStdString();
    }
}

TEST_F(ScriptGenerator, NoCaptionIsClipped) {
    for (QAbstractButton* button : form->findChildren<QAbstractButton*>()) {
        const int text = button->fontMetrics().horizontalAdvance(button->text());
        if (qobject_cast<QPushButton*>(button) != nullptr) {
            EXPECT_LE(text + 8, button->width()) << button->objectName().toStdString();
        } else if (!button->text().isEmpty()) {
            EXPECT_LE(button->sizeHint().width(), button->width())
                << button->objectName().toStdString();
        }
    }
    for (QLabel* label : form->findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            EXPECT_LE(label->sizeHint().width(), label->width())
                << label->objectName().toStdString();
        }
    }
}

}  // namespace
}  // namespace trellan::testing

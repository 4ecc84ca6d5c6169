#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <map>
#include <memory>

#include "about/ui/form2.h"
#include "common/app_title.h"
#include "common/file_io.h"
#include "common/ui/jpeg_picture.h"
#include "main_window/ui/click_label.h"
#include "main_window/ui/form1.h"
#include "main_window/ui/list_box.h"
#include "script/ui/form3.h"
#include "script/ui/script_preview.h"
#include "support/gui_support.h"
#include "support/write_fault.h"

namespace trellan::testing {
namespace {

const QString kChooseModel = QStringLiteral("Please chose phone model...");
const QString kChooseFs = QStringLiteral("Please chose file system...");
const QString kCheckSettings = QStringLiteral("Check all settings, then hit \"Update\" button...");
const QString kUnreadable = QStringLiteral(
    "File \"customize.xml\" could not be read. Fix it, then hit \"Clear all fields\"...");
const QString kSaved = QStringLiteral(
    "File \"customize.xml\" updated and saved successfully. Flash with setool2 now...");
const char* kCustomize = "tpa/preset/custom/customize.xml";

QByteArray variantEntry(const QByteArray& fs, const QByteArray& country, const QByteArray& op,
                        const QByteArray& cda, const QByteArray& rev, const QByteArray& langs) {
    return fs + "\r\n" + country + "\r\n" + op + "\r\n" + cda + "\r\n" + rev + "\r\n" + langs +
           "\r\n-\r\n";
}

// Distinct template lines, some replaced, each followed by `lineEnd`.
QByteArray customizeFile(const std::map<int, QByteArray>& replaced, int lineCount,
                         const char* lineEnd) {
    QByteArray bytes;
    for (int i = 0; i < lineCount; ++i) {
        const auto it = replaced.find(i);
        bytes +=
            (it != replaced.end() ? it->second : "  <line n=\"" + QByteArray::number(i) + "\"/>") +
            lineEnd;
    }
    return bytes;
}

// 80 template lines, LF-separated, with a final break.
QByteArray customizeTemplate(int lineCount = 80) { return customizeFile({}, lineCount, "\n"); }

// The template with lines replaced, as the update must write it (CR LF).
QByteArray expectedCustomize(const std::map<int, QByteArray>& replaced, int lineCount = 80) {
    return customizeFile(replaced, lineCount, "\r\n");
}

const std::map<int, QByteArray> kGenericLines = {
    {6, "      <cda-number>CDA102345/22</cda-number>"},
    {7, "      <cda-revision>R1A</cda-revision>"},
    {8, "      <model>K750</model>"},
    {9, "      <country>Germany</country>"},
    {10, "      <operator>T-Mobile & <Co></operator>"},
    {11, "      <language-variant-name>K750 Generic</language-variant-name>"},
};

class MainWindowTest : public GuiTest {
protected:
    void writeSampleData() {
        writeFile(dir_.path(), "cda/models.cdt", "K750\r\nV802SE\r\nBlank\r\nNoCatalogue\r\n");
        writeFile(
            dir_.path(), "cda/K750.cdt",
            variantEntry("K750 Generic", "Germany", "T-Mobile & <Co>", "CDA102345/22", "R1A",
                         "EN DE FR") +
                variantEntry("K750 Nordic", "Sweden", "Telia", "CDA102346/1", "R2B", "SV NO") +
                "#\r\n");
        writeFile(dir_.path(), "cda/V802SE.cdt",
                  variantEntry("V802 Vodafone", "UK", "Vodafone", "CDA1", "R9", "EN") + "#\r\n");
        writeFile(dir_.path(), "cda/Blank.cdt",
                  variantEntry("blank", "", "", "", "", "") + "#\r\n");
        writeFile(dir_.path(), kCustomize, customizeTemplate());
    }

    void startWithSamples() {
        writeSampleData();
        start();
    }

    void start() {
        writeAdvancedCatalogues();
        create();
        form()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form()));
    }

    TForm1* form() const { return windows_->set().form1; }

    void chooseGenericK750() {
        chooseRow(form()->ListBox1, 0);
        chooseRow(form()->ListBox2, 0);
    }

    QByteArray customizeBytes() const { return readFile(path(kCustomize)); }

    // The error box for a file of the folder that does not exist.
    QString cannotOpenBox(const char* relative) const {
        const QString text =
            QStringLiteral("Cannot open file \"%1\". %2")
                .arg(native(relative), notFoundReason(path(QLatin1String(relative))));
        return text.endsWith(QLatin1Char('.')) ? text : text + QLatin1Char('.');
    }

    // Boxes about the main window's files.
    int boxesMentioning(const char* file) {
        int count = 0;
        for (const QString& text : platform_.boxTexts()) {
            count += text.contains(QLatin1String(file)) ? 1 : 0;
        }
        return count;
    }

    QStringList visiblePictures() const {
        QStringList shown;
        for (JpegPicture* picture : {form()->K750, form()->K700, form()->K500, form()->S700,
                                     form()->V800, form()->Z1010, form()->Z800, form()->NoImage}) {
            if (picture->isVisible()) shown << picture->objectName();
        }
        return shown;
    }
};

TEST_F(MainWindowTest, StartsReadyToChooseAModel) {
    startWithSamples();
    TForm1* f = form();
    EXPECT_EQ(boxesMentioning("models.cdt") + boxesMentioning("customize.xml"), 0);
    EXPECT_EQ(f->Panel3->text(), kChooseModel);
    EXPECT_FALSE(f->Button1->isEnabled());
    EXPECT_EQ(f->ListBox1->count(), 4);
    EXPECT_EQ(f->ListBox1->item(1)->text(), "V802SE");
    EXPECT_EQ(f->ListBox2->count(), 0);
    // All pictures are shown; NoImage, created last, is the one on top.
    EXPECT_EQ(visiblePictures().size(), 8);
    for (JpegPicture* picture : f->findChildren<JpegPicture*>()) {
        EXPECT_TRUE(picture->decoded()) << picture->objectName().toStdString();
    }
    EXPECT_EQ(f->Panel7->childAt(f->NoImage->geometry().center()), f->NoImage);
    EXPECT_TRUE(f->Cam->isVisible());
    EXPECT_TRUE(f->CamOff->isVisible());
    EXPECT_FALSE(f->CamOn->isVisible());
    EXPECT_TRUE(f->CameraOff->isChecked());
    EXPECT_FALSE(f->CameraOn->isChecked());
    for (QLabel* value : {f->Model, f->FS, f->CDA, f->Revision, f->Country, f->Operator1,
                          f->Languages, f->CDARev}) {
        EXPECT_TRUE(value->text().isEmpty()) << value->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, WindowIsFixedWithoutMaximiseAndStaysShownAfterClear) {
    startWithSamples();
    EXPECT_EQ(form()->frameGeometry().size(), QSize(771, 342));
    EXPECT_EQ(form()->Image1->size(), QSize(225, 57));  // the whole logo
    // The photographs lie one upon another in their frame.
    const auto photographs = form()->Panel7->findChildren<JpegPicture*>();
    expectTidyLayout(form(), {photographs.begin(), photographs.end()});
    EXPECT_EQ(form()->minimumSize(), form()->maximumSize());
    EXPECT_EQ(form()->windowTitle(), kAppTitle);
    const Qt::WindowFlags flags = form()->windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    click(form()->Button2);
    EXPECT_TRUE(form()->isVisible());
    EXPECT_FALSE(form()->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(MainWindowTest, NoCaptionIsClipped) {
    startWithSamples();
    for (QWidget* widget : form()->findChildren<QWidget*>()) {
        const bool captioned = qobject_cast<QPushButton*>(widget) != nullptr ||
                               qobject_cast<QRadioButton*>(widget) != nullptr ||
                               (qobject_cast<QLabel*>(widget) != nullptr &&
                                !qobject_cast<QLabel*>(widget)->text().isEmpty());
        if (captioned && widget != form()->Panel3) {
            EXPECT_LE(widget->sizeHint().width(), widget->width())
                << widget->objectName().toStdString();
            EXPECT_LE(widget->geometry().right(), widget->parentWidget()->width())
                << widget->objectName().toStdString();
        }
    }
}

struct CameraCase {
    const char* name;
    std::vector<const char*> clicks;
    QByteArray line71;
    bool camOnShown;
};

class UpdateCustomize : public MainWindowTest, public ::testing::WithParamInterface<CameraCase> {};

TEST_P(UpdateCustomize, WritesTheChosenEntryAndCameraSound) {
    startWithSamples();
    chooseRow(form()->ListBox1, 0);
    EXPECT_EQ(form()->Panel3->text(), kChooseFs);
    EXPECT_FALSE(form()->Button1->isEnabled());
    chooseRow(form()->ListBox2, 0);
    EXPECT_EQ(form()->Panel3->text(), kCheckSettings);
    for (const char* radio : GetParam().clicks) {
        clickRadio(child<QRadioButton>(form(), QLatin1String(radio)));
    }
    EXPECT_EQ(form()->CamOn->isVisible(), GetParam().camOnShown);
    EXPECT_EQ(form()->CamOff->isVisible(), !GetParam().camOnShown);
    // Another program edits a line that the update leaves alone.
    std::map<int, QByteArray> lines = {{20, "  <edited n=\"20\"/>"}};
    writeFile(dir_.path(), kCustomize, customizeFile(lines, 80, "\n"));

    click(form()->Button1);

    lines.insert(kGenericLines.begin(), kGenericLines.end());
    lines[71] = GetParam().line71;
    EXPECT_EQ(customizeBytes(), expectedCustomize(lines));
    EXPECT_EQ(form()->Panel3->text(), kSaved);
    EXPECT_TRUE(form()->Button1->isEnabled());
    EXPECT_EQ(boxesMentioning("customize.xml"), 0);

    // Again after another edit: the same lines written, both edits kept.
    lines[30] = "  <edited n=\"30\"/>";
    writeFile(dir_.path(), kCustomize, customizeFile(lines, 80, "\n"));
    click(form()->Button1);
    EXPECT_EQ(customizeBytes(), expectedCustomize(lines));
}

INSTANTIATE_TEST_SUITE_P(
    Camera, UpdateCustomize,
    ::testing::Values(CameraCase{"off_by_default",
                                 {},
                                 "        <suppress-camera-sound>true</suppress-camera-sound>",
                                 false},
                      CameraCase{"on",
                                 {"CameraOn"},
                                 "        <suppress-camera-sound>false</suppress-camera-sound>",
                                 true},
                      CameraCase{"on_then_off",
                                 {"CameraOn", "CameraOff"},
                                 "        <suppress-camera-sound>true</suppress-camera-sound>",
                                 false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ChoosingAnEntryShowsItsFields) {
    startWithSamples();
    chooseRow(form()->ListBox1, 0);
    ASSERT_EQ(form()->ListBox2->count(), 2);
    EXPECT_EQ(form()->ListBox2->item(1)->text(), "K750 Nordic");
    chooseRow(form()->ListBox2, 1);
    const std::vector<std::pair<QLabel*, QString>> shown = {
        {form()->Model, "K750"},      {form()->FS, "K750 Nordic"},
        {form()->Country, "Sweden"},  {form()->Operator1, "Telia"},
        {form()->CDA, "CDA102346/1"}, {form()->Revision, "R2B"},
        {form()->Languages, "SV NO"}, {form()->CDARev, "CDA102346/1 R2B"},
    };
    for (const auto& [label, text] : shown) {
        EXPECT_EQ(label->text(), text) << label->objectName().toStdString();
    }
    EXPECT_TRUE(form()->Button1->isEnabled());

    // An entry with empty CDA and revision gives a single space.
    chooseRow(form()->ListBox1, 2);
    chooseRow(form()->ListBox2, 0);
    EXPECT_EQ(form()->CDARev->text(), " ");
}

TEST_F(MainWindowTest, ChoosingAnotherModelClearsEverything) {
    startWithSamples();
    chooseGenericK750();
    ASSERT_TRUE(form()->Button1->isEnabled());
    chooseRow(form()->ListBox1, 1);
    EXPECT_EQ(form()->Model->text(), "V802SE");
    for (QLabel* value : {form()->FS, form()->CDA, form()->Revision, form()->Country,
                          form()->Operator1, form()->Languages, form()->CDARev}) {
        EXPECT_TRUE(value->text().isEmpty()) << value->objectName().toStdString();
    }
    EXPECT_FALSE(form()->Button1->isEnabled());
    ASSERT_EQ(form()->ListBox2->count(), 1);
    EXPECT_EQ(form()->ListBox2->item(0)->text(), "V802 Vodafone");
    EXPECT_EQ(visiblePictures(), QStringList{"V800"});
}

TEST_F(MainWindowTest, KeysChooseAModelButTheProgramDoesNot) {
    startWithSamples();
    chooseRow(form()->ListBox1, 0);
    form()->ListBox1->setFocus();
    QTest::keyClick(form()->ListBox1, Qt::Key_Down);
    EXPECT_EQ(form()->Model->text(), "V802SE");
    EXPECT_EQ(form()->ListBox2->count(), 1);

    form()->ListBox1->setCurrentRow(0);
    EXPECT_EQ(form()->Model->text(), "V802SE");
    form()->ListBox2->setCurrentRow(0);
    EXPECT_TRUE(form()->FS->text().isEmpty());
}

// Every way the user can leave an entry selected chooses it, so the highlighted
// model is always the one shown and written.
struct GestureCase {
    const char* name;
    std::function<void(ListBox*)> gesture;
    const char* model;
};

class ListGestures : public MainWindowTest, public ::testing::WithParamInterface<GestureCase> {};

TEST_P(ListGestures, TheSelectedModelIsTheChosenOne) {
    startWithSamples();
    ListBox* list = form()->ListBox1;
    GetParam().gesture(list);
    ASSERT_EQ(list->selectedItems().size(), 1);
    EXPECT_EQ(list->selectedItems().front()->text(), GetParam().model);
    EXPECT_EQ(form()->Model->text(), GetParam().model);
    EXPECT_EQ(form()->Panel3->text(), kChooseFs);
}

QPoint rowCentre(ListBox* list, int row) { return list->visualItemRect(list->item(row)).center(); }

INSTANTIATE_TEST_SUITE_P(
    Gestures, ListGestures,
    ::testing::Values(GestureCase{"drag_to_another_row",
                                  [](ListBox* list) {
                                      QTest::mousePress(list->viewport(), Qt::LeftButton, {},
                                                        rowCentre(list, 0));
                                      QTest::mouseMove(list->viewport(), rowCentre(list, 1));
                                      QTest::mouseRelease(list->viewport(), Qt::LeftButton, {},
                                                          rowCentre(list, 1));
                                  },
                                  "V802SE"},
                      GestureCase{"right_click",
                                  [](ListBox* list) {
                                      QTest::mouseClick(list->viewport(), Qt::RightButton, {},
                                                        rowCentre(list, 1));
                                  },
                                  "V802SE"},
                      GestureCase{"space_after_tabbing_in",
                                  [](ListBox* list) {
                                      list->setFocus(Qt::TabFocusReason);
                                      QTest::keyClick(list, Qt::Key_Space);
                                  },
                                  "K750"}),
    [](const auto& info) { return std::string(info.param.name); });

struct PictureCase {
    const char* model;
    const char* picture;
    const char* description;  // what a screen reader is told it shows
};

class PictureTable : public MainWindowTest, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(PictureTable, ShowsThePictureOfTheModel) {
    writeFile(dir_.path(), "cda/models.cdt", QByteArray("Other\r\n") + GetParam().model);
    writeFile(dir_.path(), QStringLiteral("cda/%1.cdt").arg(GetParam().model),
              variantEntry("fs", "c", "o", "1", "2", "l") + "#");
    writeFile(dir_.path(), "cda/Other.cdt", variantEntry("fs", "c", "o", "1", "2", "l") + "#");
    writeFile(dir_.path(), kCustomize, customizeTemplate());
    start();
    chooseRow(form()->ListBox1, 1);
    EXPECT_EQ(visiblePictures(), QStringList{GetParam().picture});
    const auto described = [this](const char* picture) {
        return QAccessible::queryAccessibleInterface(child<JpegPicture>(form(), picture))
            ->text(QAccessible::Description);
    };
    EXPECT_EQ(described(GetParam().picture), GetParam().description);
    // A model without a picture hides the previous one again.
    chooseRow(form()->ListBox1, 0);
    EXPECT_EQ(visiblePictures(), QStringList{"NoImage"});
    EXPECT_EQ(described("NoImage"), "No picture of the Other");
}

INSTANTIATE_TEST_SUITE_P(
    Models, PictureTable,
    ::testing::Values(PictureCase{"K750", "K750", "Picture of the K750"},
                      PictureCase{"K750i", "K750", "Picture of the K750, shown for the K750i"},
                      PictureCase{"V802SE", "V800", "Picture of the V800, shown for the V802SE"},
                      PictureCase{"F500i", "K500", "Picture of the K500, shown for the F500i"},
                      PictureCase{"k750", "NoImage", "No picture of the k750"}),
    [](const auto& info) { return std::string(info.param.model); });

TEST_F(MainWindowTest, ClearAllFieldsKeepsPictureCdaRevAndRadioButtons) {
    startWithSamples();
    chooseGenericK750();
    clickRadio(form()->CameraOn);
    writeFile(dir_.path(), "cda/models.cdt", "K750\r\nZ1010\r\n");

    click(form()->Button2);

    TForm1* f = form();
    EXPECT_EQ(f->ListBox1->count(), 2);
    EXPECT_EQ(f->ListBox2->count(), 0);
    EXPECT_EQ(f->CDARev->text(), "CDA102345/22 R1A");
    EXPECT_EQ(visiblePictures(), QStringList{"K750"});
    EXPECT_TRUE(f->CameraOn->isChecked());
    EXPECT_TRUE(f->CamOff->isVisible());
    EXPECT_FALSE(f->CamOn->isVisible());
    EXPECT_FALSE(f->Button1->isEnabled());
    EXPECT_EQ(f->Panel3->text(), kChooseModel);
    for (QLabel* value :
         {f->Model, f->FS, f->CDA, f->Revision, f->Country, f->Operator1, f->Languages}) {
        EXPECT_TRUE(value->text().isEmpty()) << value->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, MissingModelCatalogueShowsTheErrorBox) {
    // customize.xml is missing too, but the handler ends at the model catalogue.
    start();
    ASSERT_FALSE(platform_.boxes().empty());
    EXPECT_EQ(boxesMentioning("customize.xml"), 0);
    // Start-up went on with the next windows.
    EXPECT_EQ(windows_->set().form2->Memo1->toPlainText().count(QLatin1Char('\n')), 9);
    const ScriptedPlatform::Box& box = platform_.boxes().front();
    EXPECT_EQ(box.title, kAppTitle);
    EXPECT_EQ(box.icon, MessageIcon::Error);
    EXPECT_EQ(box.text, cannotOpenBox("cda/models.cdt"));
    EXPECT_EQ(form()->ListBox1->count(), 0);
    EXPECT_EQ(form()->Panel3->text(), "Status...");
    EXPECT_FALSE(form()->Button1->isEnabled());
}

// A model whose catalogue cannot be read, or whose name is no plain file name:
// then an "Error" box names its line and nothing is opened, not even a
// catalogue waiting where the name leads. Either way only the model shows.
struct ModelCase {
    const char* name;
    QByteArray model;
    const char* fault;  // none: the catalogue is missing
};

class UnreadModel : public MainWindowTest, public ::testing::WithParamInterface<ModelCase> {};

TEST_P(UnreadModel, LeavesOnlyTheModel) {
    writeSampleData();
    writeFile(dir_.path(), "cda/models.cdt", "K750\r\n" + GetParam().model + "\r\n");
    for (const char* trap : {"trap.cdt", "cda/.cdt"}) {
        writeFile(dir_.path(), trap, variantEntry("trap", "", "", "", "", "") + "#\r\n");
    }
    start();
    chooseGenericK750();
    chooseRow(form()->ListBox1, 1);
    ASSERT_EQ(platform_.boxes().size(), 1u);
    const QString model = QLatin1String(GetParam().model);
    if (GetParam().fault == nullptr) {
        EXPECT_EQ(platform_.boxes()[0].text, cannotOpenBox("cda/NoCatalogue.cdt"));
    } else {
        EXPECT_EQ(platform_.boxes()[0].title, "Error");
        EXPECT_EQ(platform_.boxes()[0].text,
                  QStringLiteral("The model \"%1\" on line 2 of \"%2\" cannot name a catalogue "
                                 "file: %3.")
                      .arg(model, native("cda/models.cdt"), QLatin1String(GetParam().fault)));
    }
    EXPECT_EQ(form()->Model->text(), model);
    EXPECT_TRUE(form()->CDARev->text().isEmpty());
    EXPECT_TRUE(form()->FS->text().isEmpty());
    EXPECT_EQ(form()->ListBox2->count(), 0);
    EXPECT_FALSE(form()->Button1->isEnabled());
    // Status and picture stay as they were.
    EXPECT_EQ(form()->Panel3->text(), kCheckSettings);
    EXPECT_EQ(visiblePictures(), QStringList{"K750"});
}

INSTANTIATE_TEST_SUITE_P(Models, UnreadModel,
                         ::testing::Values(ModelCase{"missing_catalogue", "NoCatalogue", nullptr},
                                           ModelCase{"parent_folder", "../trap", "it holds \"/\""},
                                           ModelCase{"backslash", "..\\trap", "it holds \"\\\""},
                                           ModelCase{"empty", "", "it is empty"},
                                           ModelCase{"device", "nul",
                                                     "on Windows it names the device NUL"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, UnreadableTemplateNeverEnablesUpdate) {
    writeSampleData();
    QFile::remove(path(kCustomize));
    start();
    ASSERT_FALSE(platform_.boxes().empty());
    EXPECT_EQ(platform_.boxes().front().text, cannotOpenBox(kCustomize));
    chooseGenericK750();
    EXPECT_EQ(form()->FS->text(), "K750 Generic");
    EXPECT_FALSE(form()->Button1->isEnabled());
    EXPECT_NE(form()->Panel3->text(), kCheckSettings);

    // Once the file is back, "Clear all fields" reads it and an entry enables the update.
    writeFile(dir_.path(), kCustomize, customizeTemplate());
    click(form()->Button2);
    chooseGenericK750();
    EXPECT_TRUE(form()->Button1->isEnabled());
}

TEST_F(MainWindowTest, FailedClearNeverWritesAnEmptyTemplate) {
    startWithSamples();
    chooseGenericK750();
    ASSERT_TRUE(form()->Button1->isEnabled());
    QFile::remove(path("cda/models.cdt"));
    const size_t before = platform_.boxes().size();
    click(form()->Button2);
    EXPECT_EQ(platform_.boxes().size(), before + 1);
    EXPECT_FALSE(form()->Button1->isEnabled());
    form()->Button1Click();
    EXPECT_EQ(customizeBytes(), customizeTemplate());
}

// A file that cannot be replaced: refused with the error box, the file left as
// the last update wrote it, no success text left, and once the cause is gone
// the same press writes it.
struct RefusalCase {
    const char* name;
    std::function<void(const QString& file)> refuse;
    std::function<void(const QString& file)> allow;
    const char* reason;
};

// A step of the replacement that fails while a case holds it.
std::unique_ptr<ScopedWriteFault> writeFault;

class RefusedUpdate : public MainWindowTest, public ::testing::WithParamInterface<RefusalCase> {
protected:
    void TearDown() override {
        writeFault.reset();
        MainWindowTest::TearDown();
    }
};

TEST_P(RefusedUpdate, ShowsTheBoxAndLeavesTheFile) {
    startWithSamples();
    chooseGenericK750();
    clickRadio(form()->CameraOn);
    click(form()->Button1);
    std::map<int, QByteArray> lines = kGenericLines;
    lines[71] = "        <suppress-camera-sound>false</suppress-camera-sound>";
    const QByteArray written = expectedCustomize(lines);
    ASSERT_EQ(customizeBytes(), written);
    ASSERT_EQ(form()->Panel3->text(), kSaved);
    clickRadio(form()->CameraOff);
    const QString file = path(kCustomize);
    GetParam().refuse(file);
    const size_t before = platform_.boxes().size();
    click(form()->Button1);
    ASSERT_EQ(platform_.boxes().size(), before + 1);
    const ScriptedPlatform::Box& box = platform_.boxes().back();
    EXPECT_EQ(box.title, "Calvorn Trellan v" TRELLAN_VERSION);
    EXPECT_EQ(box.icon, MessageIcon::Error);
    EXPECT_EQ(box.text, QStringLiteral("Cannot create file \"%1\". %2.")
                            .arg(native(kCustomize), QLatin1String(GetParam().reason)));
    EXPECT_EQ(customizeBytes(), written);
    EXPECT_EQ(form()->Panel3->text(), kCheckSettings);

    GetParam().allow(file);
    click(form()->Button1);
    lines[71] = "        <suppress-camera-sound>true</suppress-camera-sound>";
    EXPECT_EQ(customizeBytes(), expectedCustomize(lines));
    EXPECT_EQ(form()->Panel3->text(), kSaved);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, RefusedUpdate,
    ::testing::Values(
        // Refused by its owner-write bit, also where root could write it.
        RefusalCase{"read_only",
                    [](const QString& file) {
                        ASSERT_TRUE(QFile::setPermissions(
                            file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
                    },
                    [](const QString& file) {
                        ASSERT_TRUE(
                            QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner));
                    },
                    "Permission denied"},
        RefusalCase{"disk_full",
                    [](const QString&) {
                        writeFault = std::make_unique<ScopedWriteFault>(WriteStep::Write,
                                                                        "No space left on device");
                    },
                    [](const QString&) { writeFault.reset(); }, "No space left on device"},
        RefusalCase{"rename_fails",
                    [](const QString&) {
                        writeFault = std::make_unique<ScopedWriteFault>(WriteStep::Rename,
                                                                        "Device or resource busy");
                    },
                    [](const QString&) { writeFault.reset(); }, "Device or resource busy"}),
    [](const auto& info) { return std::string(info.param.name); });

// customize.xml gone when "Update customize.xml" is pressed: the box a start-up
// shows then, nothing written, and the window as after such a start-up.
struct GoneCase {
    const char* name;
    std::function<void(const QString& file)> remove;
};

class TemplateGone : public MainWindowTest, public ::testing::WithParamInterface<GoneCase> {};

TEST_P(TemplateGone, UpdateWritesNothing) {
    startWithSamples();
    chooseGenericK750();
    const QString file = path(kCustomize);
    GetParam().remove(file);
    click(form()->Button1);
    EXPECT_FALSE(QFileInfo(file).isFile());
    EXPECT_TRUE(QDir(QFileInfo(file).path()).entryList(QDir::Files).isEmpty());
    EXPECT_FALSE(form()->Button1->isEnabled());
    EXPECT_EQ(form()->Panel3->text(), kUnreadable);
    click(form()->Button2);
    ASSERT_EQ(platform_.boxes().size(), 2u);
    EXPECT_TRUE(platform_.boxes()[0].text.startsWith("Cannot open file \"" + native(kCustomize)));
    EXPECT_EQ(platform_.boxes()[0].text, platform_.boxes()[1].text);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, TemplateGone,
    ::testing::Values(GoneCase{"deleted", [](const QString& file) { QFile::remove(file); }},
                      GoneCase{"folder_removed",
                               [](const QString& file) {
                                   QDir(QFileInfo(file).path()).removeRecursively();
                               }},
                      GoneCase{"folder_in_its_place",
                               [](const QString& file) {
                                   QFile::remove(file);
                                   QDir().mkdir(file);
                               }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ShortTemplateSaysWhatWasNotWritten) {
    writeSampleData();
    writeFile(dir_.path(), kCustomize, customizeTemplate(60));
    start();
    chooseGenericK750();
    click(form()->Button1);
    EXPECT_EQ(customizeBytes(), expectedCustomize(kGenericLines, 60));
    EXPECT_EQ(form()->Panel3->text(),
              "File \"customize.xml\" saved, but the template has no line for: camera shutter "
              "sound.");
}

TEST_F(MainWindowTest, ChangedCurrentFolderDoesNotLoseTheCatalogues) {
    startWithSamples();
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    const size_t before = platform_.boxes().size();
    click(form()->Button2);
    EXPECT_EQ(form()->ListBox1->count(), 4);
    chooseGenericK750();
    click(form()->Button1);
    EXPECT_EQ(platform_.boxes().size(), before);
    EXPECT_EQ(form()->Panel3->text(), kSaved);
    EXPECT_NE(customizeBytes(), customizeTemplate());
}

struct LinkCase {
    const char* label;
    const char* target;
};

class LinkLabels : public MainWindowTest, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(LinkLabels, OpenTheirTargetAndReportFailure) {
    startWithSamples();
    QLabel* label = child<QLabel>(form(), QLatin1String(GetParam().label));
    ASSERT_NE(label, nullptr);
    const size_t before = platform_.boxes().size();
    platform_.shellAnswers = {true, false};
    click(label);
    EXPECT_EQ(platform_.boxes().size(), before);
    click(label);
    EXPECT_EQ(platform_.shellTargets, (std::vector<QString>{GetParam().target, GetParam().target}));
    ASSERT_EQ(platform_.boxes().size(), before + 1);
    EXPECT_EQ(platform_.boxes().back().title, kAppTitle);
    EXPECT_EQ(platform_.boxes().back().text,
              QString::fromUtf8("Internetseite konnte nicht ge\xc3\xb6"
                                "ffnet werden!"));
    EXPECT_EQ(platform_.boxes().back().icon, MessageIcon::None);
}

INSTANTIATE_TEST_SUITE_P(Labels, LinkLabels,
                         ::testing::Values(LinkCase{"Label5", "https://calvorn.example/"},
                                           LinkCase{"Label6", "mailto:me@calvorn.example"},
                                           LinkCase{"Label11", "https://setool.example/setool2/"}),
                         [](const auto& info) { return std::string(info.param.label); });

// The links and the "i" panel as a keyboard user and a screen reader meet them.
struct PressableCase {
    const char* label;
    QAccessible::Role role;
    const char* target;  // what the shell opens; none: the About window shows
};

class PressableLabels : public MainWindowTest,
                        public ::testing::WithParamInterface<PressableCase> {};

TEST_P(PressableLabels, SpaceEnterAndTheReadersPressEachClickOnceWithAFocusMark) {
    startWithSamples();
    form()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form()));
    auto* label = child<ClickLabel>(form(), QLatin1String(GetParam().label));
    ASSERT_NE(label, nullptr);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(label);
    EXPECT_EQ(reader->role(), GetParam().role);

    form()->Button3->setFocus();
    const QImage unfocused = label->grab().toImage();
    ASSERT_TRUE(tabTo(label));
    EXPECT_NE(label->grab().toImage(), unfocused) << "no focus mark";

    QSignalSpy clicks(label, &ClickLabel::Click);
    TForm2* about = windows_->set().form2;
    const std::function<void()> presses[] = {
        [&] { QTest::keyClick(label, Qt::Key_Space); },
        [&] { QTest::keyClick(label, Qt::Key_Return); },
        [&] { reader->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); },
    };
    for (const auto& press : presses) {
        if (GetParam().target != nullptr) platform_.shellAnswers.push_back(true);
        press();
        if (GetParam().target == nullptr) {
            EXPECT_TRUE(about->isVisible());
            about->hide();
        }
    }
    EXPECT_EQ(clicks.count(), 3);
    if (GetParam().target != nullptr) {
        EXPECT_EQ(platform_.shellTargets, std::vector<QString>(3, GetParam().target));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Labels, PressableLabels,
    ::testing::Values(PressableCase{"Label11", QAccessible::Link,
                                    "https://setool.example/setool2/"},
                      PressableCase{"Panel6", QAccessible::Button, nullptr},
                      PressableCase{"Label5", QAccessible::Link, "https://calvorn.example/"},
                      PressableCase{"Label6", QAccessible::Link, "mailto:me@calvorn.example"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(MainWindowTest, ScriptGeneratorButtonShowsAndResetsIt) {
    startWithSamples();
    TForm3* form3 = windows_->set().form3;
    for (int press = 0; press < 2; ++press) {
        form3->Memo1->setWholeText(QStringLiteral("deletefile:/tpa/preset/x"));
        click(form()->Button3);
        EXPECT_TRUE(form3->isVisible());
        EXPECT_TRUE(form3->Memo1->wholeText().isEmpty()) << press;
    }
    EXPECT_TRUE(form()->isVisible());
}

}  // namespace
}  // namespace trellan::testing

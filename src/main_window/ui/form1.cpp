#include "main_window/ui/form1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <array>

#include "common/app_title.h"
#include "common/file_io.h"
#include "common/text8.h"
#include "common/ui/controls.h"
#include "common/ui/guard.h"
#include "common/ui/jpeg_picture.h"
#include "common/ui/platform.h"
#include "common/ui/window_util.h"
#include "main_window/catalogue.h"
#include "main_window/customize_xml.h"
#include "main_window/links.h"
#include "main_window/ui/click_label.h"
#include "main_window/ui/form1_texts.h"
#include "main_window/ui/list_box.h"

namespace trellan {
namespace {

// The design's outer size, and the client area its contents need at least.
constexpr QSize kOuterSize(771, 342);
constexpr QSize kContentSize(763, 315);
constexpr int kTopBandHeight = 57;
constexpr int kStatusHeight = 25;
constexpr int kLeftColumnWidth = 352;
constexpr int kListRowHeight = 14;

const QString kCheckSettings = QStringLiteral("Check all settings, then hit \"Update\" button...");
const QString kTemplateUnreadable = QStringLiteral(
    "File \"customize.xml\" could not be read. Fix it, then hit \"Clear all fields\"...");

QFont arialFont(int pixelHeight, bool bold = false) {
    return fontWithFallback(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
        pixelHeight, bold);
}

}  // namespace

TForm1::TForm1(Platform& platform, const QString& dataFolder)
    : QWidget(nullptr), platform_(platform), dataFolder_(dataFolder) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kAppTitle);
    setFont(sansSerifFont(11));
    setFixedSize(kContentSize);
    move(405, 225);

    buildTopBand();
    Panel2 = panel(this, QStringLiteral("Panel2"), QFrame::Sunken, QRect());
    Panel5 = placed<QFrame>(Panel2, QStringLiteral("Panel5"), QRect());
    Panel4 = placed<QFrame>(Panel2, QStringLiteral("Panel4"), QRect());
    GroupBox2 = captioned<QGroupBox>(Panel4, QStringLiteral("GroupBox2"), QStringLiteral("Infos: "),
                                     QRect());
    GroupBox2->setFont(arialFont(11));
    Panel3 =
        captioned<QLabel>(this, QStringLiteral("Panel3"), QStringLiteral("Status..."), QRect());
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel3->setAlignment(Qt::AlignCenter);
    fillBackground(Panel3, Qt::black, QColor(0, 255, 0));
    placeBands();
    buildLeftColumn();
    buildRightColumn();

    connectHandlers();
    makeAccessible(this, kForm1Texts);
}

void TForm1::placeBands() {
    const int width = this->width();
    Panel1->setGeometry(0, 0, width, kTopBandHeight);
    Panel6->move(width - 1 - Panel6->width(), 1);
    Panel2->setGeometry(0, kTopBandHeight, width, height() - kTopBandHeight - kStatusHeight);
    const int columnHeight = Panel2->height() - 2;
    Panel5->setGeometry(1, 1, kLeftColumnWidth, columnHeight);
    Panel4->setGeometry(1 + kLeftColumnWidth, 1, width - 2 - kLeftColumnWidth, columnHeight);
    GroupBox2->setGeometry(QRect(QPoint(0, 0), Panel4->size()));
    Panel3->setGeometry(0, height() - kStatusHeight, width, kStatusHeight);
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The design's size counts the frame, which is known once the window is shown.
    if (!outerSizeSet_) {
        outerSizeSet_ = reachOuterSize(this, kOuterSize, kContentSize);
    }
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeBands();
}

void TForm1::buildTopBand() {
    Panel1 = panel(this, QStringLiteral("Panel1"), QFrame::Sunken, QRect());
    fillBackground(Panel1, Qt::white, Qt::black);

    Image1 = placedPicture(Panel1, QStringLiteral("Image1"), QStringLiteral(":/assets/logo.jpg"),
                           QRect(1, 0, 225, 57));

    Label1 = captioned<QLabel>(Panel1, QStringLiteral("Label1"), QStringLiteral("Trellan"),
                               QPoint(248, 4));
    Label1->setFont(
        fontWithFallback({QStringLiteral("Lucida Console"), QStringLiteral("DejaVu Sans Mono"),
                          QStringLiteral("Liberation Mono")},
                         40));
    Label1->adjustSize();

    Label11 = captioned<ClickLabel>(Panel1, QStringLiteral("Label11"),
                                    QStringLiteral("for setool2"), QPoint(440, 26));
    Label11->setFont(fontWithFallback({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                                       QStringLiteral("Liberation Sans")},
                                      15, false, true));
    Label11->adjustSize();

    // The "i" panel: white on the desktop colour, raised.
    Panel6 = captioned<ClickLabel>(Panel1, QStringLiteral("Panel6"), QStringLiteral("i"),
                                   QRect(0, 1, 56, 55), ClickLabel::Kind::Button);
    Panel6->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel6->setAlignment(Qt::AlignCenter);
    Panel6->setFont(
        fontWithFallback({QStringLiteral("Fixedsys"), QStringLiteral("DejaVu Sans Mono"),
                          QStringLiteral("Liberation Mono")},
                         53, true));
    fillBackground(Panel6, QColor(0, 78, 152), Qt::white);
}

void TForm1::buildLeftColumn() {
    GroupBox1 = captioned<QGroupBox>(Panel5, QStringLiteral("GroupBox1"),
                                     QStringLiteral("Select flash type: "), QRect(8, 4, 337, 153));
    GroupBox1->setFont(arialFont(11));
    Label2 = captioned<QLabel>(GroupBox1, QStringLiteral("Label2"), QStringLiteral("Model"),
                               QPoint(8, 22));
    Label3 = captioned<QLabel>(GroupBox1, QStringLiteral("Label3"), QStringLiteral("FS / Country"),
                               QPoint(104, 22));
    for (QLabel* heading : {Label2, Label3}) {
        heading->setFont(arialFont(11, true));
        heading->adjustSize();
    }
    ListBox1 = named(new ListBox(kListRowHeight, GroupBox1), QStringLiteral("ListBox1"));
    ListBox1->setGeometry(8, 40, 81, 105);
    ListBox2 = named(new ListBox(kListRowHeight, GroupBox1), QStringLiteral("ListBox2"));
    ListBox2->setGeometry(104, 40, 225, 105);

    // Right-aligned so that its right edge stays at x 343 whatever it shows.
    CDARev = captioned<QLabel>(Panel5, QStringLiteral("CDARev"), QString(), QRect(8, 160, 335, 34));
    CDARev->setFont(arialFont(27));
    CDARev->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Bevel1 = placed<QFrame>(Panel5, QStringLiteral("Bevel1"), QRect(8, 198, 337, 2));
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    Label5 =
        captioned<ClickLabel>(Panel5, QStringLiteral("Label5"), kMakerWebAddress, QPoint(8, 206));
    Label6 = captioned<ClickLabel>(Panel5, QStringLiteral("Label6"), kMakerMailAddress,
                                   QPoint(232, 206));
    for (ClickLabel* link : {Label5, Label6}) {
        link->setFont(sansSerifFont(13));
        link->setCursor(Qt::PointingHandCursor);
        fitCaption(link, kLeftColumnWidth - link->x() - 2);
        link->adjustSize();
    }
}

void TForm1::buildRightColumn() {
    buildInfoPairs();
    buildCameraChoice();
    buildPhotographs();
    buildBottomRow();
}

// Seven caption/value pairs; the values are empty until an entry is chosen.
void TForm1::buildInfoPairs() {
    struct Pair {
        QLabel** caption;
        const char* captionName;
        const char* text;
        QLabel** value;
        const char* valueName;
        int y;
    };
    const Pair pairs[] = {
        {&Label4, "Label4", "Phone model:", &Model, "Model", 24},
        {&Label7, "Label7", "Filesystem:", &FS, "FS", 40},
        {&Label8, "Label8", "CDA No.:", &CDA, "CDA", 64},
        {&Label9, "Label9", "Revision:", &Revision, "Revision", 80},
        {&Label10, "Label10", "Country:", &Country, "Country", 104},
        {&Label12, "Label12", "Operator:", &Operator1, "Operator1", 120},
        {&Label13, "Label13", "Languages:", &Languages, "Languages", 144},
    };
    for (const Pair& pair : pairs) {
        *pair.caption = captioned<QLabel>(GroupBox2, QLatin1String(pair.captionName),
                                          QLatin1String(pair.text), QPoint(8, pair.y));
        *pair.value = captioned<QLabel>(GroupBox2, QLatin1String(pair.valueName), QString(),
                                        QRect(80, pair.y, 212, 14));
    }
}

void TForm1::buildCameraChoice() {
    Label14 = captioned<QLabel>(GroupBox2, QStringLiteral("Label14"),
                                QStringLiteral("Camera shutter sound:"), QPoint(8, 168));
    CameraOn = captioned<QRadioButton>(GroupBox2, QStringLiteral("CameraOn"), QStringLiteral("On"),
                                       QRect(128, 166, 40, 17));
    CameraOff =
        captioned<QRadioButton>(GroupBox2, QStringLiteral("CameraOff"),
                                QStringLiteral("Off (in silent mode)"), QRect(168, 166, 124, 17));
    CameraOff->setChecked(true);
    for (QWidget* control : std::initializer_list<QWidget*>{CameraOn, CameraOff}) {
        // The row is full: a wider caption takes a smaller font, never a wider control.
        fitCaption(control, control->width());
    }
}

// The white frame with the phone pictures stacked at one place.
void TForm1::buildPhotographs() {
    Panel7 = placed<QFrame>(GroupBox2, QStringLiteral("Panel7"), QRect(296, 16, 109, 173));
    fillBackground(Panel7, Qt::white, Qt::black);
    // Created bottom to top, so NoImage lies on top of the photographs.
    const QRect photo(2, 2, 105, 169);
    auto phone = [this, &photo](const char* name, const char* resource) {
        return placedPicture(Panel7, QLatin1String(name), QLatin1String(resource), photo);
    };
    K750 = phone("K750", ":/assets/k750.jpg");
    K700 = phone("K700", ":/assets/k700.jpg");
    K500 = phone("K500", ":/assets/k500.jpg");
    S700 = phone("S700", ":/assets/s700.jpg");
    V800 = phone("V800", ":/assets/v800.jpg");
    Z1010 = phone("Z1010", ":/assets/z1010.jpg");
    Z800 = phone("Z800", ":/assets/z800.jpg");
    NoImage = phone("NoImage", ":/assets/noimage.jpg");
}

// The three buttons and the camera icons beside them.
void TForm1::buildBottomRow() {
    Button1 =
        captioned<QPushButton>(GroupBox2, QStringLiteral("Button1"),
                               QStringLiteral("Update customize.xml"), QRect(8, 192, 113, 25));
    Button2 = captioned<QPushButton>(GroupBox2, QStringLiteral("Button2"),
                                     QStringLiteral("Clear all fields"), QRect(120, 192, 81, 25));
    Button3 = captioned<QPushButton>(GroupBox2, QStringLiteral("Button3"),
                                     QStringLiteral("Script generator"), QRect(200, 192, 89, 25));
    for (QWidget* control : std::initializer_list<QWidget*>{Button1, Button2, Button3}) {
        // Full too, as the camera choice's row.
        fitCaption(control, control->width());
    }
    Cam = placedPicture(GroupBox2, QStringLiteral("Cam"), QStringLiteral(":/assets/cam.jpg"),
                        QRect(312, 192, 28, 25));
    CamOn = placedPicture(GroupBox2, QStringLiteral("CamOn"), QStringLiteral(":/assets/cam_on.jpg"),
                          QRect(352, 192, 28, 25));
    CamOff = placedPicture(GroupBox2, QStringLiteral("CamOff"),
                           QStringLiteral(":/assets/cam_off.jpg"), QRect(352, 192, 28, 25));
}

void TForm1::connectHandlers() {
    Platform& platform = platform_;
    connectGuarded(platform, ListBox1, &ListBox::Click, this, [this] { ListBox1Click(); });
    connectGuarded(platform, ListBox2, &ListBox::Click, this, [this] { ListBox2Click(); });
    connectGuarded(platform, Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connectGuarded(platform, Button2, &QPushButton::clicked, this, [this] { FormCreate(); });
    connectGuarded(platform, Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connectGuarded(platform, Label5, &ClickLabel::Click, this, [this] { Label5Click(); });
    connectGuarded(platform, Label6, &ClickLabel::Click, this, [this] { Label6Click(); });
    connectGuarded(platform, Label11, &ClickLabel::Click, this, [this] { Label11Click(); });
    connectGuarded(platform, Panel6, &ClickLabel::Click, this, [this] { Panel4Click(); });
    connectSelected(platform, CameraOn, this, [this] { CameraOnClick(); });
    connectSelected(platform, CameraOff, this, [this] { CameraOffClick(); });
}

void TForm1::FormCreate() {
    removeMaximizeBox(this);
    variantLines_ = CatalogueLines();
    // Until the template is read again nothing may be written over the file.
    template_.reset();
    Button1->setEnabled(false);
    ListBox1->clear();
    ListBox2->clear();
    models_ = CatalogueLines();
    fileSystemRows_.clear();

    models_ = readModelCatalogue(dataFolder_);
    QStringList rows;
    rows.reserve(models_.size());
    for (qsizetype i = 0; i < models_.size(); ++i) {
        rows << fromSystem8(models_.at(i));
    }
    ListBox1->addItems(rows);

    template_ = splitLines(readWholeFile(customizeXmlPath(dataFolder_)));

    chosen_ = {};
    showChosen();
    setStatus(QStringLiteral("Please chose phone model..."));
    // On purpose CDARev, the picture and the camera choice stay; only the icon resets.
    CamOn->hide();
    CamOff->show();
}

void TForm1::ListBox1Click() {
    const int row = ListBox1->currentRow();
    if (row < 0 || row >= models_.size()) {
        return;
    }
    const QByteArray model = models_.at(row).toByteArray();
    chosen_ = {model, {}};
    showChosen();
    CDARev->clear();
    Button1->setEnabled(false);
    ListBox2->clear();
    fileSystemRows_.clear();

    // A name that is no plain file name opens no file; the window stays as
    // after a variant catalogue that could not be read.
    if (const QString fault = modelNameFault(model); !fault.isEmpty()) {
        platform_.errorBox(
            this, QStringLiteral("The model \"%1\" on line %2 of \"%3\" cannot name "
                                 "a catalogue file: %4.")
                      .arg(fromSystem8(model))
                      .arg(row + 1)
                      .arg(QDir::toNativeSeparators(modelCataloguePath(dataFolder_)), fault));
        return;
    }
    variantLines_ = readVariantCatalogue(dataFolder_, model);
    fileSystemRows_ = fileSystemLines(variantLines_);
    QStringList rows;
    rows.reserve(static_cast<qsizetype>(fileSystemRows_.size()));
    for (qsizetype line : fileSystemRows_) {
        rows << fromSystem8(variantLines_.at(line));
    }
    ListBox2->addItems(rows);
    setStatus(QStringLiteral("Please chose file system..."));

    const PhonePicture shown = pictureForModel(model);
    for (int i = 0; i < kPhonePictureCount; ++i) {
        picture(static_cast<PhonePicture>(i))->setVisible(static_cast<PhonePicture>(i) == shown);
    }
    picture(shown)->setAccessibleDescription(phonePictureDescription(shown, fromSystem8(model)));
}

void TForm1::ListBox2Click() {
    const int row = ListBox2->currentRow();
    if (row < 0 || row >= static_cast<int>(fileSystemRows_.size())) {
        return;
    }
    const auto entry = findFileSystemEntry(
        variantLines_, variantLines_.at(fileSystemRows_[static_cast<size_t>(row)]));
    if (!entry) {
        return;
    }
    chosen_.entry = *entry;
    showChosen();
    CDARev->setText(fromSystem8(entry->cdaNumber + ' ' + entry->revision));
    if (!template_) {
        // Empty template lines must never be written over the file.
        setStatus(kTemplateUnreadable);
        return;
    }
    Button1->setEnabled(true);
    setStatus(kCheckSettings);
}

void TForm1::CameraOnClick() {
    CamOn->show();
    CamOff->hide();
}

void TForm1::CameraOffClick() {
    CamOff->show();
    CamOn->hide();
}

void TForm1::Label5Click() { openLink(kMakerWebAddress); }

void TForm1::Label6Click() { openLink(QStringLiteral("mailto:") + kMakerMailAddress); }

void TForm1::Label11Click() { openLink(kSetool2Page); }

void TForm1::Panel4Click() { emit aboutRequested(); }

void TForm1::Button1Click() {
    if (!template_) {
        return;
    }
    const FileSystemEntry& entry = chosen_.entry;
    const CustomizeValues values{entry.cdaNumber,      entry.revision,     chosen_.model,
                                 entry.country,        entry.operatorName, entry.fileSystem,
                                 CameraOn->isChecked()};
    const QString path = customizeXmlPath(dataFolder_);
    // The lines go into the file as it is now, so that what another program
    // changed since the last read stays.
    rereadTemplate(path);
    // No success text may outlive a write that fails.
    setStatus(kCheckSettings);
    const std::vector<CustomizeSetting> notWritten = writeCustomizeXml(path, *template_, values);
    rereadTemplate(path);
    setStatus(customizeSavedStatus(notWritten));
}

void TForm1::rereadTemplate(const QString& path) {
    try {
        template_ = splitLines(readWholeFile(path));
    } catch (...) {
        // Nothing may be written until "Clear all fields" reads it again.
        template_.reset();
        Button1->setEnabled(false);
        setStatus(kTemplateUnreadable);
        throw;
    }
}

void TForm1::Button3Click() { emit scriptGeneratorRequested(); }

void TForm1::openLink(const QString& target) {
    if (!platform_.shellOpen(this, target)) {
        platform_.messageBox(nullptr, kAppTitle,
                             QStringLiteral("Internetseite konnte nicht ge\u00f6ffnet werden!"),
                             MessageIcon::None);
    }
}

void TForm1::setStatus(const QString& text) { Panel3->setText(text); }

void TForm1::showChosen() {
    const FileSystemEntry& entry = chosen_.entry;
    Model->setText(fromSystem8(chosen_.model));
    FS->setText(fromSystem8(entry.fileSystem));
    Country->setText(fromSystem8(entry.country));
    Operator1->setText(fromSystem8(entry.operatorName));
    CDA->setText(fromSystem8(entry.cdaNumber));
    Revision->setText(fromSystem8(entry.revision));
    Languages->setText(fromSystem8(entry.languages));
}

JpegPicture* TForm1::picture(PhonePicture which) const {
    const std::array<JpegPicture*, kPhonePictureCount> pictures = {K750, K700,  K500, S700,
                                                                   V800, Z1010, Z800, NoImage};
    return pictures[static_cast<size_t>(which)];
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program, whatever else is open.
    event->accept();
    QCoreApplication::quit();
}

}  // namespace trellan

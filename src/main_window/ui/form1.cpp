#include "main_window/ui/form1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <algorithm>
#include <array>

#include "common/app_title.h"
#include "common/file_io.h"
#include "common/text8.h"
#include "common/ui/guard.h"
#include "common/ui/jpeg_picture.h"
#include "common/ui/platform.h"
#include "common/ui/window_util.h"
#include "main_window/catalogue.h"
#include "main_window/customize_xml.h"
#include "main_window/links.h"
#include "main_window/ui/form1_texts.h"
#include "main_window/ui/list_box.h"

namespace trellan {
namespace {

constexpr int kClientWidth = 763;
constexpr int kClientHeight = 315;
constexpr int kTopBandHeight = 57;
constexpr int kStatusHeight = 25;
constexpr int kLeftColumnWidth = 352;
constexpr int kListRowHeight = 14;

QFont arialFont(int pixelHeight, bool bold = false) {
    return fontWithFallback(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
        pixelHeight, bold);
}

QFrame* panel(QWidget* parent, const char* name, QFrame::Shadow shadow) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameStyle(QFrame::Panel | shadow);
    frame->setLineWidth(1);
    return frame;
}

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, int x, int y) {
    auto* text = named(new QLabel(caption, parent), name);
    text->setTextFormat(Qt::PlainText);
    text->move(x, y);
    text->adjustSize();
    return text;
}

// A value label: plain text, so catalogue values such as "<b>" show as they are.
QLabel* valueLabel(QWidget* parent, const char* name, int y) {
    auto* value = named(new QLabel(parent), name);
    value->setTextFormat(Qt::PlainText);
    value->setGeometry(80, y, 212, 14);
    return value;
}

JpegPicture* jpegPicture(QWidget* parent, const char* name, const char* resource, const QRect& at) {
    auto* image = named(new JpegPicture(QLatin1String(resource), parent), name);
    image->setGeometry(at);
    return image;
}

// Where the Windows font is missing its fallback runs wider: shrink it until the
// caption fits, so no caption is clipped.
void fitFontToWidth(QWidget* widget, int width) {
    QFont font = widget->font();
    const int natural = widget->sizeHint().width();
    if (natural <= width) {
        return;
    }
    // Text width grows with the pixel size: one proportional step lands close,
    // so few sizes are loaded (each costs a font engine at start-up).
    font.setPixelSize(std::max(8, font.pixelSize() * width / natural));
    widget->setFont(font);
    while (widget->sizeHint().width() > width && font.pixelSize() > 8) {
        font.setPixelSize(font.pixelSize() - 1);
        widget->setFont(font);
    }
}

}  // namespace

TForm1::TForm1(Platform& platform, const QString& startFolder)
    : QWidget(nullptr), platform_(platform), startFolder_(startFolder) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kAppTitle);
    setFont(sansSerifFont(11));
    setFixedSize(kClientWidth, kClientHeight);
    move(405, 225);

    buildTopBand();

    Panel2 = panel(this, "Panel2", QFrame::Sunken);
    Panel2->setGeometry(0, kTopBandHeight, kClientWidth,
                        kClientHeight - kTopBandHeight - kStatusHeight);
    buildLeftColumn(Panel2);
    buildRightColumn(Panel2);

    Panel3 = named(new QLabel(QStringLiteral("Status..."), this), "Panel3");
    Panel3->setTextFormat(Qt::PlainText);
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel3->setAlignment(Qt::AlignCenter);
    Panel3->setGeometry(0, kClientHeight - kStatusHeight, kClientWidth, kStatusHeight);
    fillBackground(Panel3, Qt::black, QColor(0, 255, 0));

    connectHandlers();
    makeAccessible(this, kForm1Texts);
}

void TForm1::buildTopBand() {
    Panel1 = panel(this, "Panel1", QFrame::Sunken);
    Panel1->setGeometry(0, 0, kClientWidth, kTopBandHeight);
    fillBackground(Panel1, Qt::white, Qt::black);

    Image1 = jpegPicture(Panel1, "Image1", ":/assets/logo.jpg", QRect(1, 1, 225, 55));

    Label1 = label(Panel1, "Label1", QStringLiteral("Trellan"), 248, 4);
    Label1->setFont(
        fontWithFallback({QStringLiteral("Lucida Console"), QStringLiteral("DejaVu Sans Mono"),
                          QStringLiteral("Liberation Mono")},
                         40));
    Label1->adjustSize();

    Label11 = named(new ClickLabel(QStringLiteral("for setool2"), Panel1), "Label11");
    Label11->setFont(fontWithFallback({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                                       QStringLiteral("Liberation Sans")},
                                      15, false, true));
    Label11->move(440, 26);
    Label11->adjustSize();

    // The "i" panel: white on the desktop colour, raised.
    Panel6 = named(new ClickLabel(QStringLiteral("i"), Panel1, ClickLabel::Kind::Button), "Panel6");
    Panel6->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel6->setAlignment(Qt::AlignCenter);
    Panel6->setFont(
        fontWithFallback({QStringLiteral("Fixedsys"), QStringLiteral("DejaVu Sans Mono"),
                          QStringLiteral("Liberation Mono")},
                         53, true));
    Panel6->setGeometry(kClientWidth - 1 - 56, 1, 56, 55);
    fillBackground(Panel6, QColor(0, 78, 152), Qt::white);
}

void TForm1::buildLeftColumn(QWidget* parent) {
    const int height = parent->height() - 2;
    Panel5 = named(new QFrame(parent), "Panel5");
    Panel5->setGeometry(1, 1, kLeftColumnWidth, height);

    GroupBox1 = named(new QGroupBox(QStringLiteral("Select flash type: "), Panel5), "GroupBox1");
    GroupBox1->setFont(arialFont(11));
    GroupBox1->setGeometry(8, 4, 337, 153);
    Label2 = label(GroupBox1, "Label2", QStringLiteral("Model"), 8, 22);
    Label3 = label(GroupBox1, "Label3", QStringLiteral("FS / Country"), 104, 22);
    for (QLabel* heading : {Label2, Label3}) {
        heading->setFont(arialFont(11, true));
        heading->adjustSize();
    }
    ListBox1 = named(new ListBox(kListRowHeight, GroupBox1), "ListBox1");
    ListBox1->setGeometry(8, 40, 81, 105);
    ListBox2 = named(new ListBox(kListRowHeight, GroupBox1), "ListBox2");
    ListBox2->setGeometry(104, 40, 225, 105);

    // Right-aligned so that its right edge stays at x 343 whatever it shows.
    CDARev = named(new QLabel(Panel5), "CDARev");
    CDARev->setTextFormat(Qt::PlainText);
    CDARev->setFont(arialFont(27));
    CDARev->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    CDARev->setGeometry(8, 160, 335, 34);

    Bevel1 = named(new QFrame(Panel5), "Bevel1");
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Bevel1->setGeometry(8, 198, 337, 2);

    Label5 = named(new ClickLabel(kMakerWebAddress, Panel5), "Label5");
    Label6 = named(new ClickLabel(kMakerMailAddress, Panel5), "Label6");
    Label5->move(8, 206);
    Label6->move(232, 206);
    for (ClickLabel* link : {Label5, Label6}) {
        link->setTextFormat(Qt::PlainText);
        link->setFont(sansSerifFont(13));
        link->setCursor(Qt::PointingHandCursor);
        fitFontToWidth(link, kLeftColumnWidth - link->x() - 2);
        link->adjustSize();
    }
}

void TForm1::buildRightColumn(QWidget* parent) {
    const int height = parent->height() - 2;
    Panel4 = named(new QFrame(parent), "Panel4");
    Panel4->setGeometry(1 + kLeftColumnWidth, 1, parent->width() - 2 - kLeftColumnWidth, height);

    GroupBox2 = named(new QGroupBox(QStringLiteral("Infos: "), Panel4), "GroupBox2");
    GroupBox2->setFont(arialFont(11));
    GroupBox2->setGeometry(0, 0, Panel4->width(), Panel4->height());

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
        *pair.caption = label(GroupBox2, pair.captionName, QLatin1String(pair.text), 8, pair.y);
        *pair.value = valueLabel(GroupBox2, pair.valueName, pair.y);
    }

    Label14 = label(GroupBox2, "Label14", QStringLiteral("Camera shutter sound:"), 8, 168);
    CameraOn = named(new QRadioButton(QStringLiteral("On"), GroupBox2), "CameraOn");
    CameraOn->setGeometry(128, 166, 40, 17);
    CameraOff =
        named(new QRadioButton(QStringLiteral("Off (in silent mode)"), GroupBox2), "CameraOff");
    CameraOff->setGeometry(168, 166, 124, 17);
    CameraOff->setChecked(true);
    for (QRadioButton* radio : {CameraOn, CameraOff}) {
        fitFontToWidth(radio, radio->width());
    }

    Panel7 = named(new QFrame(GroupBox2), "Panel7");
    Panel7->setGeometry(296, 16, 109, 173);
    fillBackground(Panel7, Qt::white, Qt::black);
    // Created bottom to top, so NoImage lies on top of the photographs.
    const QRect photo(2, 2, 105, 169);
    K750 = jpegPicture(Panel7, "K750", ":/assets/k750.jpg", photo);
    K700 = jpegPicture(Panel7, "K700", ":/assets/k700.jpg", photo);
    K500 = jpegPicture(Panel7, "K500", ":/assets/k500.jpg", photo);
    S700 = jpegPicture(Panel7, "S700", ":/assets/s700.jpg", photo);
    V800 = jpegPicture(Panel7, "V800", ":/assets/v800.jpg", photo);
    Z1010 = jpegPicture(Panel7, "Z1010", ":/assets/z1010.jpg", photo);
    Z800 = jpegPicture(Panel7, "Z800", ":/assets/z800.jpg", photo);
    NoImage = jpegPicture(Panel7, "NoImage", ":/assets/noimage.jpg", photo);

    Button1 = named(new QPushButton(QStringLiteral("Update customize.xml"), GroupBox2), "Button1");
    Button1->setGeometry(8, 192, 113, 25);
    Button2 = named(new QPushButton(QStringLiteral("Clear all fields"), GroupBox2), "Button2");
    Button2->setGeometry(120, 192, 81, 25);
    Button3 = named(new QPushButton(QStringLiteral("Script generator"), GroupBox2), "Button3");
    Button3->setGeometry(200, 192, 89, 25);
    for (QPushButton* button : {Button1, Button2, Button3}) {
        fitFontToWidth(button, button->width());
    }
    Cam = jpegPicture(GroupBox2, "Cam", ":/assets/cam.jpg", QRect(312, 192, 28, 25));
    CamOn = jpegPicture(GroupBox2, "CamOn", ":/assets/cam_on.jpg", QRect(352, 192, 28, 25));
    CamOff = jpegPicture(GroupBox2, "CamOff", ":/assets/cam_off.jpg", QRect(352, 192, 28, 25));
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
    // A radio button's handler runs when it becomes checked, also by the program.
    connect(CameraOn, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) {
            runGuarded(platform_, [this] { CameraOnClick(); });
        }
    });
    connect(CameraOff, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) {
            runGuarded(platform_, [this] { CameraOffClick(); });
        }
    });
}

void TForm1::FormCreate() {
    removeMaximizeBox(this);
    variantLines_ = CatalogueLines();
    template_ = Lines{};
    // Until the template is read again nothing may be written over the file.
    templateRead_ = false;
    Button1->setEnabled(false);
    ListBox1->clear();
    ListBox2->clear();
    models_ = CatalogueLines();
    fileSystemRows_.clear();

    const QString base = startFolder_;
    models_ = readModelCatalogue(base);
    QStringList rows;
    rows.reserve(models_.size());
    for (qsizetype i = 0; i < models_.size(); ++i) {
        rows << fromSystem8(models_.at(i));
    }
    ListBox1->addItems(rows);

    template_ = splitLines(readWholeFile(customizeXmlPath(base)));
    templateRead_ = true;

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

    variantLines_ = readVariantCatalogue(startFolder_, model);
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
    picture(shown)->setAccessibleDescription(phonePictureDescription(shown, Model->text()));
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
    if (!templateRead_) {
        // Empty template lines must never be written over the file.
        setStatus(QStringLiteral(
            "File \"customize.xml\" could not be read. Fix it, then hit \"Clear all fields\"..."));
        return;
    }
    Button1->setEnabled(true);
    setStatus(QStringLiteral("Check all settings, then hit \"Update\" button..."));
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
    if (!templateRead_) {
        return;
    }
    const FileSystemEntry& entry = chosen_.entry;
    const CustomizeValues values{entry.cdaNumber,      entry.revision,     chosen_.model,
                                 entry.country,        entry.operatorName, entry.fileSystem,
                                 CameraOn->isChecked()};
    const QString path = customizeXmlPath(startFolder_);
    const std::vector<CustomizeSetting> notWritten = writeCustomizeXml(path, template_, values);
    template_ = splitLines(readWholeFile(path));
    setStatus(customizeSavedStatus(notWritten));
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

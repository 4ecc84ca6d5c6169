#include "script/ui/form3.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <type_traits>

#include "common/file_io.h"
#include "common/ui/guard.h"
#include "common/ui/jpeg_picture.h"
#include "common/ui/labeled_edit.h"
#include "common/ui/platform.h"
#include "common/ui/window_util.h"
#include "script/companion.h"
#include "script/script_file.h"
#include "script/script_lines.h"
#include "script/ui/form3_texts.h"
#include "script/ui/script_preview.h"

namespace trellan {
namespace {

const QString kMidiFilter = QStringLiteral("MIDI Files (*.mid)|*.mid");
const QString kScriptFilter = QStringLiteral("Text File / SETool script (*.txt)|*.txt");
const QString kProposedScriptName = QStringLiteral("trellan.script");
const QString kNoFile = QStringLiteral("File does not exist!");
const QString kNotMidi =
    QStringLiteral("Could not open file! Must be MIDI format and have .mid extension!");
const QColor kMissingColor(255, 0, 0);

constexpr QSize kOuterSize(393, 660);
constexpr QPoint kFirstPlace(732, 118);
constexpr int kAlertPathWidth = 170;
constexpr int kCameraPathWidth = 140;

template <typename W>
W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

// Where the fallback font is wider than the one the layout was drawn for, a
// control grows to the right rather than clip its caption.
void widenToFit(QWidget* widget, int needed) {
    if (widget->width() < needed) {
        widget->resize(needed, widget->height());
    }
}

template <typename W>
W* placed(W* widget, int x, int y, int width, int height) {
    widget->setGeometry(x, y, width, height);
    if constexpr (std::is_base_of_v<QPushButton, W>) {
        widenToFit(widget, widget->fontMetrics().horizontalAdvance(widget->text()) + 12);
    } else {
        widenToFit(widget, widget->sizeHint().width());
    }
    return widget;
}

QLabel* autoSizedLabel(const QString& name, const QString& caption, int x, int y, QWidget* parent) {
    auto* label = named(new QLabel(caption, parent), name);
    label->adjustSize();
    label->move(x, y);
    return label;
}

// A warning stripe, widened rather than clipped where the fallback font runs wide.
QLabel* warningLabel(const QString& name, const QString& caption, const QRect& place, bool bold,
                     QWidget* parent) {
    auto* label = named(new QLabel(caption, parent), name);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    paintAsWarning(label);
    return placed(label, place.x(), place.y(), place.width(), place.height());
}

QCheckBox* soundBox(const QString& name, int x, int y, QWidget* parent) {
    auto* box = named(new QCheckBox(parent), name);
    box->setGeometry(x, y, 17, 17);
    return box;
}

QLineEdit* hiddenEdit(const QString& name, QWidget* parent) {
    auto* edit = named(new QLineEdit(parent), name);
    edit->setReadOnly(true);
    edit->resize(121, 21);
    edit->hide();
    return edit;
}

JpegPicture* picture(const QString& name, const QString& resource, int x, int y, QWidget* parent) {
    auto* image = named(new JpegPicture(resource, parent), name);
    image->setGeometry(x, y, 28, 25);
    return image;
}

}  // namespace

TForm3::TForm3(Platform& platform)
    : QWidget(nullptr),
      platform_(platform),
      openDialog_{kMidiFilter, {}, {}},
      saveFileName_(kProposedScriptName) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Calvorn Trellan - Script Generator"));
    setFont(sansSerifFont(11));
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    createControls();
    connectHandlers();
    makeAccessible(this, kForm3Texts);
    resize(kOuterSize);
    move(kFirstPlace);
}

void TForm3::createControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Panel1 = named(new QFrame(this), QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    layout->addWidget(Panel1);

    GroupBox1 = named(new QGroupBox(QStringLiteral("Replace SMS sounds "), Panel1),
                      QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 8, 369, 297);
    Label1 = autoSizedLabel(QStringLiteral("Label1"), QStringLiteral("Filename"), 8, 24, GroupBox1);
    Label2 = autoSizedLabel(QStringLiteral("Label2"), QStringLiteral("MIDI"), 304, 48, GroupBox1);
    Label3 = autoSizedLabel(QStringLiteral("Label3"), QStringLiteral("AMR"), 336, 48, GroupBox1);

    LabeledEdit** sms[] = {&Sms1, &Sms2, &Sms3, &Sms4, &Sms5, &Sms6};
    QPushButton** open[] = {&Button1, &Button2, &Button3, &Button4, &Button5, &Button6};
    QCheckBox** midi[] = {&Write1, &Write2, &Write3, &Write4, &Write5, &Write6};
    QCheckBox** amr[] = {&AMR1, &AMR2, &AMR3, &AMR4, &AMR5, &AMR6};
    QLineEdit** amrEdit[] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5, &Edit6};
    for (int i = 0; i < 6; ++i) {
        const QString n = QString::number(i + 1);
        const int y = 64 + 40 * i;
        *sms[i] = new LabeledEdit(QStringLiteral("Sms") + n, QStringLiteral("Message alert ") + n,
                                  QRect(8, y, 177, 21), GroupBox1);
        (*sms[i])->setReadOnly(true);
        *open[i] = placed(named(new QPushButton(QStringLiteral("Open..."), GroupBox1),
                                QStringLiteral("Button") + n),
                          192, y, 75, 21);
        *midi[i] = soundBox(QStringLiteral("Write") + n, 304, y, GroupBox1);
        *amr[i] = soundBox(QStringLiteral("AMR") + n, 336, y, GroupBox1);
        *amrEdit[i] = hiddenEdit(QStringLiteral("Edit") + n, Panel1);
        rows_[i] = AlertRow{*sms[i], *open[i], *midi[i], *amr[i], *amrEdit[i], {}, {}};
    }

    GroupBox2 =
        named(new QGroupBox(QStringLiteral("Camera sound "), Panel1), QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(8, 312, 225, 137);
    RadioButton3 = placed(named(new QRadioButton(QStringLiteral("Keep original"), GroupBox2),
                                QStringLiteral("RadioButton3")),
                          8, 24, 89, 17);
    RadioButton1 = placed(named(new QRadioButton(QStringLiteral("Delete"), GroupBox2),
                                QStringLiteral("RadioButton1")),
                          8, 40, 57, 17);
    RadioButton2 = placed(
        named(new QRadioButton(QStringLiteral("Replace (chose camera sound first)"), GroupBox2),
              QStringLiteral("RadioButton2")),
        8, 56, 193, 17);
    RadioButton3->setChecked(true);
    RadioButton2->setEnabled(false);
    Image1 =
        picture(QStringLiteral("Image1"), QStringLiteral(":/assets/cam.jpg"), 144, 24, GroupBox2);
    Image2 = picture(QStringLiteral("Image2"), QStringLiteral(":/assets/cam_on.jpg"), 184, 24,
                     GroupBox2);
    Image3 = picture(QStringLiteral("Image3"), QStringLiteral(":/assets/cam_off.jpg"), 184, 24,
                     GroupBox2);
    Image4 = picture(QStringLiteral("Image4"), QStringLiteral(":/assets/cam_replace.jpg"), 184, 24,
                     GroupBox2);
    Image3->hide();
    Image4->hide();
    CameraLabel = new LabeledEdit(QStringLiteral("CameraLabel"), QStringLiteral("Camera Sound"),
                                  QRect(8, 104, 129, 21), GroupBox2);
    CameraLabel->setReadOnly(true);
    Button7 = placed(
        named(new QPushButton(QStringLiteral("Open..."), GroupBox2), QStringLiteral("Button7")),
        144, 104, 75, 21);

    auto button = [this](const QString& name, const QString& caption, int y) {
        return placed(named(new QPushButton(caption, Panel1), name), 240, y, 137, 25);
    };
    Button10 = button(QStringLiteral("Button10"), QStringLiteral("Generate script"), 312);
    Button12 = button(QStringLiteral("Button12"), QStringLiteral("Add more..."), 336);
    Button11 = button(QStringLiteral("Button11"), QStringLiteral("Save"), 376);
    Button8 = button(QStringLiteral("Button8"), QStringLiteral("Reset"), 400);
    Button9 = button(QStringLiteral("Button9"), QStringLiteral("Close"), 424);

    Label4 =
        autoSizedLabel(QStringLiteral("Label4"), QStringLiteral("Script Preview"), 8, 456, Panel1);
    Memo1 = named(new ScriptPreview(Panel1), QStringLiteral("Memo1"));
    Memo1->setGeometry(8, 472, 369, 105);

    Label5 =
        warningLabel(QStringLiteral("Label5"),
                     QStringLiteral(" Only use these features if you know what you're doing! "),
                     QRect(28, 584, 320, 13), true, Panel1);
    Label6 = warningLabel(
        QStringLiteral("Label6"),
        QStringLiteral("  Calvorn is not responsible for any damage caused by this tool!"),
        QRect(32, 600, 313, 13), false, Panel1);

    Edit7 = hiddenEdit(QStringLiteral("Edit7"), Panel1);
}

void TForm3::connectHandlers() {
    Platform& platform = platform_;
    void (TForm3::*openHandlers[])() = {&TForm3::Button1Click, &TForm3::Button2Click,
                                        &TForm3::Button3Click, &TForm3::Button4Click,
                                        &TForm3::Button5Click, &TForm3::Button6Click};
    for (int i = 0; i < 6; ++i) {
        const auto handler = openHandlers[i];
        connectGuarded(platform, rows_[i].open, &QPushButton::clicked, this,
                       [this, handler] { (this->*handler)(); });
        // Ticked or unticked, by the user or by this window.
        for (QCheckBox* box : {rows_[i].midi, rows_[i].amr}) {
            connectGuarded(platform, box, &QCheckBox::toggled, this, [this] { Write1Click(); });
        }
    }
    connectGuarded(platform, Button7, &QPushButton::clicked, this, [this] { Button7Click(); });
    // A radio button's handler runs when it becomes selected, also from the program.
    connectGuarded(platform, RadioButton1, &QRadioButton::toggled, this, [this] {
        if (RadioButton1->isChecked()) RadioButton1Click();
    });
    connectGuarded(platform, RadioButton2, &QRadioButton::toggled, this, [this] {
        if (RadioButton2->isChecked()) RadioButton2Click();
    });
    connectGuarded(platform, RadioButton3, &QRadioButton::toggled, this, [this] {
        if (RadioButton3->isChecked()) RadioButton3Click();
    });
    connectGuarded(platform, Button10, &QPushButton::clicked, this, [this] { Button10Click(); });
    connectGuarded(platform, Button11, &QPushButton::clicked, this, [this] { Button11Click(); });
    connectGuarded(platform, Button12, &QPushButton::clicked, this, [this] { Button12Click(); });
    connectGuarded(platform, Button8, &QPushButton::clicked, this, [this] { FormCreate(); });
    connectGuarded(platform, Button9, &QPushButton::clicked, this, [this] { Button9Click(); });
}

void TForm3::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The outer size counts the frame, which is known once the window is shown.
    const QSize frame = frameGeometry().size() - size();
    if (!outerSizeSet_ && !frame.isEmpty()) {
        resize(kOuterSize - frame);
        outerSizeSet_ = true;
    }
}

void TForm3::closeEvent(QCloseEvent* event) {
    // Disabled while the advanced window is open: the frame's close button is
    // input like any other, and a hidden window would take the hand-back unseen.
    // The program's own closing at its end is not spontaneous and goes through.
    if (event->spontaneous() && !isEnabled()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void TForm3::FormCreate() {
    removeMaximizeBox(this);
    for (AlertRow& row : rows_) {
        row.sms->setText(QString());
        setAmrPath(row, QString());
    }
    for (AlertRow& row : rows_) {
        row.midi->setEnabled(false);
        row.amr->setEnabled(false);
    }
    for (AlertRow& row : rows_) {
        row.midi->setChecked(false);
        row.amr->setChecked(false);
    }
    Memo1->clear();
    RadioButton3->setChecked(true);
    CameraLabel->setEnabled(true);
    RadioButton2->setEnabled(false);
    CameraLabel->setText(QString());
    Button11->setEnabled(false);
    Button10->setEnabled(true);
}

void TForm3::Button1Click() { chooseAlertSound(rows_[0]); }
void TForm3::Button2Click() { chooseAlertSound(rows_[1]); }
void TForm3::Button3Click() { chooseAlertSound(rows_[2]); }
void TForm3::Button4Click() { chooseAlertSound(rows_[3]); }
void TForm3::Button5Click() { chooseAlertSound(rows_[4]); }
void TForm3::Button6Click() { chooseAlertSound(rows_[5]); }

std::optional<QString> TForm3::openMidiFile() {
    const std::optional<QString> chosen = openDialog_.execute(platform_, this);
    if (!chosen) {
        return std::nullopt;
    }
    openDialog_.fileName = QDir::toNativeSeparators(*chosen);
    return openDialog_.fileName;
}

void TForm3::chooseAlertSound(AlertRow& row) {
    row.sms->setTextColor(Qt::black);
    setAmrPath(row, QString());
    row.midi->setChecked(false);
    row.midi->setEnabled(false);
    row.amr->setChecked(false);
    row.amr->setEnabled(false);

    const std::optional<QString> chosen = openMidiFile();
    if (!chosen) {
        return;
    }
    const QString& file = *chosen;
    if (showMidiChoice(row.sms, file, kAlertPathWidth)) {
        row.midiPath = file;
        row.midi->setChecked(true);
        row.midi->setEnabled(true);
    }
    // Tested whatever became of the MIDI file.
    if (const std::optional<QString> amr = existingAmrCompanion(file)) {
        row.amr->setChecked(true);
        row.amr->setEnabled(true);
        setAmrPath(row, *amr);
    }
}

bool TForm3::showMidiChoice(LabeledEdit* edit, const QString& file, int width) {
    if (!fileExists(file)) {
        edit->setText(kNoFile);
        edit->setTextColor(kMissingColor);
        return false;
    }
    if (script::extensionOf(file) != script::kMidExtension) {
        platform_.errorBox(this, kNotMidi);
        return false;
    }
    edit->showShortenedPath(file, width);
    return true;
}

std::optional<QString> TForm3::existingAmrCompanion(const QString& midiFile) {
    std::optional<QString> amr = script::findCompanion(midiFile, script::Companion::Amr);
    if (!amr) {
        platform_.errorBox(this, script::missingCompanionText(script::Companion::Amr));
    }
    return amr;
}

void TForm3::Button7Click() {
    CameraLabel->setTextColor(Qt::black);
    CameraLabel->setText(QString());

    const std::optional<QString> chosen = openMidiFile();
    if (!chosen) {
        return;
    }
    const QString& file = *chosen;
    if (showMidiChoice(CameraLabel, file, kCameraPathWidth)) {
        camera_.midiPath = file;
    }
    const std::optional<QString> amr = existingAmrCompanion(file);
    if (!amr) {
        return;
    }
    // On purpose the camera's MIDI and AMR files may come from different choices.
    camera_.amrPath = *amr;
    Edit7->setText(camera_.amrPath);
    // "Replace" writes the camera's MIDI path: never offer it before one was accepted.
    if (!camera_.midiPath.isEmpty()) {
        RadioButton2->setEnabled(true);
        RadioButton2->setChecked(true);
    }
}

void TForm3::showStateIcon(JpegPicture* icon) {
    for (JpegPicture* image : {Image2, Image3, Image4}) {
        image->setVisible(image == icon);
    }
}

void TForm3::setAmrPath(AlertRow& row, const QString& path) {
    row.amrPath = path;
    row.amrEdit->setText(path);
}

void TForm3::RadioButton1Click() { showStateIcon(Image3); }
void TForm3::RadioButton2Click() { showStateIcon(Image4); }
void TForm3::RadioButton3Click() { showStateIcon(Image2); }

void TForm3::Write1Click() { Memo1->clear(); }

void TForm3::Button10Click() {
    Memo1->clear();
    script::SoundChoices choices;
    for (size_t i = 0; i < rows_.size(); ++i) {
        const AlertRow& row = rows_[i];
        choices.alerts[i] = {row.midi->isChecked(), row.midiPath, row.amr->isChecked(),
                             row.amrPath};
    }
    if (RadioButton2->isChecked()) {
        choices.camera = script::CameraSound::Replace;
    } else if (RadioButton1->isChecked()) {
        choices.camera = script::CameraSound::Delete;
    }
    choices.cameraMidiPath = camera_.midiPath;
    choices.cameraAmrPath = camera_.amrPath;
    Memo1->appendLines(script::soundScript(choices));
    Button11->setEnabled(true);
}

void TForm3::Button11Click() {
    const std::optional<QString> chosen =
        platform_.saveFile(this, {kScriptFilter, saveFileName_, {}, QStringLiteral("txt")});
    if (!chosen) {
        return;
    }
    saveFileName_ = *chosen;
    script::saveScriptFile(*chosen, Memo1->wholeText());
}

void TForm3::Button12Click() {
    setEnabled(false);
    emit addMoreRequested(Memo1->wholeText());
}

void TForm3::takeHandBack(const QString& script) {
    Memo1->clear();
    Memo1->setWholeText(script);
    setEnabled(true);
    Button11->setEnabled(true);
}

void TForm3::Button9Click() { hide(); }

}  // namespace trellan

#include "script/ui/form3.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/file_io.h"
#include "common/ui/controls.h"
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

QCheckBox* soundBox(QWidget* parent, const QString& name, int x, int y) {
    return placed<QCheckBox>(parent, name, QRect(x, y, 17, 17));
}

QLineEdit* hiddenEdit(QWidget* parent, const QString& name) {
    auto* edit = placed<QLineEdit>(parent, name, QRect(0, 0, 121, 21));
    edit->setReadOnly(true);
    edit->hide();
    return edit;
}

JpegPicture* icon(QWidget* parent, const QString& name, const QString& resource, int x) {
    return placedPicture(parent, name, resource, QRect(x, 24, 28, 25));
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
    Panel1 = panel(this, QStringLiteral("Panel1"), QFrame::Raised, QRect());
    layout->addWidget(Panel1);

    createAlertGroup();
    createCameraGroup();
    createButtonColumn();
    createPreviewAndWarnings();
    Edit7 = hiddenEdit(Panel1, QStringLiteral("Edit7"));

    for (const AlertRow& row : rows_) {
        fitCaption(row.open);
    }
    for (QWidget* control : std::initializer_list<QWidget*>{
             RadioButton3, RadioButton1, RadioButton2, Button7, Button10, Button12, Button11,
             Button8, Button9, Label5, Label6}) {
        fitCaption(control);
    }
}

// "Replace SMS sounds": the column captions and the six sound rows.
void TForm3::createAlertGroup() {
    GroupBox1 = captioned<QGroupBox>(Panel1, QStringLiteral("GroupBox1"),
                                     QStringLiteral("Replace SMS sounds "), QRect(8, 8, 369, 297));
    Label1 = captioned<QLabel>(GroupBox1, QStringLiteral("Label1"), QStringLiteral("Filename"),
                               QPoint(8, 24));
    Label2 = captioned<QLabel>(GroupBox1, QStringLiteral("Label2"), QStringLiteral("MIDI"),
                               QPoint(304, 48));
    Label3 = captioned<QLabel>(GroupBox1, QStringLiteral("Label3"), QStringLiteral("AMR"),
                               QPoint(336, 48));

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
        *open[i] = captioned<QPushButton>(GroupBox1, QStringLiteral("Button") + n,
                                          QStringLiteral("Open..."), QRect(192, y, 75, 21));
        *midi[i] = soundBox(GroupBox1, QStringLiteral("Write") + n, 304, y);
        *amr[i] = soundBox(GroupBox1, QStringLiteral("AMR") + n, 336, y);
        *amrEdit[i] = hiddenEdit(Panel1, QStringLiteral("Edit") + n);
        rows_[i] = AlertRow{*sms[i], *open[i], *midi[i], *amr[i], *amrEdit[i], {}, {}};
    }
}

// "Camera sound": the three choices, the state icons and the chosen file.
void TForm3::createCameraGroup() {
    GroupBox2 = captioned<QGroupBox>(Panel1, QStringLiteral("GroupBox2"),
                                     QStringLiteral("Camera sound "), QRect(8, 312, 225, 137));
    RadioButton3 = captioned<QRadioButton>(GroupBox2, QStringLiteral("RadioButton3"),
                                           QStringLiteral("Keep original"), QRect(8, 24, 89, 17));
    RadioButton1 = captioned<QRadioButton>(GroupBox2, QStringLiteral("RadioButton1"),
                                           QStringLiteral("Delete"), QRect(8, 40, 57, 17));
    RadioButton2 = captioned<QRadioButton>(GroupBox2, QStringLiteral("RadioButton2"),
                                           QStringLiteral("Replace (chose camera sound first)"),
                                           QRect(8, 56, 193, 17));
    RadioButton3->setChecked(true);
    RadioButton2->setEnabled(false);
    Image1 = icon(GroupBox2, QStringLiteral("Image1"), QStringLiteral(":/assets/cam.jpg"), 144);
    Image2 = icon(GroupBox2, QStringLiteral("Image2"), QStringLiteral(":/assets/cam_on.jpg"), 184);
    Image3 = icon(GroupBox2, QStringLiteral("Image3"), QStringLiteral(":/assets/cam_off.jpg"), 184);
    Image4 =
        icon(GroupBox2, QStringLiteral("Image4"), QStringLiteral(":/assets/cam_replace.jpg"), 184);
    Image3->hide();
    Image4->hide();
    CameraLabel = new LabeledEdit(QStringLiteral("CameraLabel"), QStringLiteral("Camera Sound"),
                                  QRect(8, 104, 129, 21), GroupBox2);
    CameraLabel->setReadOnly(true);
    Button7 = captioned<QPushButton>(GroupBox2, QStringLiteral("Button7"),
                                     QStringLiteral("Open..."), QRect(144, 104, 75, 21));
}

void TForm3::createButtonColumn() {
    auto button = [this](const QString& name, const QString& caption, int y) {
        return captioned<QPushButton>(Panel1, name, caption, QRect(240, y, 137, 25));
    };
    Button10 = button(QStringLiteral("Button10"), QStringLiteral("Generate script"), 312);
    Button12 = button(QStringLiteral("Button12"), QStringLiteral("Add more..."), 336);
    Button11 = button(QStringLiteral("Button11"), QStringLiteral("Save"), 376);
    Button8 = button(QStringLiteral("Button8"), QStringLiteral("Reset"), 400);
    Button9 = button(QStringLiteral("Button9"), QStringLiteral("Close"), 424);
}

// The script preview and the two warning stripes under it.
void TForm3::createPreviewAndWarnings() {
    Label4 = captioned<QLabel>(Panel1, QStringLiteral("Label4"), QStringLiteral("Script Preview"),
                               QPoint(8, 456));
    Memo1 = placed<ScriptPreview>(Panel1, QStringLiteral("Memo1"), QRect(8, 472, 369, 105));

    Label5 = captioned<QLabel>(
        Panel1, QStringLiteral("Label5"),
        QStringLiteral(" Only use these features if you know what you're doing! "),
        QRect(28, 584, 320, 13));
    QFont bold = Label5->font();
    bold.setBold(true);
    Label5->setFont(bold);
    Label6 = captioned<QLabel>(
        Panel1, QStringLiteral("Label6"),
        QStringLiteral("  Calvorn is not responsible for any damage caused by this tool!"),
        QRect(32, 600, 313, 13));
    for (QLabel* warning : {Label5, Label6}) {
        paintAsWarning(warning);
    }
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
    connectSelected(platform, RadioButton1, this, [this] { RadioButton1Click(); });
    connectSelected(platform, RadioButton2, this, [this] { RadioButton2Click(); });
    connectSelected(platform, RadioButton3, this, [this] { RadioButton3Click(); });
    connectGuarded(platform, Button10, &QPushButton::clicked, this, [this] { Button10Click(); });
    connectGuarded(platform, Button11, &QPushButton::clicked, this, [this] { Button11Click(); });
    connectGuarded(platform, Button12, &QPushButton::clicked, this, [this] { Button12Click(); });
    connectGuarded(platform, Button8, &QPushButton::clicked, this, [this] { FormCreate(); });
    connectGuarded(platform, Button9, &QPushButton::clicked, this, [this] { Button9Click(); });
}

void TForm3::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The outer size counts the frame, which is known once the window is shown.
    if (!outerSizeSet_) {
        outerSizeSet_ = reachOuterSize(this, kOuterSize);
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
    // Refused before anything else is tested: the choice ends as a cancel would.
    if (!reachesScript(openDialog_.fileName)) {
        return std::nullopt;
    }
    return openDialog_.fileName;
}

bool TForm3::reachesScript(QStringView text) {
    if (const std::optional<QString> refusal = script::unwritableTextMessage(text)) {
        platform_.errorBox(this, *refusal);
        return false;
    }
    return true;
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
    // Typed by hand or brought back: a character the file cannot hold is never saved as "?".
    const QString text = Memo1->wholeText();
    if (!reachesScript(text)) {
        return;
    }
    const std::optional<QString> chosen =
        platform_.saveFile(this, {kScriptFilter, saveFileName_, {}, QStringLiteral("txt")});
    if (!chosen) {
        return;
    }
    saveFileName_ = *chosen;
    script::saveScriptFile(*chosen, text);
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

#include "advanced/ui/form4.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

#include "advanced/key_filter.h"
#include "advanced/ui/form4_texts.h"
#include "common/file_io.h"
#include "common/lines.h"
#include "common/text8.h"
#include "common/ui/controls.h"
#include "common/ui/guard.h"
#include "common/ui/labeled_edit.h"
#include "common/ui/platform.h"
#include "common/ui/window_util.h"
#include "script/script_lines.h"
#include "script/ui/script_preview.h"

namespace trellan {

TForm4::TForm4(Platform& platform, const QString& programFolder)
    : QWidget(nullptr), platform_(platform), programFolder_(programFolder) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Calvorn Trellan - Script Generator - Advanced..."));
    setFont(sansSerifFont(11));
    buildLayout();
    connectHandlers();
    makeAccessible(this, kForm4Texts);
    // The window sizes itself to its panel; outer size 610 x 530 with the frame.
    setFixedSize(Panel1->size());
    move(343, 165);
}

void TForm4::buildLayout() {
    Panel1 = placed<QFrame>(this, QStringLiteral("Panel1"), QRect(0, 0, 602, 496));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);

    Label2 = captioned<QLabel>(Panel1, QStringLiteral("Label2"), QStringLiteral("Script preview:"),
                               QRect(8, 384, 70, 13));
    Memo1 = new ScriptPreview(Panel1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(8, 400, 473, 73);
    Memo1->setReadOnly(true);

    Button6 = captioned<QPushButton>(Panel1, QStringLiteral("Button6"), QStringLiteral("Clear"),
                                     QRect(488, 400, 105, 25));
    Button7 = captioned<QPushButton>(Panel1, QStringLiteral("Button7"), QStringLiteral("Cancel"),
                                     QRect(488, 424, 105, 25));
    Button5 = captioned<QPushButton>(Panel1, QStringLiteral("Button5"),
                                     QStringLiteral("OK! (Back)"), QRect(488, 448, 105, 25));
    QFont bold = Button5->font();
    bold.setBold(true);
    Button5->setFont(bold);
    Button5->setEnabled(false);

    GroupBox4 = captioned<QGroupBox>(Panel1, QStringLiteral("GroupBox4"), QStringLiteral("Status "),
                                     QRect(256, 336, 337, 57));
    Memo3 = placed<QPlainTextEdit>(GroupBox4, QStringLiteral("Memo3"), QRect(8, 16, 321, 33));
    Memo3->setFrameShape(QFrame::NoFrame);
    Memo3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette statusPalette = Memo3->palette();
    statusPalette.setColor(QPalette::Base, statusPalette.color(QPalette::Button));
    statusPalette.setColor(QPalette::Text, Qt::black);
    Memo3->setPalette(statusPalette);

    Label5 = captioned<QLabel>(
        Panel1, QStringLiteral("Label5"),
        QStringLiteral(" Only use these features if you know what you're doing!    "),
        QRect(8, 475, 272, 13));
    paintAsWarning(Label5);
    Label6 = captioned<QLabel>(
        Panel1, QStringLiteral("Label6"),
        QStringLiteral("  Calvorn is not responsible for any damage caused by this tool!"),
        QRect(280, 475, 313, 13));
    paintAsWarning(Label6);

    buildFileChangeGroup();
    buildBandLockGroup();
    buildOptionsGroup();
    buildLanguageGroup();
    buildDeleteGroup();
}

void TForm4::showEvent(QShowEvent* event) {
    if (!captionsFitted_) {
        captionsFitted_ = true;
        fitCaptions();
    }
    QWidget::showEvent(event);
}

void TForm4::fitCaptions() {
    // Done when first shown: measuring loads fonts, which start-up need not wait for.
    for (QWidget* widget : Panel1->findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(widget) != nullptr ||
            qobject_cast<QRadioButton*>(widget) != nullptr ||
            qobject_cast<QCheckBox*>(widget) != nullptr) {
            fitCaption(widget);
        }
    }
}

void TForm4::buildFileChangeGroup() {
    GroupBox1 = captioned<QGroupBox>(Panel1, QStringLiteral("GroupBox1"),
                                     QStringLiteral("Change files "), QRect(8, 8, 241, 193));
    RadioButton1 =
        placed<QRadioButton>(GroupBox1, QStringLiteral("RadioButton1"), QRect(8, 24, 97, 17));
    RadioButton1->setText(QStringLiteral("Change Sounds"));
    RadioButton1->setChecked(true);
    RadioButton2 =
        placed<QRadioButton>(GroupBox1, QStringLiteral("RadioButton2"), QRect(120, 24, 105, 17));
    RadioButton2->setText(QStringLiteral("Change Frames"));
    RadioButton3 =
        placed<QRadioButton>(GroupBox1, QStringLiteral("RadioButton3"), QRect(8, 40, 97, 17));
    RadioButton3->setText(QStringLiteral("Change Clipart"));
    RadioButton5 =
        placed<QRadioButton>(GroupBox1, QStringLiteral("RadioButton5"), QRect(120, 40, 113, 17));
    RadioButton5->setText(QStringLiteral("Add new Frames"));
    RadioButton4 =
        placed<QRadioButton>(GroupBox1, QStringLiteral("RadioButton4"), QRect(8, 56, 105, 17));
    RadioButton4->setText(QStringLiteral("Change Funlayer"));
    Label1 = captioned<QLabel>(GroupBox1, QStringLiteral("Label1"),
                               QStringLiteral("Internal Filename:"), QRect(8, 80, 83, 13));
    ComboBox1 = placed<QComboBox>(GroupBox1, QStringLiteral("ComboBox1"), QRect(8, 96, 225, 21));
    ComboBox1->setEditable(true);
    // Typed text is never an entry of the list.
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    LabeledEdit1 = new LabeledEdit(QStringLiteral("LabeledEdit1"), QStringLiteral("New File..."),
                                   QRect(8, 136, 137, 21), GroupBox1);
    LabeledEdit1->setReadOnly(true);
    Button1 = captioned<QPushButton>(GroupBox1, QStringLiteral("Button1"), QStringLiteral("Open"),
                                     QRect(144, 136, 89, 21));
    Button2 = captioned<QPushButton>(GroupBox1, QStringLiteral("Button2"), QStringLiteral("Add"),
                                     QRect(8, 168, 113, 17));
    // Nothing is chosen before an Open, also when the sound list fails at creation.
    Button2->setEnabled(false);
    Button3 = captioned<QPushButton>(GroupBox1, QStringLiteral("Button3"), QStringLiteral("Reset"),
                                     QRect(120, 168, 113, 17));
}

void TForm4::buildBandLockGroup() {
    GroupBox2 = captioned<QGroupBox>(Panel1, QStringLiteral("GroupBox2"),
                                     QStringLiteral("Change bandlocks "), QRect(256, 8, 337, 49));
    ComboBox2 = placed<QComboBox>(GroupBox2, QStringLiteral("ComboBox2"), QRect(8, 16, 257, 21));
    ComboBox2->setEditable(true);
    // Typed text never becomes an entry, so reloading lists each name once.
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    Button4 = captioned<QPushButton>(GroupBox2, QStringLiteral("Button4"), QStringLiteral("Add"),
                                     QRect(264, 16, 65, 21));
}

void TForm4::buildOptionsGroup() {
    GroupBox3 = captioned<QGroupBox>(Panel1, QStringLiteral("GroupBox3"),
                                     QStringLiteral("More options "), QRect(256, 64, 337, 177));
    auto check = [this](const char* name, const char* text, int x, int y, int width) {
        auto* box = placed<QCheckBox>(GroupBox3, QLatin1String(name), QRect(x, y, width, 17));
        box->setText(QLatin1String(text));
        return box;
    };
    QFont big = font();
    big.setBold(true);
    big.setPixelSize(17);

    CheckBox1 = check("CheckBox1", "Change CDA to:", 8, 16, 97);
    Label4 = captioned<QLabel>(GroupBox3, QStringLiteral("Label4"), QStringLiteral("CDA"),
                               QRect(120, 16, 38, 20));
    Label4->setFont(big);
    Edit2 = placed<QLineEdit>(GroupBox3, QStringLiteral("Edit2"), QRect(160, 16, 65, 21));
    Label3 = captioned<QLabel>(GroupBox3, QStringLiteral("Label3"), QStringLiteral("/"),
                               QRect(232, 16, 6, 20));
    Label3->setFont(big);
    Edit6 = placed<QLineEdit>(GroupBox3, QStringLiteral("Edit6"), QRect(248, 16, 25, 21));
    Button12 = captioned<QPushButton>(GroupBox3, QStringLiteral("Button12"),
                                      QStringLiteral("From list"), QRect(280, 16, 49, 21));
    Button12->setEnabled(false);

    CheckBox2 = check("CheckBox2", "Change Revision to:", 8, 40, 113);
    Edit3 = placed<QLineEdit>(GroupBox3, QStringLiteral("Edit3"), QRect(160, 40, 113, 21));
    Button14 = captioned<QPushButton>(GroupBox3, QStringLiteral("Button14"),
                                      QStringLiteral("From list"), QRect(280, 40, 49, 21));
    Button14->setEnabled(false);

    CheckBox3 = check("CheckBox3", "Change '1E0W' to:", 8, 64, 113);
    Edit4 = placed<QLineEdit>(GroupBox3, QStringLiteral("Edit4"), QRect(160, 64, 169, 21));
    CheckBox4 = check("CheckBox4", "Change LP Info to:", 8, 88, 113);
    Edit5 = placed<QLineEdit>(GroupBox3, QStringLiteral("Edit5"), QRect(160, 88, 169, 21));
    CheckBox5 = check("CheckBox5", "Fix Z1010 voice control", 8, 112, 137);
    CheckBox6 = check("CheckBox6", "Enable channel + battery info", 160, 112, 169);
    Button8 = captioned<QPushButton>(GroupBox3, QStringLiteral("Button8"),
                                     QStringLiteral("Add these options"), QRect(8, 136, 321, 17));

    for (QLineEdit* digits : {Edit2, Edit6}) {
        digits->installEventFilter(this);
        // A drop would put any text in, past the key filter.
        digits->setAcceptDrops(false);
        digits->setInputMethodHints(Qt::ImhDigitsOnly);
    }
}

void TForm4::buildLanguageGroup() {
    GroupBox5 = captioned<QGroupBox>(Panel1, QStringLiteral("GroupBox5"),
                                     QStringLiteral("Languages "), QRect(8, 208, 241, 169));
    RadioButton6 =
        placed<QRadioButton>(GroupBox5, QStringLiteral("RadioButton6"), QRect(8, 32, 73, 17));
    RadioButton6->setText(QStringLiteral("Standard"));
    RadioButton6->setChecked(true);
    RadioButton7 =
        placed<QRadioButton>(GroupBox5, QStringLiteral("RadioButton7"), QRect(80, 32, 82, 17));
    RadioButton7->setText(QStringLiteral("Write T9 only"));
    CheckBox7 = placed<QCheckBox>(GroupBox5, QStringLiteral("CheckBox7"), QRect(80, 64, 81, 17));
    CheckBox7->setText(QStringLiteral("Write T9 file"));
    LabeledEdit2 = new LabeledEdit(QStringLiteral("LabeledEdit2"), QStringLiteral("Language file:"),
                                   QRect(8, 80, 153, 21), GroupBox5);
    Button9 = captioned<QPushButton>(GroupBox5, QStringLiteral("Button9"), QStringLiteral("Open"),
                                     QRect(160, 80, 75, 21));
    LabeledEdit3 =
        new LabeledEdit(QStringLiteral("LabeledEdit3"), QStringLiteral("Single T9 file:"),
                        QRect(8, 120, 153, 21), GroupBox5);
    LabeledEdit3->setEnabled(false);
    Button11 = captioned<QPushButton>(GroupBox5, QStringLiteral("Button11"), QStringLiteral("Open"),
                                      QRect(158, 120, 75, 21));
    Button11->setEnabled(false);
    Button10 = captioned<QPushButton>(GroupBox5, QStringLiteral("Button10"), QStringLiteral("Add"),
                                      QRect(8, 144, 225, 17));
    Button10->setEnabled(false);
}

void TForm4::buildDeleteGroup() {
    GroupBox6 = captioned<QGroupBox>(Panel1, QStringLiteral("GroupBox6"),
                                     QStringLiteral("Delete file "), QRect(256, 248, 337, 81));
    auto kind = [this](const char* name, const char* text, int x, int width) {
        auto* button =
            placed<QRadioButton>(GroupBox6, QLatin1String(name), QRect(x, 24, width, 17));
        button->setText(QLatin1String(text));
        return button;
    };
    RadioButton8 = kind("RadioButton8", "Sound", 8, 57);
    RadioButton9 = kind("RadioButton9", "Clipart", 64, 57);
    RadioButton11 = kind("RadioButton11", "Funlayer", 120, 65);
    RadioButton10 = kind("RadioButton10", "Frame", 184, 49);
    RadioButton12 = kind("RadioButton12", "Language / T9", 238, 91);
    Label7 = captioned<QLabel>(GroupBox6, QStringLiteral("Label7"), QStringLiteral("Filename:"),
                               QRect(8, 56, 45, 13));
    Edit7 = placed<QLineEdit>(GroupBox6, QStringLiteral("Edit7"), QRect(56, 52, 177, 21));
    Edit7->installEventFilter(this);
    Button13 = captioned<QPushButton>(GroupBox6, QStringLiteral("Button13"),
                                      QStringLiteral("Add command"), QRect(232, 52, 97, 21));
    Button13->setEnabled(false);
}

void TForm4::connectHandlers() {
    Platform& platform = platform_;
    auto onClick = [&](QPushButton* button, void (TForm4::*handler)()) {
        connectGuarded(platform, button, &QPushButton::clicked, this,
                       [this, handler] { (this->*handler)(); });
    };
    // A radio button's handler runs when it becomes selected, not when it is left.
    auto onSelected = [&](QRadioButton* button, void (TForm4::*handler)()) {
        QObject::connect(button, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked) {
                runGuarded(platform_, [this, handler] { (this->*handler)(); });
            }
        });
    };
    auto onEdited = [&](QLineEdit* edit, void (TForm4::*handler)()) {
        connectGuarded(platform, edit, &QLineEdit::textChanged, this,
                       [this, handler] { (this->*handler)(); });
    };

    onClick(Button5, &TForm4::Button5Click);
    onClick(Button6, &TForm4::Button6Click);
    onClick(Button7, &TForm4::Button7Click);

    onSelected(RadioButton1, &TForm4::RadioButton1Click);
    onSelected(RadioButton2, &TForm4::RadioButton2Click);
    onSelected(RadioButton3, &TForm4::RadioButton3Click);
    onSelected(RadioButton4, &TForm4::RadioButton4Click);
    onSelected(RadioButton5, &TForm4::RadioButton5Click);
    // Only the user's changes count: a pick from the list or typing in the box.
    // A pick runs the handler only when it changed the entry or the text: picking
    // again the entry shown changes nothing and keeps the chosen file.
    const auto noteChange = [this] { comboBox1Changed_ = true; };
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, noteChange);
    connect(ComboBox1, &QComboBox::editTextChanged, this, noteChange);
    connectGuarded(platform, ComboBox1, &QComboBox::activated, this, [this] {
        if (std::exchange(comboBox1Changed_, false)) {
            ComboBox1Change();
        }
    });
    connectGuarded(platform, ComboBox1->lineEdit(), &QLineEdit::textEdited, this,
                   [this] { ComboBox1Change(); });
    onClick(Button1, &TForm4::Button1Click);
    onClick(Button2, &TForm4::Button2Click);
    onClick(Button3, &TForm4::Button3Click);

    onClick(Button4, &TForm4::Button4Click);
    onClick(Button8, &TForm4::Button8Click);
    onEdited(Edit2, &TForm4::Edit2Change);
    onEdited(Edit6, &TForm4::Edit6Change);
    onEdited(Edit3, &TForm4::Edit3Change);
    onEdited(Edit4, &TForm4::Edit4Change);
    onEdited(Edit5, &TForm4::Edit5Change);

    onClick(Button9, &TForm4::Button9Click);
    onClick(Button11, &TForm4::Button11Click);
    onSelected(RadioButton6, &TForm4::RadioButton6Click);
    onSelected(RadioButton7, &TForm4::RadioButton7Click);
    onClick(Button10, &TForm4::Button10Click);
    onSelected(RadioButton8, &TForm4::RadioButton8Click);
    onSelected(RadioButton9, &TForm4::RadioButton9Click);
    onSelected(RadioButton11, &TForm4::RadioButton11Click);
    onSelected(RadioButton10, &TForm4::RadioButton10Click);
    onSelected(RadioButton12, &TForm4::RadioButton12Click);
    onClick(Button13, &TForm4::Button13Click);
}

bool TForm4::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit2 || watched == Edit6) {
        auto* edit = static_cast<QLineEdit*>(watched);
        switch (event->type()) {
            case QEvent::ShortcutOverride:
                // Paste keys come to the key filter, never to a shortcut.
                if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
                    event->accept();
                    return true;
                }
                break;
            case QEvent::KeyPress: {
                bool swallowed = true;
                runGuarded(platform_,
                           [&] { swallowed = Edit2KeyDown(edit, static_cast<QKeyEvent*>(event)); });
                return swallowed;
            }
            case QEvent::InputMethod: {
                // A dead key's or an input method's character comes without a key press.
                const auto* input = static_cast<QInputMethodEvent*>(event);
                const QString commit = input->commitString();
                if (commit.isEmpty() || advanced::allDecimalDigits(commit)) {
                    break;
                }
                QInputMethodEvent withoutCommit(input->preeditString(), input->attributes());
                QCoreApplication::sendEvent(edit, &withoutCommit);
                return true;
            }
            case QEvent::ContextMenu:
                return showDigitFieldMenu(edit,
                                          static_cast<QContextMenuEvent*>(event)->globalPos());
            case QEvent::MouseButtonRelease:
                // The middle button pastes the selection, past the key filter.
                return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
            default:
                break;
        }
    } else if (watched == Edit7 && event->type() == QEvent::FocusIn) {
        // Only focus moved here from another control, not the window's reactivation
        // or a closed context menu.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            runGuarded(platform_, [this] { Edit7Enter(); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

// --- Helpers shared by the groups ---------------------------------------------------------

void TForm4::select(QRadioButton* button, void (TForm4::*handler)()) {
    if (button->isChecked()) {
        return;
    }
    {
        const QSignalBlocker blocker(button);
        button->setChecked(true);
    }
    (this->*handler)();
}

void TForm4::appendStatus(const QString& line) { Memo3->appendPlainText(line); }

TForm4::CatalogueText TForm4::readCatalogue(const QString& relative) const {
    CatalogueText catalogue;
    catalogue.bytes = splitLines(readWholeFile(programFolder_ + relative)).lines;
    for (const QByteArray& line : catalogue.bytes) {
        catalogue.text << fromSystem8(line);
    }
    return catalogue;
}

bool TForm4::lineReachesScript(const CatalogueText& catalogue, qsizetype line,
                               const QString& relative) {
    if (passesThroughSystem8(catalogue.bytes.at(static_cast<std::size_t>(line)))) {
        return true;
    }
    platform_.errorBox(
        this, QStringLiteral("\"%1\" in %2 holds characters that cannot be written to a script "
                             "unchanged! Please correct them in %2.")
                  .arg(catalogue.text.at(line), QFileInfo(relative).fileName()));
    return false;
}

void TForm4::setDialogPattern(const QString& pattern) {
    openDialog_.filter = pattern;
    openDialog_.fileName = pattern;
}

std::optional<QString> TForm4::openFileWithExtension(const QString& extension) {
    const auto chosen = openDialog_.execute(platform_, this);
    if (!chosen || !fileExists(*chosen)) {
        return std::nullopt;
    }
    if (script::extensionOf(*chosen) != extension) {
        platform_.errorBox(this,
                           QStringLiteral("Could not open file! Must be right format and have ") +
                               extension + QStringLiteral(" extension!"));
        return std::nullopt;
    }
    return chosen;
}

// --- Lifecycle and hand-back --------------------------------------------------------------

void TForm4::FormCreate() {
    CheckBox7->setEnabled(false);
    loadNameList(advanced::FileChangeMode::ChangeSounds);
    Button2->setEnabled(false);
    fileChangeMode_ = advanced::FileChangeMode::ChangeSounds;
    loadBandLocks();
}

void TForm4::openWithScript(const QString& script) {
    showWindow(this);
    Memo1->clear();
    Memo1->setWholeText(script);
}

void TForm4::FormClose() { emit closed(); }

void TForm4::closeEvent(QCloseEvent* event) {
    runGuarded(platform_, [this] { FormClose(); });
    event->accept();
}

void TForm4::closeWindow() {
    FormClose();
    hide();
}

void TForm4::Button5Click() {
    emit handedBack(Memo1->wholeText());
    closeWindow();
}

void TForm4::Button6Click() {
    Memo1->clear();
    Button5->setEnabled(false);
}

void TForm4::Button7Click() {
    returnToChangeSounds();
    Memo1->clear();
    Memo3->clear();
    fileChangeMode_ = advanced::FileChangeMode::ChangeSounds;
    loadBandLocks();
    closeWindow();
}

}  // namespace trellan

#include "advanced/ui/form4.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "advanced/ui/form4_texts.h"
#include "advanced/ui/group_host.h"
#include "common/ui/controls.h"
#include "common/ui/guard.h"
#include "common/ui/window_util.h"
#include "script/ui/script_preview.h"

namespace trellan {

TForm4::TForm4(Platform& platform, const QString& programFolder)
    : QWidget(nullptr), platform_(platform) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Calvorn Trellan - Script Generator - Advanced..."));
    setFont(sansSerifFont(11));
    buildWindowControls();
    host_ = std::make_unique<GroupHost>(platform, this, programFolder, Memo1, Memo3, Button5);
    buildGroups();
    connectHandlers();
    makeAccessible(this, kForm4Texts);
    // The window sizes itself to its panel; outer size 610 x 530 with the frame.
    setFixedSize(Panel1->size());
    move(343, 165);
}

TForm4::~TForm4() {
    // The groups use the host to the end; they go before it does.
    delete Panel1;
}

void TForm4::buildWindowControls() {
    Panel1 = panel(this, QStringLiteral("Panel1"), QFrame::Raised, QRect(0, 0, 602, 496));

    Label2 = captioned<QLabel>(Panel1, QStringLiteral("Label2"), QStringLiteral("Script preview:"),
                               QRect(8, 384, 70, 13));
    Memo1 = placed<ScriptPreview>(Panel1, QStringLiteral("Memo1"), QRect(8, 400, 473, 73));
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
    Label6 = captioned<QLabel>(
        Panel1, QStringLiteral("Label6"),
        QStringLiteral("  Calvorn is not responsible for any damage caused by this tool!"),
        QRect(280, 475, 313, 13));
    for (QLabel* warning : {Label5, Label6}) {
        paintAsWarning(warning);
    }
}

// Each group in turn, and the window's names for its controls.
void TForm4::buildGroups() {
    buildFileChangeGroup();
    buildBandLockGroup();
    buildOptionsGroup();
    buildLanguageGroup();
    buildDeleteFileGroup();
}

void TForm4::buildFileChangeGroup() {
    GroupBox1 = new FileChangeGroup(*host_, Panel1);
    RadioButton1 = GroupBox1->RadioButton1;
    RadioButton2 = GroupBox1->RadioButton2;
    RadioButton3 = GroupBox1->RadioButton3;
    RadioButton4 = GroupBox1->RadioButton4;
    RadioButton5 = GroupBox1->RadioButton5;
    Label1 = GroupBox1->Label1;
    ComboBox1 = GroupBox1->ComboBox1;
    LabeledEdit1 = GroupBox1->LabeledEdit1;
    Button1 = GroupBox1->Button1;
    Button2 = GroupBox1->Button2;
    Button3 = GroupBox1->Button3;
}

void TForm4::buildBandLockGroup() {
    GroupBox2 = new BandLockGroup(*host_, Panel1);
    ComboBox2 = GroupBox2->ComboBox2;
    Button4 = GroupBox2->Button4;
}

void TForm4::buildOptionsGroup() {
    GroupBox3 = new OptionsGroup(*host_, Panel1);
    CheckBox1 = GroupBox3->CheckBox1;
    Label4 = GroupBox3->Label4;
    Edit2 = GroupBox3->Edit2;
    Label3 = GroupBox3->Label3;
    Edit6 = GroupBox3->Edit6;
    Button12 = GroupBox3->Button12;
    CheckBox2 = GroupBox3->CheckBox2;
    Edit3 = GroupBox3->Edit3;
    Button14 = GroupBox3->Button14;
    CheckBox3 = GroupBox3->CheckBox3;
    Edit4 = GroupBox3->Edit4;
    CheckBox4 = GroupBox3->CheckBox4;
    Edit5 = GroupBox3->Edit5;
    CheckBox5 = GroupBox3->CheckBox5;
    CheckBox6 = GroupBox3->CheckBox6;
    Button8 = GroupBox3->Button8;
}

void TForm4::buildLanguageGroup() {
    GroupBox5 = new LanguageGroup(*host_, Panel1);
    RadioButton6 = GroupBox5->RadioButton6;
    RadioButton7 = GroupBox5->RadioButton7;
    CheckBox7 = GroupBox5->CheckBox7;
    LabeledEdit2 = GroupBox5->LabeledEdit2;
    Button9 = GroupBox5->Button9;
    LabeledEdit3 = GroupBox5->LabeledEdit3;
    Button11 = GroupBox5->Button11;
    Button10 = GroupBox5->Button10;
}

void TForm4::buildDeleteFileGroup() {
    GroupBox6 = new DeleteFileGroup(*host_, Panel1);
    RadioButton8 = GroupBox6->RadioButton8;
    RadioButton9 = GroupBox6->RadioButton9;
    RadioButton11 = GroupBox6->RadioButton11;
    RadioButton10 = GroupBox6->RadioButton10;
    RadioButton12 = GroupBox6->RadioButton12;
    Label7 = GroupBox6->Label7;
    Edit7 = GroupBox6->Edit7;
    Button13 = GroupBox6->Button13;
}

void TForm4::connectHandlers() {
    connectGuarded(platform_, Button5, &QPushButton::clicked, this, [this] { Button5Click(); });
    connectGuarded(platform_, Button6, &QPushButton::clicked, this, [this] { Button6Click(); });
    connectGuarded(platform_, Button7, &QPushButton::clicked, this, [this] { Button7Click(); });
}

void TForm4::showEvent(QShowEvent* event) {
    // Fitted when first shown: measuring loads fonts, which start-up need not wait for.
    // The two warning labels keep their stripe across the window's foot.
    if (!captionsFitted_) {
        captionsFitted_ = true;
        for (QWidget* widget : Panel1->findChildren<QWidget*>()) {
            const bool caption = qobject_cast<QLabel*>(widget) != nullptr ||
                                 qobject_cast<QRadioButton*>(widget) != nullptr ||
                                 qobject_cast<QCheckBox*>(widget) != nullptr;
            if (caption && widget != Label5 && widget != Label6) {
                fitCaption(widget);
            }
        }
    }
    QWidget::showEvent(event);
}

void TForm4::openWithScript(const QString& script) {
    showWindow(this);
    Memo1->clear();
    Memo1->setWholeText(script);
}

void TForm4::FormCreate() {
    CheckBox7->setEnabled(false);
    GroupBox1->start();
    GroupBox2->load();
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
    GroupBox1->cancel();
    Memo1->clear();
    Memo3->clear();
    GroupBox2->load();
    closeWindow();
}

}  // namespace trellan

#include "advanced/ui/file_change_group.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <utility>

#include "common/ui/controls.h"
#include "common/ui/guard.h"
#include "common/ui/labeled_edit.h"
#include "script/companion.h"
#include "script/script_lines.h"

namespace trellan {

using advanced::FileChangeMode;

FileChangeGroup::FileChangeGroup(GroupHost& host, QWidget* parent)
    : QGroupBox(parent), host_(host) {
    setObjectName(QStringLiteral("GroupBox1"));
    setTitle(QStringLiteral("Change files "));
    setGeometry(8, 8, 241, 193);
    auto radio = [this](const char* name, const char* caption, const QRect& place) {
        return captioned<QRadioButton>(this, QLatin1String(name), QLatin1String(caption), place);
    };
    RadioButton1 = radio("RadioButton1", "Change Sounds", QRect(8, 24, 97, 17));
    RadioButton1->setChecked(true);
    RadioButton2 = radio("RadioButton2", "Change Frames", QRect(120, 24, 105, 17));
    RadioButton3 = radio("RadioButton3", "Change Clipart", QRect(8, 40, 97, 17));
    RadioButton5 = radio("RadioButton5", "Add new Frames", QRect(120, 40, 113, 17));
    RadioButton4 = radio("RadioButton4", "Change Funlayer", QRect(8, 56, 105, 17));
    Label1 = captioned<QLabel>(this, QStringLiteral("Label1"), QStringLiteral("Internal Filename:"),
                               QRect(8, 80, 83, 13));
    ComboBox1 = placed<QComboBox>(this, QStringLiteral("ComboBox1"), QRect(8, 96, 225, 21));
    ComboBox1->setEditable(true);
    // Typed text is never an entry of the list.
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    LabeledEdit1 = new LabeledEdit(QStringLiteral("LabeledEdit1"), QStringLiteral("New File..."),
                                   QRect(8, 136, 137, 21), this);
    LabeledEdit1->setReadOnly(true);
    Button1 = captioned<QPushButton>(this, QStringLiteral("Button1"), QStringLiteral("Open"),
                                     QRect(144, 136, 89, 21));
    Button2 = captioned<QPushButton>(this, QStringLiteral("Button2"), QStringLiteral("Add"),
                                     QRect(8, 168, 113, 17));
    // Nothing is chosen before an Open, also when the sound list fails at creation.
    Button2->setEnabled(false);
    Button3 = captioned<QPushButton>(this, QStringLiteral("Button3"), QStringLiteral("Reset"),
                                     QRect(120, 168, 113, 17));
    connectHandlers();
}

void FileChangeGroup::connectHandlers() {
    Platform& platform = host_.platform();
    using Handler = void (FileChangeGroup::*)();
    const std::pair<QRadioButton*, Handler> modes[] = {
        {RadioButton1, &FileChangeGroup::RadioButton1Click},
        {RadioButton2, &FileChangeGroup::RadioButton2Click},
        {RadioButton3, &FileChangeGroup::RadioButton3Click},
        {RadioButton4, &FileChangeGroup::RadioButton4Click},
        {RadioButton5, &FileChangeGroup::RadioButton5Click},
    };
    for (const auto& [radio, handler] : modes) {
        connectSelected(platform, radio, this, [this, handler] { (this->*handler)(); });
    }
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
    connectGuarded(platform, Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connectGuarded(platform, Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connectGuarded(platform, Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
}

void FileChangeGroup::start() {
    loadNameList(FileChangeMode::ChangeSounds);
    Button2->setEnabled(false);
    mode_ = FileChangeMode::ChangeSounds;
}

void FileChangeGroup::cancel() {
    returnToChangeSounds();
    mode_ = FileChangeMode::ChangeSounds;
}

void FileChangeGroup::loadNameList(FileChangeMode mode) {
    ComboBox1->clear();
    ComboBox1->clearEditText();
    // A list that cannot be read is left empty, like the box.
    nameList_ = {};
    nameList_ = host_.readCatalogue(advanced::nameListFile(mode));
    ComboBox1->addItems(nameList_.texts());
    if (nameList_.size() > 0) {
        ComboBox1->setCurrentIndex(0);
    }
    // The first entry decides the extension of every entry.
    requireExtension(script::extensionOf(nameList_.text(0)));
    comboBox1Changed_ = false;
}

void FileChangeGroup::requireExtension(const QString& extension) {
    requiredExtension_ = extension;
    host_.setDialogPattern(QLatin1Char('*') + extension);
}

void FileChangeGroup::selectMode(FileChangeMode mode) {
    Button2->setEnabled(false);
    ComboBox1->setEnabled(true);
    loadNameList(mode);
    mode_ = mode;
}

void FileChangeGroup::forgetChosenFile() {
    amrCompanion_.clear();
    LabeledEdit1->setText(QString());
    Button2->setEnabled(false);
}

void FileChangeGroup::returnToChangeSounds() {
    if (RadioButton1->isChecked()) {
        ComboBox1->setEnabled(true);
        loadNameList(FileChangeMode::ChangeSounds);
    } else {
        // Selected as the program selects it: the handler runs once, unguarded,
        // so a failing reload ends the caller too. It reloads the sound list.
        {
            const QSignalBlocker blocker(RadioButton1);
            RadioButton1->setChecked(true);
        }
        RadioButton1Click();
    }
    forgetChosenFile();
}

void FileChangeGroup::RadioButton1Click() { selectMode(FileChangeMode::ChangeSounds); }
void FileChangeGroup::RadioButton2Click() { selectMode(FileChangeMode::ChangeFrames); }
void FileChangeGroup::RadioButton3Click() { selectMode(FileChangeMode::ChangeClipart); }
void FileChangeGroup::RadioButton4Click() { selectMode(FileChangeMode::ChangeFunlayer); }

void FileChangeGroup::RadioButton5Click() {
    Button2->setEnabled(false);
    ComboBox1->setEnabled(false);
    requireExtension(QStringLiteral(".png"));
    mode_ = FileChangeMode::AddNewFrames;
}

void FileChangeGroup::ComboBox1Change() {
    requireExtension(script::extensionOf(ComboBox1->itemText(0)));
    forgetChosenFile();
}

void FileChangeGroup::Button1Click() {
    Button2->setEnabled(false);
    LabeledEdit1->setText(QString());
    LabeledEdit1->setTextColor(Qt::black);

    const auto chosen = host_.openFileWithExtension(requiredExtension_);
    if (!chosen) {
        return;
    }
    const QString& path = *chosen;
    if (mode_ == FileChangeMode::ChangeSounds) {
        const std::optional<QString> amr = script::findCompanion(path, script::Companion::Amr);
        if (!amr) {
            host_.errorBox(script::missingCompanionText(script::Companion::Amr));
            return;
        }
        amrCompanion_ = *amr;
    }
    chosenFile_ = path;
    LabeledEdit1->showShortenedPath(path, 100);
    LabeledEdit1->setToolTip(path);
    Button2->setEnabled(true);
}

void FileChangeGroup::Button2Click() {
    const bool usesList = mode_ != FileChangeMode::AddNewFrames;
    const int index = ComboBox1->currentIndex();
    const QString name = index < 0 ? QString() : ComboBox1->itemText(index);
    // An empty name would make the lines name the phone folder itself.
    if (usesList && name.isEmpty()) {
        host_.errorBox(
            QStringLiteral("No internal filename selected! Please choose one from the list."));
        return;
    }
    if (usesList && !host_.lineReachesScript(nameList_, index, advanced::nameListFile(mode_))) {
        return;
    }
    host_.appendLines(advanced::fileChangeLines(mode_, name, chosenFile_, amrCompanion_));
    host_.appendStatus(advanced::addedStatus(chosenFile_));
    // Enabled before the list is reloaded, so a failing reload cannot strand the lines.
    host_.enableHandBack();

    returnToChangeSounds();
}

void FileChangeGroup::Button3Click() {
    returnToChangeSounds();
    LabeledEdit1->setToolTip(QString());
}

}  // namespace trellan

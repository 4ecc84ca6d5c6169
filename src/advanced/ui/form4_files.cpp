// The "Change files" group of the advanced window.
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include "advanced/ui/form4.h"
#include "common/ui/labeled_edit.h"
#include "common/ui/platform.h"
#include "script/companion.h"
#include "script/script_lines.h"
#include "script/ui/script_preview.h"

namespace trellan {

using advanced::FileChangeMode;

void TForm4::loadNameList(FileChangeMode mode) {
    ComboBox1->clear();
    ComboBox1->clearEditText();
    // A list that cannot be read is left empty, like the box.
    nameList_ = {};
    nameList_ = readCatalogue(advanced::nameListFile(mode));
    ComboBox1->addItems(nameList_.text);
    if (!nameList_.text.isEmpty()) {
        ComboBox1->setCurrentIndex(0);
    }
    // The first entry decides the extension of every entry.
    requireExtension(script::extensionOf(nameList_.text.value(0)));
    comboBox1Changed_ = false;
}

void TForm4::requireExtension(const QString& extension) {
    requiredExtension_ = extension;
    setDialogPattern(QLatin1Char('*') + extension);
}

void TForm4::selectFileChangeMode(FileChangeMode mode) {
    Button2->setEnabled(false);
    ComboBox1->setEnabled(true);
    loadNameList(mode);
    fileChangeMode_ = mode;
}

void TForm4::forgetChosenFile() {
    amrCompanion_.clear();
    LabeledEdit1->setText(QString());
    Button2->setEnabled(false);
}

void TForm4::returnToChangeSounds() {
    if (RadioButton1->isChecked()) {
        ComboBox1->setEnabled(true);
        loadNameList(FileChangeMode::ChangeSounds);
    } else {
        // Its handler reloads the sound list; reading it again would be wasted.
        select(RadioButton1, &TForm4::RadioButton1Click);
    }
    forgetChosenFile();
}

void TForm4::RadioButton1Click() { selectFileChangeMode(FileChangeMode::ChangeSounds); }
void TForm4::RadioButton2Click() { selectFileChangeMode(FileChangeMode::ChangeFrames); }
void TForm4::RadioButton3Click() { selectFileChangeMode(FileChangeMode::ChangeClipart); }
void TForm4::RadioButton4Click() { selectFileChangeMode(FileChangeMode::ChangeFunlayer); }

void TForm4::RadioButton5Click() {
    Button2->setEnabled(false);
    ComboBox1->setEnabled(false);
    requireExtension(QStringLiteral(".png"));
    fileChangeMode_ = FileChangeMode::AddNewFrames;
}

void TForm4::ComboBox1Change() {
    requireExtension(script::extensionOf(ComboBox1->itemText(0)));
    forgetChosenFile();
}

void TForm4::Button1Click() {
    Button2->setEnabled(false);
    LabeledEdit1->setText(QString());
    LabeledEdit1->setTextColor(Qt::black);

    const auto chosen = openFileWithExtension(requiredExtension_);
    if (!chosen) {
        return;
    }
    const QString& path = *chosen;
    if (fileChangeMode_ == FileChangeMode::ChangeSounds) {
        const std::optional<QString> amr = script::findCompanion(path, script::Companion::Amr);
        if (!amr) {
            platform_.errorBox(this, script::missingCompanionText(script::Companion::Amr));
            return;
        }
        amrCompanion_ = *amr;
    }
    chosenFile_ = path;
    LabeledEdit1->showShortenedPath(path, 100);
    LabeledEdit1->setToolTip(path);
    Button2->setEnabled(true);
}

void TForm4::Button2Click() {
    const bool usesList = fileChangeMode_ != FileChangeMode::AddNewFrames;
    const int index = ComboBox1->currentIndex();
    const QString name = index < 0 ? QString() : ComboBox1->itemText(index);
    // An empty name would make the lines name the phone folder itself.
    if (usesList && name.isEmpty()) {
        platform_.errorBox(
            this,
            QStringLiteral("No internal filename selected! Please choose one from the list."));
        return;
    }
    if (usesList && !lineReachesScript(nameList_, index, advanced::nameListFile(fileChangeMode_))) {
        return;
    }
    Memo1->appendLines(
        advanced::fileChangeLines(fileChangeMode_, name, chosenFile_, amrCompanion_));
    appendStatus(advanced::addedStatus(chosenFile_));
    // Enabled before the list is reloaded, so a failing reload cannot strand the lines.
    Button5->setEnabled(true);

    returnToChangeSounds();
}

void TForm4::Button3Click() {
    returnToChangeSounds();
    LabeledEdit1->setToolTip(QString());
}

}  // namespace trellan

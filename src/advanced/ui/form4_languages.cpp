// The "Languages" and "Delete file" groups of the advanced window.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "advanced/file_change.h"
#include "advanced/ui/form4.h"
#include "common/ui/labeled_edit.h"
#include "common/ui/platform.h"
#include "script/companion.h"
#include "script/ui/script_preview.h"

namespace trellan {

using advanced::DeleteKind;

void TForm4::Button9Click() {
    t9Companion_.clear();
    CheckBox7->setChecked(false);
    CheckBox7->setEnabled(false);
    setDialogPattern(QStringLiteral("*.lng"));
    LabeledEdit2->setText(QString());

    const auto chosen = openFileWithExtension(QStringLiteral(".lng"));
    if (!chosen) {
        return;
    }
    const QString& path = *chosen;
    const std::optional<QString> companion = script::findCompanion(path, script::Companion::T9);
    if (!companion) {
        platform_.errorBox(this, script::missingCompanionText(script::Companion::T9));
        // The language file is taken without its dictionary.
        languagePath_ = path;
        LabeledEdit2->showShortenedPath(path, 100);
        Button10->setEnabled(true);
        return;
    }
    languagePath_ = path;
    LabeledEdit2->showShortenedPath(path, 140);
    LabeledEdit2->setToolTip(path);
    t9Companion_ = *companion;
    Button10->setEnabled(true);
    CheckBox7->setEnabled(true);
    CheckBox7->setChecked(true);
    CheckBox7->setToolTip(*companion);
}

void TForm4::Button11Click() {
    setDialogPattern(QStringLiteral("*.t9"));
    LabeledEdit3->setText(QString());

    const auto chosen = openFileWithExtension(QStringLiteral(".t9"));
    if (!chosen) {
        return;
    }
    const QString& path = *chosen;
    singleT9Path_ = path;
    LabeledEdit3->showShortenedPath(path, 140);
    LabeledEdit3->setToolTip(path);
    Button10->setEnabled(true);
}

void TForm4::RadioButton6Click() {
    LabeledEdit2->setEnabled(true);
    Button9->setEnabled(true);
    CheckBox7->setChecked(false);
    CheckBox7->setEnabled(false);
    LabeledEdit3->setEnabled(false);
    Button11->setEnabled(false);
}

void TForm4::RadioButton7Click() {
    LabeledEdit2->setEnabled(false);
    Button9->setEnabled(false);
    CheckBox7->setChecked(false);
    CheckBox7->setEnabled(false);
    LabeledEdit3->setEnabled(true);
    Button11->setEnabled(true);
}

void TForm4::Button10Click() {
    const bool standard = RadioButton6->isChecked();
    const QString& path = standard ? languagePath_ : singleT9Path_;
    // "Add" is enabled by either Open; the current mode's file may never have been chosen.
    if (path.isEmpty()) {
        platform_.errorBox(
            this, standard
                      ? QStringLiteral("No language file chosen! Please open a .lng file first.")
                      : QStringLiteral("No T9 file chosen! Please open a .t9 file first."));
        return;
    }
    Memo1->appendLines(advanced::languageLines(path));
    appendStatus(advanced::addedStatus(path));
    if (standard && CheckBox7->isChecked()) {
        Memo1->appendLines(advanced::languageLines(t9Companion_));
        appendStatus(advanced::addedStatus(t9Companion_));
    }
    Button5->setEnabled(true);
}

void TForm4::chooseDeleteKind(DeleteKind kind) {
    Button13->setEnabled(true);
    deleteKind_ = kind;
    Edit7->setText(advanced::deleteKindInfo(kind).hint);
}

void TForm4::RadioButton8Click() { chooseDeleteKind(DeleteKind::Sound); }
void TForm4::RadioButton9Click() { chooseDeleteKind(DeleteKind::Clipart); }
void TForm4::RadioButton11Click() { chooseDeleteKind(DeleteKind::Funlayer); }
void TForm4::RadioButton10Click() { chooseDeleteKind(DeleteKind::Frame); }
void TForm4::RadioButton12Click() { chooseDeleteKind(DeleteKind::Language); }

void TForm4::Edit7Enter() { Edit7->clear(); }

void TForm4::Button13Click() {
    if (!deleteKind_) {
        return;
    }
    const DeleteKind kind = *deleteKind_;
    const QString name = Edit7->text();
    switch (advanced::deleteNameProblem(kind, name)) {
        case advanced::DeleteNameProblem::Empty:
            platform_.errorBox(
                this,
                QStringLiteral("No filename entered! Please type the name of the file to delete."));
            return;
        case advanced::DeleteNameProblem::StillHint:
            platform_.errorBox(
                this, QStringLiteral("\"%1\" is not a filename! Please type the name of the file "
                                     "to delete.")
                          .arg(name));
            return;
        case advanced::DeleteNameProblem::LeavesFolder:
            platform_.errorBox(
                this, QStringLiteral("The filename must not contain \"/\" or \"\\\"! Only files "
                                     "in the chosen folder can be deleted."));
            return;
        case advanced::DeleteNameProblem::None:
            break;
    }
    Button13->setEnabled(false);
    Memo1->appendLine(advanced::deleteCommand(kind, name));
    appendStatus(advanced::deleteStatus(kind, name));
    Button5->setEnabled(true);
}

}  // namespace trellan

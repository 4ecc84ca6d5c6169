#include "advanced/ui/language_group.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "advanced/file_change.h"
#include "advanced/language_delete.h"
#include "common/ui/controls.h"
#include "common/ui/guard.h"
#include "common/ui/labeled_edit.h"
#include "script/companion.h"

namespace trellan {

LanguageGroup::LanguageGroup(GroupHost& host, QWidget* parent) : QGroupBox(parent), host_(host) {
    setObjectName(QStringLiteral("GroupBox5"));
    setTitle(QStringLiteral("Languages "));
    setGeometry(8, 208, 241, 169);
    RadioButton6 = captioned<QRadioButton>(this, QStringLiteral("RadioButton6"),
                                           QStringLiteral("Standard"), QRect(8, 32, 73, 17));
    RadioButton6->setChecked(true);
    RadioButton7 = captioned<QRadioButton>(this, QStringLiteral("RadioButton7"),
                                           QStringLiteral("Write T9 only"), QRect(80, 32, 82, 17));
    CheckBox7 = captioned<QCheckBox>(this, QStringLiteral("CheckBox7"),
                                     QStringLiteral("Write T9 file"), QRect(80, 64, 81, 17));
    LabeledEdit2 = new LabeledEdit(QStringLiteral("LabeledEdit2"), QStringLiteral("Language file:"),
                                   QRect(8, 80, 153, 21), this);
    Button9 = captioned<QPushButton>(this, QStringLiteral("Button9"), QStringLiteral("Open"),
                                     QRect(160, 80, 75, 21));
    LabeledEdit3 = new LabeledEdit(QStringLiteral("LabeledEdit3"),
                                   QStringLiteral("Single T9 file:"), QRect(8, 120, 153, 21), this);
    LabeledEdit3->setEnabled(false);
    Button11 = captioned<QPushButton>(this, QStringLiteral("Button11"), QStringLiteral("Open"),
                                      QRect(158, 120, 75, 21));
    Button11->setEnabled(false);
    Button10 = captioned<QPushButton>(this, QStringLiteral("Button10"), QStringLiteral("Add"),
                                      QRect(8, 144, 225, 17));
    Button10->setEnabled(false);
    connectHandlers();
}

void LanguageGroup::connectHandlers() {
    Platform& platform = host_.platform();
    connectGuarded(platform, Button9, &QPushButton::clicked, this, [this] { Button9Click(); });
    connectGuarded(platform, Button11, &QPushButton::clicked, this, [this] { Button11Click(); });
    connectSelected(platform, RadioButton6, this, [this] { RadioButton6Click(); });
    connectSelected(platform, RadioButton7, this, [this] { RadioButton7Click(); });
    connectGuarded(platform, Button10, &QPushButton::clicked, this, [this] { Button10Click(); });
}

void LanguageGroup::Button9Click() {
    t9Companion_.clear();
    CheckBox7->setChecked(false);
    CheckBox7->setEnabled(false);
    host_.setDialogPattern(QStringLiteral("*.lng"));
    LabeledEdit2->setText(QString());

    const auto chosen = host_.openFileWithExtension(QStringLiteral(".lng"));
    if (!chosen) {
        return;
    }
    const QString& path = *chosen;
    const std::optional<QString> companion = script::findCompanion(path, script::Companion::T9);
    if (!companion) {
        host_.errorBox(script::missingCompanionText(script::Companion::T9));
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
    setPlainToolTip(CheckBox7, *companion);
}

void LanguageGroup::Button11Click() {
    host_.setDialogPattern(QStringLiteral("*.t9"));
    LabeledEdit3->setText(QString());

    const auto chosen = host_.openFileWithExtension(QStringLiteral(".t9"));
    if (!chosen) {
        return;
    }
    const QString& path = *chosen;
    singleT9Path_ = path;
    LabeledEdit3->showShortenedPath(path, 140);
    LabeledEdit3->setToolTip(path);
    Button10->setEnabled(true);
}

void LanguageGroup::RadioButton6Click() {
    LabeledEdit2->setEnabled(true);
    Button9->setEnabled(true);
    CheckBox7->setChecked(false);
    CheckBox7->setEnabled(false);
    LabeledEdit3->setEnabled(false);
    Button11->setEnabled(false);
}

void LanguageGroup::RadioButton7Click() {
    LabeledEdit2->setEnabled(false);
    Button9->setEnabled(false);
    CheckBox7->setChecked(false);
    CheckBox7->setEnabled(false);
    LabeledEdit3->setEnabled(true);
    Button11->setEnabled(true);
}

void LanguageGroup::Button10Click() {
    const bool standard = RadioButton6->isChecked();
    const QString& path = standard ? languagePath_ : singleT9Path_;
    // "Add" is enabled by either Open; the current mode's file may never have been chosen.
    if (path.isEmpty()) {
        host_.errorBox(
            standard ? QStringLiteral("No language file chosen! Please open a .lng file first.")
                     : QStringLiteral("No T9 file chosen! Please open a .t9 file first."));
        return;
    }
    host_.appendLines(advanced::languageLines(path));
    host_.appendStatus(advanced::addedStatus(path));
    if (standard && CheckBox7->isChecked()) {
        host_.appendLines(advanced::languageLines(t9Companion_));
        host_.appendStatus(advanced::addedStatus(t9Companion_));
    }
    host_.enableHandBack();
}

}  // namespace trellan

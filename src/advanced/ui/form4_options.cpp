// The "Change bandlocks" and "More options" groups of the advanced window.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "advanced/gdfs_options.h"
#include "advanced/key_filter.h"
#include "advanced/ui/form4.h"
#include "common/ui/platform.h"
#include "script/ui/script_preview.h"

namespace trellan {

namespace {
const QString kBandLockCatalogue = QStringLiteral("cda/bandlock.cdt");
}

void TForm4::loadBandLocks() {
    // A catalogue that cannot be read leaves the list as it was.
    bandLockCatalogue_ = readCatalogue(kBandLockCatalogue);
    ComboBox2->clear();
    ComboBox2->clearEditText();
    ComboBox2->addItems(advanced::bandLockNames(bandLockCatalogue_.text));
    if (ComboBox2->count() > 0) {
        ComboBox2->setCurrentIndex(0);
    }
}

void TForm4::Button4Click() {
    const QString name = ComboBox2->currentText();
    const advanced::BandLockLookup lookup = advanced::findBandLock(bandLockCatalogue_.text, name);
    switch (lookup.result) {
        case advanced::BandLockLookup::Result::UnknownName:
            platform_.errorBox(this, QStringLiteral("No bandlock named \"%1\" in the list! "
                                                    "Please choose a bandlock from the list.")
                                         .arg(name));
            return;
        case advanced::BandLockLookup::Result::NoDataLine:
            platform_.errorBox(this,
                               QStringLiteral("Bandlock \"%1\" has no data line above its name "
                                              "in bandlock.cdt!")
                                   .arg(name));
            return;
        case advanced::BandLockLookup::Result::Found:
            break;
    }
    if (!lineReachesScript(bandLockCatalogue_, lookup.dataLine, kBandLockCatalogue)) {
        return;
    }
    Memo1->appendLine(advanced::bandLockLine(lookup.data));
    appendStatus(QStringLiteral("Added bandlock change command successfully!"));
    Button5->setEnabled(true);
}

void TForm4::Button8Click() {
    advanced::GdfsOptions options;
    options.cda = CheckBox1->isChecked();
    options.cdaNumber = Edit2->text();
    options.cdaRevision = Edit6->text();
    options.revision = CheckBox2->isChecked();
    options.revisionText = Edit3->text();
    options.oneE0W = CheckBox3->isChecked();
    options.oneE0WText = Edit4->text();
    options.lpInfo = CheckBox4->isChecked();
    options.lpInfoText = Edit5->text();
    options.z1010VoiceFix = CheckBox5->isChecked();
    options.channelBatteryInfo = CheckBox6->isChecked();
    const advanced::OptionLines lines = advanced::optionLines(options);
    Memo1->appendLines(lines.script);
    for (const QString& status : lines.status) {
        appendStatus(status);
    }
    Button5->setEnabled(true);
}

void TForm4::Edit2Change() { CheckBox1->setChecked(true); }
void TForm4::Edit6Change() { CheckBox1->setChecked(true); }
void TForm4::Edit3Change() { CheckBox2->setChecked(true); }
void TForm4::Edit4Change() { CheckBox3->setChecked(true); }
void TForm4::Edit5Change() { CheckBox4->setChecked(true); }

bool TForm4::Edit2KeyDown(QLineEdit* edit, QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        // Every paste key (Ctrl+V, Shift+Insert) pastes digits only.
        const std::optional<QString> clipboard = platform_.clipboardText();
        if (clipboard && advanced::pasteAllowed(clipboard)) {
            edit->insert(*clipboard);
        }
        return true;
    }
    advanced::KeyStroke stroke;
    stroke.qtKey = event->key();
    stroke.modifiers = event->modifiers();
#ifdef Q_OS_WIN
    stroke.nativeVirtualKey = event->nativeVirtualKey();
#endif
    stroke.hasText = !event->text().isEmpty();
    std::optional<QString> clipboard;
    if (stroke.modifiers.testFlag(Qt::ControlModifier)) {
        clipboard = platform_.clipboardText();
    }
    return advanced::digitFieldKey(stroke, clipboard) == advanced::KeyVerdict::Reject;
}

bool TForm4::showDigitFieldMenu(QLineEdit* edit, const QPoint& globalPos) {
    // The edit's own menu would paste any text; this one pastes what the keys may.
    auto* menu = new QMenu(edit);
    menu->setObjectName(QStringLiteral("DigitFieldMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    auto add = [menu](const char* name, const QString& text, bool enabled, auto slot) {
        QAction* action = menu->addAction(text, slot);
        action->setObjectName(QLatin1String(name));
        action->setEnabled(enabled);
    };
    const bool selected = edit->hasSelectedText();
    add("edit-undo", QStringLiteral("&Undo"), edit->isUndoAvailable(), [edit] { edit->undo(); });
    add("edit-redo", QStringLiteral("&Redo"), edit->isRedoAvailable(), [edit] { edit->redo(); });
    menu->addSeparator();
    add("edit-cut", QStringLiteral("Cu&t"), selected, [edit] { edit->cut(); });
    add("edit-copy", QStringLiteral("&Copy"), selected, [edit] { edit->copy(); });
    const std::optional<QString> clipboard = platform_.clipboardText();
    add("edit-paste", QStringLiteral("&Paste"),
        clipboard.has_value() && advanced::pasteAllowed(clipboard),
        [edit, text = clipboard.value_or(QString())] { edit->insert(text); });
    add("delete", QStringLiteral("Delete"), selected, [edit] { edit->del(); });
    menu->addSeparator();
    add("select-all", QStringLiteral("Select All"), !edit->text().isEmpty(),
        [edit] { edit->selectAll(); });
    menu->popup(globalPos);
    return true;
}

}  // namespace trellan

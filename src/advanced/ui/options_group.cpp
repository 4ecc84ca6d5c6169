#include "advanced/ui/options_group.h"

#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include "advanced/gdfs_options.h"
#include "advanced/key_filter.h"
#include "common/ui/controls.h"
#include "common/ui/guard.h"
#include "common/ui/platform.h"

namespace trellan {

OptionsGroup::OptionsGroup(GroupHost& host, QWidget* parent) : QGroupBox(parent), host_(host) {
    setObjectName(QStringLiteral("GroupBox3"));
    setTitle(QStringLiteral("More options "));
    setGeometry(256, 64, 337, 177);
    auto check = [this](const char* name, const char* caption, int x, int y, int width) {
        return captioned<QCheckBox>(this, QLatin1String(name), QLatin1String(caption),
                                    QRect(x, y, width, 17));
    };
    auto edit = [this](const char* name, const QRect& place) {
        return placed<QLineEdit>(this, QLatin1String(name), place);
    };
    auto fromList = [this](const char* name, int y) {
        auto* button = captioned<QPushButton>(this, QLatin1String(name),
                                              QStringLiteral("From list"), QRect(280, y, 49, 21));
        button->setEnabled(false);
        return button;
    };
    QFont big = font();
    big.setBold(true);
    big.setPixelSize(17);

    CheckBox1 = check("CheckBox1", "Change CDA to:", 8, 16, 97);
    Label4 = captioned<QLabel>(this, QStringLiteral("Label4"), QStringLiteral("CDA"),
                               QRect(120, 16, 38, 20));
    Label4->setFont(big);
    Edit2 = edit("Edit2", QRect(160, 16, 65, 21));
    Label3 = captioned<QLabel>(this, QStringLiteral("Label3"), QStringLiteral("/"),
                               QRect(232, 16, 6, 20));
    Label3->setFont(big);
    Edit6 = edit("Edit6", QRect(248, 16, 25, 21));
    Button12 = fromList("Button12", 16);

    CheckBox2 = check("CheckBox2", "Change Revision to:", 8, 40, 113);
    Edit3 = edit("Edit3", QRect(160, 40, 113, 21));
    Button14 = fromList("Button14", 40);

    CheckBox3 = check("CheckBox3", "Change '1E0W' to:", 8, 64, 113);
    Edit4 = edit("Edit4", QRect(160, 64, 169, 21));
    CheckBox4 = check("CheckBox4", "Change LP Info to:", 8, 88, 113);
    Edit5 = edit("Edit5", QRect(160, 88, 169, 21));
    CheckBox5 = check("CheckBox5", "Fix Z1010 voice control", 8, 112, 137);
    CheckBox6 = check("CheckBox6", "Enable channel + battery info", 160, 112, 169);
    Button8 = captioned<QPushButton>(this, QStringLiteral("Button8"),
                                     QStringLiteral("Add these options"), QRect(8, 136, 321, 17));

    for (QLineEdit* digits : {Edit2, Edit6}) {
        digits->installEventFilter(this);
        // A drop would put any text in, past the key filter.
        digits->setAcceptDrops(false);
        digits->setInputMethodHints(Qt::ImhDigitsOnly);
    }
    connectHandlers();
}

void OptionsGroup::connectHandlers() {
    Platform& platform = host_.platform();
    connectGuarded(platform, Button8, &QPushButton::clicked, this, [this] { Button8Click(); });
    using Handler = void (OptionsGroup::*)();
    const std::pair<QLineEdit*, Handler> edits[] = {
        {Edit2, &OptionsGroup::Edit2Change}, {Edit6, &OptionsGroup::Edit6Change},
        {Edit3, &OptionsGroup::Edit3Change}, {Edit4, &OptionsGroup::Edit4Change},
        {Edit5, &OptionsGroup::Edit5Change},
    };
    for (const auto& [edit, handler] : edits) {
        connectGuarded(platform, edit, &QLineEdit::textChanged, this,
                       [this, handler] { (this->*handler)(); });
    }
}

void OptionsGroup::Button8Click() {
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
    // All or nothing: one refused text adds none of the options.
    for (const QString& text : advanced::hexSourceTexts(options)) {
        if (!host_.reachesScript(text)) {
            return;
        }
    }
    const advanced::OptionLines lines = advanced::optionLines(options);
    host_.appendLines(lines.script);
    for (const QString& status : lines.status) {
        host_.appendStatus(status);
    }
    host_.enableHandBack();
}

void OptionsGroup::Edit2Change() { CheckBox1->setChecked(true); }
void OptionsGroup::Edit6Change() { CheckBox1->setChecked(true); }
void OptionsGroup::Edit3Change() { CheckBox2->setChecked(true); }
void OptionsGroup::Edit4Change() { CheckBox3->setChecked(true); }
void OptionsGroup::Edit5Change() { CheckBox4->setChecked(true); }

bool OptionsGroup::Edit2KeyDown(QLineEdit* edit, QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        // Every paste key (Ctrl+V, Shift+Insert) pastes digits only.
        const std::optional<QString> clipboard = host_.platform().clipboardText();
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
        clipboard = host_.platform().clipboardText();
    }
    return advanced::digitFieldKey(stroke, clipboard) == advanced::KeyVerdict::Reject;
}

bool OptionsGroup::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Edit2 && watched != Edit6) {
        return QGroupBox::eventFilter(watched, event);
    }
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
            runGuarded(host_.platform(),
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
            return showDigitFieldMenu(edit, static_cast<QContextMenuEvent*>(event)->globalPos());
        case QEvent::MouseButtonRelease:
            // The middle button pastes the selection, past the key filter.
            return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
        default:
            break;
    }
    return QGroupBox::eventFilter(watched, event);
}

bool OptionsGroup::showDigitFieldMenu(QLineEdit* edit, const QPoint& globalPos) {
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
    const std::optional<QString> clipboard = host_.platform().clipboardText();
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

#include "advanced/ui/delete_file_group.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/ui/controls.h"
#include "common/ui/guard.h"

namespace trellan {

using advanced::DeleteKind;

DeleteFileGroup::DeleteFileGroup(GroupHost& host, QWidget* parent)
    : QGroupBox(parent), host_(host) {
    setObjectName(QStringLiteral("GroupBox6"));
    setTitle(QStringLiteral("Delete file "));
    setGeometry(256, 248, 337, 81);
    auto kind = [this](const char* name, const char* caption, int x, int width) {
        return captioned<QRadioButton>(this, QLatin1String(name), QLatin1String(caption),
                                       QRect(x, 24, width, 17));
    };
    RadioButton8 = kind("RadioButton8", "Sound", 8, 57);
    RadioButton9 = kind("RadioButton9", "Clipart", 64, 57);
    RadioButton11 = kind("RadioButton11", "Funlayer", 120, 65);
    RadioButton10 = kind("RadioButton10", "Frame", 184, 49);
    RadioButton12 = kind("RadioButton12", "Language / T9", 238, 91);
    Label7 = captioned<QLabel>(this, QStringLiteral("Label7"), QStringLiteral("Filename:"),
                               QRect(8, 56, 45, 13));
    Edit7 = placed<QLineEdit>(this, QStringLiteral("Edit7"), QRect(56, 52, 177, 21));
    Edit7->installEventFilter(this);
    Button13 = captioned<QPushButton>(this, QStringLiteral("Button13"),
                                      QStringLiteral("Add command"), QRect(232, 52, 97, 21));
    Button13->setEnabled(false);

    Platform& platform = host_.platform();
    using Handler = void (DeleteFileGroup::*)();
    const std::pair<QRadioButton*, Handler> kinds[] = {
        {RadioButton8, &DeleteFileGroup::RadioButton8Click},
        {RadioButton9, &DeleteFileGroup::RadioButton9Click},
        {RadioButton11, &DeleteFileGroup::RadioButton11Click},
        {RadioButton10, &DeleteFileGroup::RadioButton10Click},
        {RadioButton12, &DeleteFileGroup::RadioButton12Click},
    };
    for (const auto& [radio, handler] : kinds) {
        connectSelected(platform, radio, this, [this, handler] { (this->*handler)(); });
    }
    connectGuarded(platform, Button13, &QPushButton::clicked, this, [this] { Button13Click(); });
}

bool DeleteFileGroup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit7 && event->type() == QEvent::FocusIn) {
        // Only focus moved here from another control, not the window's reactivation
        // or a closed context menu.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            runGuarded(host_.platform(), [this] { Edit7Enter(); });
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void DeleteFileGroup::chooseKind(DeleteKind kind) {
    Button13->setEnabled(true);
    kind_ = kind;
    Edit7->setText(advanced::deleteKindInfo(kind).hint);
}

void DeleteFileGroup::RadioButton8Click() { chooseKind(DeleteKind::Sound); }
void DeleteFileGroup::RadioButton9Click() { chooseKind(DeleteKind::Clipart); }
void DeleteFileGroup::RadioButton11Click() { chooseKind(DeleteKind::Funlayer); }
void DeleteFileGroup::RadioButton10Click() { chooseKind(DeleteKind::Frame); }
void DeleteFileGroup::RadioButton12Click() { chooseKind(DeleteKind::Language); }

void DeleteFileGroup::Edit7Enter() { Edit7->clear(); }

void DeleteFileGroup::Button13Click() {
    if (!kind_) {
        return;
    }
    const DeleteKind kind = *kind_;
    const QString name = Edit7->text();
    switch (advanced::deleteNameProblem(kind, name)) {
        case advanced::DeleteNameProblem::Empty:
            host_.errorBox(
                QStringLiteral("No filename entered! Please type the name of the file to delete."));
            return;
        case advanced::DeleteNameProblem::StillHint:
            host_.errorBox(QStringLiteral("\"%1\" is not a filename! Please type the name of the "
                                          "file to delete.")
                               .arg(name));
            return;
        case advanced::DeleteNameProblem::LeavesFolder:
            host_.errorBox(
                QStringLiteral("The filename must not contain \"/\" or \"\\\"! Only "
                               "files in the chosen folder can be deleted."));
            return;
        case advanced::DeleteNameProblem::None:
            break;
    }
    if (!host_.reachesScript(name)) {
        return;
    }
    Button13->setEnabled(false);
    host_.appendLine(advanced::deleteCommand(kind, name));
    host_.appendStatus(advanced::deleteStatus(kind, name));
    host_.enableHandBack();
}

}  // namespace trellan

#pragma once

#include <QGroupBox>
#include <optional>

#include "advanced/language_delete.h"
#include "advanced/ui/group_host.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace trellan {

// "Delete file ": deletes one named file from one of five phone folders.
class DeleteFileGroup : public QGroupBox {
    Q_OBJECT
public:
    DeleteFileGroup(GroupHost& host, QWidget* parent);

    void RadioButton8Click();   // Sound
    void RadioButton9Click();   // Clipart
    void RadioButton11Click();  // Funlayer
    void RadioButton10Click();  // Frame
    void RadioButton12Click();  // Language / T9
    void Edit7Enter();
    void Button13Click();  // "Add command"

    QRadioButton* RadioButton8;
    QRadioButton* RadioButton9;
    QRadioButton* RadioButton11;
    QRadioButton* RadioButton10;
    QRadioButton* RadioButton12;
    QLabel* Label7;
    QLineEdit* Edit7;
    QPushButton* Button13;

protected:
    // Edit7 receiving the focus runs Edit7Enter.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseKind(advanced::DeleteKind kind);

    GroupHost& host_;
    std::optional<advanced::DeleteKind> kind_;
};

}  // namespace trellan

#pragma once

#include <QGroupBox>
#include <QString>

#include "advanced/ui/group_host.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace trellan {

class LabeledEdit;

// "Languages ": a language file with its T9 dictionary, or a single T9 file.
class LanguageGroup : public QGroupBox {
    Q_OBJECT
public:
    LanguageGroup(GroupHost& host, QWidget* parent);

    void Button9Click();       // "Open" language file
    void Button11Click();      // "Open" single T9 file
    void RadioButton6Click();  // "Standard"
    void RadioButton7Click();  // "Write T9 only"
    void Button10Click();      // "Add"

    QRadioButton* RadioButton6;
    QRadioButton* RadioButton7;
    QCheckBox* CheckBox7;
    LabeledEdit* LabeledEdit2;
    QPushButton* Button9;
    LabeledEdit* LabeledEdit3;
    QPushButton* Button11;
    QPushButton* Button10;

private:
    void connectHandlers();

    GroupHost& host_;
    QString languagePath_;
    QString t9Companion_;  // the design's hidden Edit8
    QString singleT9Path_;
};

}  // namespace trellan

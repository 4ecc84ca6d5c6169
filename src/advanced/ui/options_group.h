#pragma once

#include <QGroupBox>

#include "advanced/ui/group_host.h"

class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace trellan {

// "More options ": GDFS writes of the CDA number, revision, '1E0W', LP info,
// the Z1010 voice control fix and channel and battery info.
class OptionsGroup : public QGroupBox {
    Q_OBJECT
public:
    OptionsGroup(GroupHost& host, QWidget* parent);

    void Button8Click();  // "Add these options"
    // Key filter of Edit2 and Edit6; true when the key is swallowed.
    bool Edit2KeyDown(QLineEdit* edit, QKeyEvent* event);
    void Edit2Change();
    void Edit6Change();
    void Edit3Change();
    void Edit4Change();
    void Edit5Change();

    QCheckBox* CheckBox1;
    QLabel* Label4;
    QLineEdit* Edit2;
    QLabel* Label3;
    QLineEdit* Edit6;
    QPushButton* Button12;
    QCheckBox* CheckBox2;
    QLineEdit* Edit3;
    QPushButton* Button14;
    QCheckBox* CheckBox3;
    QLineEdit* Edit4;
    QCheckBox* CheckBox4;
    QLineEdit* Edit5;
    QCheckBox* CheckBox5;
    QCheckBox* CheckBox6;
    QPushButton* Button8;

protected:
    // Keeps all but digits out of Edit2 and Edit6, whichever way text comes in.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectHandlers();
    bool showDigitFieldMenu(QLineEdit* edit, const QPoint& globalPos);

    GroupHost& host_;
};

}  // namespace trellan

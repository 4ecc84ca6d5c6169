#pragma once

#include <QGroupBox>
#include <QString>

#include "advanced/file_change.h"
#include "advanced/ui/group_host.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace trellan {

class LabeledEdit;

// "Change files ": replaces a phone sound, clipart, frame or fun layer by a
// local file, or adds a new frame.
class FileChangeGroup : public QGroupBox {
    Q_OBJECT
public:
    FileChangeGroup(GroupHost& host, QWidget* parent);

    // The window's creation: Change Sounds with the sound list loaded, "Add" disabled.
    void start();
    // The window's "Cancel": back to Change Sounds with nothing chosen.
    void cancel();

    void RadioButton1Click();  // Change Sounds
    void RadioButton2Click();  // Change Frames
    void RadioButton3Click();  // Change Clipart
    void RadioButton4Click();  // Change Funlayer
    void RadioButton5Click();  // Add new Frames
    void ComboBox1Change();
    void Button1Click();  // "Open"
    void Button2Click();  // "Add"
    void Button3Click();  // "Reset"

    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QRadioButton* RadioButton5;
    QLabel* Label1;
    QComboBox* ComboBox1;
    LabeledEdit* LabeledEdit1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;

private:
    void connectHandlers();
    // Open takes only files ending in `extension`, and its dialog proposes them.
    void requireExtension(const QString& extension);
    void loadNameList(advanced::FileChangeMode mode);
    void selectMode(advanced::FileChangeMode mode);
    // Empties Edit1 and LabeledEdit1 and disables "Add"; the hint stays.
    void forgetChosenFile();
    // Where Add, Reset and Cancel leave the group: Change Sounds, the sound list reloaded.
    void returnToChangeSounds();

    GroupHost& host_;
    advanced::FileChangeMode mode_ = advanced::FileChangeMode::ChangeSounds;
    QString requiredExtension_;
    QString chosenFile_;
    QString amrCompanion_;     // the design's hidden Edit1
    CatalogueLines nameList_;  // the items of ComboBox1
    // ComboBox1 changed since it was loaded or last picked from.
    bool comboBox1Changed_ = false;
};

}  // namespace trellan

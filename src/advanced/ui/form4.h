#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "advanced/ui/band_lock_group.h"
#include "advanced/ui/delete_file_group.h"
#include "advanced/ui/file_change_group.h"
#include "advanced/ui/language_group.h"
#include "advanced/ui/options_group.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace trellan {

class GroupHost;
class LabeledEdit;
class Platform;
class ScriptPreview;

// The advanced script generator: takes the script generator's lines, appends
// file changes, band locks, GDFS options, language files and deletions, and
// hands the whole text back. Each group box is a class of its own; the window
// keeps the design's control and handler names, which lead to the groups.
class TForm4 : public QWidget {
    Q_OBJECT
public:
    // `programFolder` holds the catalogues, with a trailing separator.
    TForm4(Platform& platform, const QString& programFolder);
    ~TForm4() override;

    // "Add more..." of the script generator: shows this window and puts the
    // script into its preview; nothing else of the window changes.
    void openWithScript(const QString& script);

    // Lifecycle and hand-back.
    void FormCreate();
    void FormClose();
    void Button5Click();  // "OK! (Back)"
    void Button6Click();  // "Clear"
    void Button7Click();  // "Cancel"

    // Change files.
    void RadioButton1Click() { GroupBox1->RadioButton1Click(); }
    void RadioButton2Click() { GroupBox1->RadioButton2Click(); }
    void RadioButton3Click() { GroupBox1->RadioButton3Click(); }
    void RadioButton4Click() { GroupBox1->RadioButton4Click(); }
    void RadioButton5Click() { GroupBox1->RadioButton5Click(); }
    void ComboBox1Change() { GroupBox1->ComboBox1Change(); }
    void Button1Click() { GroupBox1->Button1Click(); }
    void Button2Click() { GroupBox1->Button2Click(); }
    void Button3Click() { GroupBox1->Button3Click(); }

    // Change bandlocks and More options.
    void Button4Click() { GroupBox2->Button4Click(); }
    void Button8Click() { GroupBox3->Button8Click(); }
    bool Edit2KeyDown(QLineEdit* edit, QKeyEvent* event) {
        return GroupBox3->Edit2KeyDown(edit, event);
    }
    void Edit2Change() { GroupBox3->Edit2Change(); }
    void Edit6Change() { GroupBox3->Edit6Change(); }
    void Edit3Change() { GroupBox3->Edit3Change(); }
    void Edit4Change() { GroupBox3->Edit4Change(); }
    void Edit5Change() { GroupBox3->Edit5Change(); }

    // Languages and Delete file.
    void Button9Click() { GroupBox5->Button9Click(); }
    void Button11Click() { GroupBox5->Button11Click(); }
    void RadioButton6Click() { GroupBox5->RadioButton6Click(); }
    void RadioButton7Click() { GroupBox5->RadioButton7Click(); }
    void Button10Click() { GroupBox5->Button10Click(); }
    void RadioButton8Click() { GroupBox6->RadioButton8Click(); }
    void RadioButton9Click() { GroupBox6->RadioButton9Click(); }
    void RadioButton11Click() { GroupBox6->RadioButton11Click(); }
    void RadioButton10Click() { GroupBox6->RadioButton10Click(); }
    void RadioButton12Click() { GroupBox6->RadioButton12Click(); }
    void Edit7Enter() { GroupBox6->Edit7Enter(); }
    void Button13Click() { GroupBox6->Button13Click(); }

    QFrame* Panel1;
    QLabel* Label2;
    ScriptPreview* Memo1;  // the script preview
    QPushButton* Button5;
    QPushButton* Button6;
    QPushButton* Button7;
    QGroupBox* GroupBox4;
    QPlainTextEdit* Memo3;  // the status area
    QLabel* Label5;
    QLabel* Label6;

    // The five groups, and their controls by the design's names.
    FileChangeGroup* GroupBox1;
    BandLockGroup* GroupBox2;
    OptionsGroup* GroupBox3;
    LanguageGroup* GroupBox5;
    DeleteFileGroup* GroupBox6;

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

    QComboBox* ComboBox2;
    QPushButton* Button4;

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

    QRadioButton* RadioButton6;
    QRadioButton* RadioButton7;
    QCheckBox* CheckBox7;
    LabeledEdit* LabeledEdit2;
    QPushButton* Button9;
    LabeledEdit* LabeledEdit3;
    QPushButton* Button11;
    QPushButton* Button10;

    QRadioButton* RadioButton8;
    QRadioButton* RadioButton9;
    QRadioButton* RadioButton11;
    QRadioButton* RadioButton10;
    QRadioButton* RadioButton12;
    QLabel* Label7;
    QLineEdit* Edit7;
    QPushButton* Button13;

signals:
    // "OK! (Back)": the script generator is to take this script.
    void handedBack(const QString& script);
    // The window closed, whether by "OK! (Back)", "Cancel" or its close box.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildWindowControls();
    void buildGroups();
    void buildFileChangeGroup();
    void buildBandLockGroup();
    void buildOptionsGroup();
    void buildLanguageGroup();
    void buildDeleteFileGroup();
    void connectHandlers();
    void closeWindow();

    Platform& platform_;
    std::unique_ptr<GroupHost> host_;
    bool captionsFitted_ = false;
};

}  // namespace trellan

#pragma once

#include <QStringList>
#include <QWidget>
#include <optional>

#include "advanced/file_change.h"
#include "advanced/language_delete.h"
#include "common/ui/open_dialog.h"

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

class LabeledEdit;
class Platform;
class ScriptPreview;

// The advanced script generator: takes the script generator's lines, appends
// file changes, band locks, GDFS options, language files and deletions, and
// hands the whole text back.
class TForm4 : public QWidget {
    Q_OBJECT
public:
    // `programFolder` holds the catalogues, with a trailing separator.
    TForm4(Platform& platform, const QString& programFolder);

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
    void RadioButton1Click();  // Change Sounds
    void RadioButton2Click();  // Change Frames
    void RadioButton3Click();  // Change Clipart
    void RadioButton4Click();  // Change Funlayer
    void RadioButton5Click();  // Add new Frames
    void ComboBox1Change();
    void Button1Click();  // "Open"
    void Button2Click();  // "Add"
    void Button3Click();  // "Reset"

    // Change bandlocks and More options.
    void Button4Click();  // band lock "Add"
    void Button8Click();  // "Add these options"
    // Key filter of Edit2 and Edit6; true when the key is swallowed.
    bool Edit2KeyDown(QLineEdit* edit, QKeyEvent* event);
    void Edit2Change();
    void Edit6Change();
    void Edit3Change();
    void Edit4Change();
    void Edit5Change();

    // Languages and Delete file.
    void Button9Click();        // "Open" language file
    void Button11Click();       // "Open" single T9 file
    void RadioButton6Click();   // "Standard"
    void RadioButton7Click();   // "Write T9 only"
    void Button10Click();       // "Add"
    void RadioButton8Click();   // Sound
    void RadioButton9Click();   // Clipart
    void RadioButton11Click();  // Funlayer
    void RadioButton10Click();  // Frame
    void RadioButton12Click();  // Language / T9
    void Edit7Enter();
    void Button13Click();  // "Add command"

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

    QGroupBox* GroupBox1;
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

    QGroupBox* GroupBox2;
    QComboBox* ComboBox2;
    QPushButton* Button4;

    QGroupBox* GroupBox3;
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

    QGroupBox* GroupBox5;
    QRadioButton* RadioButton6;
    QRadioButton* RadioButton7;
    QCheckBox* CheckBox7;
    LabeledEdit* LabeledEdit2;
    QPushButton* Button9;
    LabeledEdit* LabeledEdit3;
    QPushButton* Button11;
    QPushButton* Button10;

    QGroupBox* GroupBox6;
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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitCaptions();
    bool captionsFitted_ = false;
    void buildLayout();
    void buildFileChangeGroup();
    void buildBandLockGroup();
    void buildOptionsGroup();
    void buildLanguageGroup();
    void buildDeleteGroup();
    void connectHandlers();

    // Selects a radio button as the program does: its handler runs only when
    // it was not selected, and a failure in it ends the caller too.
    void select(QRadioButton* button, void (TForm4::*handler)());
    void closeWindow();
    void appendStatus(const QString& line);
    // A catalogue as read: each line's bytes, and its text for display.
    struct CatalogueText {
        std::vector<QByteArray> bytes;
        QStringList text;
    };
    CatalogueText readCatalogue(const QString& relative) const;
    // Refuses, with an "Error" box naming the catalogue, a line whose bytes would not
    // come out of the preview unchanged; true when it passes.
    bool lineReachesScript(const CatalogueText& catalogue, qsizetype line, const QString& relative);
    void setDialogPattern(const QString& pattern);
    // Runs OpenDialog1: the chosen file when it exists and ends in `extension` exactly.
    // A cancel or a missing file ends silently, a wrong extension with the format error.
    std::optional<QString> openFileWithExtension(const QString& extension);

    // Open takes only files ending in `extension`, and its dialog proposes them.
    void requireExtension(const QString& extension);
    void loadNameList(advanced::FileChangeMode mode);
    void selectFileChangeMode(advanced::FileChangeMode mode);
    // Empties Edit1 and LabeledEdit1 and disables "Add"; the hint stays.
    void forgetChosenFile();
    // Where Add, Reset and Cancel leave the group: Change Sounds, the sound list reloaded.
    void returnToChangeSounds();
    void loadBandLocks();
    void chooseDeleteKind(advanced::DeleteKind kind);
    bool showDigitFieldMenu(QLineEdit* edit, const QPoint& globalPos);

    Platform& platform_;
    const QString programFolder_;

    OpenDialog openDialog_;  // OpenDialog1, shared by the Open buttons of both file groups

    advanced::FileChangeMode fileChangeMode_ = advanced::FileChangeMode::ChangeSounds;
    QString requiredExtension_;
    QString chosenFile_;
    QString amrCompanion_;  // Edit1

    CatalogueText nameList_;  // the items of ComboBox1
    // ComboBox1 changed since it was loaded or last picked from.
    bool comboBox1Changed_ = false;
    CatalogueText bandLockCatalogue_;  // Memo2

    QString languagePath_;
    QString t9Companion_;  // Edit8
    QString singleT9Path_;
    std::optional<advanced::DeleteKind> deleteKind_;
};

}  // namespace trellan

#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <optional>

#include "common/ui/open_dialog.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace trellan {

class JpegPicture;
class LabeledEdit;
class Platform;
class ScriptPreview;

// The script generator: replaces the six message alert sounds and deals with
// the camera shutter sound, previews the script and saves it.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(Platform& platform);

    // Creation handler and reset routine ("Reset", the main window's "Script generator").
    void FormCreate();

    // "Open..." of message alert rows 1 to 6, and of the camera sound.
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    // Camera sound "Delete", "Replace (chose camera sound first)", "Keep original".
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    // Any of the twelve sound boxes changed.
    void Write1Click();
    void Button10Click();  // "Generate script"
    void Button11Click();  // "Save"
    void Button12Click();  // "Add more..."
    void Button9Click();   // "Close"

    // The advanced window hands its script back: it replaces the preview, and
    // this window and its "Save" button are enabled again.
    void takeHandBack(const QString& script);

    QFrame* Panel1;

    QGroupBox* GroupBox1;  // "Replace SMS sounds "
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    LabeledEdit* Sms1;
    LabeledEdit* Sms2;
    LabeledEdit* Sms3;
    LabeledEdit* Sms4;
    LabeledEdit* Sms5;
    LabeledEdit* Sms6;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* Button5;
    QPushButton* Button6;
    QCheckBox* Write1;
    QCheckBox* Write2;
    QCheckBox* Write3;
    QCheckBox* Write4;
    QCheckBox* Write5;
    QCheckBox* Write6;
    QCheckBox* AMR1;
    QCheckBox* AMR2;
    QCheckBox* AMR3;
    QCheckBox* AMR4;
    QCheckBox* AMR5;
    QCheckBox* AMR6;

    QGroupBox* GroupBox2;  // "Camera sound "
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    JpegPicture* Image1;  // camera
    JpegPicture* Image2;  // keep
    JpegPicture* Image3;  // delete
    JpegPicture* Image4;  // replace
    LabeledEdit* CameraLabel;
    QPushButton* Button7;

    QPushButton* Button10;  // "Generate script"
    QPushButton* Button12;  // "Add more..."
    QPushButton* Button11;  // "Save"
    QPushButton* Button8;   // "Reset"
    QPushButton* Button9;   // "Close"
    QLabel* Label4;
    ScriptPreview* Memo1;  // the script preview
    QLabel* Label5;
    QLabel* Label6;

    // Never shown: they show the AMR paths of rows 1 to 6 and of the camera sound.
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QLineEdit* Edit6;
    QLineEdit* Edit7;

signals:
    // "Add more...": the advanced window is to take over this script, while
    // this window stays disabled until it is closed.
    void addMoreRequested(const QString& script);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct AlertRow {
        LabeledEdit* sms;
        QPushButton* open;
        QCheckBox* midi;
        QCheckBox* amr;
        QLineEdit* amrEdit;  // shows amrPath
        QString midiPath;    // the last MIDI file accepted for the row
        QString amrPath;     // its AMR companion, when found at the last choice
    };
    // The camera sound's files; Edit7 shows amrPath.
    struct CameraFiles {
        QString midiPath;  // the last camera MIDI file accepted
        QString amrPath;   // the last AMR companion found
    };

    void createControls();
    void createAlertGroup();
    void createCameraGroup();
    void createButtonColumn();
    void createPreviewAndWarnings();
    void connectHandlers();
    void chooseAlertSound(AlertRow& row);
    // Shows in `edit` what became of a chosen MIDI file: "File does not exist!" in red,
    // the wrong-format error, or the path shortened to `width`. True when it is taken.
    bool showMidiChoice(LabeledEdit* edit, const QString& file, int width);
    // The AMR companion of a chosen MIDI file; nullopt after the missing-companion error.
    std::optional<QString> existingAmrCompanion(const QString& midiFile);
    // Runs the shared open dialog; the chosen name as the system writes it, or nullopt
    // after a cancel or a name no script can carry.
    std::optional<QString> openMidiFile();
    // False, after the "Error" box, when `text` holds a character no script file can.
    bool reachesScript(QStringView text);
    void showStateIcon(JpegPicture* icon);
    void setAmrPath(AlertRow& row, const QString& path);

    Platform& platform_;
    std::array<AlertRow, 6> rows_;
    CameraFiles camera_;
    OpenDialog openDialog_;  // its file name: the last one chosen
    QString saveFileName_;
    bool outerSizeSet_ = false;
};

}  // namespace trellan

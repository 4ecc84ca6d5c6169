#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "common/lines.h"
#include "main_window/catalogue.h"
#include "main_window/picture_table.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace trellan {

class ClickLabel;
class JpegPicture;
class ListBox;
class Platform;

// The main window: choosing a model and a flash variant from the catalogues,
// showing its data, and rewriting customize.xml.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    // `dataFolder` holds cda/models.cdt and customize.xml.
    TForm1(Platform& platform, const QString& dataFolder);

    // Creation handler; "Clear all fields" runs it too.
    void FormCreate();
    void ListBox1Click();
    void ListBox2Click();
    void CameraOnClick();
    void CameraOffClick();
    void Label5Click();
    void Label6Click();
    void Label11Click();
    void Panel4Click();
    void Button1Click();
    void Button3Click();

    // Top band.
    QFrame* Panel1;
    JpegPicture* Image1;
    QLabel* Label1;
    ClickLabel* Label11;
    ClickLabel* Panel6;
    // Middle band, left column.
    QFrame* Panel2;
    QFrame* Panel5;
    QGroupBox* GroupBox1;
    QLabel* Label2;
    QLabel* Label3;
    ListBox* ListBox1;
    ListBox* ListBox2;
    QLabel* CDARev;
    QFrame* Bevel1;
    ClickLabel* Label5;
    ClickLabel* Label6;
    // Middle band, right column.
    QFrame* Panel4;
    QGroupBox* GroupBox2;
    QLabel* Label4;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label12;
    QLabel* Label13;
    QLabel* Label14;
    QLabel* Model;
    QLabel* FS;
    QLabel* CDA;
    QLabel* Revision;
    QLabel* Country;
    QLabel* Operator1;
    QLabel* Languages;
    QRadioButton* CameraOn;
    QRadioButton* CameraOff;
    QFrame* Panel7;
    JpegPicture* K750;
    JpegPicture* K700;
    JpegPicture* K500;
    JpegPicture* S700;
    JpegPicture* V800;
    JpegPicture* Z1010;
    JpegPicture* Z800;
    JpegPicture* NoImage;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    JpegPicture* Cam;
    JpegPicture* CamOn;
    JpegPicture* CamOff;
    // Bottom band: the status bar.
    QLabel* Panel3;

signals:
    // The "i" panel asks for the About window, "Script generator" for the
    // script generator shown and reset.
    void aboutRequested();
    void scriptGeneratorRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Fits the three bands and the two columns to the client area.
    void placeBands();
    void buildTopBand();
    void buildLeftColumn();
    void buildRightColumn();
    void buildInfoPairs();
    void buildCameraChoice();
    void buildPhotographs();
    void buildBottomRow();
    void connectHandlers();
    void openLink(const QString& target);
    void setStatus(const QString& text);
    // Reads customize.xml into the template; the window is as after a start-up
    // that could not read it when that fails.
    void rereadTemplate(const QString& path);
    // Shows the chosen model and entry in the value labels.
    void showChosen();
    JpegPicture* picture(PhonePicture which) const;

    Platform& platform_;
    const QString dataFolder_;
    // The model catalogue behind the rows of ListBox1.
    CatalogueLines models_;
    // The chosen model's variant catalogue, and the line behind each row of ListBox2.
    CatalogueLines variantLines_;
    std::vector<qsizetype> fileSystemRows_;
    // The chosen model and file-system entry as the catalogue's bytes: what the
    // value labels show and what "Update customize.xml" writes.
    struct Chosen {
        QByteArray model;
        FileSystemEntry entry;
    };
    Chosen chosen_;
    // customize.xml as last read, or nothing while it could not be read: only a
    // template that was read may be written over the file.
    std::optional<Lines> template_;
    bool outerSizeSet_ = false;
};

}  // namespace trellan

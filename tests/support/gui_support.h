#pragma once

#include <gtest/gtest.h>

#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QWidgetList>
#include <memory>

#include "app/ui/window_set.h"
#include "support/scripted_platform.h"
#include "support/test_files.h"

class QComboBox;
class QListWidget;
class QRadioButton;
class QWidget;

namespace trellan::testing {

// The named child of `parent`, or a test failure that names what was missing.
template <typename T>
T* child(QObject* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    if (found == nullptr) {
        ADD_FAILURE() << "no child " << name.toStdString() << " of "
                      << parent->objectName().toStdString();
    }
    return found;
}

// A left click in the middle of a widget, as the user makes it.
void click(QWidget* widget);
// A click on a row of a list, as the user makes it.
void chooseRow(QListWidget* list, int row);
// A click on a radio button's indicator.
void clickRadio(QRadioButton* radio);
// The frame's close button, delivered as the window system does it.
void closeFromFrame(QWidget* window);
// Selects an entry of a drop-down list as the user does, with the arrow keys.
void pick(QComboBox* box, int index);
// Presses Tab until `target` has the focus, as a keyboard user does; false, with
// a test failure, when a round of the window goes by without reaching it.
bool tabTo(QWidget* target);
// What every window's design keeps: each named control lies inside its parent, and no
// two shown controls of one parent overlap (neighbours may share their edge's pixel
// line), but those the design lays over each other, `overlapping`.
void expectTidyLayout(QWidget* window, const QWidgetList& overlapping = {});

// The text a tooltip shows: rich text as Qt renders it, else the text itself.
QString shownToolTip(const QString& toolTip);

// A temporary working folder with the program's four windows created against
// it and the scripted platform. Subclasses fill the folder before create().
class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Creates the window set; the data and program folders are the temp folder.
    void create();
    QString path(const QString& relative) const { return dir_.filePath(relative); }
    // The path of a file of the temporary folder as a file dialog gives it.
    QString native(const QString& relative) const;
    // Writes a file into the temporary folder; its path as a file dialog gives it.
    QString file(const QString& relative, const QByteArray& bytes = "x");
    // Copies the shipped sample data (cda/, tpa/) into the temporary folder.
    void copySampleData();
    // Writes the catalogues the advanced window reads at creation, so that
    // tests of other windows start without its error box.
    void writeAdvancedCatalogues();
    // Writes every file the windows read at creation: a model list, customize.xml
    // and the advanced window's catalogues. A fixture writes its own over them.
    void writeStartupFiles();

    QTemporaryDir dir_;
    ScriptedPlatform platform_;
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<Windows> windows_;
    QString savedCurrent_;
};

}  // namespace trellan::testing

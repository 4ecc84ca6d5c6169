#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextCursor>

#include "about/ui/form2.h"
#include "main_window/ui/click_label.h"
#include "main_window/ui/form1.h"
#include "support/gui_support.h"

namespace trellan::testing {
namespace {

const QStringList kAboutLines = {
    "This tool was created by calvorn.example",
    "",
    "It helps to customize your SEMC phone using setool2 by the setool team...",
    "",
    "Just chose your phone model and filesystem flash and select whether you want the camera "
    "shutter sound to be switched on or off. Then just hit \"Update customize.xml\"",
    "and the next phone flashed with \"Complete phone\" checked in setool2 will be customized "
    "with these settings.",
    "",
    "Regards,",
    "Calvorn",
    "https://calvorn.example/",
};

class AboutWindowTest : public GuiTest {
protected:
    void start() {
        writeStartupFiles();
        create();
        form1()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form1()));
    }
    TForm1* form1() const { return windows_->set().form1; }
    TForm2* form2() const { return windows_->set().form2; }
};

TEST_F(AboutWindowTest, HoldsItsTenLinesHiddenAtStart) {
    start();
    EXPECT_FALSE(form2()->isVisible());
    EXPECT_EQ(form2()->windowTitle(), "About Trellan");
    EXPECT_EQ(form2()->Memo1->toPlainText().split(QLatin1Char('\n')), kAboutLines);
    EXPECT_TRUE(form2()->Memo1->isReadOnly());
}

TEST_F(AboutWindowTest, InfoPanelShowsItAndCloseHidesItKeepingTheText) {
    start();
    for (int showing = 0; showing < 2; ++showing) {
        click(form1()->Panel6);
        ASSERT_TRUE(form2()->isVisible()) << showing;
        EXPECT_EQ(form2()->Memo1->toPlainText().split(QLatin1Char('\n')), kAboutLines);
        // The text is shown from its first line, not scrolled to its end.
        EXPECT_EQ(form2()->Memo1->verticalScrollBar()->value(), 0);
        click(form2()->Button1);
        EXPECT_FALSE(form2()->isVisible());
    }
    // The title bar's close box hides it too; the main window stays.
    click(form1()->Panel6);
    form2()->close();
    EXPECT_FALSE(form2()->isVisible());
    EXPECT_TRUE(form1()->isVisible());
    EXPECT_EQ(form2()->Memo1->toPlainText().split(QLatin1Char('\n')).size(), 10);
}

TEST_F(AboutWindowTest, WholeTextFitsTheMemoWithoutScrolling) {
    start();
    click(form1()->Panel6);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form2()));
    QPlainTextEdit* memo = form2()->Memo1;
    QTextCursor end(memo->document());
    end.movePosition(QTextCursor::End);
    EXPECT_EQ(memo->verticalScrollBar()->maximum(), 0);
    EXPECT_LE(memo->cursorRect(end).bottom(), memo->viewport()->height());
    EXPECT_EQ(memo->size(), QSize(281, 193));
    EXPECT_EQ(form2()->frameGeometry().size(), QSize(304, 271));
    expectTidyLayout(form2());
}

}  // namespace
}  // namespace trellan::testing

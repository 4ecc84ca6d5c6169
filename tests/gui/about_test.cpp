#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextCursor>

#include "about/about_text.h"
#include "about/ui/form2.h"
#include "main_window/ui/form1.h"
#include "main_window/ui/list_box.h"
#include "support/gui_support.h"

namespace trellan::testing {
namespace {

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
    const QStringList lines = form2()->Memo1->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines, aboutLines());
    EXPECT_TRUE(lines[0].startsWith("This tool was created by "));
    EXPECT_TRUE(lines[2].startsWith("It helps to customize your SEMC phone using setool2 by "));
    EXPECT_TRUE(lines[2].endsWith("..."));
    EXPECT_TRUE(lines[4].endsWith("Then just hit \"Update customize.xml\""));
    EXPECT_EQ(lines[7], "Regards,");
    for (int empty : {1, 3, 6}) {
        EXPECT_TRUE(lines[empty].isEmpty()) << empty;
    }
    EXPECT_TRUE(form2()->Memo1->isReadOnly());
}

TEST_F(AboutWindowTest, InfoPanelShowsItAndCloseHidesItKeepingTheText) {
    start();
    for (int showing = 0; showing < 2; ++showing) {
        click(form1()->Panel6);
        ASSERT_TRUE(form2()->isVisible()) << showing;
        EXPECT_EQ(form2()->Memo1->toPlainText().split(QLatin1Char('\n')), aboutLines());
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
}

}  // namespace
}  // namespace trellan::testing

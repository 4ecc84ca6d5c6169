#include "support/gui_support.h"

#include <QtTest/qtestspontaneevent.h>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QTextDocument>
#include <QWidget>

#include "support/sample_data.h"

namespace trellan::testing {

void click(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void chooseRow(QListWidget* list, int row) {
    ASSERT_LT(row, list->count());
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(item).center());
}

void clickRadio(QRadioButton* radio) {
    QTest::mouseClick(radio, Qt::LeftButton, Qt::NoModifier, QPoint(8, radio->height() / 2));
}

void closeFromFrame(QWidget* window) {
    QCloseEvent event;
    QSpontaneKeyEvent::setSpontaneous(&event);
    QCoreApplication::sendEvent(window->windowHandle(), &event);
}

void pick(QComboBox* box, int index) {
    while (box->currentIndex() < index) QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() > index) QTest::keyClick(box, Qt::Key_Up);
    ASSERT_EQ(box->currentIndex(), index);
}

bool tabTo(QWidget* target) {
    for (int i = 0; i < 100 && QApplication::focusWidget() != target; ++i) {
        if (QApplication::focusWidget() == nullptr) break;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    if (QApplication::focusWidget() != target) {
        ADD_FAILURE() << "Tab does not reach " << target->objectName().toStdString();
        return false;
    }
    return true;
}

QString shownToolTip(const QString& toolTip) {
    if (!Qt::mightBeRichText(toolTip)) {
        return toolTip;
    }
    QTextDocument shown;
    shown.setHtml(toolTip);
    return shown.toPlainText();
}

void expectTidyLayout(QWidget* window, const QWidgetList& overlapping) {
    const QWidgetList parents = window->findChildren<QWidget*>() << window;
    for (const QWidget* parent : parents) {
        QWidgetList shown;  // Qt's own parts of a control are named qt_...
        for (QWidget* c : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QString name = c->objectName();
            if (!c->isHidden() && !name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) {
                shown << c;
            }
        }
        for (qsizetype i = 0; i < shown.size(); ++i) {
            const std::string name = shown[i]->objectName().toStdString();
            EXPECT_TRUE(parent->rect().contains(shown[i]->geometry())) << name;
            for (qsizetype j = i + 1; j < shown.size(); ++j) {
                const QRect both = shown[i]->geometry() & shown[j]->geometry();
                EXPECT_TRUE(std::min(both.width(), both.height()) <= 1 ||
                            (overlapping.contains(shown[i]) && overlapping.contains(shown[j])))
                    << name << " overlaps " << shown[j]->objectName().toStdString();
            }
        }
    }
}

void GuiTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    savedCurrent_ = QDir::currentPath();
}

void GuiTest::TearDown() {
    platform_.expectAllUsed();
    windows_.reset();
    context_.reset();
    QDir::setCurrent(savedCurrent_);
}

void GuiTest::create() {
    context_ = std::make_unique<AppContext>(
        AppContext{platform_, dir_.path(), dir_.path() + QLatin1Char('/')});
    windows_ = std::make_unique<Windows>(*context_);
}

QString GuiTest::native(const QString& relative) const {
    return QDir::toNativeSeparators(path(relative));
}

QString GuiTest::file(const QString& relative, const QByteArray& bytes) {
    writeFile(dir_.path(), relative, bytes);
    return native(relative);
}

void GuiTest::copySampleData() { ASSERT_TRUE(testing::copySampleData(dir_.path())); }

void GuiTest::writeAdvancedCatalogues() {
    writeFile(dir_.path(), "cda/sound.cdt", "ring.mid\r\n");
    writeFile(dir_.path(), "cda/bandlock.cdt", "01\r\nA\r\n#\r\n");
}

void GuiTest::writeStartupFiles() {
    writeFile(dir_.path(), "cda/models.cdt", "K750\r\n");
    writeFile(dir_.path(), "tpa/preset/custom/customize.xml", "<customize/>\r\n");
    writeAdvancedCatalogues();
}

}  // namespace trellan::testing

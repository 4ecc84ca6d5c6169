#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QMessageBox>
#include <functional>

#include "common/ui/controls.h"
#include "common/ui/qt_platform.h"
#include "support/gui_support.h"
#include "support/scripted_platform.h"

namespace trellan::testing {
namespace {

// Every way to a box shortens what it shows.
TEST(MessageBox, EveryBoxShortensLongLines) {
    const QString name = QString(700, 'a') + QString(700, 'z');
    const QString shown = QString(500, 'a') + QChar(0x2026) + QString(499, 'z');
    const std::pair<std::function<void(Platform&)>, QString> cases[] = {
        {[&](Platform& p) { p.errorBox(nullptr, name); }, shown},
        {[&](Platform& p) { p.showError(name); }, shown.chopped(1) + '.'},  // a full stop added
        {[&](Platform& p) { p.messageBox(nullptr, "T", "x\n" + name, MessageIcon::None); },
         "x\n" + shown},
    };
    for (const auto& [show, text] : cases) {
        ScriptedPlatform platform;
        show(platform);
        ASSERT_EQ(platform.boxTexts(), std::vector<QString>{text});
    }
}

// Markup shows as it is: as plain text a box neither changes a name nor loads
// what an <img> names.
TEST(MessageBox, ShowsPlainText) {
    for (const QString text : {"Cannot open file \"cda/<b>K750</b>.cdt\".",
                               "Model <img src=\"/some/1GB/file\"> & <i>x</i>"}) {
        const auto box = newMessageBox(nullptr, "Error", text, MessageIcon::Error);
        const auto* label = box->findChild<QLabel*>("qt_msgbox_label");
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_EQ(label->text(), text);
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
    }
}

// So does a tooltip, and a screen reader says it: markup, entities and runs of
// spaces; no text, no tooltip.
TEST(ToolTip, ShowsTheNameAsItIs) {
    QWidget widget;
    for (const QString name :
         {"<img src=\"/some/1GB/file\">.mid", "<b>K750</b> &amp; x.lng", "two  spaces.t9", ""}) {
        setPlainToolTip(&widget, name);
        EXPECT_EQ(shownToolTip(widget.toolTip()), name);
        EXPECT_EQ(widget.toolTip().isEmpty(), name.isEmpty());
        EXPECT_EQ(QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Description),
                  name);
    }
}

}  // namespace
}  // namespace trellan::testing

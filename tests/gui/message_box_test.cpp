#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <functional>

#include "common/ui/qt_platform.h"
#include "support/scripted_platform.h"

namespace trellan::testing {
namespace {

const QString kLongName = QString(700, QLatin1Char('a')) + QString(700, QLatin1Char('z'));

// Every way to a box shortens what it shows.
TEST(MessageBox, EveryBoxShortensLongLines) {
    const std::pair<std::function<void(Platform&)>, QString> cases[] = {
        {[](Platform& p) { p.errorBox(nullptr, kLongName); },
         QString(500, 'a') + QChar(0x2026) + QString(499, 'z')},
        {[](Platform& p) { p.showError(kLongName); },
         QString(500, 'a') + QChar(0x2026) + QString(498, 'z') + "."},
        {[](Platform& p) { p.messageBox(nullptr, "Title", "x\n" + kLongName, MessageIcon::None); },
         "x\n" + QString(500, 'a') + QChar(0x2026) + QString(499, 'z')},
    };
    for (const auto& [show, text] : cases) {
        ScriptedPlatform platform;
        show(platform);
        ASSERT_EQ(platform.boxes().size(), 1u);
        EXPECT_EQ(platform.boxes().front().text, text);
    }
}

// The box shows markup as it is: as plain text it neither changes the name
// nor loads what an <img> names.
TEST(MessageBox, ShowsPlainText) {
    const QString texts[] = {
        "Cannot open file \"cda/<b>K750</b>.cdt\".",
        "Model <img src=\"/some/1GB/file\"> & <i>x</i>",
    };
    for (const QString& text : texts) {
        const auto box = newMessageBox(nullptr, "Error", text, MessageIcon::Error);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->text(), text);
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        const auto* label = box->findChild<QLabel*>("qt_msgbox_label");
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_EQ(label->text(), text);
    }
}

}  // namespace
}  // namespace trellan::testing

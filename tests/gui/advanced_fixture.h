#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

#include "advanced/ui/form4.h"
#include "common/ui/labeled_edit.h"
#include "common/ui/window_util.h"
#include "script/ui/form3.h"
#include "script/ui/script_preview.h"
#include "support/gui_support.h"

namespace trellan::testing {

// The advanced window against catalogues written into the temporary program folder.
class AdvancedTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        writeStartupFiles();
        writeFile(dir_.path(), "cda/sound.cdt", "ring1.mid\r\nring2.mid\r\n");
        writeFile(dir_.path(), "cda/clipart.cdt", "clip1.png\r\nclip2.png\r\n");
        writeFile(dir_.path(), "cda/frames.cdt", "frame1.png\r\n");
        writeFile(dir_.path(), "cda/funlayer.cdt", "fun1.png\r\nfun2.png\r\n");
        writeFile(dir_.path(), "cda/bandlock.cdt", "01\r\nA\r\n02\r\nB\r\n-\r\n#\r\n");
    }

    TForm3* form3() { return windows_->set().form3; }
    TForm4* form4() { return windows_->set().form4; }

    // The script generator's "Add more...", pressed in the shown generator.
    void openFromGenerator() {
        showWindow(form3());
        ASSERT_TRUE(form3()->isEnabled());
        click(form3()->Button12);
        ASSERT_TRUE(form4()->isVisible());
    }

    QString preview() { return form4()->Memo1->wholeText(); }
    QStringList previewLines() {
        QStringList lines = preview().split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
        return lines;
    }
    QStringList statusLines() {
        const QString text = form4()->Memo3->toPlainText();
        return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    }
    QStringList items(QComboBox* box) {
        QStringList list;
        for (int i = 0; i < box->count(); ++i) list << box->itemText(i);
        return list;
    }
    QStringList errorTexts() {
        QStringList texts;
        for (const auto& box : platform_.boxes()) {
            EXPECT_EQ(box.title, QStringLiteral("Error"));
            EXPECT_EQ(box.icon, MessageIcon::None);
            texts << box.text;
        }
        return texts;
    }
};

}  // namespace trellan::testing

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QTest>

#include "advanced_fixture.h"

namespace trellan::testing {
namespace {

using BandLock = AdvancedTest;
using MoreOptions = AdvancedTest;

TEST_F(BandLock, ListsTheNamesAndAddsTheSelectedEntrysData) {
    create();
    EXPECT_EQ(items(form4()->ComboBox2), (QStringList{"A", "B"}));
    form4()->ComboBox2->setCurrentIndex(1);
    click(form4()->Button4);
    EXPECT_EQ(previewLines(), QStringList{"gdfswrite:000000AA02FFFFFFFFFFFFFFFFFF00"});
    EXPECT_EQ(statusLines(), QStringList{"Added bandlock change command successfully!"});
    EXPECT_TRUE(form4()->Button5->isEnabled());
}

TEST_F(BandLock, CataloguesOfOtherShapes) {
    struct Case {
        const char* name;
        QByteArray catalogue;
        QStringList names;
    };
    const Case cases[] = {
        {"hash_as_data", "01\nA\n#\nB\n-\n#\nx\nC\n", {"A", "B"}},
        {"no_end_mark", "01\rA\r02\rB", {"A", "B"}},
        {"empty", "", {}},
    };
    for (const Case& c : cases) {
        writeFile(dir_.path(), "cda/bandlock.cdt", c.catalogue);
        create();
        EXPECT_EQ(items(form4()->ComboBox2), c.names) << c.name;
        EXPECT_TRUE(platform_.boxes().empty()) << c.name;
        windows_.reset();
    }
}

TEST_F(BandLock, RefusesTextThatNamesNoEntry) {
    writeFile(dir_.path(), "cda/bandlock.cdt", "A\r\nA\r\n02\r\nB\r\n-\r\n#\r\n");
    create();
    form4()->ComboBox2->lineEdit()->clear();
    QTest::keyClicks(form4()->ComboBox2->lineEdit(), "02");  // a data line, not a name
    click(form4()->Button4);
    form4()->ComboBox2->setCurrentIndex(0);  // "A" is found on line 0: no data above it
    click(form4()->Button4);
    EXPECT_EQ(errorTexts(),
              (QStringList{"No bandlock named \"02\" in the list! Please choose a bandlock from "
                           "the list.",
                           "Bandlock \"A\" has no data line above its name in bandlock.cdt!"}));
    EXPECT_EQ(preview(), "");
    EXPECT_TRUE(statusLines().isEmpty());
    EXPECT_FALSE(form4()->Button5->isEnabled());
    EXPECT_EQ(form4()->ComboBox2->count(), 2);  // typed text never becomes an entry

    click(form4()->Button8);  // nothing ticked: only enables the hand-back
    click(form4()->Button4);
    EXPECT_EQ(platform_.boxes().size(), 3u);
    EXPECT_EQ(preview(), "");
    EXPECT_TRUE(form4()->Button5->isEnabled());
}

TEST_F(MoreOptions, CdaFieldsGiveTheExactLines) {
    create();
    QTest::keyClicks(form4()->Edit2, "102");
    QTest::keyClicks(form4()->Edit6, "1");
    EXPECT_TRUE(form4()->CheckBox1->isChecked());
    click(form4()->Button8);
    EXPECT_EQ(previewLines(), QStringList{"gdfswrite:00020CBC4344413130322F31"});
    EXPECT_EQ(statusLines(), QStringList{"Changed CDA to: CDA102/1!"});
}

TEST_F(MoreOptions, AllSixGiveSevenLinesInOrderEachPress) {
    create();
    TForm4* f = form4();
    f->Edit2->setText("1");
    f->Edit6->setText("2");
    f->Edit3->setText("R1A");
    f->Edit4->setText("X");
    f->Edit5->setText("Y");
    f->Edit5->clear();  // emptying leaves the box ticked
    f->CheckBox5->setChecked(true);
    f->CheckBox6->setChecked(true);
    const QStringList script = {
        "gdfswrite:00020CBC434441312F32",
        "gdfswrite:00020CBD523141",
        "gdfswrite:00020CBF58",
        "gdfswrite:00020CBB",
        "gdfswrite:000000460F",
        "gdfswrite:000000470F",
        "gdfswrite:000208BBFFFFFF01010101010101FFFFFFFFFFFFFFFFFF01010101FFFFFFFFFFFFFF"};
    const QStringList status = {"Changed CDA to: CDA1/2!",
                                "Changed Revision to: R1A!",
                                "Changed \"1E0W\" to: X!",
                                "Changed LP info to: !",
                                "Z1010 voice control fix command added successfully!",
                                "Channel and Battery Info: Enable command added successfully!"};
    click(f->Button8);
    EXPECT_EQ(previewLines(), script);
    EXPECT_EQ(statusLines(), status);
    click(f->Button8);
    EXPECT_EQ(previewLines(), script + script);
    EXPECT_EQ(statusLines(), status + status);
    EXPECT_TRUE(f->CheckBox4->isChecked());
}

TEST_F(MoreOptions, NothingTickedStillEnablesTheHandBack) {
    create();
    click(form4()->Button8);
    EXPECT_EQ(preview(), "");
    EXPECT_TRUE(statusLines().isEmpty());
    EXPECT_TRUE(form4()->Button5->isEnabled());
}

TEST_F(MoreOptions, DigitFieldsTakeDigitsOnly) {
    create();
    for (QLineEdit* edit : {form4()->Edit2, form4()->Edit6}) {
        form4()->CheckBox1->setChecked(false);
        QTest::keyClick(edit, Qt::Key_A);
        QTest::keyClick(edit, Qt::Key_Space);
        QTest::keyClick(edit, Qt::Key_Period);
        QTest::keyClick(edit, Qt::Key_Minus);
        EXPECT_EQ(edit->text(), "");
        EXPECT_FALSE(form4()->CheckBox1->isChecked());

        QTest::keyClick(edit, Qt::Key_4);
        QTest::keyClick(edit, Qt::Key_2, Qt::KeypadModifier);
        EXPECT_EQ(edit->text(), "42");
        EXPECT_TRUE(form4()->CheckBox1->isChecked());
        QTest::keyClick(edit, Qt::Key_Left);
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_EQ(edit->text(), "2");
        QTest::keyClick(edit, Qt::Key_Delete);
        EXPECT_EQ(edit->text(), "");
    }
}

TEST_F(MoreOptions, DigitFieldsTakeOnlyDigitsFromAnInputMethod) {
    create();
    // A dead key and its letter, or an input method, commit text without a key press.
    const std::pair<const char*, const char*> cases[] = {
        {"7", "7"}, {"\u00e9", ""}, {"1a", ""}, {"\uff11", ""}};
    for (QLineEdit* edit : {form4()->Edit2, form4()->Edit6}) {
        for (const auto& [commit, kept] : cases) {
            edit->clear();
            QInputMethodEvent event;
            event.setCommitString(QString::fromUtf8(commit));
            QApplication::sendEvent(edit, &event);
            EXPECT_EQ(edit->text(), QString::fromUtf8(kept)) << commit;
        }
    }
}

TEST_F(MoreOptions, CtrlKeysOtherThanCopyAndPasteAreRejectedKeysWithoutCharactersPass) {
    create();
    struct Case {
        const char* name;
        bool selectAll;  // else the cursor stands after "12"
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* text;
        int cursor;
        const char* selected;
    };
    const Case cases[] = {
        {"ctrl_x_cuts_nothing", true, Qt::Key_X, Qt::ControlModifier, "123", 3, "123"},
        {"ctrl_z_undoes_nothing", false, Qt::Key_Z, Qt::ControlModifier, "1243", 3, ""},
        {"ctrl_a_selects_nothing", false, Qt::Key_A, Qt::ControlModifier, "1243", 3, ""},
        {"ctrl_backspace_keeps_the_word", false, Qt::Key_Backspace, Qt::ControlModifier, "1243", 3,
         ""},
        {"ctrl_left_moves", false, Qt::Key_Left, Qt::ControlModifier, "1243", 0, ""},
        {"home_moves", false, Qt::Key_Home, Qt::NoModifier, "1243", 0, ""},
        {"shift_end_selects", false, Qt::Key_End, Qt::ShiftModifier, "1243", 4, "3"},
    };
    QLineEdit* edit = form4()->Edit2;
    for (const Case& c : cases) {
        edit->setText("123");
        if (c.selectAll) {
            edit->selectAll();
        } else {
            edit->setCursorPosition(2);
            QTest::keyClick(edit, Qt::Key_4);  // something to undo
        }
        QTest::keyClick(edit, c.key, c.modifiers);
        EXPECT_EQ(edit->text(), c.text) << c.name;
        EXPECT_EQ(edit->cursorPosition(), c.cursor) << c.name;
        EXPECT_EQ(edit->selectedText(), c.selected) << c.name;
    }
    // Ctrl+C passes: it copies.
    QGuiApplication::clipboard()->clear();
    edit->setText("987");
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "987");
}

TEST_F(MoreOptions, PasteTakesDecimalDigitsOnly) {
    create();
    struct Case {
        std::optional<QString> clipboard;
        const char* pasted;
    };
    const Case cases[] = {
        {QString("12"), "12"}, {QString("1a"), ""},   {QString("-5"), ""}, {QString(" 12"), ""},
        {QString("$1F"), ""},  {QString("0x1F"), ""}, {QString(""), ""},   {std::nullopt, ""},
    };
    for (QLineEdit* edit : {form4()->Edit6, form4()->Edit2}) {
        for (const Case& c : cases) {
            edit->clear();
            platform_.clipboard = c.clipboard;
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            EXPECT_EQ(edit->text(), c.pasted) << c.clipboard.value_or("<none>").toStdString();
            edit->clear();
            QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
            EXPECT_EQ(edit->text(), c.pasted) << "Shift+Insert";
        }
    }
}

TEST_F(MoreOptions, ContextMenuOffersPasteOnlyForDigits) {
    create();
    showWindow(form4());
    QLineEdit* edit = form4()->Edit2;
    for (const auto& [text, offered] : {std::pair{"abc", false}, std::pair{"123", true}}) {
        platform_.clipboard = QString(text);
        QContextMenuEvent event(QContextMenuEvent::Mouse, edit->rect().center(),
                                edit->mapToGlobal(edit->rect().center()));
        QApplication::sendEvent(edit, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QAction* paste = menu->findChild<QAction*>("edit-paste");
        ASSERT_NE(paste, nullptr);
        EXPECT_EQ(paste->isEnabled(), offered) << text;
        edit->clear();
        paste->trigger();
        EXPECT_EQ(edit->text(), offered ? text : "");
        menu->close();
    }
}

}  // namespace
}  // namespace trellan::testing

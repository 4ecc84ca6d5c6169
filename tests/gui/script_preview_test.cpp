#include "script/ui/script_preview.h"

#include <gtest/gtest.h>

#include <QTest>

namespace trellan {
namespace {

struct AppendCase {
    const char* name;
    QString before;  // given through setWholeText
    QStringList appended;
    QString after;
};

class AppendLine : public ::testing::TestWithParam<AppendCase> {};

TEST_P(AppendLine, StartsALineOfItsOwn) {
    const AppendCase& c = GetParam();
    ScriptPreview preview(nullptr);
    preview.setWholeText(c.before);
    preview.appendLines(c.appended);
    EXPECT_EQ(preview.wholeText(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AppendLine,
    ::testing::Values(AppendCase{"empty_preview", "", {"a"}, "a\r\n"},
                      AppendCase{"after_a_line_break", "x\r\n", {"a", "b"}, "x\r\na\r\nb\r\n"},
                      AppendCase{"empty_line", "", {"", "b"}, "\r\nb\r\n"},
                      AppendCase{"after_a_blank_line", "x\r\n\r\n", {"a"}, "x\r\n\r\na\r\n"},
                      AppendCase{"no_break_at_the_end_puts_it_in_front", "x", {"a"}, "x\r\na"},
                      AppendCase{"and_keeps_doing_so", "x", {"a", "b"}, "x\r\na\r\nb"},
                      AppendCase{
                          "lone_cr_and_lf_become_line_breaks", "x\ny\r", {"a"}, "x\r\ny\r\na\r\n"},
                      AppendCase{"blanks_and_non_ascii_kept",
                                 "",
                                 {QStringLiteral(" C:\\My T\u00f6ne\\a\u00a0b.mid ")},
                                 QStringLiteral(" C:\\My T\u00f6ne\\a\u00a0b.mid \r\n")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScriptPreview, EmptyAndReplaceWholeText) {
    ScriptPreview preview(nullptr);
    preview.appendLine("a");
    preview.clear();
    EXPECT_EQ(preview.wholeText(), "");
    preview.setWholeText("a\r\n\r\nb");
    EXPECT_EQ(preview.wholeText(), "a\r\n\r\nb");
    preview.setWholeText("");
    EXPECT_EQ(preview.wholeText(), "");
}

TEST(ScriptPreview, TypedTextIsKeptAsTypedAndAppendsFollowIt) {
    ScriptPreview preview(nullptr);
    preview.show();
    QTest::keyClicks(&preview, "one");
    QTest::keyClick(&preview, Qt::Key_Return);
    QTest::keyClick(&preview, Qt::Key_Return);
    QTest::keyClicks(&preview, "two");
    // Shift+Enter looks like a line break and is saved as one.
    QTest::keyClick(&preview, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(&preview, "three");
    EXPECT_EQ(preview.wholeText(), "one\r\n\r\ntwo\r\nthree");
    preview.appendLine("four");
    EXPECT_EQ(preview.wholeText(), "one\r\n\r\ntwo\r\nthree\r\nfour");
    // A text that ends with a typed line separator already ends with a line break.
    preview.moveCursor(QTextCursor::End);
    QTest::keyClick(&preview, Qt::Key_Return, Qt::ShiftModifier);
    preview.appendLine("five");
    EXPECT_EQ(preview.wholeText(), "one\r\n\r\ntwo\r\nthree\r\nfour\r\nfive\r\n");
}

TEST(ScriptPreview, ProgramChangesAreNotUndoneByTheUser) {
    ScriptPreview preview(nullptr);
    preview.show();
    QTest::keyClicks(&preview, "typed");
    preview.appendLine("added");
    QTest::keyClick(&preview, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(preview.wholeText(), "typed\r\nadded");
    // The user's own edits stay undoable.
    preview.moveCursor(QTextCursor::End);
    QTest::keyClicks(&preview, "!");
    QTest::keyClick(&preview, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(preview.wholeText(), "typed\r\nadded");
    EXPECT_FALSE(preview.document()->isUndoAvailable());
}

}  // namespace
}  // namespace trellan

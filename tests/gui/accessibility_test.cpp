// Each window as a screen reader and a keyboard user meet it, through Qt's own
// accessibility interface: no desktop bus needed.

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "about/ui/form2.h"
#include "advanced/ui/form4.h"
#include "main_window/ui/form1.h"
#include "script/ui/form3.h"
#include "support/gui_support.h"

namespace trellan::testing {
namespace {

struct WindowCase {
    const char* name;
    QWidget* (*window)(const WindowSet&);
    // The enabled controls as the window first shows them, in reading order.
    std::vector<std::string> tabOrder;
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

// Walks the visible part of the window as a screen reader does, child by child down
// to the parts within controls: every part it may focus or edit, with the nearest
// such part it lies in (or none), and a description on every picture on the way.
struct Part {
    QAccessibleInterface* part;
    QAccessibleInterface* control;
};

void collectParts(QAccessibleInterface* node, QAccessibleInterface* control,
                  std::vector<Part>& parts) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (child == nullptr || child->state().invisible) continue;
        if (child->role() == QAccessible::Graphic) {
            EXPECT_FALSE(child->text(QAccessible::Description).isEmpty())
                << child->object()->objectName().toStdString() << " is not described";
        }
        const bool usable = child->state().focusable || child->state().editable;
        if (usable) parts.push_back({child, control});
        collectParts(child, usable ? child : control, parts);
    }
}

class WindowWalk : public GuiTest, public ::testing::WithParamInterface<WindowCase> {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        copySampleData();
        create();
        ASSERT_TRUE(platform_.boxes().empty()) << platform_.boxes().front().text.toStdString();
    }
};

TEST_P(WindowWalk, EveryControlHasItsOwnNameAndTabVisitsEachInReadingOrder) {
    QWidget* window = GetParam().window(windows_->set());
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));

    std::vector<Part> parts;
    collectParts(QAccessible::queryAccessibleInterface(window), nullptr, parts);
    std::map<QString, std::string> names;  // name -> the control that has it
    std::set<std::string> enabled;
    for (const auto& [part, control] : parts) {
        // A part within a control (a combo box's edit, a list's rows) is told by its own
        // name or its control's.
        const std::string object =
            (control != nullptr ? control : part)->object()->objectName().toStdString();
        const QString name = part->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty())
            << object << (control != nullptr ? "'s part" : "") << " has no name";
        if (control == nullptr && !part->state().disabled) enabled.insert(object);
        if (name.isEmpty() || (control != nullptr && name == control->text(QAccessible::Name)))
            continue;
        const auto [at, unique] = names.emplace(name, object);
        EXPECT_TRUE(unique) << object << " and " << at->second << " are both \""
                            << name.toStdString() << '"';
    }
    const std::vector<std::string>& expected = GetParam().tabOrder;
    EXPECT_EQ(enabled, std::set<std::string>(expected.begin(), expected.end()));

    // From the control the window starts in, one round of Tab and back to it.
    std::vector<std::string> visited;
    for (size_t i = 0; i <= expected.size(); ++i) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        visited.push_back(focused->objectName().toStdString());
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    std::vector<std::string> round = expected;
    round.push_back(expected.front());
    EXPECT_EQ(visited, round);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, WindowWalk,
    ::testing::Values(
        WindowCase{"main",
                   [](const WindowSet& set) -> QWidget* { return set.form1; },
                   {"Label11", "Panel6", "ListBox1", "ListBox2", "Label5", "Label6", "CameraOn",
                    "CameraOff", "Button2", "Button3"}},
        WindowCase{"about",
                   [](const WindowSet& set) -> QWidget* { return set.form2; },
                   {"Memo1", "Button1"}},
        WindowCase{
            "script_generator",
            [](const WindowSet& set) -> QWidget* { return set.form3; },
            {"Sms1",         "Button1",      "Sms2",        "Button2", "Sms3",     "Button3",
             "Sms4",         "Button4",      "Sms5",        "Button5", "Sms6",     "Button6",
             "RadioButton3", "RadioButton1", "CameraLabel", "Button7", "Button10", "Button12",
             "Button8",      "Button9",      "Memo1"}},
        WindowCase{
            "advanced",
            [](const WindowSet& set) -> QWidget* { return set.form4; },
            {"RadioButton1",  "RadioButton2",  "RadioButton3", "RadioButton5", "RadioButton4",
             "ComboBox1",     "LabeledEdit1",  "Button1",      "Button3",      "ComboBox2",
             "Button4",       "CheckBox1",     "Edit2",        "Edit6",        "CheckBox2",
             "Edit3",         "CheckBox3",     "Edit4",        "CheckBox4",    "Edit5",
             "CheckBox5",     "CheckBox6",     "Button8",      "RadioButton6", "RadioButton7",
             "LabeledEdit2",  "Button9",       "RadioButton8", "RadioButton9", "RadioButton11",
             "RadioButton10", "RadioButton12", "Edit7",        "Memo3",        "Memo1",
             "Button6",       "Button7"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace trellan::testing

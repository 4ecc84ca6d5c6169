#include "script/companion.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "support/test_files.h"

namespace trellan::script {
namespace {

TEST(Companion, IsTheFileOfTheSameNameWithTheCompanionsExtension) {
    QTemporaryDir dir;
    for (const char* name : {"a.mid", "a.amr", "RING.MID", "RING.amr", "noext", "noext.amr",
                             "x.lng", "x.t9", "lone.mid", "lone.lng", "a.t9.amr"}) {
        testing::writeFile(dir.path(), name, "x");
    }
    struct Case {
        const char* chosen;
        Companion companion;
        const char* found;  // nullptr: none
    };
    const Case cases[] = {
        {"a.mid", Companion::Amr, "a.amr"},     {"RING.MID", Companion::Amr, "RING.amr"},
        {"noext", Companion::Amr, "noext.amr"}, {"x.lng", Companion::T9, "x.t9"},
        {"lone.mid", Companion::Amr, nullptr},  {"lone.lng", Companion::T9, nullptr},
        {"a.mid", Companion::T9, nullptr},      {"a.t9.mid", Companion::Amr, "a.t9.amr"},
    };
    for (const Case& c : cases) {
        const std::optional<QString> found = findCompanion(dir.filePath(c.chosen), c.companion);
        EXPECT_EQ(found, c.found ? std::optional(dir.filePath(c.found)) : std::nullopt) << c.chosen;
    }
}

}  // namespace
}  // namespace trellan::script

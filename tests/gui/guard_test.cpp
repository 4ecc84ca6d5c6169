#include "common/ui/guard.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

#include "support/scripted_platform.h"

namespace trellan::testing {
namespace {

// Whatever a handler throws ends in the error box with a text a user can read.
TEST(Guard, EveryThrownFailureEndsInAReadableErrorBox) {
    const std::pair<std::function<void()>, QString> cases[] = {
        {[] { throw cannotOpen("x.cdt", "Not a regular file"); },
         "Cannot open file \"x.cdt\". Not a regular file."},
        {[] { throw std::bad_alloc(); }, "Not enough memory: the action was stopped."},
        {[] { throw std::runtime_error("broken"); }, "broken."},
        {[] { throw 7; }, "Unknown error."},
    };
    for (const auto& [handler, text] : cases) {
        ScriptedPlatform platform;
        runGuarded(platform, handler);
        ASSERT_EQ(platform.boxes().size(), 1u) << text.toStdString();
        EXPECT_EQ(platform.boxes().front().text, text);
        EXPECT_EQ(platform.boxes().front().icon, MessageIcon::Error);
    }
}

}  // namespace
}  // namespace trellan::testing

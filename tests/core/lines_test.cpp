#include "common/lines.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/failure.h"

namespace trellan {
namespace {

struct SplitCase {
    const char* name;
    QByteArray input;
    std::vector<QByteArray> lines;
    bool endsWithBreak;
};

class SplitLines : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLines, KeepsEveryLineByteForByte) {
    const SplitCase& c = GetParam();
    const Lines result = splitLines(c.input);
    EXPECT_EQ(result.lines, c.lines);
    EXPECT_EQ(result.endsWithBreak, c.endsWithBreak);
}

INSTANTIATE_TEST_SUITE_P(
    Breaks, SplitLines,
    ::testing::Values(SplitCase{"empty", "", {}, false},
                      SplitCase{"crlf", "a\r\nb\r\n", {"a", "b"}, true},
                      SplitCase{"lf", "a\nb", {"a", "b"}, false},
                      SplitCase{"cr", "a\rb\r", {"a", "b"}, true},
                      SplitCase{"mixed", "a\r\n\nb\r\rc", {"a", "", "b", "", "c"}, false},
                      SplitCase{"lfcr_is_two_breaks", "a\n\rb", {"a", "", "b"}, false},
                      SplitCase{"only_break", "\r\n", {""}, true},
                      SplitCase{"blanks_kept", " a \t\r\n\xf6#", {" a \t", "\xf6#"}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ErrorBoxText, AddsAFullStopOnlyAfterCharactersThatSortAfterIt) {
    const std::vector<std::pair<QString, QString>> cases = {
        {"Cannot open file \"x\". No such file or directory",
         "Cannot open file \"x\". No such file or directory."},
        {"ends in digit 7", "ends in digit 7."},
        {"ends with bang!", "ends with bang!"},
        {"ends with stop.", "ends with stop."},
        {"(closing parenthesis)", "(closing parenthesis)"},
        {"", ""},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(errorBoxText(in), out) << in.toStdString();
    }
}

}  // namespace
}  // namespace trellan

#include "common/box_text.h"

#include <gtest/gtest.h>

#include <string>

namespace trellan {
namespace {

const QString kCut = QStringLiteral("\u2026");
const QString kPair = QStringLiteral("\U0001F600");  // two UTF-16 units

QString run(qsizetype count, char c) { return QString(count, QLatin1Char(c)); }

struct ShortenCase {
    const char* name;
    QString text;
    QString expected;
};

class BoxTextTest : public ::testing::TestWithParam<ShortenCase> {};

TEST_P(BoxTextTest, CutsLongLinesInTheMiddle) {
    EXPECT_EQ(shortenedForBox(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BoxTextTest,
    ::testing::Values(
        ShortenCase{"a_thousand_kept", run(1000, 'a'), run(1000, 'a')},
        ShortenCase{"one_more_cut", run(600, 'a') + run(401, 'b'),
                    run(500, 'a') + kCut + run(98, 'a') + run(401, 'b')},
        ShortenCase{"each_line_alone", "open \"" + run(1000000, 'n') + "\".\nok\n" + run(1001, 'c'),
                    "open \"" + run(494, 'n') + kCut + run(497, 'n') + "\".\nok\n" + run(500, 'c') +
                        kCut + run(499, 'c')},
        ShortenCase{"pair_kept_whole_at_the_head", run(499, 'a') + kPair + run(600, 'b'),
                    run(499, 'a') + kCut + run(499, 'b')},
        ShortenCase{"pair_kept_whole_at_the_tail", run(600, 'a') + kPair + run(498, 'b'),
                    run(500, 'a') + kCut + run(498, 'b')}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace trellan

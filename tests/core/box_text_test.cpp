#include "common/box_text.h"

#include <gtest/gtest.h>

#include <string>

namespace trellan {
namespace {

const QString kEllipsis = QStringLiteral("\u2026");
const QString kSmile = QStringLiteral("\U0001F600");  // a surrogate pair

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
        ShortenCase{"markup_as_it_is", "Model \"<b>K750</b>\" & <img src=\"/x\">",
                    "Model \"<b>K750</b>\" & <img src=\"/x\">"},
        ShortenCase{"a_thousand_kept", run(1000, 'a'), run(1000, 'a')},
        ShortenCase{"one_more_cut", run(600, 'a') + run(401, 'b'),
                    run(500, 'a') + kEllipsis + run(98, 'a') + run(401, 'b')},
        ShortenCase{"each_line_alone",
                    "Cannot open file \"" + run(1000000, 'n') + "\".\nshort\n" + run(1001, 'c'),
                    "Cannot open file \"" + run(482, 'n') + kEllipsis + run(497, 'n') +
                        "\".\nshort\n" + run(500, 'c') + kEllipsis + run(499, 'c')},
        ShortenCase{"pair_at_the_head_cut", run(499, 'a') + kSmile + run(600, 'b'),
                    run(499, 'a') + kEllipsis + run(499, 'b')},
        ShortenCase{"pair_at_the_tail_cut", run(600, 'a') + kSmile + run(498, 'b'),
                    run(500, 'a') + kEllipsis + run(498, 'b')}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace trellan

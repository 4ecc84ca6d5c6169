#include <gtest/gtest.h>

#include "advanced/gdfs_options.h"

namespace trellan::advanced {
namespace {

TEST(BandLock, NamesAreTheOddLinesUpToAnOddHash) {
    const std::vector<std::pair<QStringList, QStringList>> cases = {
        {{"01", "A", "02", "B", "-", "#"}, {"A", "B"}},
        {{"01", "A", "#", "B", "-", "#", "x", "C"}, {"A", "B"}},  // "#" as data
        {{"01", "A", "02", "B"}, {"A", "B"}},                     // no end mark
        {{"01", "#"}, {}},
        {{}, {}},
    };
    for (const auto& [catalogue, names] : cases) {
        EXPECT_EQ(bandLockNames(catalogue), names) << catalogue.join(',').toStdString();
    }
}

TEST(BandLock, LookupTakesTheLineAboveTheFirstMatch) {
    using R = BandLockLookup::Result;
    const QStringList catalogue = {"01", "A", "02", "B", "03", "A", "-", "#"};
    EXPECT_EQ(findBandLock(catalogue, "B").data, "02");
    EXPECT_EQ(findBandLock(catalogue, "A").data, "01");  // the first of two equal names
    for (const char* unknown : {"C", "02", "#", ""}) {
        EXPECT_EQ(findBandLock(catalogue, unknown).result, R::UnknownName) << unknown;
    }
    EXPECT_EQ(findBandLock({"A", "A", "-", "#"}, "A").result, R::NoDataLine);
    // The search runs over data lines too.
    EXPECT_EQ(findBandLock({"X", "B", "A", "A"}, "A").data, "B");
}

}  // namespace
}  // namespace trellan::advanced

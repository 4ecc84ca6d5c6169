#include "common/short_path.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <vector>

namespace trellan {
namespace {

constexpr int kCharWidth = 6;

int fixedWidth(const QString& text) { return int(text.size()) * kCharWidth; }

struct ShortCase {
    const char* name;
    QString path;
    int maxChars;
    QString expected;
    PathStyle style = PathStyle::Windows;
};

class ShortenedPath : public ::testing::TestWithParam<ShortCase> {};

TEST_P(ShortenedPath, FollowsTheCuttingRules) {
    const ShortCase& c = GetParam();
    EXPECT_EQ(shortenedPath(c.path, c.maxChars * kCharWidth, fixedWidth, c.style), c.expected);
}

const QString kAlert = QStringLiteral("C:\\Users\\me\\sounds\\alert.mid");  // 28 characters

INSTANTIATE_TEST_SUITE_P(
    Cases, ShortenedPath,
    ::testing::Values(
        ShortCase{"fits_unchanged", kAlert, 28, kAlert},
        ShortCase{"cuts_first_directory", kAlert, 27, "C:\\...\\me\\sounds\\alert.mid"},
        ShortCase{"cuts_until_it_fits", kAlert, 25, "C:\\...\\sounds\\alert.mid"},
        ShortCase{"ellipsis_alone_keeps_drive_while_it_fits", kAlert, 16, "C:\\...\\alert.mid"},
        ShortCase{"ellipsis_alone_drops_drive", kAlert, 15, "...\\alert.mid"},
        ShortCase{"cuts_the_ellipsis_last", kAlert, 12, "alert.mid"},
        ShortCase{"file_name_always_whole", kAlert, 1, "alert.mid"},
        ShortCase{"root_only_loses_its_separator", "C:\\alert.mid", 11, "C:alert.mid"},
        ShortCase{"then_drops_the_drive", "C:\\alert.mid", 10, "alert.mid"},
        ShortCase{"drive_without_directory", "C:alert.mid", 10, "alert.mid"},
        ShortCase{"part_beginning_with_dot_loses_four_characters", "C:\\.ab\\c\\d\\alert.mid", 19,
                  "C:\\...\\d\\alert.mid"},
        ShortCase{"relative_directory", "sounds\\x\\alert.mid", 17, "...\\x\\alert.mid"},
        ShortCase{"network_path", "\\\\srv\\share\\a.mid", 15, "\\...\\a.mid"},
        ShortCase{"windows_cuts_at_slashes_too", "C:/Users/me\\alert.mid", 20,
                  "C:/...\\me\\alert.mid"},
        ShortCase{"name_alone_too_wide", "verylongname.mid", 3, "verylongname.mid"},
        ShortCase{"posix_cuts_with_slashes", "/home/me/sounds/alert.mid", 24,
                  "/.../me/sounds/alert.mid", PathStyle::Posix},
        ShortCase{"posix_has_no_drive", "C:/sounds/alert.mid", 10, "alert.mid", PathStyle::Posix}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShortenedPathMeasure, MeasuresEveryCandidateWithTheGivenFunction) {
    QStringList measured;
    const auto width = [&measured](const QString& text) {
        measured << text;
        return text.size() > 20 ? 1000 : 0;
    };
    EXPECT_EQ(shortenedPath(kAlert, 500, width, PathStyle::Windows), "C:\\...\\alert.mid");
    EXPECT_EQ(measured, QStringList({kAlert, "C:\\...\\me\\sounds\\alert.mid",
                                     "C:\\...\\sounds\\alert.mid", "C:\\...\\alert.mid"}));
}

TEST(CutFirstDirectory, RemovesOneDirectoryAndMarksTheCut) {
    const std::vector<std::pair<QString, QString>> cases = {
        {"\\", ""},
        {"\\a\\b\\", "\\...\\b\\"},
        {"\\...\\b\\", "\\...\\"},
        {"a\\b\\", "...\\b\\"},
        {"a\\", "...\\"},
        {"...\\", ""},
        {"\\a", "\\"},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(cutFirstDirectory(in, PathStyle::Windows), out) << in.toStdString();
    }
}

}  // namespace
}  // namespace trellan

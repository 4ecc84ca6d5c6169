// The pictures compiled into the program: each must decode with libjpeg at the
// size its place in the windows has, with a double-size source for scaled
// screens, and a damaged one must not bring the program down.

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QPixmap>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <ostream>
#include <set>
#include <string>

#include "common/jpeg.h"
#include "common/ui/jpeg_picture.h"
#include "support/test_files.h"

namespace trellan {
namespace {

struct Asset {
    const char* name;
    int width;
    int height;
};

const Asset kAssets[] = {
    {"logo.jpg", 225, 57},       {"k750.jpg", 105, 169}, {"k700.jpg", 105, 169},
    {"k500.jpg", 105, 169},      {"s700.jpg", 105, 169}, {"v800.jpg", 105, 169},
    {"z1010.jpg", 105, 169},     {"z800.jpg", 105, 169}, {"noimage.jpg", 105, 169},
    {"cam.jpg", 28, 25},         {"cam_on.jpg", 28, 25}, {"cam_off.jpg", 28, 25},
    {"cam_replace.jpg", 28, 25},
};

void PrintTo(const Asset& asset, std::ostream* os) { *os << asset.name; }

QString resource(const char* name) { return QStringLiteral(":/assets/") + name; }

// "k750.jpg" -> "k750@2x.jpg", the source for screens scaled to 200%.
std::string doubleSizeName(const char* name) {
    return QByteArray(name).replace(".jpg", "@2x.jpg").toStdString();
}

class AssetPicture : public ::testing::TestWithParam<Asset> {};

TEST_P(AssetPicture, DecodesAtItsSizeAndShowsSomething) {
    const Asset& asset = GetParam();
    const auto decoded = decodeJpeg(testing::readFile(resource(asset.name)));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->width, asset.width);
    EXPECT_EQ(decoded->height, asset.height);
    ASSERT_EQ(decoded->rgb.size(), size_t(asset.width) * size_t(asset.height) * 3);

    // A flat placeholder is no picture: ask for both light and dark pixels.
    int darkest = 255 * 3;
    int lightest = 0;
    for (size_t i = 0; i < decoded->rgb.size(); i += 3) {
        const int sum = decoded->rgb[i] + decoded->rgb[i + 1] + decoded->rgb[i + 2];
        darkest = std::min(darkest, sum);
        lightest = std::max(lightest, sum);
    }
    EXPECT_GT(lightest - darkest, 300) << "picture is nearly flat";

    // The windows show it through the pixmap loader.
    EXPECT_EQ(loadJpegPixmap(resource(asset.name)).size(), QSize(asset.width, asset.height));

    // Its double-size source is the same picture: boxed down, it stays close to this one.
    const std::string doubled = doubleSizeName(asset.name);
    const auto large = decodeJpeg(testing::readFile(resource(doubled.c_str())));
    ASSERT_TRUE(large.has_value());
    ASSERT_EQ(large->width, asset.width * 2);
    ASSERT_EQ(large->height, asset.height * 2);
    long difference = 0;
    for (int y = 0; y < asset.height; ++y) {
        for (int x = 0; x < asset.width; ++x) {
            for (int c = 0; c < 3; ++c) {
                int sum = 0;
                for (int dy = 0; dy < 2; ++dy) {
                    for (int dx = 0; dx < 2; ++dx) {
                        sum +=
                            large->rgb[(size_t((2 * y + dy) * large->width + 2 * x + dx)) * 3 + c];
                    }
                }
                difference +=
                    std::abs(sum / 4 - decoded->rgb[(size_t(y * asset.width + x)) * 3 + c]);
            }
        }
    }
    EXPECT_LT(difference / (asset.width * asset.height * 3), 8)
        << doubled << " shows another picture";

    // Scaled screens draw it in the same place, at a pixel ratio of 2.
    const QPixmap sharp = loadJpegPixmap(resource(asset.name), 2.0);
    EXPECT_EQ(sharp.size(), QSize(asset.width * 2, asset.height * 2));
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(asset.width, asset.height));
}

INSTANTIATE_TEST_SUITE_P(Shipped, AssetPicture, ::testing::ValuesIn(kAssets), [](const auto& info) {
    return QByteArray(info.param.name).replace('.', '_').toStdString();
});

TEST(AssetResources, HoldExactlyTheShippedPicturesEachDifferent) {
    std::set<std::string> expected;
    for (const Asset& asset : kAssets) {
        expected.insert(asset.name);
        expected.insert(doubleSizeName(asset.name));
    }
    std::set<std::string> found;
    std::map<QByteArray, std::string> byContent;
    QDirIterator it(QStringLiteral(":/assets"));
    while (it.hasNext()) {
        const QString path = it.next();
        found.insert(it.fileName().toStdString());
        // A picture copied over another would show the wrong phone.
        const auto [at, inserted] =
            byContent.emplace(testing::readFile(path), it.fileName().toStdString());
        EXPECT_TRUE(inserted) << it.fileName().toStdString() << " repeats " << at->second;
    }
    EXPECT_EQ(found, expected);
}

struct Damage {
    const char* name;
    QByteArray (*apply)(const QByteArray&);
};

const Damage kDamage[] = {
    {"empty", [](const QByteArray&) { return QByteArray(); }},
    {"not_a_jpeg", [](const QByteArray&) { return QByteArray("GIF89a not a jpeg at all"); }},
    {"marker_only", [](const QByteArray& b) { return b.left(2); }},
    {"cut_in_header", [](const QByteArray& b) { return b.left(120); }},
    {"cut_in_scan", [](const QByteArray& b) { return b.left(b.size() / 2); }},
    {"end_marker_missing", [](const QByteArray& b) { return b.left(b.size() - 2); }},
    {"scan_overwritten",
     [](const QByteArray& b) {
         QByteArray damaged = b;
         // Past the headers, a run of marker bytes that cannot stand in entropy data.
         for (qsizetype i = b.size() / 2; i < b.size() / 2 + 64; ++i) damaged[i] = '\xff';
         return damaged;
     }},
};

void PrintTo(const Damage& damage, std::ostream* os) { *os << damage.name; }

class DamagedJpeg : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedJpeg, GivesNoPictureAndNoCrash) {
    const QByteArray good = testing::readFile(resource("k750.jpg"));
    ASSERT_TRUE(decodeJpeg(good).has_value());
    EXPECT_FALSE(decodeJpeg(GetParam().apply(good)).has_value());
}

INSTANTIATE_TEST_SUITE_P(Kinds, DamagedJpeg, ::testing::ValuesIn(kDamage),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace trellan

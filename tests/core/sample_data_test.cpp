// The sample data shipped in data/ must be something the program can use as it
// stands: a broken sample is the first thing a new user would run into.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QRegularExpression>
#include <cctype>
#include <cstring>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "common/file_io.h"
#include "common/lines.h"

namespace trellan {
namespace {

QString samplePath(const QString& relative) {
    return QDir(QStringLiteral(TRELLAN_DATA_DIR)).filePath(relative);
}

std::string str(const QByteArray& bytes) { return bytes.toStdString(); }

// Windows files: plain ASCII, every line ended by CR LF, the last one too.
void expectWindowsText(const QByteArray& bytes, const QString& name) {
    SCOPED_TRACE(name.toStdString());
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        ASSERT_LT(c, 0x80) << "non-ASCII byte at " << i;
        if (c == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at " << i;
        } else if (c == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
        } else {
            ASSERT_GE(c, 0x20) << "control byte at " << i;
        }
    }
}

std::vector<QByteArray> readSample(const QString& relative) {
    const QByteArray bytes = readWholeFile(samplePath(relative));
    expectWindowsText(bytes, relative);
    return splitLines(bytes).lines;
}

std::vector<QByteArray> models() { return readSample(QStringLiteral("cda/models.cdt")); }

TEST(SampleModels, ListsThePicturedModelsAndSomeWithoutPicture) {
    const std::vector<QByteArray> list = models();
    const std::set<QByteArray> names(list.begin(), list.end());
    EXPECT_EQ(names.size(), list.size()) << "a model is listed twice";
    for (const char* name : {"K750i", "K700i", "K500i", "S700i", "V800", "Z1010", "Z800i"}) {
        EXPECT_TRUE(names.count(name)) << name;
    }
    for (const QByteArray& name : list) {
        EXPECT_FALSE(name.isEmpty());
        EXPECT_EQ(name.trimmed(), name) << "blanks would end up in the file name";
    }
    EXPECT_TRUE(names.count("W800i") || names.count("K600i")) << "no model without a picture";
}

class VariantCatalogue : public ::testing::TestWithParam<std::string> {};

TEST_P(VariantCatalogue, HasSevenLineEntriesEndedByTheMarker) {
    const QByteArray model = QByteArray::fromStdString(GetParam());
    const std::vector<QByteArray> lines =
        readSample(QStringLiteral("cda/%1.cdt").arg(QString::fromLatin1(model)));

    // The listing walks 0, 7, 14, ... until a "#": it must be at 7n with n >= 1 and
    // nothing may follow it, since the program never reads past it.
    ASSERT_GE(lines.size(), 8u);
    ASSERT_EQ(lines.size() % 7, 1u) << "the marker is not at a multiple of seven";
    EXPECT_EQ(lines.back(), "#");
    const size_t entries = lines.size() / 7;
    EXPECT_GE(entries, 3u);
    EXPECT_LE(entries, 6u);

    static const QRegularExpression cda(QStringLiteral("^CDA102\\d{4}$"));
    static const QRegularExpression revision(QStringLiteral("^R\\d[A-Z]$"));
    std::set<QByteArray> fsNames;
    for (size_t k = 0; k < entries; ++k) {
        const size_t at = 7 * k;
        const QByteArray& fs = lines[at];
        SCOPED_TRACE("entry " + std::to_string(k) + " " + str(fs));
        EXPECT_NE(fs, "#") << "an entry named # would end the list early";
        EXPECT_FALSE(fs.isEmpty());
        EXPECT_TRUE(fsNames.insert(fs).second) << "duplicate file-system name";
        // An entry is found again by the first line equal to its name.
        for (size_t i = 0; i < at; ++i) {
            EXPECT_NE(lines[i], fs) << "earlier line " << i << " would be taken instead";
        }
        for (size_t field = 1; field <= 5; ++field) {
            EXPECT_FALSE(lines[at + field].isEmpty()) << "field " << field;
        }
        EXPECT_TRUE(cda.match(QString::fromLatin1(lines[at + 3])).hasMatch()) << str(lines[at + 3]);
        EXPECT_TRUE(revision.match(QString::fromLatin1(lines[at + 4])).hasMatch())
            << str(lines[at + 4]);
    }
}

std::vector<std::string> modelNames() {
    std::vector<std::string> names;
    // A missing models.cdt shows as no instantiation; ListsThePicturedModels... reports it.
    try {
        for (const QByteArray& name :
             splitLines(readWholeFile(samplePath("cda/models.cdt"))).lines) {
            names.push_back(name.toStdString());
        }
    } catch (const std::exception&) {
    }
    return names;
}

INSTANTIATE_TEST_SUITE_P(EveryListedModel, VariantCatalogue, ::testing::ValuesIn(modelNames()),
                         [](const auto& info) {
                             // Any model name must make a valid, unique test name.
                             std::string name = std::to_string(info.index) + "_" + info.param;
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             }
                             return name;
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(VariantCatalogue);

TEST(SampleTemplate, HoldsTheWrittenElementsAtTheirPositions) {
    const std::vector<QByteArray> lines =
        readSample(QStringLiteral("tpa/preset/custom/customize.xml"));
    ASSERT_GT(lines.size(), 72u);
    const std::vector<std::pair<size_t, QByteArray>> elements = {
        {6, "cda-number"}, {7, "cda-revision"}, {8, "model"},
        {9, "country"},    {10, "operator"},    {11, "language-variant-name"},
    };
    for (const auto& [at, tag] : elements) {
        const QByteArray& line = lines[at];
        EXPECT_TRUE(line.startsWith("      <" + tag + ">")) << at << ": " << str(line);
        EXPECT_TRUE(line.endsWith("</" + tag + ">")) << at << ": " << str(line);
    }
    EXPECT_EQ(lines[71], "        <suppress-camera-sound>true</suppress-camera-sound>");
    // Nowhere else: a second copy would silently keep its old value.
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i != 71) {
            EXPECT_FALSE(lines[i].contains("suppress-camera-sound")) << i;
        }
        if (i < 6 || i > 11) {
            for (const auto& [at, tag] : elements) {
                EXPECT_FALSE(lines[i].contains("<" + tag + ">")) << i << ": " << str(tag);
            }
        }
    }
}

TEST(SampleBandLocks, PairsDataAndNamesUpToTheMarkerOnAnOddLine) {
    const std::vector<QByteArray> lines = readSample(QStringLiteral("cda/bandlock.cdt"));
    size_t marker = 0;
    for (size_t i = 1; i < lines.size(); i += 2) {
        if (lines[i] == "#") {
            marker = i;
            break;
        }
    }
    ASSERT_NE(marker, 0u) << "no # on an odd line";
    ASSERT_GE(marker, 3u) << "no entry before the marker";
    static const QRegularExpression hex(QStringLiteral("^([0-9A-F]{2})+$"));
    std::set<QByteArray> names;
    for (size_t i = 0; i + 1 < marker; i += 2) {
        EXPECT_TRUE(hex.match(QString::fromLatin1(lines[i])).hasMatch())
            << i << ": " << str(lines[i]);
        // Add looks the name up over all lines: it must be unique and no data line.
        EXPECT_FALSE(lines[i + 1].isEmpty());
        EXPECT_TRUE(names.insert(lines[i + 1]).second) << str(lines[i + 1]);
        for (size_t j = 0; j < i + 1; ++j) {
            EXPECT_NE(lines[j], lines[i + 1]) << "line " << j << " would be found first";
        }
    }
}

struct NameListCase {
    const char* file;
    const char* extension;
};

void PrintTo(const NameListCase& c, std::ostream* os) { *os << c.file; }

class SampleNameList : public ::testing::TestWithParam<NameListCase> {};

TEST_P(SampleNameList, NamesPhoneFilesOfTheRequiredKind) {
    const NameListCase& c = GetParam();
    const std::vector<QByteArray> names = readSample(QStringLiteral("cda/") + c.file);
    ASSERT_FALSE(names.empty());
    std::set<QByteArray> seen;
    for (const QByteArray& name : names) {
        // The first entry's extension is required for all; the others should agree.
        EXPECT_TRUE(name.endsWith(c.extension)) << str(name);
        EXPECT_GT(name.size(), qsizetype(std::strlen(c.extension))) << str(name);
        EXPECT_EQ(name.trimmed(), name) << "blanks would be part of the phone path";
        EXPECT_FALSE(name.contains('/') || name.contains('\\')) << str(name);
        EXPECT_TRUE(seen.insert(name).second) << str(name);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, SampleNameList,
    ::testing::Values(NameListCase{"sound.cdt", ".mid"}, NameListCase{"clipart.cdt", ".png"},
                      NameListCase{"frames.cdt", ".png"}, NameListCase{"funlayer.cdt", ".png"}),
    [](const auto& info) { return QByteArray(info.param.file).replace('.', '_').toStdString(); });

}  // namespace
}  // namespace trellan

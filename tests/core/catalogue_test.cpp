#include "main_window/catalogue.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <utility>
#include <vector>

#include "common/failure.h"
#include "main_window/picture_table.h"
#include "support/test_files.h"

namespace trellan {

// Readable failures for the entry comparisons below.
void PrintTo(const FileSystemEntry& e, std::ostream* os) {
    *os << e.fileSystem.toStdString() << '|' << e.country.toStdString() << '|'
        << e.operatorName.toStdString() << '|' << e.cdaNumber.toStdString() << '|'
        << e.revision.toStdString() << '|' << e.languages.toStdString();
}

namespace {

using Names = std::vector<QByteArray>;

Names linesOf(const CatalogueLines& lines) {
    Names all;
    for (qsizetype i = 0; i < lines.size(); ++i) all.push_back(lines.at(i).toByteArray());
    return all;
}

Names listedNames(const CatalogueLines& lines) {
    Names names;
    for (qsizetype line : fileSystemLines(lines)) names.push_back(lines.at(line).toByteArray());
    return names;
}

struct SplitCase {
    const char* name;
    QByteArray bytes;
    Names lines;
};

class CatalogueSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(CatalogueSplit, KeepsEveryLineByteForByte) {
    const CatalogueLines lines(GetParam().bytes);
    EXPECT_EQ(linesOf(lines), GetParam().lines);
    EXPECT_TRUE(lines.at(lines.size()).isEmpty());
    EXPECT_TRUE(lines.at(-1).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Breaks, CatalogueSplit,
    ::testing::Values(SplitCase{"empty", "", {}}, SplitCase{"only_break", "\r\n", {""}},
                      SplitCase{"mixed", "a\r\n\nb\r\rc", {"a", "", "b", "", "c"}},
                      SplitCase{"lf_cr_is_two_breaks", "a\n\rb\r", {"a", "", "b"}},
                      SplitCase{"cr_at_the_very_end", "a\r", {"a"}},
                      SplitCase{"bytes_kept_nul_too",
                                QByteArray(" a\t\xf6\0#\r\n", 8),
                                {QByteArray(" a\t\xf6\0#", 6)}}),
    [](const auto& info) { return std::string(info.param.name); });

// A data folder with real catalogue files in it.
class CatalogueFiles : public ::testing::Test {
protected:
    void write(const QString& relative, const QByteArray& bytes) {
        testing::writeFile(dir_.path(), relative, bytes);
    }
    QString dataFolder() const { return dir_.path(); }

    QTemporaryDir dir_;
};

// Seven lines per entry; `fs` is line 0 and the other lines are derived from it.
QByteArray entry(const QByteArray& fs, const char* breakBytes = "\r\n") {
    QByteArray bytes;
    for (const char* suffix : {"", " country", " operator", " cda", " rev", " languages", " -"}) {
        bytes += fs + suffix + breakBytes;
    }
    return bytes;
}

struct ModelCase {
    const char* name;
    QByteArray file;
    Names models;
};

class ModelCatalogue : public CatalogueFiles, public ::testing::WithParamInterface<ModelCase> {};

TEST_P(ModelCatalogue, ListsEveryLineVerbatim) {
    write(QStringLiteral("cda/models.cdt"), GetParam().file);
    EXPECT_EQ(linesOf(readModelCatalogue(dataFolder())), GetParam().models);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ModelCatalogue,
    ::testing::Values(
        ModelCase{"crlf_trailing_break_adds_nothing", "K750\r\nK700i\r\n", {"K750", "K700i"}},
        ModelCase{"lf_no_trailing_break", "K750\nK700i", {"K750", "K700i"}},
        ModelCase{"cr_only", "K750\rK700i\r", {"K750", "K700i"}},
        ModelCase{"empty_line_is_an_entry", "K750\r\n\r\nZ800\r\n", {"K750", "", "Z800"}},
        ModelCase{"blanks_case_and_hash_kept", " k750 \r\n#\r\n", {" k750 ", "#"}},
        ModelCase{"empty_file", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CatalogueFiles, MissingModelCatalogueFailsWithItsAbsolutePath) {
    const QString path = QDir::toNativeSeparators(dataFolder() + QStringLiteral("/cda/models.cdt"));
    try {
        readModelCatalogue(dataFolder());
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.text().toStdString(), QStringLiteral("Cannot open file \"%1\". %2")
                                                    .arg(path, testing::notFoundReason(path))
                                                    .toStdString());
    }
}

TEST_F(CatalogueFiles, VariantCatalogueIsFoundByTheModelNameUnchanged) {
    write(QStringLiteral("cda/k750.cdt"), "lower\n");
    EXPECT_EQ(linesOf(readVariantCatalogue(dataFolder(), "k750")), Names{"lower"});
#ifdef Q_OS_WIN
    // Windows finds a file whatever the case of its name.
    EXPECT_EQ(linesOf(readVariantCatalogue(dataFolder(), "K750")), Names{"lower"});
#else
    EXPECT_THROW(readVariantCatalogue(dataFolder(), "K750"), Failure);
#endif
}

// Names whose catalogue cannot be a plain file inside cda/, on Windows as elsewhere.
TEST(ModelNames, OnlyPlainFileNamesNameACatalogue) {
    const std::vector<std::pair<std::string, std::vector<QByteArray>>> faults = {
        {"",
         {"K750", " K750 i", ".K750", "K750.cdt", "CONSOLE", "NULL", "COM10", "LPT", "CON_1",
          "K750 \xC3\xA9"}},
        {"it is empty", {""}},
        {"it names a folder", {".", ".."}},
        {"it holds a NUL character", {QByteArrayLiteral("K7\00050")}},
        {"it holds a control character", {"K750\t", "\x1f"}},
        {"it ends in a dot", {"K750.", "..."}},
        {"it ends in a blank", {"K750 "}},
        {"on Windows it names the device CON", {"CON", "Con.cdt"}},
        {"on Windows it names the device NUL", {"nul"}},
        {"on Windows it names the device AUX", {"AUX .x.y"}},
        {"on Windows it names the device COM1", {"com1"}},
        {"on Windows it names the device LPT0", {"Lpt0.K750"}},
        {"on Windows it names the device COM\u00B2",
         {QFile::encodeName(QStringLiteral("com\u00B2"))}},
    };
    for (const auto& [fault, models] : faults) {
        for (const QByteArray& model : models) {
            EXPECT_EQ(modelNameFault(model).toStdString(), fault) << model.toStdString();
        }
    }
    for (const char c : {'/', '\\', ':', '<', '>', '"', '|', '?', '*'}) {
        EXPECT_EQ(modelNameFault(QByteArray("K7") + c + "50").toStdString(),
                  std::string("it holds \"") + c + '"');
    }
}

struct ListingCase {
    const char* name;
    QByteArray file;
    Names listed;
};

class VariantListing : public CatalogueFiles, public ::testing::WithParamInterface<ListingCase> {};

TEST_P(VariantListing, ListsEveryEntryUpToTheMarker) {
    write(QStringLiteral("cda/K750.cdt"), GetParam().file);
    EXPECT_EQ(listedNames(readVariantCatalogue(dataFolder(), "K750")), GetParam().listed);
}

INSTANTIATE_TEST_SUITE_P(
    Files, VariantListing,
    ::testing::Values(
        ListingCase{"one_entry", entry("A") + "#\r\n", {"A"}},
        ListingCase{"two_entries_lf", entry("A", "\n") + entry("B", "\n") + "#\n", {"A", "B"}},
        ListingCase{
            "two_entries_cr_no_final_break", entry("A", "\r") + entry("B", "\r") + "#", {"A", "B"}},
        ListingCase{"hash_inside_an_entry_is_a_value",
                    "A\r\nc\r\no\r\n#\r\nr\r\nl\r\n#\r\n" + entry("B") + "#\r\n",
                    {"A", "B"}},
        ListingCase{"line_zero_is_not_tested", entry("#") + "#\r\n", {"#"}},
        ListingCase{
            "lines_after_the_marker_are_never_read", entry("A") + "#\r\n" + entry("B"), {"A"}},
        ListingCase{"marker_must_be_exact",
                    entry("A") + entry("# ") + entry("#A") + "#\r\n",
                    {"A", "# ", "#A"}},
        ListingCase{"no_marker_ends_at_the_last_line", entry("A") + entry("B"), {"A", "B"}},
        ListingCase{"no_marker_short_last_entry", entry("A") + "B\r\ncountry\r\n", {"A", "B"}},
        ListingCase{"duplicate_names_both_listed", entry("A") + entry("A") + "#\r\n", {"A", "A"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct FindCase {
    const char* name;
    Names lines;
    QByteArray chosen;
    std::optional<FileSystemEntry> found;
};

class FindEntry : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindEntry, TakesTheFirstEqualLineAndTheFiveAfterIt) {
    QByteArray file;
    for (const QByteArray& line : GetParam().lines) file += line + "\n";
    EXPECT_EQ(findFileSystemEntry(CatalogueLines(file), GetParam().chosen), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FindEntry,
    ::testing::Values(
        FindCase{
            "second_entry",
            {"A", "a1", "a2", "a3", "a4", "a5", "a6", "B", "b1", "b2", "b3", "b4", "b5", "b6", "#"},
            "B",
            FileSystemEntry{"B", "b1", "b2", "b3", "b4", "b5"}},
        FindCase{"duplicate_name_shows_the_first",
                 {"A", "a1", "a2", "a3", "a4", "a5", "a6", "A", "x1", "x2", "x3", "x4", "x5", "x6"},
                 "A",
                 FileSystemEntry{"A", "a1", "a2", "a3", "a4", "a5"}},
        FindCase{"country_equal_to_a_later_name_wins",
                 {"A", "B", "a2", "a3", "a4", "a5", "a6", "B", "b1", "b2", "b3", "b4", "b5", "b6"},
                 "B",
                 FileSystemEntry{"B", "a2", "a3", "a4", "a5", "a6"}},
        FindCase{"fields_past_the_end_are_empty",
                 {"A", "a1", "a2", "a3", "a4", "a5", "a6", "B", "b1"},
                 "B",
                 FileSystemEntry{"B", "b1", "", "", "", ""}},
        FindCase{"case_sensitive", {"a", "1", "2", "3", "4", "5", "6"}, "A", std::nullopt},
        FindCase{"whole_line_only", {"AB", "1", "2", "3", "4", "5", "6"}, "A", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PictureTable, MapsWholeCaseSensitiveNames) {
    const std::vector<std::pair<QByteArray, PhonePicture>> cases = {
        {"K700i", PhonePicture::K700},    {"K700", PhonePicture::K700},
        {"K700c", PhonePicture::K700},    {"K500", PhonePicture::K500},
        {"K500i", PhonePicture::K500},    {"F500", PhonePicture::K500},
        {"F500i", PhonePicture::K500},    {"S700i", PhonePicture::S700},
        {"S700", PhonePicture::S700},     {"V800", PhonePicture::V800},
        {"V802", PhonePicture::V800},     {"V802SE", PhonePicture::V800},
        {"Z800i", PhonePicture::Z800},    {"Z800", PhonePicture::Z800},
        {"Z1010", PhonePicture::Z1010},   {"K750", PhonePicture::K750},
        {"K750i", PhonePicture::K750},    {"k750", PhonePicture::NoImage},
        {"K750 ", PhonePicture::NoImage}, {"K75", PhonePicture::NoImage},
        {"V800i", PhonePicture::NoImage}, {"", PhonePicture::NoImage},
    };
    for (const auto& [model, picture] : cases) {
        EXPECT_EQ(pictureForModel(model), picture) << model.toStdString();
    }
}

}  // namespace
}  // namespace trellan

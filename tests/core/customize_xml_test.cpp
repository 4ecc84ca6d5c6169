#include "main_window/customize_xml.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <map>
#include <vector>

#include "common/failure.h"
#include "common/file_io.h"
#include "common/lines.h"
#include "support/test_files.h"

namespace trellan {
namespace {

using Setting = CustomizeSetting;

// Template lines that differ from each other and hold bytes an escaper would touch.
QByteArray templateLine(int i) {
    return "  <item n=\"" + QByteArray::number(i) + "\">\xf6 & \t</item> ";
}

QByteArray templateFile(int lineCount, const char* breakBytes, bool finalBreak) {
    QByteArray bytes;
    for (int i = 0; i < lineCount; ++i) {
        if (i > 0) bytes += breakBytes;
        bytes += templateLine(i);
    }
    if (finalBreak && lineCount > 0) bytes += breakBytes;
    return bytes;
}

const CustomizeValues kValues{"CDA102345/22", "R1A",          "K750", "Germany",
                              "T-Mobile",     "K750 Generic", false};

const std::map<int, QByteArray> kAllLines = {
    {6, "      <cda-number>CDA102345/22</cda-number>"},
    {7, "      <cda-revision>R1A</cda-revision>"},
    {8, "      <model>K750</model>"},
    {9, "      <country>Germany</country>"},
    {10, "      <operator>T-Mobile</operator>"},
    {11, "      <language-variant-name>K750 Generic</language-variant-name>"},
    {71, "        <suppress-camera-sound>true</suppress-camera-sound>"},
};

std::map<int, QByteArray> linesUpTo(int last) {
    std::map<int, QByteArray> lines;
    for (const auto& [position, line] : kAllLines) {
        if (position <= last) lines[position] = line;
    }
    return lines;
}

struct TemplateCase {
    const char* name;
    int lineCount;
    const char* breakBytes;
    bool finalBreak;
    std::map<int, QByteArray> written;  // position -> line expected there
    bool expectFinalBreak;
    std::vector<Setting> notWritten;
};

class CustomizeXmlFile : public ::testing::Test {
protected:
    QString path() const { return dir_.filePath(QStringLiteral("customize.xml")); }
    void write(const QByteArray& bytes) { testing::writeFile(path(), bytes); }
    QByteArray read() { return readWholeFile(path()); }
    // What the main window does: read the template, then update the file.
    std::vector<Setting> update(const CustomizeValues& values) {
        Lines lines = splitLines(read());
        return writeCustomizeXml(path(), lines, values);
    }

    QTemporaryDir dir_;
};

class TemplatePositions : public CustomizeXmlFile,
                          public ::testing::WithParamInterface<TemplateCase> {};

TEST_P(TemplatePositions, ReplacesOnlyTheFixedLinesThatExist) {
    const TemplateCase& c = GetParam();
    write(templateFile(c.lineCount, c.breakBytes, c.finalBreak));

    EXPECT_EQ(update(kValues), c.notWritten);

    std::vector<QByteArray> lines;
    for (int i = 0; i < c.lineCount; ++i) lines.push_back(templateLine(i));
    for (const auto& [position, line] : c.written) {
        if (position == c.lineCount)
            lines.push_back(line);
        else
            lines[static_cast<size_t>(position)] = line;
    }
    QByteArray expected = lines.empty() ? QByteArray() : lines.front();
    for (size_t i = 1; i < lines.size(); ++i) expected += "\r\n" + lines[i];
    if (c.expectFinalBreak) expected += "\r\n";
    EXPECT_EQ(read(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Templates, TemplatePositions,
    ::testing::Values(
        TemplateCase{"crlf_80_lines", 80, "\r\n", true, kAllLines, true, {}},
        TemplateCase{"lf_without_final_break", 80, "\n", false, kAllLines, false, {}},
        TemplateCase{"cr_becomes_crlf", 80, "\r", true, kAllLines, true, {}},
        TemplateCase{"exactly_72_lines", 72, "\r\n", false, kAllLines, false, {}},
        TemplateCase{
            "60_lines_keep_60", 60, "\r\n", true, linesUpTo(11), true, {Setting::CameraSound}},
        TemplateCase{"71_lines_and_a_break_take_line_71_without_break",
                     71,
                     "\r\n",
                     true,
                     kAllLines,
                     false,
                     {}},
        TemplateCase{"71_lines_without_break_are_not_extended",
                     71,
                     "\n",
                     false,
                     linesUpTo(11),
                     false,
                     {Setting::CameraSound}},
        TemplateCase{"6_lines_and_a_break_take_line_6_only",
                     6,
                     "\r\n",
                     true,
                     linesUpTo(6),
                     false,
                     {Setting::Revision, Setting::Model, Setting::Country, Setting::Operator,
                      Setting::FileSystem, Setting::CameraSound}},
        TemplateCase{"5_lines_unchanged",
                     5,
                     "\n",
                     true,
                     {},
                     true,
                     {Setting::CdaNumber, Setting::Revision, Setting::Model, Setting::Country,
                      Setting::Operator, Setting::FileSystem, Setting::CameraSound}},
        TemplateCase{"empty_file_stays_empty",
                     0,
                     "\r\n",
                     false,
                     {},
                     false,
                     {Setting::CdaNumber, Setting::Revision, Setting::Model, Setting::Country,
                      Setting::Operator, Setting::FileSystem, Setting::CameraSound}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ValuesCase {
    const char* name;
    CustomizeValues values;
    std::map<int, QByteArray> written;
};

class TemplateValues : public CustomizeXmlFile, public ::testing::WithParamInterface<ValuesCase> {};

TEST_P(TemplateValues, PutsValuesInUnchanged) {
    write(templateFile(80, "\r\n", true));
    update(GetParam().values);
    const Lines lines = splitLines(read());
    ASSERT_EQ(lines.lines.size(), 80u);
    for (const auto& [position, line] : GetParam().written) {
        EXPECT_EQ(lines.lines[static_cast<size_t>(position)], line) << position;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, TemplateValues,
    ::testing::Values(
        ValuesCase{"markup_unescaped",
                   {"A&B", "<R1A>", "K750&i", "D\xfc<", "T&amp;", "x\"y'z", false},
                   {{6, "      <cda-number>A&B</cda-number>"},
                    {7, "      <cda-revision><R1A></cda-revision>"},
                    {8, "      <model>K750&i</model>"},
                    {9, "      <country>D\xfc<</country>"},
                    {10, "      <operator>T&amp;</operator>"},
                    {11, "      <language-variant-name>x\"y'z</language-variant-name>"}}},
        ValuesCase{"empty_labels",
                   {},
                   {{6, "      <cda-number></cda-number>"},
                    {7, "      <cda-revision></cda-revision>"},
                    {8, "      <model></model>"},
                    {9, "      <country></country>"},
                    {10, "      <operator></operator>"},
                    {11, "      <language-variant-name></language-variant-name>"},
                    {71, "        <suppress-camera-sound>true</suppress-camera-sound>"}}},
        ValuesCase{"camera_on_writes_false",
                   {"", "", "", "", "", "", true},
                   {{71, "        <suppress-camera-sound>false</suppress-camera-sound>"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CustomizeXmlFile, SecondUpdateWritesTheSameBytes) {
    for (bool finalBreak : {true, false}) {
        write(templateFile(71, "\n", finalBreak));
        update(kValues);
        const QByteArray first = read();
        update(kValues);
        EXPECT_EQ(read(), first) << finalBreak;
    }
}

TEST_F(CustomizeXmlFile, RefusedWriteLeavesTheFileAndKeepsTheReplacedLines) {
    const QByteArray original = templateFile(80, "\n", true);
    write(original);
    ASSERT_TRUE(
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    Lines lines = splitLines(read());
    try {
        writeCustomizeXml(path(), lines, kValues);
        ADD_FAILURE() << "a read-only file was written";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.text(), QStringLiteral("Cannot create file \"%1\". Permission denied")
                                      .arg(QDir::toNativeSeparators(path())));
    }
    EXPECT_EQ(read(), original);
    EXPECT_EQ(lines.lines[6], kAllLines.at(6));
    EXPECT_EQ(lines.lines[71], kAllLines.at(71));
}

TEST_F(CustomizeXmlFile, MissingFolderIsRefused) {
    const QString missing = dir_.filePath(QStringLiteral("tpa/preset/custom/customize.xml"));
    Lines lines = splitLines(templateFile(80, "\n", true));
    EXPECT_THROW(writeCustomizeXml(missing, lines, kValues), Failure);
    EXPECT_FALSE(QFile::exists(missing));
}

TEST(CustomizeSavedStatus, NamesEverySettingThatWasNotWritten) {
    EXPECT_EQ(customizeSavedStatus({}),
              "File \"customize.xml\" updated and saved successfully. Flash with setool2 now...");
    EXPECT_EQ(customizeSavedStatus({Setting::CameraSound}),
              "File \"customize.xml\" saved, but the template has no line for: camera shutter "
              "sound.");
    EXPECT_EQ(customizeSavedStatus({Setting::CdaNumber, Setting::Revision, Setting::Model,
                                    Setting::Country, Setting::Operator, Setting::FileSystem,
                                    Setting::CameraSound}),
              "File \"customize.xml\" saved, but the template has no line for: CDA number, CDA "
              "revision, phone model, country, operator, language variant, camera shutter "
              "sound.");
}

}  // namespace
}  // namespace trellan

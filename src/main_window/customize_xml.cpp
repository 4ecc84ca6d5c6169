#include "main_window/customize_xml.h"

#include <QDir>
#include <QStringList>

#include "common/file_io.h"

namespace trellan {
namespace {

struct Placement {
    qsizetype position;
    CustomizeSetting setting;
    QByteArray line;
};

QByteArray element(const char* indent, const char* tag, const QByteArray& value) {
    return QByteArray(indent) + '<' + tag + '>' + value + "</" + tag + '>';
}

QString settingName(CustomizeSetting setting) {
    switch (setting) {
        case CustomizeSetting::CdaNumber:
            return QStringLiteral("CDA number");
        case CustomizeSetting::Revision:
            return QStringLiteral("CDA revision");
        case CustomizeSetting::Model:
            return QStringLiteral("phone model");
        case CustomizeSetting::Country:
            return QStringLiteral("country");
        case CustomizeSetting::Operator:
            return QStringLiteral("operator");
        case CustomizeSetting::FileSystem:
            return QStringLiteral("language variant");
        case CustomizeSetting::CameraSound:
            return QStringLiteral("camera shutter sound");
    }
    return {};
}

}  // namespace

QString customizeXmlPath(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QStringLiteral("tpa/preset/custom/customize.xml"));
}

std::vector<CustomizeSetting> applyCustomization(Lines& templateLines,
                                                 const CustomizeValues& values) {
    const char* six = "      ";
    const Placement placements[] = {
        {6, CustomizeSetting::CdaNumber, element(six, "cda-number", values.cdaNumber)},
        {7, CustomizeSetting::Revision, element(six, "cda-revision", values.revision)},
        {8, CustomizeSetting::Model, element(six, "model", values.model)},
        {9, CustomizeSetting::Country, element(six, "country", values.country)},
        {10, CustomizeSetting::Operator, element(six, "operator", values.operatorName)},
        {11, CustomizeSetting::FileSystem,
         element(six, "language-variant-name", values.fileSystem)},
        {71, CustomizeSetting::CameraSound,
         element("        ", "suppress-camera-sound",
                 values.cameraSoundOn ? QByteArray("false") : QByteArray("true"))},
    };
    std::vector<CustomizeSetting> notWritten;
    auto& lines = templateLines.lines;
    for (const Placement& placement : placements) {
        const auto count = static_cast<qsizetype>(lines.size());
        if (placement.position < count) {
            lines[static_cast<size_t>(placement.position)] = placement.line;
        } else if (placement.position == count && templateLines.endsWithBreak) {
            // The empty position after the final break is a line of the file.
            lines.push_back(placement.line);
            templateLines.endsWithBreak = false;
        } else {
            notWritten.push_back(placement.setting);
        }
    }
    return notWritten;
}

std::vector<CustomizeSetting> writeCustomizeXml(const QString& path, Lines& templateLines,
                                                const CustomizeValues& values) {
    std::vector<CustomizeSetting> notWritten = applyCustomization(templateLines, values);
    writeWholeFileAtomically(path, joinLines(templateLines));
    return notWritten;
}

QString customizeSavedStatus(const std::vector<CustomizeSetting>& notWritten) {
    if (notWritten.empty()) {
        return QStringLiteral(
            "File \"customize.xml\" updated and saved successfully. Flash with setool2 now...");
    }
    QStringList names;
    for (CustomizeSetting setting : notWritten) {
        names << settingName(setting);
    }
    return QStringLiteral("File \"customize.xml\" saved, but the template has no line for: ") +
           names.join(QStringLiteral(", ")) + QLatin1Char('.');
}

}  // namespace trellan

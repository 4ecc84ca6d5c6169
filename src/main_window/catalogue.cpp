#include "main_window/catalogue.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace trellan {
namespace {

constexpr qsizetype kEntryLines = 7;

// The model name as it goes into the catalogue's path.
QString modelFileName(QByteArrayView model) { return QFile::decodeName(model.toByteArray()); }

}  // namespace

QString modelNameFault(QByteArrayView model) {
    const QString name = modelFileName(model);
    if (name.isEmpty()) {
        return QStringLiteral("it is empty");
    }
    if (name == QLatin1String(".") || name == QLatin1String("..")) {
        return QStringLiteral("it names a folder");
    }
    for (const QChar c : name) {
        if (c.unicode() == 0) {
            return QStringLiteral("it holds a NUL character");
        }
        if (c.unicode() < 0x20) {
            return QStringLiteral("it holds a control character");
        }
        if (QStringView(u"/\\:<>\"|?*").contains(c)) {
            return QStringLiteral("it holds \"%1\"").arg(c);
        }
    }
    if (name.endsWith(QLatin1Char('.'))) {
        return QStringLiteral("it ends in a dot");
    }
    if (name.endsWith(QLatin1Char(' '))) {
        return QStringLiteral("it ends in a blank");
    }
    // Whatever its case, extension or blanks before that: "nul", "Com1.x", "CON .x".
    static const QRegularExpression device(
        QStringLiteral(
            "^(CON|PRN|AUX|NUL|COM[0-9\u00B9\u00B2\u00B3]|LPT[0-9\u00B9\u00B2\u00B3]) *(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    if (const QRegularExpressionMatch match = device.match(name); match.hasMatch()) {
        return QStringLiteral("on Windows it names the device %1").arg(match.captured(1).toUpper());
    }
    return {};
}

std::vector<qsizetype> fileSystemLines(const CatalogueLines& variantLines) {
    std::vector<qsizetype> lines;
    lines.reserve(static_cast<size_t>(variantLines.size() / kEntryLines + 1));
    // A missing marker ends the list at the end of the lines.
    for (qsizetype i = 0; i < variantLines.size(); i += kEntryLines) {
        if (i > 0 && variantLines.at(i) == QByteArrayView("#")) {
            break;
        }
        lines.push_back(i);
    }
    return lines;
}

std::optional<FileSystemEntry> findFileSystemEntry(const CatalogueLines& variantLines,
                                                   QByteArrayView name) {
    for (qsizetype i = 0; i < variantLines.size(); ++i) {
        if (variantLines.at(i) == name) {
            const auto field = [&](qsizetype offset) {
                return variantLines.at(i + offset).toByteArray();
            };
            return FileSystemEntry{field(0), field(1), field(2), field(3), field(4), field(5)};
        }
    }
    return std::nullopt;
}

QString modelCataloguePath(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QStringLiteral("cda/models.cdt"));
}

QString variantCataloguePath(const QString& dataFolder, QByteArrayView model) {
    return QDir(dataFolder)
        .filePath(QStringLiteral("cda/") + modelFileName(model) + QStringLiteral(".cdt"));
}

CatalogueLines readModelCatalogue(const QString& dataFolder) {
    return readCatalogue(modelCataloguePath(dataFolder));
}

CatalogueLines readVariantCatalogue(const QString& dataFolder, QByteArrayView model) {
    return readCatalogue(variantCataloguePath(dataFolder, model));
}

}  // namespace trellan

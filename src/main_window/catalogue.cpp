#include "main_window/catalogue.h"

#include <QDir>
#include <QFile>

#include "common/file_io.h"
#include "common/lines.h"

namespace trellan {
namespace {

constexpr qsizetype kEntryLines = 7;

}  // namespace

std::vector<QByteArray> modelNames(QByteArrayView catalogueBytes) {
    return splitLines(catalogueBytes).lines;
}

std::vector<QByteArray> fileSystemNames(const std::vector<QByteArray>& variantLines) {
    std::vector<QByteArray> names;
    const auto count = static_cast<qsizetype>(variantLines.size());
    // Line 0 is listed untested; a missing marker ends the list at the end of the lines.
    for (qsizetype i = 0; i < count; i += kEntryLines) {
        if (i > 0 && variantLines[static_cast<size_t>(i)] == "#") {
            break;
        }
        names.push_back(variantLines[static_cast<size_t>(i)]);
    }
    return names;
}

std::optional<FileSystemEntry> findFileSystemEntry(const std::vector<QByteArray>& variantLines,
                                                   QByteArrayView name) {
    for (size_t i = 0; i < variantLines.size(); ++i) {
        if (variantLines[i] == name) {
            const auto at = static_cast<qsizetype>(i);
            return FileSystemEntry{lineAt(variantLines, at),     lineAt(variantLines, at + 1),
                                   lineAt(variantLines, at + 2), lineAt(variantLines, at + 3),
                                   lineAt(variantLines, at + 4), lineAt(variantLines, at + 5)};
        }
    }
    return std::nullopt;
}

QString modelCataloguePath(const QString& baseFolder) {
    return QDir(baseFolder).filePath(QStringLiteral("cda/models.cdt"));
}

QString variantCataloguePath(const QString& baseFolder, const QByteArray& model) {
    return QDir(baseFolder)
        .filePath(QStringLiteral("cda/") + QFile::decodeName(model) + QStringLiteral(".cdt"));
}

std::vector<QByteArray> readModelNames(const QString& baseFolder) {
    return modelNames(readWholeFile(modelCataloguePath(baseFolder)));
}

std::vector<QByteArray> readVariantLines(const QString& baseFolder, const QByteArray& model) {
    return splitLines(readWholeFile(variantCataloguePath(baseFolder, model))).lines;
}

}  // namespace trellan

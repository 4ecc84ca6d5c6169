#include "main_window/catalogue.h"

#include <QDir>
#include <QFile>
#include <utility>

#include "common/file_io.h"
#include "common/lines.h"

namespace trellan {
namespace {

constexpr qsizetype kEntryLines = 7;

}  // namespace

CatalogueLines::CatalogueLines(QByteArray bytes) : bytes_(std::move(bytes)) {
    forEachLine(bytes_, [this](qsizetype start, qsizetype length) {
        spans_.push_back({start, length});
    });
}

QByteArrayView CatalogueLines::at(qsizetype index) const {
    if (index < 0 || index >= size()) {
        return {};
    }
    const Span& span = spans_[static_cast<size_t>(index)];
    return QByteArrayView(bytes_.constData() + span.begin, span.length);
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

QString modelCataloguePath(const QString& baseFolder) {
    return QDir(baseFolder).filePath(QStringLiteral("cda/models.cdt"));
}

QString variantCataloguePath(const QString& baseFolder, QByteArrayView model) {
    return QDir(baseFolder)
        .filePath(QStringLiteral("cda/") + QFile::decodeName(model.toByteArray()) +
                  QStringLiteral(".cdt"));
}

CatalogueLines readModelCatalogue(const QString& baseFolder) {
    return CatalogueLines(readWholeFile(modelCataloguePath(baseFolder)));
}

CatalogueLines readVariantCatalogue(const QString& baseFolder, QByteArrayView model) {
    return CatalogueLines(readWholeFile(variantCataloguePath(baseFolder, model)));
}

}  // namespace trellan

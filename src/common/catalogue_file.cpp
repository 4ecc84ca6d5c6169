#include "common/catalogue_file.h"

#include <utility>

#include "common/file_io.h"
#include "common/lines.h"
#include "common/text8.h"

namespace trellan {

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

QString CatalogueLines::text(qsizetype index) const { return fromSystem8(at(index)); }

QStringList CatalogueLines::texts() const {
    QStringList texts;
    texts.reserve(size());
    for (qsizetype i = 0; i < size(); ++i) {
        texts << text(i);
    }
    return texts;
}

CatalogueLines readCatalogue(const QString& path) { return CatalogueLines(readWholeFile(path)); }

}  // namespace trellan

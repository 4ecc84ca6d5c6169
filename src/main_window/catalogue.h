#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

namespace trellan {

// The model catalogue: every line is a model name, an empty line too.
std::vector<QByteArray> modelNames(QByteArrayView catalogueBytes);

// The lines 0, 7, 14, ... of a variant catalogue, up to the "#" marker that
// stands where the next seven-line entry would begin. Without a marker the
// list ends with the last entry that begins inside the file.
std::vector<QByteArray> fileSystemNames(const std::vector<QByteArray>& variantLines);

// The fields of a file-system entry; a field past the end of the file is empty.
struct FileSystemEntry {
    QByteArray fileSystem;
    QByteArray country;
    QByteArray operatorName;
    QByteArray cdaNumber;
    QByteArray revision;
    QByteArray languages;

    bool operator==(const FileSystemEntry&) const = default;
};

// The entry that starts at the first line equal to `name` (any line counts,
// not only the first line of an entry); nullopt when no line equals it.
std::optional<FileSystemEntry> findFileSystemEntry(const std::vector<QByteArray>& variantLines,
                                                   QByteArrayView name);

// Where the catalogues lie below `baseFolder`. The model name goes into the
// path unchanged.
QString modelCataloguePath(const QString& baseFolder);
QString variantCataloguePath(const QString& baseFolder, const QByteArray& model);

// Read the catalogues below `baseFolder`; throw Failure when a file cannot be opened.
std::vector<QByteArray> readModelNames(const QString& baseFolder);
std::vector<QByteArray> readVariantLines(const QString& baseFolder, const QByteArray& model);

}  // namespace trellan

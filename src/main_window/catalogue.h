#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

#include "common/catalogue_file.h"

namespace trellan {

// The numbers of the lines that begin file-system entries: 0, 7, 14, ... up to
// the "#" marker standing where the next seven-line entry would begin. Line 0
// is not tested. Without a marker the list ends with the last entry that
// begins inside the file.
std::vector<qsizetype> fileSystemLines(const CatalogueLines& variantLines);

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
std::optional<FileSystemEntry> findFileSystemEntry(const CatalogueLines& variantLines,
                                                   QByteArrayView name);

// Why `model` cannot be the name of its variant catalogue inside cda/, such as
// "it holds \"/\"", or an empty text when it is a plain file name. Refused on
// every system, since the data folder is setool2's Windows folder: names that
// leave the folder (with "/", "\", NUL, "." or ".."), the empty name, and
// names Windows does not take as a plain file name (device names such as CON or
// "nul.x", control characters, : < > " | ? *, a final dot or blank).
QString modelNameFault(QByteArrayView model);

// Where the catalogues lie below `dataFolder`. The model name goes into the
// path unchanged.
QString modelCataloguePath(const QString& dataFolder);
QString variantCataloguePath(const QString& dataFolder, QByteArrayView model);

// Read the catalogues below `dataFolder`; throw Failure when a file cannot be opened.
// The model name must be a plain file name (see modelNameFault).
CatalogueLines readModelCatalogue(const QString& dataFolder);
CatalogueLines readVariantCatalogue(const QString& dataFolder, QByteArrayView model);

}  // namespace trellan

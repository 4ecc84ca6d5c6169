#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

namespace trellan {

// A catalogue file as its lines, each kept byte for byte. A line ends at CR LF,
// LF or CR; a break after the last line adds no line. The lines are spans into
// the file's bytes, so a catalogue of hundreds of thousands of lines costs two
// allocations rather than one per line.
class CatalogueLines {
public:
    CatalogueLines() = default;
    explicit CatalogueLines(QByteArray bytes);

    qsizetype size() const { return static_cast<qsizetype>(spans_.size()); }
    // The line at `index`, or an empty line past either end.
    QByteArrayView at(qsizetype index) const;

private:
    struct Span {
        qsizetype begin;
        qsizetype length;
    };
    QByteArray bytes_;
    std::vector<Span> spans_;
};

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

// Where the catalogues lie below `baseFolder`. The model name goes into the
// path unchanged.
QString modelCataloguePath(const QString& baseFolder);
QString variantCataloguePath(const QString& baseFolder, QByteArrayView model);

// Read the catalogues below `baseFolder`; throw Failure when a file cannot be opened.
// The model name must be a plain file name (see modelNameFault).
CatalogueLines readModelCatalogue(const QString& baseFolder);
CatalogueLines readVariantCatalogue(const QString& baseFolder, QByteArrayView model);

}  // namespace trellan

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
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
    // The line decoded for display.
    QString text(qsizetype index) const;
    // Every line decoded for display, in file order.
    QStringList texts() const;

private:
    struct Span {
        qsizetype begin;
        qsizetype length;
    };
    QByteArray bytes_;
    std::vector<Span> spans_;
};

// Reads the catalogue file at `path`; throws Failure ("Cannot open file ...") when
// it cannot.
CatalogueLines readCatalogue(const QString& path);

}  // namespace trellan

// Catalogue files: the lines agree with the line splitting, a final break adds no model,
// the listing takes lines 0, 7, 14, ... up to the "#" marker or the end, and every listed
// entry is found again at its first equal line with the five lines after it.
#include "common/lines.h"
#include "fuzz_support.h"
#include "main_window/catalogue.h"

using trellan::CatalogueLines;

namespace {

constexpr qsizetype kEntryLines = 7;
// Lookups are linear in the file; checking a few entries per input keeps runs fast.
constexpr std::size_t kLookups = 16;

void checkLookup(const CatalogueLines& catalogue, QByteArrayView name, qsizetype listedAt) {
    const std::optional<trellan::FileSystemEntry> entry =
        trellan::findFileSystemEntry(catalogue, name);
    FUZZ_CHECK(entry.has_value());
    qsizetype first = 0;
    while (catalogue.at(first) != name) {
        ++first;
    }
    FUZZ_CHECK(first <= listedAt);
    const QByteArray fields[] = {entry->fileSystem, entry->country,  entry->operatorName,
                                 entry->cdaNumber,  entry->revision, entry->languages};
    for (qsizetype field = 0; field < 6; ++field) {
        FUZZ_CHECK(fields[field] == catalogue.at(first + field));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const CatalogueLines catalogue(bytes);
    const trellan::Lines split = trellan::splitLines(bytes);

    FUZZ_CHECK(catalogue.size() == static_cast<qsizetype>(split.lines.size()));
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        FUZZ_CHECK(catalogue.at(i) == split.lines[static_cast<std::size_t>(i)]);
    }
    FUZZ_CHECK(catalogue.at(-1).isEmpty() && catalogue.at(catalogue.size()).isEmpty());

    // Every line is a model, an empty one too; a break after the last line adds none.
    if (!bytes.isEmpty() && !split.endsWithBreak) {
        for (const char* lineBreak : {"\r\n", "\n", "\r"}) {
            FUZZ_CHECK(CatalogueLines(bytes + lineBreak).size() == catalogue.size());
        }
    }

    const std::vector<qsizetype> listed = trellan::fileSystemLines(catalogue);
    FUZZ_CHECK(listed.empty() == (catalogue.size() == 0));
    for (std::size_t k = 0; k < listed.size(); ++k) {
        FUZZ_CHECK(listed[k] == static_cast<qsizetype>(k) * kEntryLines);
        FUZZ_CHECK(listed[k] < catalogue.size());
        // Line 0 is listed without being tested; "#" elsewhere would have ended the list.
        FUZZ_CHECK(k == 0 || catalogue.at(listed[k]) != QByteArrayView("#"));
    }
    const qsizetype next = static_cast<qsizetype>(listed.size()) * kEntryLines;
    FUZZ_CHECK(next >= catalogue.size() || catalogue.at(next) == QByteArrayView("#"));

    for (std::size_t k = 0; k < std::min(listed.size(), kLookups); ++k) {
        checkLookup(catalogue, catalogue.at(listed[k]), listed[k]);
    }
    // A name holding a line break can equal no line.
    FUZZ_CHECK(!trellan::findFileSystemEntry(catalogue, bytes.left(8) + '\r').has_value());
    return 0;
}

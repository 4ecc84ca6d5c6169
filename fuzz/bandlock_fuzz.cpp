// Band locks, on a catalogue decoded line by line as the advanced window holds it: the
// names are the odd lines up to an odd "#" or the end; a listed name gives the line above
// its first equal line (or no data line when that is line 0) and a command of record
// 000000AA, the data, nine bytes FF and a 00; any other text is refused.
#include "advanced/gdfs_options.h"
#include "common/lines.h"
#include "common/text8.h"
#include "fuzz_support.h"

using trellan::advanced::BandLockLookup;

namespace {

// Lookups are linear in the file; checking a few per input keeps runs fast.
constexpr qsizetype kLookups = 16;

void checkListedName(const QStringList& catalogue, const QString& name) {
    const BandLockLookup lookup = trellan::advanced::findBandLock(catalogue, name);
    qsizetype first = 0;
    while (catalogue[first] != name) {
        ++first;
    }
    if (first == 0) {
        FUZZ_CHECK(lookup.result == BandLockLookup::Result::NoDataLine);
        return;
    }
    FUZZ_CHECK(lookup.result == BandLockLookup::Result::Found);
    FUZZ_CHECK(lookup.data == catalogue[first - 1]);
    FUZZ_CHECK(trellan::advanced::bandLockLine(lookup.data) ==
               QStringLiteral("gdfswrite:000000AA") + lookup.data +
                   QStringLiteral("FFFFFFFFFFFFFFFFFF00"));
}

void checkRefused(const QStringList& catalogue, const QString& text) {
    const BandLockLookup lookup = trellan::advanced::findBandLock(catalogue, text);
    FUZZ_CHECK(lookup.result == BandLockLookup::Result::UnknownName && lookup.data.isEmpty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QStringList catalogue;
    for (const QByteArray& line :
         trellan::splitLines(QByteArrayView(data, static_cast<qsizetype>(size))).lines) {
        catalogue << trellan::fromSystem8(line);
    }

    const QStringList names = trellan::advanced::bandLockNames(catalogue);
    for (qsizetype k = 0; k < names.size(); ++k) {
        FUZZ_CHECK(names[k] == catalogue[2 * k + 1] && names[k] != QLatin1String("#"));
    }
    const qsizetype end = 2 * names.size() + 1;
    FUZZ_CHECK(end >= catalogue.size() || catalogue[end] == QLatin1String("#"));

    for (qsizetype k = 0; k < std::min(names.size(), kLookups); ++k) {
        checkListedName(catalogue, names[k]);
    }
    for (qsizetype i = 0; i < std::min(catalogue.size(), kLookups); ++i) {
        if (!names.contains(catalogue[i])) {
            checkRefused(catalogue, catalogue[i]);
        }
    }
    // A typed text holding a line break is no line of the file.
    checkRefused(catalogue, catalogue.value(0) + QLatin1Char('\n'));
    return 0;
}

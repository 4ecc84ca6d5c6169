#include "advanced/gdfs_options.h"

#include <utility>

#include "common/hex_text.h"
#include "script/script_lines.h"

namespace trellan::advanced {
namespace {

QString repeated(const char* byte, int count) { return QString::fromLatin1(byte).repeated(count); }

QString cdaText(const GdfsOptions& options) {
    return QStringLiteral("CDA") + options.cdaNumber + QLatin1Char('/') + options.cdaRevision;
}

}  // namespace

OptionLines optionLines(const GdfsOptions& options) {
    using script::gdfsWriteLine;
    OptionLines lines;
    if (options.cda) {
        lines.script << gdfsWriteLine(QStringLiteral("00020CBC"), strToHex(cdaText(options)));
        lines.status << QStringLiteral("Changed CDA to: ") + cdaText(options) + QLatin1Char('!');
    }
    if (options.revision) {
        lines.script << gdfsWriteLine(QStringLiteral("00020CBD"), strToHex(options.revisionText));
        lines.status << QStringLiteral("Changed Revision to: ") + options.revisionText +
                            QLatin1Char('!');
    }
    if (options.oneE0W) {
        lines.script << gdfsWriteLine(QStringLiteral("00020CBF"), strToHex(options.oneE0WText));
        lines.status << QStringLiteral("Changed \"1E0W\" to: ") + options.oneE0WText +
                            QLatin1Char('!');
    }
    if (options.lpInfo) {
        lines.script << gdfsWriteLine(QStringLiteral("00020CBB"), strToHex(options.lpInfoText));
        lines.status << QStringLiteral("Changed LP info to: ") + options.lpInfoText +
                            QLatin1Char('!');
    }
    if (options.z1010VoiceFix) {
        lines.script << gdfsWriteLine(QStringLiteral("00000046"), QStringLiteral("0F"))
                     << gdfsWriteLine(QStringLiteral("00000047"), QStringLiteral("0F"));
        lines.status << QStringLiteral("Z1010 voice control fix command added successfully!");
    }
    if (options.channelBatteryInfo) {
        lines.script << gdfsWriteLine(QStringLiteral("000208BB"),
                                      repeated("FF", 3) + repeated("01", 7) + repeated("FF", 9) +
                                          repeated("01", 4) + repeated("FF", 7));
        lines.status << QStringLiteral(
            "Channel and Battery Info: Enable command added successfully!");
    }
    return lines;
}

QStringList hexSourceTexts(const GdfsOptions& options) {
    QStringList texts;
    const std::pair<bool, QString> fields[] = {{options.cda, cdaText(options)},
                                               {options.revision, options.revisionText},
                                               {options.oneE0W, options.oneE0WText},
                                               {options.lpInfo, options.lpInfoText}};
    for (const auto& [ticked, text] : fields) {
        if (ticked) {
            texts << text;
        }
    }
    return texts;
}

QString bandLockLine(const QString& data) {
    return script::gdfsWriteLine(QStringLiteral("000000AA"),
                                 data + repeated("FF", 9) + QStringLiteral("00"));
}

QStringList bandLockNames(const QStringList& catalogue) {
    QStringList names;
    for (qsizetype i = 1; i < catalogue.size(); i += 2) {
        if (catalogue[i] == QLatin1String("#")) {
            break;
        }
        names << catalogue[i];
    }
    return names;
}

BandLockLookup findBandLock(const QStringList& catalogue, const QString& name) {
    BandLockLookup lookup;
    if (!bandLockNames(catalogue).contains(name)) {
        return lookup;
    }
    const qsizetype found = catalogue.indexOf(name);
    if (found < 1) {
        lookup.result = BandLockLookup::Result::NoDataLine;
        return lookup;
    }
    lookup.result = BandLockLookup::Result::Found;
    lookup.dataLine = found - 1;
    lookup.data = catalogue[lookup.dataLine];
    return lookup;
}

}  // namespace trellan::advanced

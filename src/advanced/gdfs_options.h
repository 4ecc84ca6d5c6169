#pragma once

#include <QString>
#include <QStringList>

namespace trellan::advanced {

// What "More options" holds: which boxes are ticked and the fields' texts.
struct GdfsOptions {
    bool cda = false;
    QString cdaNumber;    // before the "/"
    QString cdaRevision;  // after the "/"
    bool revision = false;
    QString revisionText;
    bool oneE0W = false;
    QString oneE0WText;
    bool lpInfo = false;
    QString lpInfoText;
    bool z1010VoiceFix = false;
    bool channelBatteryInfo = false;
};

// Script lines and status lines, each in the order the options are listed.
struct OptionLines {
    QStringList script;
    QStringList status;
};

OptionLines optionLines(const GdfsOptions& options);

// The texts the ticked options write as hex text, in the order they are listed:
// what the system's 8-bit character set must hold for the lines to be right.
QStringList hexSourceTexts(const GdfsOptions& options);

// The band lock command: record 000000AA, the catalogue's data, nine bytes FF and a 00.
QString bandLockLine(const QString& data);

// The names of a band lock catalogue: lines 1, 3, 5, ... up to the first odd
// line that is "#"; without such a line, every odd line to the end of the file.
QStringList bandLockNames(const QStringList& catalogue);

struct BandLockLookup {
    enum class Result { Found, UnknownName, NoDataLine };
    Result result = Result::UnknownName;
    QString data;
    qsizetype dataLine = -1;  // the data's line in the catalogue, when found
};

// The data of the entry named `name`: the line above the first catalogue line
// equal to it. A name that is not one of the listed names is refused, and so
// is a match on the first line, which has no line above it.
BandLockLookup findBandLock(const QStringList& catalogue, const QString& name);

}  // namespace trellan::advanced

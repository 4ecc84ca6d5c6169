#include "common/text8.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace trellan {

QString fromSystem8(QByteArrayView bytes) {
    // Stateless: a cut-off sequence at the end is decoded, not held back and lost.
    // A leading byte order mark is kept as a character, so its bytes survive.
    QStringDecoder decoder(QStringConverter::System, QStringConverter::Flag::Stateless |
                                                         QStringConverter::Flag::ConvertInitialBom);
    return decoder(bytes);
}

QByteArray toSystem8(QStringView text) {
    // Stateless: a lone high surrogate at the end is encoded, not silently dropped.
    QStringEncoder encoder(QStringConverter::System, QStringConverter::Flag::Stateless);
    return encoder(text);
}

bool passesThroughSystem8(QByteArrayView bytes) { return toSystem8(fromSystem8(bytes)) == bytes; }

namespace {
// Compared after the round trip, not asked of the encoder: Windows maps many
// characters to look-alikes ("\u0100" to "A") without reporting an error.
bool survives(QStringView text) { return fromSystem8(toSystem8(text)) == text; }
}  // namespace

qsizetype firstUnrepresentableInSystem8(QStringView text) {
    if (survives(text)) {
        return -1;
    }
    for (qsizetype i = 0; i < text.size();) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        if (!survives(text.sliced(i, length))) {
            return i;
        }
        i += length;
    }
    // Each character survives alone but not the whole: refuse rather than let it change.
    return 0;
}

}  // namespace trellan

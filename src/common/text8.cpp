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

}  // namespace trellan

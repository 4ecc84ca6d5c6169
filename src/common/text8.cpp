#include "common/text8.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace trellan {

QString fromSystem8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringConverter::System);
    return decoder(bytes);
}

QByteArray toSystem8(QStringView text) {
    QStringEncoder encoder(QStringConverter::System);
    return encoder(text);
}

bool passesThroughSystem8(QByteArrayView bytes) { return toSystem8(fromSystem8(bytes)) == bytes; }

}  // namespace trellan

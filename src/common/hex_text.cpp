#include "common/hex_text.h"

#include "common/text8.h"

namespace trellan {

QString hexText(QByteArrayView bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    QString hex;
    hex.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        hex += QLatin1Char(kDigits[byte >> 4]);
        hex += QLatin1Char(kDigits[byte & 0x0F]);
    }
    return hex;
}

QString strToHex(QStringView text) { return hexText(toSystem8(text)); }

}  // namespace trellan

#pragma once

#include <QByteArrayView>
#include <QString>

namespace trellan {

// Two upper-case hexadecimal digits per byte, high half first, no separators.
QString hexText(QByteArrayView bytes);

// The hex text of a text as it is held in the system's 8-bit character set.
QString strToHex(QStringView text);

}  // namespace trellan

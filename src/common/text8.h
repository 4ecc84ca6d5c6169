#pragma once

#include <QByteArray>
#include <QString>

namespace trellan {

// The system's 8-bit character set: the ANSI code page on Windows; on Unix Qt 6
// always takes UTF-8, whatever the locale. Files hold bytes; text is decoded
// only for display.
QString fromSystem8(QByteArrayView bytes);
QByteArray toSystem8(QStringView text);

// True when the bytes decode to text that encodes back to the same bytes; text
// that fails this cannot travel through the script preview unchanged.
bool passesThroughSystem8(QByteArrayView bytes);

}  // namespace trellan

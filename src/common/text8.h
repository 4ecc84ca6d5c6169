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

// The index of the first character of `text` that the system's 8-bit character set
// cannot hold, so that it would come back as another one ("?", or a look-alike on
// Windows); -1 when every character survives. On Windows that is any character
// outside the ANSI code page; in UTF-8 only an unpaired surrogate.
qsizetype firstUnrepresentableInSystem8(QStringView text);
inline bool representableInSystem8(QStringView text) {
    return firstUnrepresentableInSystem8(text) < 0;
}

}  // namespace trellan

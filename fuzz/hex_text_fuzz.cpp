// Hex text: two upper-case digits per byte, high half first, that decode back to the
// bytes; StrToHex of a well-formed text is the hex text of its bytes in the system's
// character set (UTF-8 where the fuzz targets run) and splits at any character boundary.
#include "common/hex_text.h"
#include "fuzz_support.h"

namespace {

bool upperHexDigits(const QString& hex) {
    return std::all_of(hex.begin(), hex.end(), [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    trellan::fuzz::Input input(data, size);
    const auto cut = input.take<std::uint8_t>();
    const QByteArrayView bytes = input.rest();

    const QString hex = trellan::hexText(bytes);
    FUZZ_CHECK(hex.size() == 2 * bytes.size() && upperHexDigits(hex));
    FUZZ_CHECK(QByteArray::fromHex(hex.toLatin1()) == bytes);

    const QString text = trellan::fuzz::utf16Of(bytes);
    const QString textHex = trellan::strToHex(text);
    FUZZ_CHECK(textHex.size() % 2 == 0 && upperHexDigits(textHex));
    if (!QStringView(text).isValidUtf16()) {
        return 0;
    }
    FUZZ_CHECK(textHex == QString::fromLatin1(text.toUtf8().toHex().toUpper()));
    qsizetype at = text.isEmpty() ? 0 : cut % (text.size() + 1);
    if (at > 0 && at < text.size() && text[at - 1].isHighSurrogate()) {
        ++at;  // keep a surrogate pair whole
    }
    FUZZ_CHECK(trellan::strToHex(QStringView(text).first(at)) +
                   trellan::strToHex(QStringView(text).sliced(at)) ==
               textHex);
    return 0;
}

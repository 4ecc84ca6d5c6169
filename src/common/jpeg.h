#pragma once

#include <QByteArrayView>
#include <cstdint>
#include <optional>
#include <vector>

namespace trellan {

struct DecodedJpeg {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // width * height * 3 bytes, rows top to bottom
};

// Decodes a JPEG with libjpeg-turbo. A corrupt or truncated picture gives
// nullopt; it never aborts the program.
std::optional<DecodedJpeg> decodeJpeg(QByteArrayView data);

}  // namespace trellan

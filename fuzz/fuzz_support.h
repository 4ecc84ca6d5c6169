#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// A property that does not hold ends the run like a crash, so libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (0)

namespace trellan::fuzz {

// Takes fixed-size values off the front of the input; missing bytes read as zero.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size)
        : data_(reinterpret_cast<const char*>(data)), size_(size) {}

    template <typename T>
    T take() {
        T value{};
        const std::size_t n = std::min(sizeof(T), size_);
        std::memcpy(&value, data_, n);
        data_ += n;
        size_ -= n;
        return value;
    }
    QByteArrayView rest() const { return QByteArrayView(data_, static_cast<qsizetype>(size_)); }

private:
    const char* data_;
    std::size_t size_;
};

// The bytes as UTF-16 code units, unpaired surrogates and all (no byte order mark is taken off).
inline QString utf16Of(QByteArrayView bytes) {
    QString text(bytes.size() / 2, Qt::Uninitialized);
    std::memcpy(text.data(), bytes.data(), static_cast<std::size_t>(text.size()) * 2);
    return text;
}

}  // namespace trellan::fuzz

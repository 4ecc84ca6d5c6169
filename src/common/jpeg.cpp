#include "common/jpeg.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>

namespace trellan {
namespace {

// libjpeg's default error handler calls exit(); ours jumps back instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void onError(j_common_ptr cinfo) {
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::longjmp(manager->jump, 1);
}

// Corrupt or truncated data is only a warning to libjpeg, which then fills the
// rest of the picture with grey; a damaged picture must give no picture instead.
void onMessage(j_common_ptr cinfo, int level) {
    if (level < 0) {
        cinfo->err->error_exit(cinfo);
    }
}

// No object with a destructor may live in this frame: longjmp skips destructors.
bool decodeInto(const unsigned char* bytes, unsigned long size, DecodedJpeg* out) {
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = onMessage;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes, size);
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    out->width = static_cast<int>(cinfo.output_width);
    out->height = static_cast<int>(cinfo.output_height);
    const size_t stride = static_cast<size_t>(cinfo.output_width) * 3;
    out->rgb.resize(stride * cinfo.output_height);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out->rgb.data() + stride * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

}  // namespace

std::optional<DecodedJpeg> decodeJpeg(QByteArrayView data) {
    if (data.isEmpty()) {
        return std::nullopt;
    }
    DecodedJpeg decoded;
    if (!decodeInto(reinterpret_cast<const unsigned char*>(data.data()),
                    static_cast<unsigned long>(data.size()), &decoded)) {
        return std::nullopt;
    }
    return decoded;
}

}  // namespace trellan

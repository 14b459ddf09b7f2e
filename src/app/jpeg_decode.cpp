#include "app/jpeg_decode.h"

#include <csetjmp>
#include <cstdio>
#include <utility>

#include <jpeglib.h>

namespace elc {
namespace {

// libjpeg's own error handler ends the process; this one jumps back instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

void OnJpegError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void IgnoreJpegMessage(j_common_ptr) {}

// Only plain C objects live between setjmp and the jump, so nothing is skipped
// that would need a destructor.
bool DecodeInto(const unsigned char* data, unsigned long size, jpeg_decompress_struct& info,
                RgbPicture& picture) {
    jpeg_mem_src(&info, data, size);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3) return false;
    picture.width = static_cast<int>(info.output_width);
    picture.height = static_cast<int>(info.output_height);
    const std::size_t stride = static_cast<std::size_t>(picture.width) * 3;
    picture.pixels.resize(stride * static_cast<std::size_t>(picture.height));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = picture.pixels.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

bool DecodeJpeg(const unsigned char* data, std::size_t size, RgbPicture& picture) {
    if (data == nullptr || size == 0) return false;
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnJpegError;
    errors.base.output_message = IgnoreJpegMessage;
    RgbPicture decoded;
    bool ok = false;
    if (setjmp(errors.escape) == 0) {
        jpeg_create_decompress(&info);
        ok = DecodeInto(data, static_cast<unsigned long>(size), info, decoded);
    }
    jpeg_destroy_decompress(&info);
    if (ok) picture = std::move(decoded);
    return ok;
}

}  // namespace elc

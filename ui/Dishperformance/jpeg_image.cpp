// libjpeg's default error handler calls exit(); ours jumps back to the decoder instead.
// Only plain C objects live across the setjmp, so the jump skips no destructor.
#include "jpeg_image.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace corvane {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void OnJpegError(j_common_ptr cinfo) {
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, manager->message);
    std::longjmp(manager->jump, 1);
}

// Warnings (such as premature end of data) are not errors for libjpeg, but a picture
// that triggers them is damaged: treat the first one as an error too.
extern "C" void OnJpegMessage(j_common_ptr cinfo, int level) {
    if (level < 0) OnJpegError(cinfo);
}

struct Pixels {
    unsigned char* rgb;  // malloc'd, width * height * 3 bytes
    int width;
    int height;
};

// Plain C from here to the end: returns false with `message` filled on failure.
bool DecodeRgb(const unsigned char* data, unsigned long size, Pixels* out, char* message) {
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    unsigned char* volatile rgb = nullptr;
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnJpegError;
    errors.base.emit_message = OnJpegMessage;
    errors.message[0] = '\0';
    if (setjmp(errors.jump)) {
        std::strcpy(message, errors.message);
        jpeg_destroy_decompress(&cinfo);
        std::free(rgb);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    const size_t stride = static_cast<size_t>(cinfo.output_width) * 3;
    rgb = static_cast<unsigned char*>(std::malloc(stride * cinfo.output_height));
    if (!rgb) {
        std::strcpy(message, "out of memory");
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = rgb + stride * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    out->rgb = rgb;
    out->width = static_cast<int>(cinfo.output_width);
    out->height = static_cast<int>(cinfo.output_height);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

}  // namespace

JpegResult DecodeJpeg(const QByteArray& data) {
    if (data.isEmpty()) return {QImage(), QStringLiteral("no picture data")};
    Pixels pixels{};
    char message[JMSG_LENGTH_MAX] = {};
    if (!DecodeRgb(reinterpret_cast<const unsigned char*>(data.constData()), static_cast<unsigned long>(data.size()),
                   &pixels, message))
        return {QImage(), QString::fromLocal8Bit(message)};
    QImage image(pixels.rgb, pixels.width, pixels.height, pixels.width * 3, QImage::Format_RGB888);
    QImage copy = image.copy();  // detaches from the malloc'd buffer before it is freed
    std::free(pixels.rgb);
    return {copy, QString()};
}

}  // namespace corvane

#include "installer/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace kovu3 {
namespace {

constexpr unsigned long kMaxPixels = 64ul << 20;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->escape, 1);
}

void OnMessage(j_common_ptr) {}  // warnings of slightly damaged pictures stay quiet

// Everything with a destructor lives in the caller; between setjmp and longjmp only plain
// C data are touched, so the jump skips no destructor.
bool Decode(std::string_view bytes, RgbPicture& picture, ErrorManager& manager) {
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = OnError;
    manager.base.output_message = OnMessage;
    manager.message[0] = '\0';
    if (setjmp(manager.escape)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (static_cast<unsigned long>(info.output_width) * info.output_height > kMaxPixels) {
        std::snprintf(manager.message, sizeof manager.message, "picture of %ux%u is too large",
                      info.output_width, info.output_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    picture.width = static_cast<int>(info.output_width);
    picture.height = static_cast<int>(info.output_height);
    picture.rgb.resize(static_cast<size_t>(picture.width) * picture.height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row =
            picture.rgb.data() + static_cast<size_t>(info.output_scanline) * picture.width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

RgbPicture DecodeJpeg(std::string_view bytes) {
    RgbPicture picture;
    ErrorManager manager;
    if (bytes.empty()) {
        picture.error = "no picture data";
    } else if (!Decode(bytes, picture, manager)) {
        picture = RgbPicture{};
        picture.error = manager.message[0] ? manager.message : "damaged JPEG data";
    }
    return picture;
}

}  // namespace kovu3

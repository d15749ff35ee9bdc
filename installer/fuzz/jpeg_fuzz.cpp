// Fuzzes the decoder of the setup window's JPEG picture: damaged pictures give an error.

#include <cstdint>
#include <string_view>

#include "installer/jpeg_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kovu3::RgbPicture picture =
        kovu3::DecodeJpeg(std::string_view(reinterpret_cast<const char*>(data), size));
    if (picture.error.empty() &&
        picture.rgb.size() != static_cast<size_t>(picture.width) * picture.height * 3) {
        __builtin_trap();
    }
    return 0;
}

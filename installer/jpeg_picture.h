#pragma once
// Decoding of the JPEG picture on the installer's window, with libjpeg.

#include <string>
#include <string_view>
#include <vector>

namespace kovu3 {

struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;  // width * height * 3 bytes, rows top to bottom
    std::string error;               // empty when decoded
};

// Decodes a baseline or progressive JPEG (greyscale or colour) into RGB. Damaged data give
// an error, never a crash; pictures above 64 megapixels are refused.
RgbPicture DecodeJpeg(std::string_view bytes);

}  // namespace kovu3

// make_banner: draws the picture under the setup window's heading (a hydrograph over a
// water-level scale), compresses it with libjpeg, and writes it as a .jpg file and as a C++
// source that carries its bytes into the program. Runs at build time.
//
// usage: make_banner OUTPUT.jpg OUTPUT.cpp

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int kWidth = 470;
constexpr int kHeight = 80;
constexpr int kMargin = 4;  // white all round: the window draws the corner colour transparent

struct Rgb {
    unsigned char r, g, b;
};

Rgb Mix(Rgb a, Rgb b, double t) {
    auto channel = [t](unsigned char x, unsigned char y) {
        return static_cast<unsigned char>(std::lround(x + (y - x) * t));
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

// Water level along the picture: a flood wave on a slow seasonal swell.
double Level(int x) {
    double t = static_cast<double>(x) / kWidth;
    double swell = 0.35 + 0.1 * std::sin(t * 2 * std::numbers::pi);
    double flood = 0.4 * std::exp(-std::pow((t - 0.62) / 0.07, 2));
    return swell + flood;
}

std::vector<unsigned char> Draw() {
    const Rgb white{255, 255, 255}, deep{20, 70, 140}, shallow{150, 200, 235}, line{10, 40, 100},
        grid{215, 225, 235};
    std::vector<unsigned char> pixels(kWidth * kHeight * 3, 255);
    const int bottom = kHeight - kMargin;
    const int top = kMargin;
    for (int x = kMargin; x < kWidth - kMargin; ++x) {
        int surface = bottom - static_cast<int>(Level(x) * (bottom - top));
        for (int y = top; y < bottom; ++y) {
            Rgb colour = white;
            if ((y - top) % 12 == 0 || x % 47 == 0) colour = grid;
            if (y > surface)
                colour = Mix(shallow, deep, static_cast<double>(y - surface) / (bottom - surface));
            if (std::abs(y - surface) <= 1) colour = line;
            unsigned char* p = &pixels[(y * kWidth + x) * 3];
            p[0] = colour.r;
            p[1] = colour.g;
            p[2] = colour.b;
        }
    }
    return pixels;
}

std::vector<unsigned char> Compress(std::vector<unsigned char>& pixels) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = kWidth;
    info.image_height = kHeight;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = &pixels[info.next_scanline * kWidth * 3];
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<unsigned char> jpeg(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return jpeg;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_banner OUTPUT.jpg OUTPUT.cpp\n");
        return 2;
    }
    std::vector<unsigned char> pixels = Draw();
    std::vector<unsigned char> jpeg = Compress(pixels);
    std::ofstream picture(argv[1], std::ios::binary);
    picture.write(reinterpret_cast<const char*>(jpeg.data()),
                  static_cast<std::streamsize>(jpeg.size()));
    std::ofstream source(argv[2]);
    source << "// Made by make_banner at build time: the JPEG picture of the setup window.\n"
              "#include <cstddef>\n\nnamespace kovu3 {\n\n"
              "extern const unsigned char kBannerJpeg[] = {";
    for (size_t i = 0; i < jpeg.size(); ++i)
        source << (i % 16 ? " " : "\n    ") << int(jpeg[i]) << ",";
    source << "\n};\nextern const std::size_t kBannerJpegSize = sizeof kBannerJpeg;\n\n}  // "
              "namespace kovu3\n";
    if (!picture || !source) {
        std::fprintf(stderr, "make_banner: cannot write %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}

#pragma once
// The pictures of the setup window: the tall picture at its left edge, two small icons of
// the contact panel, and the JPEG picture under the heading, decoded with libjpeg.

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <cstddef>
#include <string_view>

namespace kovu3 {

// The JPEG bytes, made at build time (make_banner).
extern const unsigned char kBannerJpeg[];
extern const std::size_t kBannerJpegSize;

// A JPEG picture decoded with libjpeg; a null image when the data are damaged.
QImage JpegToImage(std::string_view bytes);

// The picture with every pixel near the colour of its bottom-left pixel made transparent,
// as a picture drawn "transparent" shows the window through its background.
QImage WithTransparentBackground(const QImage& picture);

QPixmap SidePicture(QSize size);  // Image1: a river gauge
QPixmap PhoneIcon(int size);      // Image2
QPixmap GlobeIcon(int size);      // Image3

}  // namespace kovu3

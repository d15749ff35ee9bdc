#include "ui/setup_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdlib>

#include "installer/jpeg_picture.h"

namespace kovu3 {

QImage JpegToImage(std::string_view bytes) {
    RgbPicture picture = DecodeJpeg(bytes);
    if (!picture.error.empty()) return {};
    QImage image(picture.rgb.data(), picture.width, picture.height, picture.width * 3,
                 QImage::Format_RGB888);
    return image.copy();  // the pixels above live only as long as `picture`
}

QImage WithTransparentBackground(const QImage& picture) {
    if (picture.isNull()) return picture;
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1);
    // JPEG blurs flat colours a little: a small tolerance keeps the edges clean.
    auto near = [key](QRgb c) {
        return std::abs(qRed(c) - qRed(key)) + std::abs(qGreen(c) - qGreen(key)) +
                   std::abs(qBlue(c) - qBlue(key)) <=
               24;
    };
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (near(row[x])) row[x] = qRgba(qRed(row[x]), qGreen(row[x]), qBlue(row[x]), 0);
        }
    }
    return image;
}

QPixmap SidePicture(QSize size) {
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(12, 44, 96));
    sky.setColorAt(1, QColor(40, 110, 170));
    painter.fillRect(pixmap.rect(), sky);
    // Water with a wavy surface at two fifths of the height.
    const int surface = size.height() * 3 / 5;
    QPainterPath water;
    water.moveTo(0, surface);
    for (int x = 0; x <= size.width(); x += 4) {
        water.lineTo(x, surface + 5 * std::sin(x / 11.0));
    }
    water.lineTo(size.width(), size.height());
    water.lineTo(0, size.height());
    QLinearGradient deep(0, surface, 0, size.height());
    deep.setColorAt(0, QColor(90, 170, 220));
    deep.setColorAt(1, QColor(10, 60, 120));
    painter.fillPath(water, deep);
    // A staff gauge standing in the water, marked every tenth of its length.
    const QRect staff(size.width() / 2 - 9, size.height() / 6, 18, size.height() * 2 / 3);
    painter.fillRect(staff, QColor(250, 250, 240));
    painter.setPen(QPen(QColor(190, 30, 30), 2));
    for (int i = 0; i <= 20; ++i) {
        int y = staff.top() + staff.height() * i / 20;
        painter.drawLine(staff.left(), y, staff.left() + (i % 2 ? 8 : 18), y);
    }
    painter.setPen(QPen(QColor(255, 255, 255, 120), 1));
    painter.drawRect(staff);
    return pixmap;
}

namespace {

// A square transparent picture drawn by `draw` with a smoothing painter.
template <typename Draw>
QPixmap Icon(int size, Draw draw) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, static_cast<double>(size));
    return pixmap;
}

}  // namespace

QPixmap PhoneIcon(int size) {
    return Icon(size, [](QPainter& painter, double s) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(20, 70, 140));
        painter.drawRoundedRect(QRectF(s * 0.1, s * 0.1, s * 0.8, s * 0.25), s * 0.1,
                                s * 0.1);  // handset
        painter.drawRoundedRect(QRectF(s * 0.2, s * 0.45, s * 0.6, s * 0.45), s * 0.08, s * 0.08);
        painter.setBrush(Qt::white);
        for (int row = 0; row < 2; ++row) {
            for (int col = 0; col < 3; ++col) {
                painter.drawEllipse(QPointF(s * (0.33 + col * 0.17), s * (0.58 + row * 0.17)),
                                    s * 0.05, s * 0.05);
            }
        }
    });
}

QPixmap GlobeIcon(int size) {
    return Icon(size, [](QPainter& painter, double s) {
        const QRectF ball(1.5, 1.5, s - 3.0, s - 3.0);
        painter.setBrush(QColor(90, 170, 220));
        painter.setPen(QPen(QColor(20, 70, 140), 1.5));
        painter.drawEllipse(ball);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(ball.adjusted(s * 0.3, 0, -s * 0.3, 0));  // meridian
        painter.drawLine(QPointF(ball.left(), ball.center().y()),
                         QPointF(ball.right(), ball.center().y()));
    });
}

}  // namespace kovu3

// Draws the program's logo pictures, Logo.jpg (Turkish and Farsi) and Logo_E.jpg (English):
// a staff gauge standing in water with a logger's hydrograph behind it, the name and the
// address.

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cstdio>

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 300;

void DrawHydrograph(QPainter& painter) {
    QPainterPath path;
    path.moveTo(150, 200);
    for (int x = 150; x <= kWidth - 20; x += 4) {
        double t = (x - 150) / double(kWidth - 170);
        double flood =
            70 * qExp(-qPow((t - 0.35) / 0.12, 2)) + 25 * qExp(-qPow((t - 0.75) / 0.08, 2));
        path.lineTo(x, 200 - flood - 6 * qSin(t * 40));
    }
    painter.setPen(QPen(QColor(255, 200, 60), 3));
    painter.drawPath(path);
}

void DrawGauge(QPainter& painter) {
    const QRect staff(50, 40, 34, 210);
    painter.fillRect(staff, Qt::white);
    painter.setPen(QPen(QColor(20, 40, 80), 2));
    painter.drawRect(staff);
    for (int i = 0; i < 21; ++i) {
        int y = staff.bottom() - i * 10;
        int length = i % 5 == 0 ? 24 : 12;
        painter.fillRect(staff.left() + 2, y - 2, length, 4,
                         i % 10 < 5 ? QColor(200, 30, 30) : QColor(20, 40, 80));
    }
}

void DrawWater(QPainter& painter) {
    QPainterPath water;
    water.moveTo(0, 215);
    for (int x = 0; x <= kWidth; x += 8) water.lineTo(x, 215 + 5 * qSin(x / 18.0));
    water.lineTo(kWidth, kHeight);
    water.lineTo(0, kHeight);
    water.closeSubpath();
    QLinearGradient gradient(0, 210, 0, kHeight);
    gradient.setColorAt(0, QColor(40, 120, 200, 220));
    gradient.setColorAt(1, QColor(10, 40, 100, 240));
    painter.fillPath(water, gradient);
}

QImage DrawLogo(const QString& subtitle) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor(12, 52, 110));
    sky.setColorAt(1, QColor(90, 170, 230));
    painter.fillRect(image.rect(), sky);
    DrawHydrograph(painter);
    DrawGauge(painter);
    DrawWater(painter);

    painter.setPen(Qt::white);
    QFont name("DejaVu Sans", 54, QFont::Bold);
    painter.setFont(name);
    painter.drawText(QRect(110, 20, kWidth - 120, 80), Qt::AlignRight | Qt::AlignVCenter, "KOVU3");
    QFont small("DejaVu Sans", 13);
    painter.setFont(small);
    painter.drawText(QRect(110, 95, kWidth - 120, 24), Qt::AlignRight, subtitle);
    painter.drawText(QRect(10, kHeight - 34, kWidth - 20, 24), Qt::AlignRight,
                     "www.example.org/kovu3");
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw-logos PROGRAM_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const struct {
        const char* file;
        QString subtitle;
    } logos[] = {
        {"Logo.jpg", QString::fromUtf8("Hidrometrik istasyon verileri")},
        {"Logo_E.jpg", QStringLiteral("Hydrometric station data")},
    };
    for (const auto& logo : logos) {
        QString path = folder + "/" + logo.file;
        if (!DrawLogo(logo.subtitle).save(path, "JPG", 90)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

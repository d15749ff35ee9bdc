#include "graph/ui/graph_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPalette>
#include <QPolygonF>
#include <algorithm>

#include "graph/graph_texts.h"
#include "graph/plot_time.h"
#include "graph/time_labels.h"
#include "shell/colour_palette.h"

namespace kovu3 {
namespace {

// Text placement of PrintText and PrintTurnedText.
enum class Align { EndsAt, StartsAt, Centred };  // "XXX<", ">XXX", "Ortala"

struct TextStyle {
    double points = 8;
    bool bold = false;
    QColor colour = Qt::black;
    bool boxed = false;
    bool filled = false;
};

// Fonts are sized in picture units (a point is 96/72 of a unit, as on the screen the
// picture was designed for), so every device shows the same picture.
QFont GraphFont(const TextStyle& style) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, qRound(style.points * 96.0 / 72.0)));
    font.setBold(style.bold);
    return font;
}

// Writes `text` in a box of its own size whose origin is the text's start, vertically
// centred on the x axis; the painter is already placed and turned.
void WriteAtOrigin(QPainter* painter, const QString& text, const TextStyle& style, double start) {
    const QFont font = GraphFont(style);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text);
    const double height = metrics.height();
    const QRectF box(start - 2, -height / 2 - 2, width + 4, height + 4);
    if (style.filled) painter->fillRect(box, Qt::white);
    painter->setFont(font);
    painter->setPen(style.colour);
    painter->drawText(QPointF(start, -height / 2 + metrics.ascent()), text);
    if (style.boxed) {
        painter->setPen(QPen(Qt::black, 1));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(box);
    }
}

double TextWidth(const QString& text, const TextStyle& style) {
    return QFontMetricsF(GraphFont(style)).horizontalAdvance(text);
}

// PrintText: the text ends at, starts at or is centred on x, vertically centred on y.
void PrintText(QPainter* painter, const QString& text, double x, double y, Align align,
               const TextStyle& style) {
    if (text.isEmpty()) return;
    const double width = TextWidth(text, style);
    const double start = align == Align::EndsAt    ? x - width
                         : align == Align::Centred ? x - width / 2
                                                   : x;
    painter->save();
    painter->translate(0, y);
    WriteAtOrigin(painter, text, style, start);
    painter->restore();
}

// PrintTurnedText with the angle 900 and "XXX<": the text reads upwards, centred on x, its
// last character 2 units below y.
void PrintTextUpwards(QPainter* painter, const QString& text, double x, double y,
                      const TextStyle& style) {
    if (text.isEmpty()) return;
    const double width = TextWidth(text, style);
    painter->save();
    painter->translate(x, y + 2 + width);
    painter->rotate(-90);
    WriteAtOrigin(painter, text, style, 0);
    painter->restore();
}

QPen LinePen(const QColor& colour, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(colour, 1, style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void DrawCurve(QPainter* painter, const CurveTrace& trace, const QColor& colour, int dotWidth) {
    painter->setPen(LinePen(colour));
    for (const std::vector<PlotPoint>& run : trace.runs) {
        if (run.size() == 1) {
            painter->drawPoint(QPointF(run[0].x, run[0].y));
            continue;
        }
        QPolygonF line;
        line.reserve(static_cast<qsizetype>(run.size()));
        for (const PlotPoint& point : run) line << QPointF(point.x, point.y);
        painter->drawPolyline(line);
    }
    auto dots = [&](const std::vector<PlotPoint>& points, const QColor& dotColour) {
        QPen pen(dotColour, dotWidth);
        pen.setCapStyle(dotWidth > 1 ? Qt::RoundCap : Qt::SquareCap);
        painter->setPen(pen);
        for (const PlotPoint& point : points) painter->drawPoint(QPointF(point.x, point.y));
    };
    dots(trace.maxima, kMaximumDotColour);
    dots(trace.minima, kMinimumDotColour);
}

QColor OptionColour(const std::string& text, const char* fallback) {
    const WindowsColour colour = ParseColour(text).value_or(ParseColour(fallback).value_or(0));
    const Rgb rgb = ToRgb(colour, [](int) {
        // 5, the background of windows' contents, is the only system colour stored.
        const QColor base = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                ? QGuiApplication::palette().color(QPalette::Base)
                                : QColor(Qt::white);
        return Rgb{base.red(), base.green(), base.blue()};
    });
    return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace

GraphColours GraphColoursOf(const ProgramSettings& settings) {
    const auto& o = settings.Options;
    GraphColours colours;
    colours.background = OptionColour(o[2], "-2147483643");
    colours.stations[0] = OptionColour(o[3], "16711680");
    colours.scale = OptionColour(o[4], "0");
    colours.stations[1] = OptionColour(o[5], "0");
    colours.stations[2] = OptionColour(o[6], "16711680");
    colours.stations[3] = OptionColour(o[7], "33023");
    return colours;
}

GraphPicture MakeGraphPicture(const GraphDocument& document, const GraphView& view,
                              const ProgramSettings& settings) {
    GraphPicture picture;
    picture.document = &document;
    picture.view = DrawableView(view);
    picture.drawExtremes = settings.Options[1] != "0";
    picture.colours = GraphColoursOf(settings);
    const LanguageTexts& texts = settings.texts;
    picture.timeCaption = QString::fromStdString(CaptionOr(texts, 109, "Zaman"));
    picture.levelCaption = QString::fromStdString(CaptionOr(texts, 110, "Seviye, cm."));
    if (document.empty()) return picture;
    picture.title = QString::fromStdString(GraphTitle(document.stations.back().data, texts));
    const std::string& separator = settings.calendar.DateSeparator;
    picture.range = QString::fromStdString(
        RangeText(DateTimeOf(picture.view.xStart, document.firstDay, separator),
                  DateTimeOf(picture.view.xEnd, document.firstDay, separator)));
    for (const GraphStation& station : document.stations)
        picture.legend << QString::fromStdString(LegendLabel(station.data));
    return picture;
}

void PaintGraph(QPainter* painter, const QRectF& target, double scale,
                const GraphPicture& picture) {
    painter->save();
    painter->setClipRect(target, Qt::IntersectClip);
    painter->translate(target.topLeft());
    painter->scale(scale, scale);
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setRenderHint(QPainter::TextAntialiasing, true);
    const double width = target.width() / scale;
    const double height = target.height() / scale;
    const GraphScale map(picture.view, width, height);
    const GraphView& view = map.view();
    const double L = map.L(), T = map.T(), W = map.W(), H = map.H();
    const QRectF plot(L, T, W, H);
    const GraphColours& colours = picture.colours;
    const GraphDocument* document = picture.document;

    painter->fillRect(QRectF(0, 0, width, height), colours.background);

    // The curves, cut off at the plot area.
    if (document) {
        painter->save();
        painter->setClipRect(plot, Qt::IntersectClip);
        const int dotWidth = ExtremeDotWidth(view);
        for (size_t i = 0; i < document->stations.size() && i < colours.stations.size(); ++i) {
            const CurveTrace trace =
                TraceCurve(document->stations[i].series, map, picture.drawExtremes, scale);
            DrawCurve(painter, trace, colours.stations[i], dotWidth);
        }
        painter->restore();
    }

    // Level scale: ticks, grid lines and levels in tenths of the range.
    const TextStyle scaleText{8, false, colours.scale};
    for (double level : LevelScaleValues(view)) {
        const double y = map.Y(level);
        painter->setPen(LinePen(colours.scale, Qt::DotLine));
        painter->drawLine(QPointF(L, y), QPointF(L + W, y));
        painter->setPen(LinePen(colours.scale));
        painter->drawLine(QPointF(L, y), QPointF(L + 10, y));
        PrintText(painter, QString::fromStdString(LevelLabel(level)), L, y, Align::EndsAt,
                  scaleText);
    }

    // Time scale: a date label, tick and grid line every k days.
    if (document && !document->empty()) {
        const int k = LabelInterval(map.DayWidth());
        for (const TimeLabel& label :
             TimeLabels(view, document->waterYear, k, document->calendar)) {
            const double x = map.X(label.x);
            painter->setPen(LinePen(colours.scale, Qt::DotLine));
            painter->drawLine(QPointF(x, T + H), QPointF(x, T));
            painter->setPen(LinePen(colours.scale));
            painter->drawLine(QPointF(x, T + H), QPointF(x, T + H - 10));
            PrintTextUpwards(painter, QString::fromStdString(label.date), x, T + H, scaleText);
        }
    }

    painter->setPen(LinePen(Qt::black));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(plot);

    // Title, axis captions, range and legend.
    PrintText(painter, picture.title, (L + W) / 2, T + H - 20, Align::Centred,
              {10, true, Qt::black, false, true});
    PrintText(painter, picture.timeCaption, L + W - 5, map.Y(view.y0) - 15, Align::EndsAt,
              {8, false, colours.scale, true, true});
    PrintTextUpwards(painter, picture.levelCaption, L + 10, T + 5,
                     {8, false, colours.scale, true, true});
    PrintText(painter, picture.range, L + 10, T - 10, Align::StartsAt, {8, false, Qt::black});

    if (document && !picture.legend.isEmpty()) {
        const TextStyle legendText{8, false, Qt::black, false, true};
        double widest = 0;
        for (const QString& label : picture.legend)
            widest = std::max(widest, TextWidth(label, legendText));
        const int count =
            static_cast<int>(std::min<size_t>(picture.legend.size(), colours.stations.size()));
        // The legend's place on the picture the program was made for, moved inside the plot
        // area on smaller pictures.
        const double lineStart = std::max(L + 5, std::min(L + 630, L + W - 28 - widest));
        const double base = std::max(T + 15.0 * count + 5, std::min(400.0, T + H - 30));
        for (int i = 0; i < count; ++i) {
            const double y = base - 15 * (i + 1);
            painter->setPen(LinePen(colours.stations[static_cast<size_t>(i)]));
            painter->drawLine(QPointF(lineStart, y), QPointF(lineStart + 20, y));
            PrintText(painter, picture.legend[i], lineStart + 22, y, Align::StartsAt, legendText);
        }
    }
    painter->restore();
}

QImage RenderGraph(const GraphPicture& picture, int width, int height) {
    QImage image(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintGraph(&painter, QRectF(0, 0, image.width(), image.height()), 1.0, picture);
    return image;
}

void PaintGraphOnPage(QPainter* painter, const QRectF& page, int width, int height,
                      const GraphPicture& picture) {
    const double scale = std::min(page.width() / width, page.height() / height);
    const QRectF target(page.left() + (page.width() - width * scale) / 2, page.top(), width * scale,
                        height * scale);
    PaintGraph(painter, target, scale, picture);
}

}  // namespace kovu3

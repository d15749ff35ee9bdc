#pragma once
// The drawing of the graph on any paint device: the window's picture, the printer, a PDF
// and a PNG all call PaintGraph, so they show the same picture. Needs Qt Gui only.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <array>

#include "graph/graph_document.h"
#include "graph/graph_view.h"
#include "shell/program_settings.h"

namespace kovu3 {

// The six graph colours of Options 2 to 7.
struct GraphColours {
    QColor background;               // colour 0
    QColor scale;                    // colour 2
    std::array<QColor, 4> stations;  // colours 1, 3, 4 and 5
};
GraphColours GraphColoursOf(const ProgramSettings& settings);

// Dots of the logger's instantaneous extremes: light red and light blue of the 16-colour
// palette.
inline const QColor kMaximumDotColour{255, 0, 0};
inline const QColor kMinimumDotColour{0, 0, 255};

// Everything one drawing shows.
struct GraphPicture {
    const GraphDocument* document = nullptr;
    GraphView view;
    bool drawExtremes = true;  // Options entry 1
    GraphColours colours;
    QString title;         // of the last station
    QString timeCaption;   // "Zaman" / "Time"
    QString levelCaption;  // "Seviye, cm." / "Level, cm."
    QString range;         // start and end of the view
    QStringList legend;    // a label per station
};

// The picture of a view of the document, with the texts and colours of the settings.
GraphPicture MakeGraphPicture(const GraphDocument& document, const GraphView& view,
                              const ProgramSettings& settings);

// Draws the picture into `target` (device coordinates of the painter). The picture's own
// units, in which margins, fonts and dots are measured, are device units / `scale`, so the
// picture is target.width() / scale units wide.
void PaintGraph(QPainter* painter, const QRectF& target, double scale, const GraphPicture& picture);

// The picture as an image of `width` x `height` units at one pixel a unit.
QImage RenderGraph(const GraphPicture& picture, int width, int height);

// The picture on a page: scaled to the page's printable area with its proportions kept,
// centred at the top. `width` and `height` are the picture's units.
void PaintGraphOnPage(QPainter* painter, const QRectF& page, int width, int height,
                      const GraphPicture& picture);

}  // namespace kovu3

// The picture of the graph: curve pixels where the scale puts them, gaps, extreme dots,
// the upside-down axis, and the same picture on a page.

#include <QPdfWriter>
#include <QTest>

#include "graph/ui/graph_painter.h"
#include "support/test_folder.h"

namespace kovu3 {

class GraphPainterTest final : public QObject {
    Q_OBJECT

  private slots:
    void curvePixelsWhereTheScalePutsThem();
    void readingsFourDaysApartAreNotJoined();
    void extremeDotsInLightRedAndLightBlue();
    void aquiferAxisRunsDownwards();
    void samePictureOnAPdfPage();
};

namespace {

const QColor kCurve(0, 128, 0);
const QColor kPaper(255, 255, 255);

struct Line {
    int day, hour, level;
    char kind = ' ';
};

GraphDocument Document(std::initializer_list<Line> lines) {
    GraphDocument document;
    ApplyCalendar(document.calendar, "TURKCE");
    document.waterYear = 2004;
    document.firstDay = "01/10/2003";
    GraphStation station;
    station.data.IstNo = "123-45678";
    station.data.IstAdi = "Test Deresi";
    station.data.SuYili = 2004;
    for (const Line& line : lines) {
        station.series.minutes.push_back(line.day * 1440 + line.hour * 60);
        station.series.levels.push_back(line.level);
        station.series.kinds.push_back(line.kind);
    }
    document.stations.push_back(std::move(station));
    return document;
}

GraphPicture Picture(const GraphDocument& document, GraphView view) {
    ProgramSettings settings;
    ApplyLanguage(settings.texts, "TURKCE");
    settings.Options[1] = "1";
    GraphPicture picture = MakeGraphPicture(document, view, settings);
    picture.colours.background = kPaper;
    picture.colours.stations[0] = kCurve;
    picture.colours.scale = QColor(128, 128, 128);
    picture.title.clear();  // keeps the bottom of the plot area free for the checks
    picture.legend.clear();
    return picture;
}

// Whether a pixel within one of (x, y) has the colour.
bool ColourNear(const QImage& image, double x, double y, const QColor& colour) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (image.pixelColor(qRound(x) + dx, qRound(y) + dy) == colour) return true;
    return false;
}

// A month on a 665 x 515 picture: the plot area is 600 x 400 at (45, 20), 0 to 400 cm.
const GraphView kMonth{14.4, 14.4 * 32, 0, 400};

}  // namespace

void GraphPainterTest::curvePixelsWhereTheScalePutsThem() {
    // A rise from 100 cm on day 3 to 300 cm on day 5, then level.
    const GraphDocument document = Document({{3, 0, 100}, {5, 0, 300}, {6, 0, 300}, {7, 0, 300}});
    const QImage image = RenderGraph(Picture(document, kMonth), 665, 515);
    const GraphScale scale(kMonth, 665, 515);
    QCOMPARE(scale.X(14.4 * 3), 45 + 600.0 * 2 / 31);
    QVERIFY(ColourNear(image, scale.X(14.4 * 3), scale.Y(100), kCurve));
    QVERIFY(ColourNear(image, scale.X(14.4 * 4), scale.Y(200), kCurve));  // half way up the rise
    QVERIFY(ColourNear(image, scale.X(14.4 * 6.5), scale.Y(300), kCurve));
    QVERIFY(!ColourNear(image, scale.X(14.4 * 6.5), scale.Y(250), kCurve));
    QVERIFY(
        !ColourNear(image, scale.X(14.4 * 10), scale.Y(300), kCurve));  // after the last reading
    // Nothing of the curve outside the plot area, and the frame is black.
    QCOMPARE(image.pixelColor(45, 300), QColor(Qt::black));
    QCOMPARE(image.pixelColor(20, 150), kPaper);
}

void GraphPainterTest::readingsFourDaysApartAreNotJoined() {
    const GraphDocument document = Document({{3, 0, 200}, {4, 0, 200}, {8, 0, 200}, {9, 0, 200}});
    const QImage image = RenderGraph(Picture(document, kMonth), 665, 515);
    const GraphScale scale(kMonth, 665, 515);
    QVERIFY(ColourNear(image, scale.X(14.4 * 3.5), scale.Y(200), kCurve));
    QVERIFY(!ColourNear(image, scale.X(14.4 * 6), scale.Y(200), kCurve));
    QVERIFY(ColourNear(image, scale.X(14.4 * 8.5), scale.Y(200), kCurve));
}

void GraphPainterTest::extremeDotsInLightRedAndLightBlue() {
    const GraphDocument document =
        Document({{3, 0, 200}, {3, 14, 340, 'x'}, {3, 16, 60, 'm'}, {4, 0, 200}});
    GraphPicture picture = Picture(document, kMonth);
    const GraphScale scale(kMonth, 665, 515);
    QImage image = RenderGraph(picture, 665, 515);
    QVERIFY(ColourNear(image, scale.X(14.4 * 3 + 0.6 * 14), scale.Y(340), kMaximumDotColour));
    QVERIFY(ColourNear(image, scale.X(14.4 * 3 + 0.6 * 16), scale.Y(60), kMinimumDotColour));
    // Without the option neither dots nor a line to them.
    picture.drawExtremes = false;
    image = RenderGraph(picture, 665, 515);
    QVERIFY(!ColourNear(image, scale.X(14.4 * 3 + 0.6 * 14), scale.Y(340), kMaximumDotColour));
    QVERIFY(!ColourNear(image, scale.X(14.4 * 3 + 0.6 * 14), scale.Y(340), kCurve));
}

void GraphPainterTest::aquiferAxisRunsDownwards() {
    const GraphDocument document = Document({{3, 0, 350}, {4, 0, 350}});
    const GraphView upsideDown{kMonth.xStart, kMonth.xEnd, 400, 0};
    const QImage image = RenderGraph(Picture(document, upsideDown), 665, 515);
    // 350 cm of 400 lies near the bottom edge when the axis runs downwards.
    QVERIFY(ColourNear(image, GraphScale(upsideDown, 665, 515).X(14.4 * 3.5),
                       20 + 400 * 350.0 / 400, kCurve));
    QVERIFY(!ColourNear(image, GraphScale(upsideDown, 665, 515).X(14.4 * 3.5),
                        20 + 400 * 50.0 / 400, kCurve));
}

void GraphPainterTest::samePictureOnAPdfPage() {
    test::TestFolder folder;
    const QString path = QString::fromStdString((folder / "grafik çıktısı.pdf").string());
    const GraphDocument document = Document({{3, 0, 100}, {5, 0, 300}});
    {
        QPdfWriter writer(path);
        writer.setPageOrientation(QPageLayout::Landscape);
        QPainter painter(&writer);
        PaintGraphOnPage(&painter, QRectF(QPointF(0, 0), QSizeF(writer.width(), writer.height())),
                         665, 515, Picture(document, kMonth));
    }
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QVERIFY(bytes.size() > 2000);
}

}  // namespace kovu3

QTEST_MAIN(kovu3::GraphPainterTest)
#include "graph_painter_test.moc"

// The graph window: opening, the pointer read-out, selecting an area with the mouse, typing
// a range, the history of views and their stored images, printing, leaving, the aquifer
// orientation and the Persian calendar.

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrinter>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <filesystem>

#include "../shell/ui/desktop_machine.h"
#include "graph/picture_files.h"
#include "graph/ui/form_graf.h"
#include "graph_fixture.h"

namespace kovu3 {

class FormGrafTest final : public QObject {
    Q_OBJECT

  private slots:
    void openingDrawsTheWholeWaterYear();
    void pointerReadout();
    void selectedAreaBecomesTheNextView();
    void clickWithoutDraggingOnlyBeeps();
    void typedRangeAndTheHistory();
    void backAndForwardShowTheStoredImages();
    void aResizedWindowDrawsItsViewAgain();
    void printsOnAPdfPrinter();
    void leavingRemovesOnlyItsPictures();
    void aSecondWindowReplacesTheFirst();
    void aquiferLoggerTurnsTheAxis();
    void persianCalendar();
    void unreadableFilesAreReported();
    void mainWindowOpensTheGraph();
};

namespace {

namespace fs = std::filesystem;

// A converted station-year of 20 days of October 2003 in a fresh data folder.
struct GraphMachine {
    test::GraphFixture fixture;
    std::string file;

    explicit GraphMachine(const char* language = "TURKCE", int type = sim::kOpticalEncoder,
                          int year = 2004)
        : fixture(language) {
        const std::string raw = fixture.Raw("12345678", {1, 10, 2003}, {20, 10, 2003}, type);
        file = fixture.Convert("123-45678", year, {raw});
    }
    std::unique_ptr<FormGraf> Open() {
        auto form = std::make_unique<FormGraf>(fixture.settings, std::vector<std::string>{file});
        form->show();
        Shoot(*form, "opened");
        return form;
    }
    bool PictureExists(int slot) const {
        return fs::exists(PictureFile(fixture.data.path(), slot));
    }

    // Pictures for a person to look at, when KOVU3_GRAPH_SHOTS names a folder.
    static void Shoot(QWidget& form, const char* name) {
        const QByteArray folder = qgetenv("KOVU3_GRAPH_SHOTS");
        if (folder.isEmpty()) return;
        form.grab().save(QString::fromUtf8(folder) + "/" + QTest::currentTestFunction() + "-" +
                         name + ".png");
    }
};

QString Text(FormGraf& form, const char* name) {
    return form.findChild<QLineEdit*>(name)->text();
}
QAction* Menu(FormGraf& form, const char* name) {
    return form.findChild<QAction*>(name);
}
QGroupBox* Frame(FormGraf& form, const char* name) {
    return form.findChild<QGroupBox*>(name);
}

void Mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
           Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

void Drag(FormGraf& form, QPoint from, QPoint to) {
    QWidget* picture = form.picture();
    Mouse(picture, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    Mouse(picture, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    Mouse(picture, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    Mouse(picture, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

QPoint At(const GraphScale& scale, double plotTime, double level) {
    return QPoint(qRound(scale.X(plotTime)), qRound(scale.Y(level)));
}

}  // namespace

void FormGrafTest::openingDrawsTheWholeWaterYear() {
    GraphMachine machine;
    auto form = machine.Open();
    QVERIFY(form->hasStations());
    QCOMPARE(Menu(*form, "Mnuilk")->text(), QString::fromUtf8("Başlangıç çizimi"));
    QCOMPARE(Menu(*form, "MnuPrint")->text(), QString::fromUtf8("Yazdır"));
    QCOMPARE(Frame(*form, "Frame2")->title(), QString::fromUtf8("Seçilmiş bölge"));
    QVERIFY(!Menu(*form, "MnuSec")->isEnabled());
    QVERIFY(!Menu(*form, "MnuGeri")->isEnabled());
    QVERIFY(!Menu(*form, "MnuIleri")->isEnabled());
    QVERIFY(Frame(*form, "Frame2")->isHidden());
    // The first day from its 00:00 to the last day's 24:00; levels 0 to 1.1 x the maximum.
    QCOMPARE(Text(*form, "Text8"), QStringLiteral("01/10/2003  00:00"));
    QCOMPARE(Text(*form, "Text10"), QStringLiteral("01/10/2004  00:00"));
    QCOMPARE(Text(*form, "Text9"), QStringLiteral("0"));
    const long maximum = form->document().stations[0].yearMaximum;
    QCOMPARE(Text(*form, "Text11"), QString::number(static_cast<long>(std::floor(1.1 * maximum))));
    QVERIFY(machine.PictureExists(1));
    QImage stored(QString::fromStdString(PictureFile(machine.fixture.data.path(), 1).string()),
                  "PNG");
    QCOMPARE(stored.size(), form->picture()->size());
}

void FormGrafTest::pointerReadout() {
    GraphMachine machine;
    auto form = machine.Open();
    const GraphScale scale = form->Scale();
    // 15/10/2003 is day 15; 06:30 is 3.9 units into it.
    Mouse(form->picture(), QEvent::MouseMove, At(scale, 15 * 14.4 + 3.9, 100), Qt::NoButton,
          Qt::NoButton);
    const QString readout = form->findChild<QLabel*>("Label3")->text();
    QVERIFY2(readout.startsWith("Mouse:15/10/2003  "), qPrintable(readout));
    QVERIFY2(readout.contains("   H= 9") || readout.contains("   H= 10"), qPrintable(readout));
}

void FormGrafTest::selectedAreaBecomesTheNextView() {
    GraphMachine machine;
    auto form = machine.Open();
    const GraphScale scale = form->Scale();
    // From 05/10 at 80 % of the level range down and right to 12/10 at 30 %.
    const GraphView first = form->history().CurrentView();
    const double high = first.y0 + 0.8 * (first.y1 - first.y0),
                 low = first.y0 + 0.3 * (first.y1 - first.y0);
    Drag(*form, At(scale, 5 * 14.4 + 6, high), At(scale, 12 * 14.4 + 6, low));
    QVERIFY(form->picture()->shape()->isVisible());
    QVERIFY(Frame(*form, "Frame2")->isVisible());
    QCOMPARE(Text(*form, "Text3_0"), QStringLiteral("05/10/2003"));
    QCOMPARE(Text(*form, "Text4_0"), QStringLiteral("12/10/2003"));
    const double top = Text(*form, "Text3_2").toDouble(),
                 bottom = Text(*form, "Text4_2").toDouble();
    const double pixel = (first.y1 - first.y0) / scale.H();
    QVERIFY2(std::fabs(top - high) <= 1 + pixel && std::fabs(bottom - low) <= 1 + pixel,
             qPrintable(Text(*form, "Text3_2") + " " + Text(*form, "Text4_2")));
    QCOMPARE(form->Scale().H(), scale.H());  // the picture keeps its size while selecting
    QVERIFY(Menu(*form, "MnuSec")->isEnabled());
    GraphMachine::Shoot(*form, "selected");

    Menu(*form, "MnuSec")->trigger();
    QCOMPARE(form->history().current(), 2);
    QCOMPARE(Text(*form, "Text8"), QStringLiteral("05/10/2003  00:00"));
    QCOMPARE(Text(*form, "Text10"), QStringLiteral("13/10/2003  00:00"));
    QCOMPARE(form->history().CurrentView().y0, bottom);
    QCOMPARE(form->history().CurrentView().y1, top);
    QVERIFY(machine.PictureExists(2));
    QVERIFY(Menu(*form, "MnuGeri")->isEnabled());
    QVERIFY(!Menu(*form, "MnuIleri")->isEnabled());
    GraphMachine::Shoot(*form, "zoomed");

    // Dragged past the plot area, the corner stays on its edge.
    const GraphScale zoomed = form->Scale();
    Drag(*form, At(zoomed, 6 * 14.4, 100),
         QPoint(form->picture()->width() - 2, form->picture()->height() - 2));
    QCOMPARE(Text(*form, "Text4_0"), QStringLiteral("13/10/2003"));
    QCOMPARE(Text(*form, "Text4_1"), QStringLiteral("00:00"));
    QCOMPARE(Text(*form, "Text4_2").toDouble(),
             std::floor(zoomed.LevelAt(zoomed.T() + zoomed.H())));
}

void FormGrafTest::clickWithoutDraggingOnlyBeeps() {
    GraphMachine machine;
    auto form = machine.Open();
    QSignalSpy beeps(form.get(), &FormGraf::beeped);
    const QPoint point = At(form->Scale(), 10 * 14.4, 100);
    Mouse(form->picture(), QEvent::MouseButtonPress, point, Qt::LeftButton, Qt::LeftButton);
    Mouse(form->picture(), QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
    Menu(*form, "MnuSec")->trigger();
    QCOMPARE(beeps.count(), 1);
    QCOMPARE(form->history().current(), 1);
    QCOMPARE(form->history().highest(), 1);
}

void FormGrafTest::typedRangeAndTheHistory() {
    GraphMachine machine;
    auto form = machine.Open();
    Menu(*form, "MnuSecformKeyboard")->trigger();
    QVERIFY(Frame(*form, "Frame3")->isVisible());
    QCOMPARE(Text(*form, "Text1"), QStringLiteral("1.10"));
    QCOMPARE(Text(*form, "Text5"), QStringLiteral("30.9"));
    form->findChild<QLineEdit*>("Text1")->setText("15/11");
    form->findChild<QLineEdit*>("Text5")->setText("20.11");
    QTest::mouseClick(form->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QVERIFY(Frame(*form, "Frame3")->isHidden());
    QCOMPARE(Text(*form, "Text8"), QStringLiteral("15/11/2003  00:00"));
    QCOMPARE(Text(*form, "Text10"), QStringLiteral("21/11/2003  00:00"));
    const GraphView typed = form->history().CurrentView();
    // Back and forward return to it.
    Menu(*form, "MnuGeri")->trigger();
    QCOMPARE(Text(*form, "Text8"), QStringLiteral("01/10/2003  00:00"));
    QVERIFY(!Menu(*form, "MnuGeri")->isEnabled());
    Menu(*form, "MnuGeri")->trigger();  // from view 1: stays
    QCOMPARE(form->history().current(), 1);
    Menu(*form, "MnuIleri")->trigger();
    QCOMPARE(form->history().CurrentView(), typed);
    QCOMPARE(Text(*form, "Text10"), QStringLiteral("21/11/2003  00:00"));
    QVERIFY(!Menu(*form, "MnuIleri")->isEnabled());
    Menu(*form, "MnuIleri")->trigger();  // past the highest view: impossible
    QCOMPARE(form->history().current(), 2);

    // A day that does not exist is refused with a beep and the range stays to be mended.
    QSignalSpy beeps(form.get(), &FormGraf::beeped);
    Menu(*form, "MnuSecformKeyboard")->trigger();
    form->findChild<QLineEdit*>("Text1")->setText("31.11");
    form->DrawKeyboardRange();
    QCOMPARE(beeps.count(), 1);
    QVERIFY(Frame(*form, "Frame3")->isVisible());
    QCOMPARE(form->history().current(), 2);

    // The initial drawing starts the history again.
    Menu(*form, "Mnuilk")->trigger();
    QCOMPARE(form->history().current(), 1);
    QCOMPARE(form->history().highest(), 1);
    QCOMPARE(Text(*form, "Text8"), QStringLiteral("01/10/2003  00:00"));
}

void FormGrafTest::backAndForwardShowTheStoredImages() {
    GraphMachine machine;
    auto form = machine.Open();
    const QImage first = form->picture()->image();
    form->findChild<QLineEdit*>("Text1")->setText("3.10");
    form->findChild<QLineEdit*>("Text5")->setText("4.10");
    form->DrawKeyboardRange();
    QVERIFY(form->picture()->image() != first);
    // A stored image is shown as it was kept.
    QImage marked = first.copy();
    marked.setPixelColor(0, 0, QColor(1, 2, 3));
    QVERIFY(marked.save(
        QString::fromStdString(PictureFile(machine.fixture.data.path(), 1).string()), "PNG"));
    form->Back();
    QCOMPARE(form->picture()->image().pixelColor(0, 0), QColor(1, 2, 3));
    // A missing one is drawn again from its view.
    fs::remove(PictureFile(machine.fixture.data.path(), 2));
    form->Forward();
    QVERIFY(machine.PictureExists(2));
    QCOMPARE(Text(*form, "Text8"), QStringLiteral("03/10/2003  00:00"));
}

void FormGrafTest::aResizedWindowDrawsItsViewAgain() {
    GraphMachine machine;
    auto form = machine.Open();
    const GraphView view = form->history().CurrentView();
    form->resize(form->width() + 120, form->height() + 60);
    QTRY_COMPARE(form->picture()->image().size(), form->picture()->size());
    QCOMPARE(form->history().CurrentView(), view);
    QImage stored(QString::fromStdString(PictureFile(machine.fixture.data.path(), 1).string()),
                  "PNG");
    QCOMPARE(stored.size(), form->picture()->size());
}

void FormGrafTest::printsOnAPdfPrinter() {
    GraphMachine machine;
    auto form = machine.Open();
    const QString pdf = QString::fromStdString((machine.fixture.data / "baskı.pdf").string());
    form->setPrinterChooser([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    Menu(*form, "MnuPrint")->trigger();
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("%PDF"));
}

void FormGrafTest::leavingRemovesOnlyItsPictures() {
    GraphMachine machine;
    machine.fixture.data.Write("picture of the gauge.jpg", "keep");
    auto form = machine.Open();
    form->findChild<QLineEdit*>("Text1")->setText("3.10");
    form->findChild<QLineEdit*>("Text5")->setText("4.10");
    form->DrawKeyboardRange();
    QVERIFY(machine.PictureExists(1) && machine.PictureExists(2));
    QTest::mouseClick(form->findChild<QPushButton*>("CmdCik"), Qt::LeftButton);
    QVERIFY(!form->isVisible());
    QVERIFY(!machine.PictureExists(1));
    QVERIFY(!machine.PictureExists(2));
    QCOMPARE(machine.fixture.data.Read("picture of the gauge.jpg"), std::string("keep"));
}

void FormGrafTest::aSecondWindowReplacesTheFirst() {
    GraphMachine machine;
    auto first = machine.Open();
    auto second = machine.Open();
    QVERIFY(!first->isVisible());
    QVERIFY(machine.PictureExists(1));  // the second window's first view
    first.reset();
    QVERIFY(machine.PictureExists(1));
    second.reset();
    QVERIFY(!machine.PictureExists(1));
}

void FormGrafTest::aquiferLoggerTurnsTheAxis() {
    GraphMachine machine("TURKCE", sim::kAquifer);
    auto form = machine.Open();
    QVERIFY(form->document().aquifer);
    QVERIFY(Text(*form, "Text9").toLong() > 0);
    QCOMPARE(Text(*form, "Text11"), QStringLiteral("0"));
    // A selection keeps the axis running downwards.
    const GraphScale scale = form->Scale();
    Drag(*form, At(scale, 5 * 14.4, 40), At(scale, 9 * 14.4, 160));
    form->DrawSelectedArea();
    QVERIFY(form->history().CurrentView().y0 > form->history().CurrentView().y1);
    GraphMachine::Shoot(*form, "zoomed");
}

void FormGrafTest::persianCalendar() {
    GraphMachine machine("FARSCA", sim::kOpticalEncoder, 1383);
    auto form = machine.Open();
    QCOMPARE(Text(*form, "Text8"), QStringLiteral("01/07/1382  00:00"));
    QCOMPARE(Text(*form, "Text10"), QStringLiteral("01/07/1383  00:00"));
    QCOMPARE(Menu(*form, "Mnuilk")->text(), QStringLiteral("Initial drawing"));
    form->ShowKeyboardRange();
    QCOMPARE(Text(*form, "Text1"), QStringLiteral("1.7"));
    QCOMPARE(Text(*form, "Text5"), QStringLiteral("31.6"));
    form->findChild<QLineEdit*>("Text1")->setText("9.7");
    form->findChild<QLineEdit*>("Text5")->setText("15.7");
    form->DrawKeyboardRange();
    QCOMPARE(Text(*form, "Text8"), QStringLiteral("09/07/1382  00:00"));
    QCOMPARE(Text(*form, "Text10"), QStringLiteral("16/07/1382  00:00"));
    GraphMachine::Shoot(*form, "week");
}

void FormGrafTest::unreadableFilesAreReported() {
    GraphMachine machine;
    QWidget parent;
    parent.show();
    QVERIFY(!OpenFormGraf(machine.fixture.settings, {"S2004999-99999.txt"}, {}, &parent));
    QCOMPARE(test::MessagesShown().size(), 1);
    QVERIFY(test::MessagesShown()[0].contains("S2004999-99999.txt"));
    test::CloseMessages();
    FormGraf* form =
        OpenFormGraf(machine.fixture.settings, {"S2004999-99999.txt", machine.file}, {}, &parent);
    QVERIFY(form);
    QCOMPARE(form->document().stations.size(), size_t(1));
    form->show();
    QTRY_VERIFY(test::MessagesShown().join("").contains("S2004999-99999.txt"));
    test::CloseMessages();
    delete form;
}

void FormGrafTest::mainWindowOpensTheGraph() {
    GraphMachine converted;
    test::DesktopMachine desktop;
    fs::create_directories(desktop.environment.layout.Limdat());
    fs::copy_file(converted.fixture.data / converted.file,
                  desktop.environment.layout.Limdat() / converted.file);
    auto window = desktop.Start();
    FormGraf* form = window->openGraphWindow({converted.file});
    QVERIFY(form);
    QCOMPARE(window->childForm("FormGraf"), form);
    QVERIFY(!window->childForm("FrmLogo"));
    QCOMPARE(Text(*form, "Text8"), QStringLiteral("01/10/2003  00:00"));
    QVERIFY(fs::exists(desktop.environment.layout.Limdat() / "picture1"));
    // Nothing readable: a message and no window.
    QVERIFY(!window->openGraphWindow({"S2004999-99999.txt"}));
    QTRY_COMPARE(test::MessagesShown().size(), 1);
    test::CloseMessages();
    // The exit command leaves no pictures behind.
    window->runCommand("MnuExit");
    QVERIFY(!fs::exists(desktop.environment.layout.Limdat() / "picture1"));
}

}  // namespace kovu3

QTEST_MAIN(kovu3::FormGrafTest)
#include "form_graf_test.moc"

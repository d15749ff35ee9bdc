// The plot list: adding, refusing, removing, clearing, drawing with conversions of the
// station-years that have no processed file yet, and closing.

#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "../shell/ui/desktop_machine.h"
#include "graph/ui/frm_gr_lis.h"
#include "graph_fixture.h"

namespace kovu3 {

class FrmGrLisTest final : public QObject {
    Q_OBJECT

  private slots:
    void captionsPerLanguage_data();
    void captionsPerLanguage();
    void addingTheSameStationYearTwiceBeepsOnce();
    void aFifthEntryIsRefusedWithAMessage();
    void removingTheOnlyRowOrClearingDisablesBoth();
    void drawConvertsOnlyTheMissingStationYears();
    void drawAfterRemovingARowConvertsTheRemainingRows();
    void closingWithoutDrawingOpensNoGraph();
};

namespace {

QListWidget* List(FrmGrLis& form, const char* name) {
    return form.findChild<QListWidget*>(name);
}
QPushButton* Button(FrmGrLis& form, const char* name) {
    return form.findChild<QPushButton*>(name);
}
QStringList Rows(QListWidget* list) {
    QStringList rows;
    for (int row = 0; row < list->count(); ++row) rows << list->item(row)->text();
    return rows;
}

struct Conversion {
    std::string name;
    int station;
    int year;
};

}  // namespace

void FrmGrLisTest::captionsPerLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("draw");
    QTest::addColumn<QString>("clear");
    QTest::newRow("Turkish") << "TURKCE"
                             << "Liste" << QString::fromUtf8("Çiz") << "Liste kutusunu temizle";
    QTest::newRow("English") << "ENGLISH"
                             << "List"
                             << "Draw"
                             << "Clear listbox";
}

void FrmGrLisTest::captionsPerLanguage() {
    QFETCH(QString, language);
    test::GraphFixture fixture(language.toUtf8().constData());
    FrmGrLis form(fixture.settings);
    QFETCH(QString, title);
    QFETCH(QString, draw);
    QFETCH(QString, clear);
    QCOMPARE(form.windowTitle(), title);
    QCOMPARE(Button(form, "Command2")->text(), draw);
    QCOMPARE(Button(form, "Command1")->text(), clear);
    QVERIFY(!Button(form, "Command1")->isEnabled());
    QVERIFY(!Button(form, "Command2")->isEnabled());
}

void FrmGrLisTest::addingTheSameStationYearTwiceBeepsOnce() {
    test::GraphFixture fixture;
    FrmGrLis form(fixture.settings);
    QSignalSpy beeps(&form, &FrmGrLis::beeped);
    QVERIFY(form.AddPlotEntry("S2004123-45678.txt", 0, 1));
    QVERIFY(!form.AddPlotEntry("S2004123-45678.txt", 0, 1));
    QVERIFY(form.AddPlotEntry("S2003123-45678.txt", 0, 0));
    QCOMPARE(beeps.count(), 1);
    QCOMPARE(Rows(List(form, "List1")), QStringList({"S2004123-45678.txt", "S2003123-45678.txt"}));
    QCOMPARE(Rows(List(form, "List2")), QStringList({"0", "0"}));
    QCOMPARE(Rows(List(form, "List3")), QStringList({"1", "0"}));
    QCOMPARE(form.ProcessedFilePath(), fixture.settings.DataDirectory + "S2003123-45678.txt");
    QVERIFY(Button(form, "Command1")->isEnabled());
    QVERIFY(Button(form, "Command2")->isEnabled());
}

void FrmGrLisTest::aFifthEntryIsRefusedWithAMessage() {
    test::GraphFixture fixture("ENGLISH");
    FrmGrLis form(fixture.settings);
    form.show();
    for (int station = 1; station <= 4; ++station)
        QVERIFY(form.AddPlotEntry("S2004123-4567" + std::to_string(station) + ".txt", station, 0));
    QVERIFY(!form.AddPlotEntry("S2004123-45675.txt", 5, 0));
    QCOMPARE(List(form, "List1")->count(), 4);
    QCOMPARE(test::MessagesShown(),
             QStringList({"The graph draws at most 4 station-years together."}));
    test::CloseMessages();
}

void FrmGrLisTest::removingTheOnlyRowOrClearingDisablesBoth() {
    test::GraphFixture fixture;
    FrmGrLis form(fixture.settings);
    form.show();
    form.AddPlotEntry("S2004123-45678.txt", 0, 0);
    QListWidget* list1 = List(form, "List1");
    // A view takes a double click only after the press of the first click.
    const QPoint row = list1->visualItemRect(list1->item(0)).center();
    QTest::mouseClick(list1->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(list1->viewport(), Qt::LeftButton, {}, row);
    QCOMPARE(list1->count(), 0);
    QCOMPARE(List(form, "List2")->count(), 0);
    QVERIFY(!Button(form, "Command1")->isEnabled());
    QVERIFY(!Button(form, "Command2")->isEnabled());

    form.AddPlotEntry("S2004123-45678.txt", 0, 0);
    form.AddPlotEntry("S2004123-45679.txt", 1, 0);
    QSignalSpy paths(&form, &FrmGrLis::processedFilePathChanged);
    QTest::mouseClick(Button(form, "Command1"), Qt::LeftButton);
    QCOMPARE(list1->count(), 0);
    QCOMPARE(List(form, "List3")->count(), 0);
    QCOMPARE(form.ProcessedFilePath(), std::string());
    QCOMPARE(paths.count(), 1);
    QVERIFY(!Button(form, "Command1")->isEnabled());
    QVERIFY(!Button(form, "Command2")->isEnabled());
}

void FrmGrLisTest::drawConvertsOnlyTheMissingStationYears() {
    // The default conversion, from the raw files of the data folder.
    test::GraphFixture fixture;
    std::string a = fixture.Raw("12345678", {1, 10, 2003}, {4, 10, 2003});
    fixture.Raw("12345679", {2, 10, 2003}, {5, 10, 2003});
    const std::string first = fixture.Convert("123-45678", 2004, {a});
    const auto firstWritten = std::filesystem::last_write_time(fixture.data / first);
    const std::string second = "S2004123-45679.txt";
    QVERIFY(!std::filesystem::exists(fixture.data / second));

    auto* form = new FrmGrLis(fixture.settings);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    form->AddPlotEntry(first, 0, 0);
    form->AddPlotEntry(second, 1, 0);
    QSignalSpy drawn(form, &FrmGrLis::drawRequested);
    QSignalSpy closed(form, &FrmGrLis::closed);
    QString lastPath;
    connect(form, &FrmGrLis::processedFilePathChanged, this,
            [&](const QString& path) { lastPath = path; });
    QTest::mouseClick(Button(*form, "Command2"), Qt::LeftButton);

    QVERIFY(std::filesystem::exists(fixture.data / second));
    QCOMPARE(std::filesystem::last_write_time(fixture.data / first), firstWritten);
    QCOMPARE(drawn.count(), 1);
    QCOMPARE(drawn.at(0).at(0).toStringList(), QStringList({Q(first), Q(second)}));
    QCOMPARE(closed.count(), 1);
    // The path names the last entry, so the selection window opens the graph.
    QCOMPARE(lastPath, Q(fixture.settings.DataDirectory + second));
}

void FrmGrLisTest::drawAfterRemovingARowConvertsTheRemainingRows() {
    test::GraphFixture fixture;
    FrmGrLis form(fixture.settings);
    std::vector<Conversion> runs;
    form.setConversionRunner([&](const std::string& name, int station, int year) {
        runs.push_back({name, station, year});
    });
    form.show();
    form.AddPlotEntry("S2004123-45671.txt", 0, 2);
    form.AddPlotEntry("S2004123-45672.txt", 1, 3);
    form.AddPlotEntry("S2003123-45673.txt", 2, 4);
    form.RemoveRow(0);
    form.Draw();
    QCOMPARE(runs.size(), size_t(2));
    QCOMPARE(runs[0].name, std::string("S2004123-45672.txt"));
    QCOMPARE(runs[0].station, 1);
    QCOMPARE(runs[0].year, 3);
    QCOMPARE(runs[1].name, std::string("S2003123-45673.txt"));
    QCOMPARE(runs[1].station, 2);
    QCOMPARE(runs[1].year, 4);
    QCOMPARE(form.PlotFileCount(), 2);
    QCOMPARE(form.PlotFiles()[0], std::string("S2004123-45672.txt"));
}

void FrmGrLisTest::closingWithoutDrawingOpensNoGraph() {
    test::GraphFixture fixture;
    FrmGrLis form(fixture.settings);
    form.show();
    form.AddPlotEntry("S2004123-45678.txt", 0, 0);
    QSignalSpy drawn(&form, &FrmGrLis::drawRequested);
    QSignalSpy closed(&form, &FrmGrLis::closed);
    form.close();
    QCOMPARE(closed.count(), 1);
    QCOMPARE(drawn.count(), 0);
    QCOMPARE(form.ProcessedFilePath(), std::string());
    QCOMPARE(form.PlotFileCount(), 0);
}

}  // namespace kovu3

QTEST_MAIN(kovu3::FrmGrLisTest)
#include "frm_gr_lis_test.moc"

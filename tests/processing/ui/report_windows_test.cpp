// The selection window in the purposes that lead to a report: the level table (Form1), the
// level-discharge table with its rating curve (Form5, Form1b), the export to Flumo, the
// graph's plot list, and the calendar check before any of them.

#include <QCheckBox>
#include <QMessageBox>

#include "graph/ui/frm_gr_lis.h"
#include "loggersim/rating_curve_writer.h"
#include "processing/conversion.h"
#include "rawfile/additional_info.h"
#include "reports/ui/form1.h"
#include "reports/ui/form5.h"
#include "selection_machine.h"

namespace kovu3 {

class ReportWindowsTest final : public QObject {
    Q_OBJECT

  private slots:
    void levelTableConvertsOnTheWayThenOpensTheWorkbook();
    void levelDischargeTableWithAChosenRatingCurve();
    void ratingCurveOfARawFile();
    void exportWritesTheFlumoFileAndStays();
    void graphAddsToThePlotListBeside();
    void calendarOfTheYearMustMatchTheInterface();
};

namespace {

using test::Child;
using test::ClickEntry;
using test::Entries;

void CopyTemplates(const test::SelectionMachine& day) {
    for (const char* name : {"Sablon1.xlsx", "Sablon2.xlsx", "Sablon1_E.xlsx"})
        fs::copy_file(test::BinaryFolder() / name, day.Program() / name,
                      fs::copy_options::overwrite_existing);
}

// Converts the station-year in the data folder, as an earlier run of the window would have.
void Convert(test::SelectionMachine& day, int year) {
    ConversionRequest request;
    request.station = "123-45678";
    request.waterYear = year;
    request.rawFiles = {"12345678001.03M"};
    request.readingsLog = day.machine.folder / "log.sil";
    ConversionResult result = ConvertStationYear(request, day.window->settings());
    QVERIFY2(result.written, result.error.c_str());
}

QString LastLaunched(const test::SelectionMachine& day) {
    return day.machine.launched.empty()
               ? QString()
               : QString::fromStdString(day.machine.launched.back().arguments.back());
}

bool WaitForTable(TableWindow* window) {
    QSignalSpy written(window, &TableWindow::tableWritten);
    QTest::mouseClick(Child<QPushButton>(window, "Command1"), Qt::LeftButton);
    return written.wait(120000);
}

}  // namespace

void ReportWindowsTest::levelTableConvertsOnTheWayThenOpensTheWorkbook() {
    test::SelectionMachine day;
    day.Raw("12345678", 1, {1, 10, 2003}, {10, 10, 2003});
    CopyTemplates(day);
    FormSec* form = day.Open("MnuExcel1");
    QVERIFY(!Child<QListWidget>(form, "ListOrjDos")->isEnabled());
    ClickEntry(form, "ListIst", 0);
    ClickEntry(form, "ListSuYili", 0);
    QCOMPARE(Child<QPushButton>(form, "CmdTamam")->text(), QString::fromUtf8("Başla"));
    QTest::mouseClick(Child<QPushButton>(form, "CmdTamam"), Qt::LeftButton);
    QVERIFY(test::WaitForRun(form));
    QVERIFY(fs::exists(day.Data() / "S2004123-45678.txt"));
    QTRY_VERIFY(!day.window->childForm(QStringLiteral("FormSec")));

    auto* table = qobject_cast<TableWindow*>(day.window->childForm(QStringLiteral("Form1")));
    QVERIFY(table);
    QCOMPARE(Child<QLineEdit>(table, "Text1")->text(), QStringLiteral("01/10/2003"));
    QCOMPARE(Child<QLineEdit>(table, "Text2")->text(), QStringLiteral("30/09/2004"));
    Child<QCheckBox>(table, "Check1")->click();
    QVERIFY(!Child<QLineEdit>(table, "Text1")->isEnabled());
    QVERIFY(WaitForTable(table));
    const fs::path workbook = day.Data() / "S2004123-45678.xlsx";
    QVERIFY(fs::exists(workbook));
    QCOMPARE(LastLaunched(day), QString::fromStdString(workbook.string()));
    QTRY_VERIFY(!day.window->childForm(QStringLiteral("Form1")));

    // A converted year goes to the table window at once.
    form = day.Open("MnuExcel1");
    ClickEntry(form, "ListIst", 0);
    ClickEntry(form, "ListSuYili", 0);
    QTest::mouseClick(Child<QPushButton>(form, "CmdTamam"), Qt::LeftButton);
    QVERIFY(!form->running());
    QTRY_VERIFY(day.window->childForm(QStringLiteral("Form1")));
}

void ReportWindowsTest::levelDischargeTableWithAChosenRatingCurve() {
    test::SelectionMachine day;
    day.Raw("12345678", 1, {1, 10, 2003}, {10, 10, 2003});
    CopyTemplates(day);
    const fs::path curves = day.machine.folder / "anahtar eğrileri";
    fs::create_directories(curves);
    WriteFileReplacing(curves / "E12345678.dat", sim::MakeRatingCurve({}));
    WriteFileReplacing(curves / "e22200001.DAT", sim::MakeRatingCurve({}));
    WriteFileReplacing(curves / "notlar.txt", "not a rating curve");
    day.machine.Configure("Genel", "AnahtarDirectory", curves.string());

    FormSec* form = day.Open("MnuExcel2");
    ClickEntry(form, "ListIst", 0);
    ClickEntry(form, "ListSuYili", 0);
    QPushButton* choose = Child<QPushButton>(form, "Command2");
    QVERIFY(choose->isVisible() && choose->isEnabled());
    QTest::mouseClick(choose, Qt::LeftButton);
    auto* form5 = form->findChild<Form5*>();
    QVERIFY(form5);
    QCOMPARE(Entries(form5, "File1"), (QStringList{"E12345678.dat", "e22200001.DAT"}));
    QVERIFY(!Child<QPushButton>(form5, "Command2")->isEnabled());
    ClickEntry(form5, "File1", 0);
    QTest::mouseClick(Child<QPushButton>(form5, "Command2"), Qt::LeftButton);
    const QString chosen = QString::fromStdString((curves / "E12345678.dat").string());
    QCOMPARE(QString::fromStdString(form->ratingCurvePath()), chosen);
    QCOMPARE(Child<QLineEdit>(form, "Text7")->text(), chosen);
    QCOMPARE(QString::fromStdString(day.machine.IniValue("Genel", "AnahtarDirectory")),
             QString::fromStdString(curves.string() + "/"));

    QTest::mouseClick(Child<QPushButton>(form, "CmdTamam"), Qt::LeftButton);
    QVERIFY(test::WaitForRun(form));
    QTRY_VERIFY(day.window->childForm(QStringLiteral("Form1b")));
    auto* table = qobject_cast<TableWindow*>(day.window->childForm(QStringLiteral("Form1b")));
    QCOMPARE(Child<QLineEdit>(table, "Text7")->text(), chosen);
    QVERIFY(WaitForTable(table));
    QVERIFY(fs::exists(day.Data() / "Q2004123-45678.xlsx"));

    // Without a rating curve the table only beeps and marks the box.
    form = day.Open("MnuExcel2");
    ClickEntry(form, "ListIst", 0);
    ClickEntry(form, "ListSuYili", 0);
    QTest::mouseClick(Child<QPushButton>(form, "Command2"), Qt::LeftButton);
    form5 = form->findChild<Form5*>();
    QTest::mouseClick(Child<QPushButton>(form5, "Command1"), Qt::LeftButton);
    QVERIFY(form->ratingCurvePath().empty());
    QTest::mouseClick(Child<QPushButton>(form, "CmdTamam"), Qt::LeftButton);
    QTRY_VERIFY(day.window->childForm(QStringLiteral("Form1b")));
    table = qobject_cast<TableWindow*>(day.window->childForm(QStringLiteral("Form1b")));
    QSignalSpy beeps(table, &TableWindow::beeped);
    QTest::mouseClick(Child<QPushButton>(table, "Command1"), Qt::LeftButton);
    QCOMPARE(beeps.count(), 1);
    QCOMPARE(Child<QLineEdit>(table, "Text7")->text(), QStringLiteral("!!!!!!!!!"));
    QVERIFY(!table->running());
}

void ReportWindowsTest::ratingCurveOfARawFile() {
    test::SelectionMachine day;
    const std::string raw = day.Raw("12345678", 1, {1, 10, 2003}, {10, 10, 2003});
    const fs::path curves = day.machine.folder / "eğriler";
    fs::create_directories(curves);
    WriteFileReplacing(curves / "E12345678.dat", sim::MakeRatingCurve({}));
    day.machine.Configure("Genel", "AnahtarDirectory", curves.string());
    FormSec* form = day.Open("MnuKontrol");
    ClickEntry(form, "ListIst", 0);
    ClickEntry(form, "ListOrjDos", 0);
    QLineEdit* path = Child<QLineEdit>(form, "Text7");
    QVERIFY(path->text().isEmpty());
    QTest::mouseClick(Child<QPushButton>(form, "Command2"), Qt::LeftButton);
    auto* form5 = form->findChild<Form5*>();
    ClickEntry(form5, "File1", 0);
    QTest::mouseClick(Child<QPushButton>(form5, "Command2"), Qt::LeftButton);
    const std::string chosen = (curves / "E12345678.dat").string();
    QCOMPARE(path->text(), QString::fromStdString(chosen));
    QCOMPARE(QString::fromStdString(ReadAdditionalInfo("AnahtarDirectory", raw, day.Data())),
             QString::fromStdString(chosen));
    // Chosen again later, the raw file brings its rating curve along.
    ClickEntry(form, "ListOrjDos", 0);
    QCOMPARE(path->text(), QString::fromStdString(chosen));
    // Delete in the box: the raw file forgets it.
    QTest::keyClick(path, Qt::Key_Delete);
    QVERIFY(path->text().isEmpty());
    QVERIFY(form->ratingCurvePath().empty());
    QCOMPARE(QString::fromStdString(ReadAdditionalInfo("AnahtarDirectory", raw, day.Data())),
             QString());
}

void ReportWindowsTest::exportWritesTheFlumoFileAndStays() {
    test::SelectionMachine day;
    day.Raw("12345678", 1, {1, 10, 2003}, {10, 10, 2003});
    day.Raw("12345678", 2, {1, 10, 2004}, {10, 10, 2004});
    day.window = day.machine.Start();
    Convert(day, 2004);
    FormSec* form = day.Open("MnuFlumo");
    ClickEntry(form, "ListIst", 0);
    ClickEntry(form, "ListSuYili", 0);
    QTest::mouseClick(Child<QPushButton>(form, "CmdTamam"), Qt::LeftButton);
    const fs::path flumo = day.Data() / "H04123-45678.DAT";
    QVERIFY(fs::exists(flumo));
    QVERIFY(test::MessagesShown().contains(QString::fromUtf8("Seviyeler %1 Dosyasına yazıldı..")
                                               .arg(QString::fromStdString(flumo.string()))));
    test::CloseMessages();
    QCOMPARE(day.window->childForm(QStringLiteral("FormSec")), form);

    // A year without its processed file is refused, nothing is written.
    ClickEntry(form, "ListSuYili", 1);
    QTest::mouseClick(Child<QPushButton>(form, "CmdTamam"), Qt::LeftButton);
    QVERIFY(!fs::exists(day.Data() / "H05123-45678.DAT"));
    QCOMPARE(test::MessagesShown().size(), 1);
    test::CloseMessages();
    QTest::mouseClick(Child<QPushButton>(form, "CmdVazgec"), Qt::LeftButton);
    QVERIFY(!day.window->childForm(QStringLiteral("FrmLogo")));
}

void ReportWindowsTest::graphAddsToThePlotListBeside() {
    test::SelectionMachine day;
    day.Raw("12345678", 1, {1, 10, 2003}, {10, 10, 2003});
    FormSec* form = day.Open("MnuGraf");
    auto* plotList = qobject_cast<FrmGrLis*>(day.window->childForm(QStringLiteral("FrmGrLis")));
    QVERIFY(plotList);
    QVERIFY(!Child<QListWidget>(form, "ListOrjDos")->isEnabled());
    ClickEntry(form, "ListIst", 0);
    ClickEntry(form, "ListSuYili", 0);
    QCOMPARE(Child<QPushButton>(form, "CmdTamam")->text(), QStringLiteral("Ekle"));
    QTest::mouseClick(Child<QPushButton>(form, "CmdTamam"), Qt::LeftButton);
    QCOMPARE(Entries(plotList, "List1"), (QStringList{"S2004123-45678.txt"}));
    QVERIFY(!fs::exists(day.Data() / "S2004123-45678.txt"));  // converted when drawn
    QCOMPARE(QString::fromStdString(form->processedFilePath()),
             QString::fromStdString(day.window->settings().DataDirectory + "S2004123-45678.txt"));
    // Drawing converts the station-year, closes the selection and opens the graph.
    QTest::mouseClick(Child<QPushButton>(plotList, "Command2"), Qt::LeftButton);
    QVERIFY(fs::exists(day.Data() / "S2004123-45678.txt"));
    QTRY_VERIFY(!day.window->childForm(QStringLiteral("FormSec")));
    QTRY_VERIFY(day.window->childForm(QStringLiteral("FormGraf")));

    // Closing the selection window without drawing opens no graph.
    day.window->closeChildForm(QStringLiteral("FormGraf"));
    form = day.Open("MnuGraf");
    ClickEntry(form, "ListIst", 0);
    ClickEntry(form, "ListSuYili", 0);
    QTest::mouseClick(Child<QPushButton>(form, "CmdTamam"), Qt::LeftButton);
    day.window->closeChildForm(QStringLiteral("FormSec"));  // its close box
    QTRY_VERIFY(!day.window->childForm(QStringLiteral("FormSec")));
    QTRY_VERIFY(!day.window->childForm(QStringLiteral("FrmGrLis")));
    QVERIFY(!day.window->childForm(QStringLiteral("FormGraf")));
}

void ReportWindowsTest::calendarOfTheYearMustMatchTheInterface() {
    // A logger set up with a Persian date (stored year 620 is 1382), read with the Turkish
    // interface: its water year is a Persian one.
    test::SelectionMachine day;
    const std::string name = day.Raw("12345678", 1, {1, 10, 2003}, {10, 10, 2003});
    std::string bytes = day.Read(name);
    bytes.replace(28 + 3 * 4, 3, "992");  // the setup year, parameter 5
    day.Write(name, bytes);
    for (const char* item : {"MnuExcel1", "MnuFlumo", "MnuKontrol"}) {
        FormSec* form = day.Open(item);
        ClickEntry(form, "ListIst", 0);
        QCOMPARE(Entries(form, "ListSuYili").size(), 1);
        const int year = Entries(form, "ListSuYili").first().toInt();
        QVERIFY(year < 1900);
        ClickEntry(form, "ListSuYili", 0);
        QTest::mouseClick(Child<QPushButton>(form, "CmdTamam"), Qt::LeftButton);
        const bool refused = test::MessagesShown().contains(
            QString::fromUtf8("Seçtiğiniz dil ile dosya birbileri ile uyuşmuyor..."));
        test::CloseMessages();
        // The conversion itself does not ask.
        QCOMPARE(refused, QString::fromLatin1(item) != QLatin1String("MnuKontrol"));
        QVERIFY(test::WaitForRun(form));
        QCOMPARE(fs::exists(day.Data() / ("S" + std::to_string(year) + "123-45678.txt")), !refused);
    }
}

}  // namespace kovu3

QTEST_MAIN(kovu3::ReportWindowsTest)
#include "report_windows_test.moc"

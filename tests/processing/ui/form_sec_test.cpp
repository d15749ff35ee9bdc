// The selection window over a simulated data folder: the lists and their order, the
// converted mark, a conversion by the action button, the Delete key, the setup panel and a
// corrected reading written back into its raw file.

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>

#include "processing/raw_data_corrections.h"
#include "selection_machine.h"

namespace kovu3 {

class FormSecTest final : public QObject {
    Q_OBJECT

  private slots:
    void stationsFilesAndYearsAsTheFolderHasThem();
    void conversionMarksTheYear();
    void deleteKeyRemovesTheStationYearsProducts();
    void keysMovingTheListsKeepTheWorkOnTheListedStation();
    void setupPanelEditsOnlyLevelAndDate();
    void correctedReadingReachesTheRawFile();
    void pagingAsksBeforeDroppingCorrections();
    void rawFileDeletionAsksAndKeepsTheFile();
    void programmerPanelsFollowTheLevel();
    void exitWritesTheDataFolderBack();
};

namespace {

using test::Child;
using test::ClickEntry;
using test::Entries;

const QString kConverted = QString::fromUtf8("Dönüşmüş");

}  // namespace

void FormSecTest::stationsFilesAndYearsAsTheFolderHasThem() {
    test::SelectionMachine day;
    const std::string m = day.Raw("12345678", 1, {1, 10, 2003}, {5, 10, 2003}, 'M');
    const std::string n = day.Raw("12345678", 1, {1, 10, 2003}, {5, 10, 2003}, 'N');
    const std::string crossing = day.Raw("12345678", 2, {20, 9, 2004}, {10, 10, 2004});
    day.Raw("22200001", 1, {1, 10, 2003}, {3, 10, 2003});
    day.Write("00012345001.03M", day.Read(m));  // its first three characters read as 0
    day.Write("S2005123-45678.txt", "processed");
    day.NameStation("123-45678", "Test Deresi");

    FormSec* form = day.Open("MnuKontrol");
    QVERIFY(form);
    QCOMPARE(Entries(form, "ListIst"), (QStringList{"123-45678", "222-00001"}));
    QCOMPARE(Child<QLineEdit>(form, "Text1")->text(), QStringLiteral("2"));
    QCOMPARE(Child<QLineEdit>(form, "Text2")->text(), QStringLiteral("4"));

    ClickEntry(form, "ListIst", 0);
    // The M files by year, then the N file of the same name.
    QCOMPARE(Entries(form, "ListOrjDos"), (QStringList{Q(m), Q(crossing), Q(n)}));
    QCOMPARE(Child<QLineEdit>(form, "Text2")->text(), QStringLiteral("3"));
    QCOMPARE(Child<QGroupBox>(form, "Frame5")->title(),
             QString::fromUtf8("İstasyon: 123-45678 Test Deresi"));
    // 20/09/2004 to 10/10/2004 adds 2004 and 2005; 2005 has its processed file.
    QCOMPARE(Entries(form, "ListSuYili"), (QStringList{"2004 ", "2005 " + kConverted}));
    QVERIFY(!Child<QPushButton>(form, "CmdTamam")->isEnabled());

    ClickEntry(form, "ListSuYili", 0);
    QCOMPARE(Child<QPushButton>(form, "CmdTamam")->text(), QStringLiteral("Donustur"));
    QVERIFY(Child<QPushButton>(form, "CmdTamam")->isEnabled());
    QCOMPARE(Child<QLabel>(form, "Label7")->text(), QStringLiteral("S2004123-45678.txt"));
    QVERIFY(Child<QListWidget>(form, "ListOrjDos")->isEnabled());
}

void FormSecTest::conversionMarksTheYear() {
    test::SelectionMachine day;
    day.Raw("12345678", 1, {1, 10, 2003}, {20, 10, 2003});
    day.Raw("12345678", 2, {21, 10, 2003}, {30, 11, 2003});
    FormSec* form = day.Open("MnuKontrol");
    QVERIFY(form);
    ClickEntry(form, "ListIst", 0);
    ClickEntry(form, "ListSuYili", 0);

    int largest1 = 0, largest2 = 0;
    connect(Child<QProgressBar>(form, "ProgressBar1"), &QProgressBar::valueChanged, this,
            [&largest1](int value) { largest1 = std::max(largest1, value); });
    connect(Child<QProgressBar>(form, "ProgressBar2"), &QProgressBar::valueChanged, this,
            [&largest2](int value) { largest2 = std::max(largest2, value); });
    QTest::mouseClick(Child<QPushButton>(form, "CmdTamam"), Qt::LeftButton);
    QVERIFY(form->running());
    QVERIFY(!Child<QPushButton>(form, "CmdTamam")->isEnabled());
    QVERIFY(!Child<QPushButton>(form, "CmdVazgec")->isEnabled());
    QVERIFY(test::WaitForRun(form));

    QVERIFY(fs::exists(day.Data() / "S2004123-45678.txt"));
    QCOMPARE(Entries(form, "ListSuYili"), (QStringList{"2004 " + kConverted}));
    QVERIFY(largest1 > 500 && largest2 > 500);
    // The readings log of a window run lies in the program folder, the raw copy in Limdat.
    QVERIFY(fs::file_size(day.Program() / "List3.sil") > 0);
    QVERIFY(fs::exists(day.Data() / "Gecici.txt"));
    QListWidget* page = Child<QListWidget>(form, "List9");
    QCOMPARE(page->count(), (20 + 41) * (144 + 3));  // readings and three lines per day record
    QVERIFY(page->item(0)->text().startsWith(QStringLiteral("01/10/2003 00:10 ")));
    QCOMPARE(Child<QLineEdit>(form, "Text12")->text(), QStringLiteral("Sayfa:01/01"));
    QVERIFY(Child<QPushButton>(form, "CmdVazgec")->isEnabled());
    // The control form: the monthly and the daily extremes of the processed file.
    QWidget* control = form->findChild<QWidget*>("Form6");
    QCOMPARE(Entries(control, "List2").size(), 12 * 4);
    QCOMPARE(Entries(control, "List2").first(), QStringLiteral("10"));
    QCOMPARE(Entries(control, "List5").size(), 366 * 4);
    QVERIFY(!control->isVisible());
    QTest::keyClick(Child<QListWidget>(form, "ListSuYili"), Qt::Key_Q);
    QVERIFY(control->isVisible());
    QTest::mouseClick(Child<QPushButton>(control, "Command1"), Qt::LeftButton);
    QVERIFY(!control->isVisible());

    // A converted year is deleted before it is converted again: the button only beeps.
    const auto written = fs::last_write_time(day.Data() / "S2004123-45678.txt");
    QSignalSpy beeps(form, &FormSec::beeped);
    ClickEntry(form, "ListSuYili", 0);
    QTest::mouseClick(Child<QPushButton>(form, "CmdTamam"), Qt::LeftButton);
    QCOMPARE(beeps.count(), 1);
    QVERIFY(!form->running());
    QCOMPARE(fs::last_write_time(day.Data() / "S2004123-45678.txt"), written);
}

void FormSecTest::deleteKeyRemovesTheStationYearsProducts() {
    test::SelectionMachine day;
    day.Raw("12345678", 1, {20, 9, 2004}, {10, 10, 2004});
    for (const char* name : {"S2004123-45678.txt", "S2004123-45678.xlsx", "Q2004123-45678.xlsx",
                             "S2005123-45678.txt", "S2004222-00001.txt"})
        day.Write(name, "product");
    FormSec* form = day.Open("MnuKontrol");
    ClickEntry(form, "ListIst", 0);
    QCOMPARE(Entries(form, "ListSuYili"),
             (QStringList{"2004 " + kConverted, "2005 " + kConverted}));
    ClickEntry(form, "ListSuYili", 0);
    QListWidget* years = Child<QListWidget>(form, "ListSuYili");
    QTest::keyClick(years, Qt::Key_Delete);
    for (const char* gone : {"S2004123-45678.txt", "S2004123-45678.xlsx", "Q2004123-45678.xlsx"})
        QVERIFY2(!fs::exists(day.Data() / gone), gone);
    for (const char* kept : {"S2005123-45678.txt", "S2004222-00001.txt"})
        QVERIFY2(fs::exists(day.Data() / kept), kept);
    QCOMPARE(Entries(form, "ListSuYili"), (QStringList{"2004 ", "2005 " + kConverted}));
    QCOMPARE(years->currentRow(), 0);
    QCOMPARE(Child<QPushButton>(form, "CmdTamam")->text(), QStringLiteral("Donustur"));
    // Again on the year without products: nothing to delete, the lists are rebuilt.
    QTest::keyClick(years, Qt::Key_Delete);
    QCOMPARE(Entries(form, "ListSuYili"), (QStringList{"2004 ", "2005 " + kConverted}));
}

void FormSecTest::keysMovingTheListsKeepTheWorkOnTheListedStation() {
    test::SelectionMachine day;
    day.Raw("12345678", 1, {20, 9, 2004}, {10, 10, 2004});
    day.Raw("22200001", 1, {20, 9, 2004}, {10, 10, 2004});
    FormSec* form = day.Open("MnuKontrol");
    ClickEntry(form, "ListIst", 0);
    ClickEntry(form, "ListSuYili", 0);
    // The year moved by a key is the year the button takes; the station list moved by a key
    // lists nothing new, so the work stays with the listed station.
    QTest::keyClick(Child<QListWidget>(form, "ListSuYili"), Qt::Key_Down);
    QTest::keyClick(Child<QListWidget>(form, "ListIst"), Qt::Key_Down);
    QCOMPARE(Child<QListWidget>(form, "ListIst")->currentItem()->text(),
             QStringLiteral("222-00001"));
    QTest::mouseClick(Child<QPushButton>(form, "CmdTamam"), Qt::LeftButton);
    QVERIFY(test::WaitForRun(form));
    QVERIFY(fs::exists(day.Data() / "S2005123-45678.txt"));
    QVERIFY(!fs::exists(day.Data() / "S2004123-45678.txt"));
    QVERIFY(!fs::exists(day.Data() / "S2005222-00001.txt"));
}

void FormSecTest::setupPanelEditsOnlyLevelAndDate() {
    test::SelectionMachine day;
    const std::string name = day.Raw("12345678", 1, {1, 10, 2003}, {5, 10, 2003});
    day.window = day.machine.Start();
    day.window->settings().ProgrammerLevel = 2;  // the raw-data dump is the programmer's
    FormSec* form = day.Open("MnuKontrol");
    ClickEntry(form, "ListIst", 0);
    ClickEntry(form, "ListOrjDos", 0);
    QWidget* panel = Child<QWidget>(form, "Frame2");
    QVERIFY(panel->isVisible());
    QCOMPARE(Child<QLineEdit>(panel, "TextSetup_1")->text(), QStringLiteral("123-45678"));
    QCOMPARE(Child<QLineEdit>(panel, "TextSetup_17")->text(), QStringLiteral("2004"));
    QCOMPARE(Child<QLineEdit>(panel, "TextSetup_4")->text(), QStringLiteral("01/10/2003 00:00"));
    QCOMPARE(Child<QPushButton>(form, "CmdTamam")->text(), QStringLiteral("Data Kontrol"));
    QPushButton* save = Child<QPushButton>(panel, "CmdSetupKaydet");
    QTest::keyClicks(Child<QLineEdit>(panel, "TextSetup_1"), "9");
    QVERIFY(!save->isEnabled());

    QLineEdit* date = Child<QLineEdit>(panel, "TextSetup_4");
    date->selectAll();
    QTest::keyClicks(date, "05/10/2005 14:30");
    QVERIFY(save->isEnabled());
    const std::string before = day.Read(name);
    QTest::mouseClick(save, Qt::LeftButton);
    const std::string after = day.Read(name);
    QCOMPARE(QString::fromStdString(after.substr(0, 4)), QStringLiteral("ver4"));
    QVERIFY(fs::exists(day.Data() / "yedek" / name));
    QCOMPARE(day.Read("yedek/" + name), before);
    QCOMPARE(Child<QLineEdit>(panel, "TextSetup_4")->text(), QStringLiteral("05/10/2005 14:30"));
    QVERIFY(Child<QLabel>(panel, "Text8")->isVisible());
    QVERIFY(!save->isEnabled());

    // The printout and the dump open in the desktop's viewer.
    QTest::mouseClick(Child<QPushButton>(panel, "Command5"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(panel, "Command8"), Qt::LeftButton);
    QCOMPARE(int(day.machine.launched.size()), 2);
    QCOMPARE(QString::fromStdString(day.machine.launched[0].arguments.back()),
             QString::fromStdString((day.Data() / "123-45678_setupPar.txt").string()));
    QCOMPARE(QString::fromStdString(day.machine.launched[1].arguments.back()),
             QString::fromStdString((day.Data() / ("#" + name + ".txt")).string()));
    QVERIFY(fs::exists(day.Data() / ("#" + name + ".txt")));
}

void FormSecTest::correctedReadingReachesTheRawFile() {
    test::SelectionMachine day;
    const std::string name = day.Raw("12345678", 1, {1, 10, 2003}, {5, 10, 2003});
    FormSec* form = day.Open("MnuKontrol");
    ClickEntry(form, "ListIst", 0);
    ClickEntry(form, "ListSuYili", 0);
    QTest::mouseClick(Child<QPushButton>(form, "CmdTamam"), Qt::LeftButton);
    QVERIFY(test::WaitForRun(form));
    QCOMPARE(Entries(form, "ListSuYili"), (QStringList{"2004 " + kConverted}));
    const std::string original = day.Read(name);

    // The single-file check of the raw file fills the page.
    ClickEntry(form, "ListOrjDos", 0);
    QTest::mouseClick(Child<QPushButton>(form, "CmdTamam"), Qt::LeftButton);
    QVERIFY(test::WaitForRun(form));
    QListWidget* page = Child<QListWidget>(form, "List9");
    QVERIFY(page->count() > 200);
    const int row = 100;
    const std::string line = Std(page->item(row)->text());
    QCOMPARE(int(KindOfLogLine(line)), int(LogLineKind::Reading));
    const size_t position = SourceOfLogLine(line)->position - 1;

    ClickEntry(form, "List9", row);
    QLineEdit* value = Child<QLineEdit>(form, "Text5");
    QVERIFY(value->isVisible());
    QCOMPARE(value->text(), Q(line.substr(17, 6)));
    value->selectAll();
    QTest::keyClicks(value, "123");
    QVERIFY(page->item(row)->text().endsWith(QStringLiteral("#Degisti")));
    QCOMPARE(page->item(row)->text().mid(17, 6), QStringLiteral("000123"));
    QPushButton* save = Child<QPushButton>(form, "CmdDatDuzelt");
    QVERIFY(save->isEnabled());
    QTest::mouseClick(save, Qt::LeftButton);
    QVERIFY(!save->isEnabled());

    const std::string corrected = day.Read(name);
    QCOMPARE(QString::fromStdString(corrected.substr(position, 6)), QStringLiteral("000123"));
    QCOMPARE(QString::fromStdString(corrected.substr(0, 4)), QStringLiteral("ver4"));
    QCOMPARE(day.Read("yedek/" + name), original);
    for (size_t i = 0; i < original.size(); ++i)
        if (original[i] != corrected[i])
            QVERIFY2(i < 4 || (i >= position && i < position + 6), "a byte moved");
    // The year used the old value: its processed file is gone and it is no longer marked.
    QVERIFY(!fs::exists(day.Data() / "S2004123-45678.txt"));
    QCOMPARE(Entries(form, "ListSuYili"), (QStringList{"2004 "}));
}

void FormSecTest::pagingAsksBeforeDroppingCorrections() {
    test::SelectionMachine day;
    const std::string name = day.Raw("12345678", 1, {1, 10, 2003}, {5, 10, 2003});
    day.window = day.machine.Start();
    day.window->settings().ListPageSize = 300;
    FormSec* form = day.Open("MnuKontrol");
    ClickEntry(form, "ListIst", 0);
    ClickEntry(form, "ListOrjDos", 0);
    QTest::mouseClick(Child<QPushButton>(form, "CmdTamam"), Qt::LeftButton);
    QVERIFY(test::WaitForRun(form));
    QListWidget* page = Child<QListWidget>(form, "List9");
    QLineEdit* indicator = Child<QLineEdit>(form, "Text12");
    QCOMPARE(page->count(), 300);
    QCOMPARE(indicator->text(), QStringLiteral("Sayfa:01/03"));  // 5 days of 147 lines
    QPushButton* previous = Child<QPushButton>(form, "Command9");
    QPushButton* next = Child<QPushButton>(form, "Command10");
    QSignalSpy beeps(form, &FormSec::beeped);
    QTest::mouseClick(previous, Qt::LeftButton);
    QCOMPARE(beeps.count(), 1);
    QCOMPARE(indicator->text(), QStringLiteral("Sayfa:01/03"));

    ClickEntry(form, "List9", 10);
    QTest::keyClicks(Child<QLineEdit>(form, "Text5"), "7");
    const QString edited = page->item(10)->text();
    QVERIFY(edited.endsWith(QStringLiteral("#Degisti")));
    // Another line picked: the unsaved correction keeps the save button.
    ClickEntry(form, "List9", 20);
    QVERIFY(Child<QPushButton>(form, "CmdDatDuzelt")->isEnabled());
    for (bool leave : {false, true}) {
        QTest::mouseClick(next, Qt::LeftButton);
        auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(question);
        question->button(leave ? QMessageBox::Yes : QMessageBox::No)->click();
        QCOMPARE(indicator->text(),
                 leave ? QStringLiteral("Sayfa:02/03") : QStringLiteral("Sayfa:01/03"));
    }
    QVERIFY(!Child<QPushButton>(form, "CmdDatDuzelt")->isEnabled());
    QCOMPARE(page->count(), 300);
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);  // beyond the last page
    QCOMPARE(indicator->text(), QStringLiteral("Sayfa:03/03"));
    QCOMPARE(page->count(), 5 * 147 - 600);
    QVERIFY(!fs::exists(day.Data() / "yedek"));  // nothing was written
    QVERIFY(day.Read(name).substr(0, 4) == "VER4");
}

void FormSecTest::rawFileDeletionAsksAndKeepsTheFile() {
    test::SelectionMachine day;
    const std::string first = day.Raw("12345678", 1, {1, 10, 2003}, {5, 10, 2003});
    const std::string second = day.Raw("12345678", 2, {6, 10, 2003}, {9, 10, 2003});
    FormSec* form = day.Open("MnuKontrol");
    ClickEntry(form, "ListIst", 0);
    ClickEntry(form, "ListOrjDos", 0);
    QListWidget* files = Child<QListWidget>(form, "ListOrjDos");
    QTest::keyClick(files, Qt::Key_Delete);  // below programmer level 1: nothing
    QVERIFY(test::MessagesShown().isEmpty());
    QVERIFY(fs::exists(day.Data() / first));
    test::CloseMessages();

    day.window->settings().ProgrammerLevel = 1;
    QTest::keyClick(files, Qt::Key_Delete);
    auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(question);
    QVERIFY(question->text().contains(Q(first)));
    question->button(QMessageBox::No)->click();
    QVERIFY(fs::exists(day.Data() / first));

    QTest::keyClick(files, Qt::Key_Delete);
    question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(question);
    question->button(QMessageBox::Yes)->click();
    QVERIFY(!fs::exists(day.Data() / first));
    QVERIFY(fs::exists(day.Data() / "yedek/silinen" / first));
    QCOMPARE(Entries(form, "ListOrjDos"), (QStringList{Q(second)}));
    QCOMPARE(files->currentRow(), 0);
}

void FormSecTest::programmerPanelsFollowTheLevel() {
    test::SelectionMachine day;
    day.Raw("12345678", 1, {1, 10, 2003}, {5, 10, 2003});
    struct Case {
        int level;
        bool frame3;
        bool rawData;
    };
    for (Case c : {Case{0, false, false}, Case{1, true, true}, Case{2, false, true}}) {
        if (!day.window) day.window = day.machine.Start();
        day.window->settings().ProgrammerLevel = c.level;
        FormSec* form = day.Open("MnuKontrol");
        ClickEntry(form, "ListIst", 0);
        ClickEntry(form, "ListOrjDos", 0);
        QCOMPARE(Child<QWidget>(form, "Frame3")->isVisible(), c.frame3);
        QCOMPARE(Child<QWidget>(form, "ListSonTarih")->isVisible(), c.level == 1);
        QCOMPARE(Child<QPushButton>(form, "Command8")->isVisible(), c.rawData);
        if (c.frame3) {
            QVERIFY(!Entries(form, "ListSonTarih").isEmpty());  // the last-record stamps
            QTest::mouseClick(Child<QPushButton>(form, "Command1"), Qt::LeftButton);
            QVERIFY(!Child<QWidget>(form, "Frame3")->isVisible());
        }
    }
}

void FormSecTest::exitWritesTheDataFolderBack() {
    test::SelectionMachine day;
    day.Raw("12345678", 1, {1, 10, 2003}, {5, 10, 2003});
    const fs::path other = day.machine.folder / "başka klasör";
    fs::create_directories(other);
    FormSec* form = day.Open("MnuExcel1");
    QVERIFY(!Child<QListWidget>(form, "ListOrjDos")->isEnabled());
    QCOMPARE(Entries(form, "ListIst"), (QStringList{"123-45678"}));
    form->ChooseDataFolder(Q(other.string()));
    QVERIFY(Entries(form, "ListIst").isEmpty());
    QTest::mouseClick(Child<QPushButton>(form, "CmdVazgec"), Qt::LeftButton);
    QVERIFY(!day.window->childForm(QStringLiteral("FormSec")));
    QVERIFY(!day.window->childForm(QStringLiteral("Form1")));
    QCOMPARE(QString::fromStdString(day.machine.IniValue("Genel", "DataDirectory")),
             QString::fromStdString(other.string() + "/"));
    // The menus the window held are free again.
    QVERIFY(day.window->findChild<QMenu*>("Mnu1")->menuAction()->isEnabled());
}

}  // namespace kovu3

QTEST_MAIN(kovu3::FormSecTest)
#include "form_sec_test.moc"

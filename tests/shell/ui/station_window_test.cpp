// The station-name window over the station store.

#include <QHeaderView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "desktop_machine.h"
#include "shell/station_store.h"
#include "shell/ui/form_ist_gir.h"

namespace kovu3 {

class StationWindowTest final : public QObject {
    Q_OBJECT

  private slots:
    void addRenameAndSeeThemInTheStore();
    void twoClickDelete();
    void emptyNewRecordRowOnlyBeeps();
    void clickElsewhereCancelsTheConfirmation();
    void unreadableDatabaseIsReportedAndKept();
    void exitClosesTheSelectionWindow();
};

namespace {

Form_IstGir* OpenStations(Anamenu& window) {
    window.runCommand("MnuIstAdiGir");
    return qobject_cast<Form_IstGir*>(window.childForm(QStringLiteral("Form_IstGir")));
}

QTableView* Grid(Form_IstGir* form) {
    return form->findChild<QTableView*>("DBGrid1");
}
QPushButton* DeleteButton(Form_IstGir* form) {
    return form->findChild<QPushButton*>("Command2");
}

void Type(Form_IstGir* form, int row, int column, const QString& text) {
    QAbstractItemModel* model = Grid(form)->model();
    QVERIFY(model->setData(model->index(row, column), text, Qt::EditRole));
}

std::vector<std::pair<std::string, std::string>> Stored(const test::DesktopMachine& machine) {
    auto opened = StationStore::Open(machine.environment.layout.StationDatabase());
    std::vector<std::pair<std::string, std::string>> rows;
    for (const StationRecord& record : opened.store->List().records)
        rows.emplace_back(record.No, record.Ad);
    return rows;
}

using Rows = std::vector<std::pair<std::string, std::string>>;

// Records the store holds before the program starts.
void Seed(const test::DesktopMachine& machine, const Rows& rows) {
    auto opened = StationStore::Open(machine.environment.layout.StationDatabase());
    for (const auto& [number, name] : rows) opened.store->Add(number, name);
}

}  // namespace

void StationWindowTest::addRenameAndSeeThemInTheStore() {
    test::DesktopMachine machine("ENGLISH");  // no database yet: made anew
    auto window = machine.Start();
    Form_IstGir* form = OpenStations(*window);
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QStringLiteral("Input Station No.and Name"));
    QCOMPARE(DeleteButton(form)->text(), QStringLiteral("Delete record"));
    QCOMPARE(form->findChild<QPushButton*>("Command1")->text(), QStringLiteral("Exit"));
    QAbstractItemModel* model = Grid(form)->model();
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Number"));
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Name"));
    QCOMPARE(Grid(form)->columnWidth(0), 100);
    QCOMPARE(Grid(form)->columnWidth(1), 300);
    QCOMPARE(model->rowCount(), 1);  // the new-record row

    Type(form, 0, 0, QStringLiteral("123-45678"));
    Type(form, 0, 1, QString::fromUtf8("Söğütlü Köprüsü"));
    Type(form, 1, 1, QStringLiteral("Adsız"));
    Type(form, 1, 0, QStringLiteral("200-00001"));
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(Stored(machine), (Rows{{"123-45678", "Söğütlü Köprüsü"}, {"200-00001", "Adsız"}}));
    Type(form, 0, 1, QString::fromUtf8("Kızılırmak"));
    QCOMPARE(Stored(machine), (Rows{{"123-45678", "Kızılırmak"}, {"200-00001", "Adsız"}}));
    QCOMPARE(StationName(machine.environment.layout.StationDatabase(), "123-45678"),
             std::string("Kızılırmak"));
}

void StationWindowTest::twoClickDelete() {
    test::DesktopMachine machine("ENGLISH");
    Seed(machine, {{"123-45678", "A"}, {"200-00001", "B"}});
    auto window = machine.Start();
    Form_IstGir* form = OpenStations(*window);
    QSignalSpy beeps(form, &Form_IstGir::beeped);
    Grid(form)->setCurrentIndex(Grid(form)->model()->index(0, 1));
    QTest::mouseClick(DeleteButton(form), Qt::LeftButton);
    QCOMPARE(DeleteButton(form)->text(), QStringLiteral("Onayla"));
    QCOMPARE(DeleteButton(form)->palette().color(QPalette::Button), QColor(255, 128, 0));
    QCOMPARE(beeps.count(), 1);
    QCOMPARE(Stored(machine).size(), size_t(2));
    QTest::mouseClick(DeleteButton(form), Qt::LeftButton);
    QCOMPARE(DeleteButton(form)->text(), QString::fromUtf8("Kayıt Sil"));
    QVERIFY(DeleteButton(form)->palette().color(QPalette::Button) != QColor(255, 128, 0));
    QCOMPARE(Stored(machine), (Rows{{"200-00001", "B"}}));
    QCOMPARE(Grid(form)->model()->rowCount(), 2);
    QCOMPARE(beeps.count(), 1);
}

void StationWindowTest::emptyNewRecordRowOnlyBeeps() {
    test::DesktopMachine machine("TURKCE");
    Seed(machine, {{"123-45678", "A"}});
    auto window = machine.Start();
    Form_IstGir* form = OpenStations(*window);
    QCOMPARE(DeleteButton(form)->text(), QString::fromUtf8("Kayıt sil"));
    QSignalSpy beeps(form, &Form_IstGir::beeped);
    Grid(form)->setCurrentIndex(Grid(form)->model()->index(1, 0));
    for (int round = 0; round < 2; ++round) {
        QTest::mouseClick(DeleteButton(form), Qt::LeftButton);
        QTest::mouseClick(DeleteButton(form), Qt::LeftButton);
    }
    QCOMPARE(beeps.count(), 4);  // two per round: the first click's and the empty row's
    QCOMPARE(Stored(machine), (Rows{{"123-45678", "A"}}));
}

void StationWindowTest::clickElsewhereCancelsTheConfirmation() {
    test::DesktopMachine machine("TURKCE");
    Seed(machine, {{"123-45678", "A"}});
    auto window = machine.Start();
    Form_IstGir* form = OpenStations(*window);
    Grid(form)->setCurrentIndex(Grid(form)->model()->index(0, 0));
    QTest::mouseClick(DeleteButton(form), Qt::LeftButton);
    QTest::mouseClick(Grid(form)->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(DeleteButton(form)->text(), QString::fromUtf8("Kayıt Sil"));
    QTest::mouseClick(DeleteButton(form), Qt::LeftButton);  // a first click again
    QCOMPARE(DeleteButton(form)->text(), QStringLiteral("Onayla"));
    QTest::mouseClick(form, Qt::LeftButton, {}, QPoint(1, form->height() - 2));  // the background
    QCOMPARE(DeleteButton(form)->text(), QString::fromUtf8("Kayıt Sil"));
    QCOMPARE(Stored(machine).size(), size_t(1));
}

void StationWindowTest::unreadableDatabaseIsReportedAndKept() {
    test::DesktopMachine machine("TURKCE");
    const std::string garbage(200, 'x');
    machine.folder.Write("kök dizin/Limdat/Istasyon.db", garbage);
    auto window = machine.Start();
    Form_IstGir* form = OpenStations(*window);
    QVERIFY(form);
    QTRY_COMPARE(test::MessagesShown().size(), 1);
    QVERIFY(test::MessagesShown().first().contains(QStringLiteral("Istasyon.db")));
    QCOMPARE(Grid(form)->model()->rowCount(), 0);
    QVERIFY(!Grid(form)->model()->setData(Grid(form)->model()->index(0, 0), QStringLiteral("1"),
                                          Qt::EditRole));
    QCOMPARE(machine.folder.Read("kök dizin/Limdat/Istasyon.db"), garbage);
    test::CloseMessages();
}

void StationWindowTest::exitClosesTheSelectionWindow() {
    test::DesktopMachine machine("TURKCE");
    auto window = machine.Start();
    window->runCommand("MnuKontrol");
    QVERIFY(window->childForm(QStringLiteral("FormSec")));
    Form_IstGir* form = OpenStations(*window);
    QTest::mouseClick(form->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QVERIFY(!window->childForm(QStringLiteral("FormSec")));
    QVERIFY(!window->childForm(QStringLiteral("Form_IstGir")));
}

}  // namespace kovu3

QTEST_MAIN(kovu3::StationWindowTest)
#include "station_window_test.moc"

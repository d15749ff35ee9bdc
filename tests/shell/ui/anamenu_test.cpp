// The main window: menu captions and visibility per language, the work commands, the
// language switch, the logo, the programs it starts and the exit.

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "desktop_machine.h"
#include "shell/startup.h"

namespace kovu3 {

class AnamenuTest final : public QObject {
    Q_OBJECT

  private slots:
    void captionsPerLanguage_data();
    void captionsPerLanguage();
    void workCommands_data();
    void workCommands();
    void aWorkCommandReplacesAnOpenSelectionWindow();
    void languageSwitchIsSavedAtOnce();
    void logoWindow();
    void programsStartedOrExplained();
    void reportFiles();
    void exitBacksUpTheConfiguration();
    void badOptionsStillOpenTheSettings();
};

namespace {

QString Title(Anamenu& window, const char* menu) {
    return window.findChild<QMenu*>(menu)->title();
}
QAction* Item(Anamenu& window, const char* name) {
    return window.findChild<QAction*>(name);
}

}  // namespace

void AnamenuTest::captionsPerLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("topLevel");
    QTest::addColumn<QString>("kontrol");
    QTest::addColumn<QString>("languageMenu");
    QTest::addColumn<bool>("flumoShown");
    QTest::addColumn<QString>("checked");
    const QString pad(15, QLatin1Char(' '));
    QTest::newRow("Turkish") << "TURKCE" << QString::fromUtf8("İLETİŞİM / DA&TA") + pad
                             << QString::fromUtf8("DATA K&ONTROL VE BİRLEŞTİRME")
                             << QString::fromUtf8("Dİ&L / LANGUAGE") + pad << true << "Mnutrk";
    QTest::newRow("English") << "ENGLISH"
                             << "&COMMUNICATION / DATA" + pad << "&CONTROL / MERGE DATA"
                             << QString::fromUtf8("&LANGUAGE / DİL") + pad << false << "MnuIng";
    QTest::newRow("Farsi") << "FARSCA"
                           << "&COMMUNICATION / DATA" + pad << "&CONTROL / MERGE DATA"
                           << QString::fromUtf8("&LANGUAGE / DİL") + pad << false << "MnuFars";
    QTest::newRow("none: design captions")
        << "DEUTSCH" << QString::fromUtf8("&İLETİŞİM  / DATA") + pad
        << QString::fromUtf8("DATA &BİRLEŞTİRME / KONTROL") << "LANGUAGE" + pad << true << "";
}

void AnamenuTest::captionsPerLanguage() {
    QFETCH(QString, language);
    test::DesktopMachine machine(language.toUtf8().constData());
    auto window = machine.Start();
    QCOMPARE(window->windowTitle(), QStringLiteral("Kovu3"));
    QFETCH(QString, topLevel);
    QFETCH(QString, kontrol);
    QFETCH(QString, languageMenu);
    QFETCH(bool, flumoShown);
    QCOMPARE(Title(*window, "Mnu1"), topLevel);
    QCOMPARE(Item(*window, "MnuKontrol")->text(), kontrol);
    QCOMPARE(Title(*window, "Mnu4"), languageMenu);
    for (const char* name : {"MnuExcel2", "MnuFlumo", "MnuFlumoRun", "MnuAra1"})
        QVERIFY2(Item(*window, name)->isVisible() == flumoShown, name);
    QVERIFY(Item(*window, "MnuHelp")->isVisible());
    QVERIFY(Item(*window, "MnuExcel1")->isVisible());
    QFETCH(QString, checked);
    for (const char* name : {"Mnutrk", "MnuIng", "MnuFars"})
        QVERIFY2(Item(*window, name)->isChecked() == (checked == QLatin1String(name)), name);
    QCOMPARE(Item(*window, "MnuExit")->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
    // The separators stand where the menu has them.
    QList<QAction*> items = window->findChild<QMenu*>("Mnu1")->actions();
    QCOMPARE(items.size(), 5);
    QVERIFY(items[1]->isSeparator());
    QCOMPARE(items[1]->objectName(), QStringLiteral("gev1"));
}

void AnamenuTest::workCommands_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("title");
    QTest::newRow("level table") << "ENGLISH"
                                 << "MnuExcel1"
                                 << "WATER &LEVEL TABLE IN EXCEL FORMAT"
                                 << "Form1"
                                 << "WATER LEVEL TABLE IN EXCEL FORMAT";
    QTest::newRow("control") << "TURKCE"
                             << "MnuKontrol" << QString::fromUtf8("DATA K&ONTROL VE BİRLEŞTİRME")
                             << "FormSec" << QString::fromUtf8("DATA KONTROL VE BİRLEŞTİRME");
    QTest::newRow("level-discharge")
        << "TURKCE"
        << "MnuExcel2" << QString::fromUtf8("EXCEL  FORMATINDA  SEVİYE-&DEBİ  TABLOSU  OLUŞTUR")
        << "Form1b" << QString::fromUtf8("EXCEL  FORMATINDA  SEVİYE-DEBİ  TABLOSU  OLUŞTUR");
    QTest::newRow("graph") << "FARSCA"
                           << "MnuGraf"
                           << "&GRAPHIC"
                           << "FormGraf"
                           << "GRAPHIC";
    QTest::newRow("Flumo export") << "TURKCE"
                                  << "MnuFlumo" << QString::fromUtf8("SEVİYELERİ  &FLUMO'YA  AKTAR")
                                  << "FrmLogo" << QString::fromUtf8("SEVİYELERİ  FLUMO'YA  AKTAR");
    QTest::newRow("design caption") << ""
                                    << "MnuGraf" << QString::fromUtf8("&GRAFİK  ÇİZİMİ")
                                    << "FormGraf" << QString::fromUtf8("GRAFİK  ÇİZİMİ");
}

void AnamenuTest::workCommands() {
    QFETCH(QString, language);
    QFETCH(QString, item);
    test::DesktopMachine machine(language.toUtf8().constData());
    auto window = machine.Start();
    QFETCH(QString, operation);
    QFETCH(QString, target);
    QFETCH(QString, title);
    Item(*window, item.toUtf8().constData())->trigger();
    QCOMPARE(QString::fromStdString(window->settings().SelectedOperation), operation);
    QCOMPARE(QString::fromStdString(window->settings().TargetWindow), target);
    QWidget* selection = window->childForm(QStringLiteral("FormSec"));
    QVERIFY(selection);
    QCOMPARE(selection->windowTitle(), title);
    QVERIFY(!window->childForm(QStringLiteral("FrmLogo")));  // every command closes the logo
}

void AnamenuTest::aWorkCommandReplacesAnOpenSelectionWindow() {
    test::DesktopMachine machine("ENGLISH");
    auto window = machine.Start();
    Item(*window, "MnuKontrol")->trigger();
    QPointer<QWidget> first = window->childForm(QStringLiteral("FormSec"));
    Item(*window, "MnuGraf")->trigger();
    QWidget* second = window->childForm(QStringLiteral("FormSec"));
    QVERIFY(second && second != first);
    QCOMPARE(second->windowTitle(), QStringLiteral("GRAPHIC"));
    int open = 0;
    for (QMdiSubWindow* frame : window->mdiArea()->subWindowList())
        if (!frame->isHidden() && frame->widget()->objectName() == QLatin1String("FormSec")) ++open;
    QCOMPARE(open, 1);
}

void AnamenuTest::languageSwitchIsSavedAtOnce() {
    test::DesktopMachine machine("TURKCE");
    {
        auto window = machine.Start();
        Item(*window, "MnuIng")->trigger();
        QCOMPARE(machine.IniValue("Options", "21"), std::string("ENGLISH"));
        QVERIFY(!Item(*window, "MnuExcel2")->isVisible());
        QVERIFY(!Item(*window, "MnuFlumo")->isVisible());
        QVERIFY(Item(*window, "MnuIng")->isChecked() && !Item(*window, "Mnutrk")->isChecked());
        QCOMPARE(Item(*window, "MnuExcAc")->text(), QStringLiteral("&OPEN EXCEL FILES"));
        Item(*window, "Mnutrk")->trigger();
        QVERIFY(Item(*window, "MnuExcel2")->isVisible());
        QVERIFY(Item(*window, "MnuFlumoRun")->isVisible());
        QCOMPARE(Item(*window, "MnuFlumoRun")->text(),
                 QString::fromUtf8("FLUMO &PROGRAMINI ÇALIŞTIR"));
        Item(*window, "MnuFars")->trigger();
        QCOMPARE(window->settings().calendar.CalendarKind, 1);
        QCOMPARE(window->settings().texts.LevelTableTemplate, std::string("Sablon1_F.xlsx"));
        // Closed without the exit command: the next start speaks Farsi all the same.
    }
    auto next = machine.Start();
    QVERIFY(Item(*next, "MnuFars")->isChecked());
    QCOMPARE(Item(*next, "MnuKontrol")->text(), QStringLiteral("&CONTROL / MERGE DATA"));
    QCOMPARE(next->settings().calendar.WaterYearLastMonth, 6);
}

void AnamenuTest::logoWindow() {
    test::DesktopMachine machine("ENGLISH");
    machine.folder.Write("program files/KOVU3/versionno.txt", "3.8.1\r\n");
    auto window = machine.Start();
    QWidget* logo = window->childForm(QStringLiteral("FrmLogo"));
    QVERIFY(logo);
    QCOMPARE(logo->windowTitle(), QStringLiteral("KOVU 3.8.1"));
    QCOMPARE(logo->findChild<QLabel*>("Label1")->text(), QStringLiteral("KOVU 3.8.1"));
    // A click on the empty background closes it; the menu brings it back.
    QTest::mouseClick(window->mdiArea()->viewport(), Qt::LeftButton, {},
                      window->mdiArea()->viewport()->rect().bottomRight() - QPoint(5, 5));
    QVERIFY(!window->childForm(QStringLiteral("FrmLogo")));
    Item(*window, "MnuLogo")->trigger();
    logo = window->childForm(QStringLiteral("FrmLogo"));
    QVERIFY(logo);
    QTest::mouseClick(logo, Qt::LeftButton);
    QVERIFY(!window->childForm(QStringLiteral("FrmLogo")));

    test::DesktopMachine bare("TURKCE");  // no version file, no picture
    auto other = bare.Start();
    QCOMPARE(other->childForm(QStringLiteral("FrmLogo"))->windowTitle(),
             QStringLiteral("KOVU 0.0.0"));
}

void AnamenuTest::programsStartedOrExplained() {
    test::DesktopMachine machine("TURKCE");
    machine.folder.Write("program files/KOVU3/Yardım/kovu3 kılavuz.pdf", "%PDF");
    machine.Configure("YARDIM DOSYALARI", "KOVU3", "Yardım\\kovu3 kılavuz.pdf");
    auto window = machine.Start();
    Item(*window, "MnuHelp")->trigger();
    QCOMPARE(machine.launched.size(), size_t(1));
    QCOMPARE(machine.launched[0].program, std::string("xdg-open"));
    QCOMPARE(machine.launched[0].arguments.at(0),
             (machine.environment.programFolder / "Yardım/kovu3 kılavuz.pdf").string());
    // Nothing configured: a message, and the program goes on.
    for (const char* item : {"MnuFlumoRun", "MnuRS232", "MnuHelpRamKart"}) {
        Item(*window, item)->trigger();
        QTRY_COMPARE(test::MessagesShown().size(), 1);
        test::CloseMessages();
    }
    QCOMPARE(machine.launched.size(), size_t(1));
    QVERIFY(window->isVisible());
}

void AnamenuTest::reportFiles() {
    test::DesktopMachine machine("ENGLISH");
    machine.folder.Write("kök dizin/Limdat/S2004123-45678.xls", "old");
    machine.folder.Write("kök dizin/Limdat/Q2004123-45678.xlsx", "new");
    machine.folder.Write("kök dizin/Limdat/S2004123-45678.txt", "processed");
    auto window = machine.Start();
    Item(*window, "MnuExcAc")->trigger();
    QWidget* form = window->childForm(QStringLiteral("Form2"));
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QStringLiteral("Open excel report file"));
    auto* files = form->findChild<QListWidget*>("File3");
    QCOMPARE(files->count(), 2);
    QCOMPARE(form->findChild<QLabel*>("Label1")->text(),
             QString::fromStdString(window->settings().DataDirectory));

    files->setCurrentRow(0);  // Q2004123-45678.xlsx
    QTest::mouseClick(form->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCOMPARE(machine.launched.size(), size_t(1));
    QCOMPARE(machine.launched[0].arguments.at(0),
             window->settings().DataDirectory + "Q2004123-45678.xlsx");

    files->setCurrentRow(1);
    QTest::keyClick(files, Qt::Key_Delete);  // no question first
    QVERIFY(!fs::exists(machine.folder / "kök dizin/Limdat/S2004123-45678.xls"));
    QVERIFY(fs::exists(machine.folder / "kök dizin/Limdat/S2004123-45678.txt"));
    QCOMPARE(files->count(), 1);
    QCOMPARE(files->item(0)->text(), QStringLiteral("Q2004123-45678.xlsx"));
}

void AnamenuTest::exitBacksUpTheConfiguration() {
    test::DesktopMachine machine("TURKCE");
    machine.folder.Write("kök dizin/Limdat/#123_setupPar.txt", "printout");
    auto window = machine.Start();
    QSignalSpy exits(window.get(), &Anamenu::exitRequested);
    Item(*window, "MnuExit")->trigger();
    QCOMPARE(exits.count(), 1);
    QVERIFY(!fs::exists(machine.folder / "kök dizin/Limdat/#123_setupPar.txt"));
    QCOMPARE(machine.folder.Read("kök dizin/Kovu3ini.bak"),
             machine.folder.Read("program files/KOVU3/Kovu3.ini"));
    QVERIFY(!window->childForm(QStringLiteral("FrmLogo")));
}

void AnamenuTest::badOptionsStillOpenTheSettings() {
    test::DesktopMachine machine("TURKCE");
    for (const char* key : {"01", "02", "03", "04"}) machine.Configure("Options", key, "");
    machine.Configure("Options", "05", "kırmızı");
    machine.Configure("Options", "08", "x");
    auto window = machine.Start();
    Item(*window, "MnuGenelSetup")->trigger();
    QWidget* form = window->childForm(QStringLiteral("FormGenelSetup"));
    QVERIFY(form);
    QVERIFY(form->findChild<QCheckBox*>("Check1_0")->isChecked());
    QCOMPARE(form->findChild<QLineEdit*>("Text2")->text(), QStringLiteral("3"));
    QCOMPARE(form->findChild<QLabel*>("Label3_1")->palette().color(QPalette::Window),
             QColor(0, 0, 255));
    // Opened again, it is a new window with freshly loaded values.
    QPointer<QWidget> first = form;
    Item(*window, "MnuGenelSetup")->trigger();
    QTRY_VERIFY(!first || first->isHidden());
    QVERIFY(window->childForm(QStringLiteral("FormGenelSetup")));
}

}  // namespace kovu3

QTEST_MAIN(kovu3::AnamenuTest)
#include "anamenu_test.moc"

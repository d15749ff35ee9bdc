// The settings window, the programmer options and the password window.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>

#include "desktop_machine.h"
#include "shell/scramble.h"
#include "shell/ui/form3.h"

namespace kovu3 {

class SettingsWindowsTest final : public QObject {
    Q_OBJECT

  private slots:
    void paletteCellColoursItsField();
    void policyTabOnlyInTheZeyEdition_data();
    void policyTabOnlyInTheZeyEdition();
    void policyOutsideOneToThree();
    void savedPolicyZeroIsBackToThree();
    void passwordInSmallLettersOpensTheProgrammerOptions();
    void wrongPasswordKeepsTheControlsHidden();
};

namespace {

QWidget* OpenSettings(Anamenu& window) {
    window.runCommand("MnuGenelSetup");
    return window.childForm(QStringLiteral("FormGenelSetup"));
}

void Click(QWidget* form, const char* name) {
    auto* widget = form->findChild<QWidget*>(name);
    QVERIFY2(widget, name);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2));
}

Form3* PasswordWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<Form3*>(widget); form && form->isVisible()) return form;
    return nullptr;
}

}  // namespace

void SettingsWindowsTest::paletteCellColoursItsField() {
    test::DesktopMachine machine("ENGLISH");
    auto window = machine.Start();
    QWidget* form = OpenSettings(*window);
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QStringLiteral("Ayarlar"));
    QCOMPARE(form->findChild<QLabel*>("Label1_1")->text(), QStringLiteral("Color of station-1"));
    QCOMPARE(
        form->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^Label2_\\d+$"))).size(),
        78);
    Click(form, "Label2_14");  // row 1, column 1
    QCOMPARE(form->findChild<QLabel*>("Label3_1")->palette().color(QPalette::Window),
             QColor(0, 0x80, 0x80));
    Click(form, "Label2_45");  // row 3, column 6: blue into station 2
    form->findChild<QCheckBox*>("Check1_0")->setChecked(false);
    Click(form, "Command1");
    QVERIFY(!window->childForm(QStringLiteral("FormGenelSetup")));
    QCOMPARE(machine.IniValue("Options", "01"), std::string("0"));
    QCOMPARE(machine.IniValue("Options", "03"), std::string("8421376"));  // 808000
    QCOMPARE(machine.IniValue("Options", "05"), std::string("16711680"));
    QCOMPARE(machine.IniValue("Options", "02"), std::string("-2147483643"));
    QCOMPARE(machine.IniValue("Options", "21"), std::string("ENGLISH"));
    QCOMPARE(window->settings().Options[3], std::string("8421376"));

    // Cancel keeps what was saved.
    form = OpenSettings(*window);
    Click(form, "Label2_0");
    Click(form, "Command2");
    QCOMPARE(machine.IniValue("Options", "02"), std::string("-2147483643"));
}

void SettingsWindowsTest::policyTabOnlyInTheZeyEdition_data() {
    QTest::addColumn<QString>("edition");
    QTest::addColumn<bool>("shown");
    QTest::newRow("ZEY") << "1" << true;
    QTest::newRow("Kovu Elektronik") << "2" << false;
    QTest::newRow("none") << "" << false;
}

void SettingsWindowsTest::policyTabOnlyInTheZeyEdition() {
    QFETCH(QString, edition);
    test::DesktopMachine machine("TURKCE");
    machine.Configure("Programci", "02", Scramble(edition.toStdString()));
    machine.Configure("Options", "08", "2");
    auto window = machine.Start();
    QWidget* form = OpenSettings(*window);
    auto* tabs = form->findChild<QTabWidget*>("SSTab1");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Grafik"));
    QCOMPARE(tabs->currentIndex(), 0);
    QFETCH(bool, shown);
    QCOMPARE(tabs->isTabVisible(2), shown);
    QVERIFY(form->findChild<QRadioButton*>("Option1_1")->isChecked());
    QVERIFY(form->findChild<QPlainTextEdit*>("Text1")->toPlainText().startsWith(
        QString::fromUtf8("DİKKKAT !!! BU SEÇENEKLERDE YAPACAĞINIZ DEĞİŞİKLİKLER SADECE")));
    tabs->setCurrentIndex(2);
    form->findChild<QRadioButton*>("Option1_0")->click();
    QCOMPARE(form->findChild<QLineEdit*>("Text2")->text(), QStringLiteral("1"));
}

void SettingsWindowsTest::policyOutsideOneToThree() {
    test::DesktopMachine machine("TURKCE");
    auto window = machine.Start();
    window->settings().Options[8] = "9";  // as if typed into the file behind the program's back
    QWidget* form = OpenSettings(*window);
    QVERIFY(form);
    QCOMPARE(form->findChild<QLineEdit*>("Text2")->text(), QStringLiteral("9"));
    for (const char* name : {"Option1_0", "Option1_1", "Option1_2"})
        QVERIFY2(!form->findChild<QRadioButton*>(name)->isChecked(), name);
}

void SettingsWindowsTest::savedPolicyZeroIsBackToThree() {
    test::DesktopMachine machine("TURKCE");
    auto window = machine.Start();
    QWidget* form = OpenSettings(*window);
    form->findChild<QLineEdit*>("Text2")->setText(QStringLiteral("0"));
    Click(form, "Command1");
    QCOMPARE(machine.IniValue("Options", "08"), std::string("0"));  // saved as typed
    QCOMPARE(window->settings().Options[8], std::string("3"));      // read back at once
    QCOMPARE(window->settings().DefaultExtremesPolicy, 3);
    form = OpenSettings(*window);
    QCOMPARE(form->findChild<QLineEdit*>("Text2")->text(), QStringLiteral("3"));
}

void SettingsWindowsTest::passwordInSmallLettersOpensTheProgrammerOptions() {
    test::DesktopMachine machine("TURKCE");
    auto window = machine.Start();
    QWidget* settings = OpenSettings(*window);
    Click(settings, "Label6");
    QWidget* options = window->childForm(QStringLiteral("FormProgramci"));
    QVERIFY(options);
    QVERIFY(!options->findChild<QWidget*>("Frame1")->isVisibleTo(options));
    Form3* password = PasswordWindow();
    QVERIFY(password);
    QCOMPARE(password->windowTitle(), QString::fromUtf8("Şifre Girişi"));
    QTest::keyClicks(password->findChild<QLineEdit*>("Text1"), QStringLiteral("80613lkpzn"));
    Click(password, "Command1");
    QCOMPARE(window->settings().ProgrammerLevel, 1);
    QVERIFY(options->findChild<QWidget*>("Frame1")->isVisibleTo(options));
    QVERIFY(options->findChild<QWidget*>("Check2_0")->isVisibleTo(options));

    Click(options, "Option1_0");
    QCOMPARE(options->findChild<QLineEdit*>("Text2")->text(), QStringLiteral("1"));
    options->findChild<QCheckBox*>("Check2_0")->setChecked(true);
    Click(options, "Command1");
    const std::string stored = machine.IniValue("Programci", "02");
    QVERIFY(stored != "1" && stored.size() == 4);  // scrambled
    QCOMPARE(Unscramble(stored), std::string("1"));
    QCOMPARE(Unscramble(machine.IniValue("Programci", "01")), std::string("1"));
    QCOMPARE(Unscramble(machine.IniValue("Programci", "03")), std::string(""));
}

void SettingsWindowsTest::wrongPasswordKeepsTheControlsHidden() {
    test::DesktopMachine machine("TURKCE");
    machine.Configure("Programci", "02", Scramble("2"));
    auto window = machine.Start();
    Click(OpenSettings(*window), "Label6");
    QWidget* options = window->childForm(QStringLiteral("FormProgramci"));
    Form3* password = PasswordWindow();
    QVERIFY(password);
    QTest::keyClicks(password->findChild<QLineEdit*>("Text1"), QStringLiteral("80613LKPZ"));
    Click(password, "Command1");
    QCOMPARE(window->settings().ProgrammerLevel, 0);
    QVERIFY(test::MessagesShown().isEmpty());
    QVERIFY(!options->findChild<QWidget*>("Frame1")->isVisibleTo(options));
    // Becoming active again does not ask once more.
    static_cast<MdiForm*>(options)->activated();
    QTRY_VERIFY(!PasswordWindow());
    // Saving rewrites the stored values unchanged.
    Click(options, "Command1");
    QCOMPARE(Unscramble(machine.IniValue("Programci", "02")), std::string("2"));
    QCOMPARE(window->settings().Edition, std::string("Kovu Elektronik"));
}

}  // namespace kovu3

QTEST_MAIN(kovu3::SettingsWindowsTest)
#include "settings_windows_test.moc"

// The setup window: its title and controls, Install with the progress bar turning Cancel
// into Close, failures that leave the window open for another try, the contact links.

#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "archive_fixture.h"
#include "ui/frm_kur.h"
#include "ui/setup_pictures.h"

namespace kovu3 {

namespace fs = std::filesystem;

// Receives the addresses the window hands to the desktop.
class UrlCatcher final : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class FrmKurTest final : public QObject {
    Q_OBJECT

private slots:
    void titleAndControls();
    void installRunsTheBarAndTurnsCancelIntoClose();
    void failureLeavesTheWindowOpenForAnotherTry();
    void missingSetupTextIsShownWhenTheWindowOpens();
    void contactLinksOpenWithTheDesktop();
    void cancelClosesTheWindow();
    void jpegPictureIsDecodedAndDrawnTransparent();
};

namespace {

// An installation medium and a fresh machine in one test folder.
struct Medium {
    test::TestFolder folder;
    InstallRequest request;

    Medium() {
        request = test::ScratchInstall(folder, "kovu3\r\nKOVU3\r\nC:\\kovuprg\r\n");
        // 300 KB take 74 reports of the reader: the bar passes 100 and starts again.
        folder.Write("medium/prog.dsk",
                     test::ArchiveBytes({test::Member("kovu3", test::NoiseBytes(300000, 5)),
                                         test::Member("ilk.sil", "")}));
        WriteData(test::ArchiveBytes({test::Member("12345678.23M", "raw")}));
    }
    void WriteData(const std::string& bytes) const { folder.Write("medium/veri.dsk", bytes); }
    fs::path Install() const { return request.layout.root / "kovuprg"; }
};

template <typename T>
T* Child(QWidget& window, const char* name) {
    T* child = window.findChild<T*>(name);
    if (!child) qFatal("no child %s", name);
    return child;
}

}  // namespace

void FrmKurTest::titleAndControls() {
    Medium medium;
    TfrmKur window(medium.request);
    window.show();
    QCOMPARE(window.objectName(), QString("frmKur"));
    QCOMPARE(window.windowTitle(), QString(45, ' ') + "Kovu Elektronik");
    QCOMPARE(window.size(), QSize(654, 456));
    QCOMPARE(Child<QLabel>(window, "Label1")->text(), QString("Welcome Setup Program"));
    QCOMPARE(Child<QGroupBox>(window, "GroupBox1")->title(), QString("Setup Directory"));
    QCOMPARE(Child<QLabel>(window, "klasad")->text(),
             QString::fromStdString(medium.Install().string()));
    QCOMPARE(Child<QLabel>(window, "progad")->text(), QString("kovu3"));
    QVERIFY(!Child<QLabel>(window, "progad")->isVisible());
    QCOMPARE(Child<QLabel>(window, "progac")->text(), QString("KOVU3"));
    QCOMPARE(Child<QPushButton>(window, "BitBtn1")->text(), QString("Install"));
    QCOMPARE(Child<QPushButton>(window, "BitBtn2")->text(), QString("Cancel"));
    QCOMPARE(Child<QProgressBar>(window, "ProgressBar1")->maximum(), 100);
    QCOMPARE(Child<QLabel>(window, "Label2")->text(), QString("Phone:"));
    QCOMPARE(Child<QLabel>(window, "Label5")->text(), QString("e-mail:"));
    QVERIFY(!window.FailureBox());
}

void FrmKurTest::installRunsTheBarAndTurnsCancelIntoClose() {
    Medium medium;
    TfrmKur window(medium.request);
    window.show();
    auto* bar = Child<QProgressBar>(window, "ProgressBar1");
    QList<int> values;
    connect(bar, &QProgressBar::valueChanged, this, [&](int value) { values.append(value); });
    QSignalSpy finished(&window, &TfrmKur::InstallFinished);

    QTest::mouseClick(Child<QPushButton>(window, "BitBtn1"), Qt::LeftButton);

    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QVERIFY(!window.FailureBox());
    QCOMPARE(Child<QLabel>(window, "Label10")->text(), QString("Setup successfully complemented"));
    QCOMPARE(Child<QPushButton>(window, "BitBtn2")->text(), QString("Close"));
    QCOMPARE(bar->value(), 100);
    // Steps of 2 from the start, once round past 100 to 0, and 100 at the end.
    QVERIFY(values.size() > 60);
    QCOMPARE(values.mid(0, 3), (QList<int>{2, 4, 6}));
    const qsizetype wrap = values.indexOf(0);
    QVERIFY(wrap > 0);
    QCOMPARE(values.at(wrap - 1), 100);
    QCOMPARE(values.last(), 100);
    QVERIFY(fs::exists(medium.Install() / "kovueng" / "kovu3"));
    QVERIFY(fs::exists(medium.Install() / "dat" / "12345678.23M"));
    QVERIFY(fs::exists(medium.folder / "desktop" / "KOVU3.desktop"));
    QVERIFY(window.isVisible());
}

void FrmKurTest::failureLeavesTheWindowOpenForAnotherTry() {
    Medium medium;
    std::string bytes = test::ArchiveBytes({test::Member("12345678.23M", "raw")});
    std::string damaged = bytes;
    damaged[3] ^= 0x10;
    medium.WriteData(damaged);
    TfrmKur window(medium.request);
    window.show();
    QSignalSpy finished(&window, &TfrmKur::InstallFinished);

    QTest::mouseClick(Child<QPushButton>(window, "BitBtn1"), Qt::LeftButton);

    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QVERIFY(window.FailureBox());
    QVERIFY(window.FailureBox()->isVisible());
    QCOMPARE(window.FailureBox()->text(), QString("The archive file appears to be corrupted"));
    QVERIFY(window.FailureBox()->informativeText().contains("veri.dsk"));
    QVERIFY(window.isVisible());
    QCOMPARE(Child<QPushButton>(window, "BitBtn2")->text(), QString("Cancel"));
    QVERIFY(Child<QPushButton>(window, "BitBtn1")->isEnabled());
    QVERIFY(fs::exists(medium.Install() / "kovueng" / "kovu3"));  // done before the failure stays

    // The medium mended, Install again.
    window.FailureBox()->close();
    medium.WriteData(bytes);
    QTest::mouseClick(Child<QPushButton>(window, "BitBtn1"), Qt::LeftButton);
    QCOMPARE(finished.at(1).at(0).toBool(), true);
    QCOMPARE(Child<QPushButton>(window, "BitBtn2")->text(), QString("Close"));
    QVERIFY(fs::exists(medium.Install() / "dat" / "12345678.23M"));
}

void FrmKurTest::missingSetupTextIsShownWhenTheWindowOpens() {
    Medium medium;
    fs::remove(medium.request.medium / "setup.txt");
    TfrmKur window(medium.request);
    window.show();
    QVERIFY(window.FailureBox());
    QCOMPARE(
        window.FailureBox()->text(),
        QString::fromStdString("Cannot read " + (medium.request.medium / "setup.txt").string()));
    QCOMPARE(Child<QLabel>(window, "klasad")->text(), QString());
}

void FrmKurTest::contactLinksOpenWithTheDesktop() {
    Medium medium;
    TfrmKur window(medium.request);
    window.show();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    QDesktopServices::setUrlHandler("mailto", &catcher, "open");
    for (const char* name : {"Label4", "Label6"}) {
        QLabel* label = Child<QLabel>(window, name);
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(8, label->height() / 2));
    }
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("mailto");
    QCOMPARE(catcher.urls,
             (QList<QUrl>{QUrl("https://www.example.org/"), QUrl("mailto:info@example.org")}));
}

void FrmKurTest::cancelClosesTheWindow() {
    Medium medium;
    TfrmKur window(medium.request);
    window.show();
    QTest::mouseClick(Child<QPushButton>(window, "BitBtn2"), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QVERIFY(!fs::exists(medium.Install()));
}

void FrmKurTest::jpegPictureIsDecodedAndDrawnTransparent() {
    const std::string_view jpeg(reinterpret_cast<const char*>(kBannerJpeg), kBannerJpegSize);
    QImage image = JpegToImage(jpeg);
    QCOMPARE(image.size(), QSize(470, 80));
    QImage drawn = WithTransparentBackground(image);
    QCOMPARE(qAlpha(drawn.pixel(0, 79)), 0);      // the white margin shows the window
    QCOMPARE(qAlpha(drawn.pixel(300, 75)), 255);  // the water does not
    QVERIFY(qBlue(drawn.pixel(300, 75)) > qRed(drawn.pixel(300, 75)));

    QVERIFY(JpegToImage("not a picture").isNull());
    QVERIFY(JpegToImage(std::string_view()).isNull());
    std::string damaged(jpeg.substr(0, jpeg.size() / 2));
    JpegToImage(damaged);  // a cut picture decodes as far as it goes, without a crash

    Medium medium;
    TfrmKur window(medium.request);
    QCOMPARE(Child<QLabel>(window, "Image4")->pixmap().size(), QSize(470, 80));
}

}  // namespace kovu3

QTEST_MAIN(kovu3::FrmKurTest)
#include "frm_kur_test.moc"

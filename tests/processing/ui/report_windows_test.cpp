#include <QTest>
class ReportWindowsTest final : public QObject {
    Q_OBJECT
};
QTEST_MAIN(ReportWindowsTest)
#include "report_windows_test.moc"

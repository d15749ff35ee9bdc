#pragma once
// frmKur, the installer's one window: the installation folder from setup.txt, a progress
// bar, Install and Cancel (Close after success) and the maker's contact panel. The work
// itself is RunInstall; the window only shows it.

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "installer/install_procedure.h"

class QLabel;

class QProgressBar;
class QPushButton;

namespace kovu3 {

class TfrmKur final : public QWidget {
    Q_OBJECT

public:
    explicit TfrmKur(InstallRequest request, QWidget* parent = nullptr);

    // The message box of the last failure, while it is shown.
    QMessageBox* FailureBox() const { return failureBox_; }

signals:
    void InstallFinished(bool ok);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void BuildContactPanel();
    void FormShow();      // reads setup.txt into the fields
    void BitBtn1Click();  // Install
    void OnInstallEvent(const InstallEvent& event);
    void StepProgress();
    void ShowFailure(const QString& message, const QString& detail);

    InstallRequest request_;
    bool shown_ = false;
    QLabel* progad_ = nullptr;
    QLabel* progac_ = nullptr;
    QLabel* klasad_ = nullptr;
    QLabel* Label10_ = nullptr;
    QProgressBar* ProgressBar1_ = nullptr;
    QPushButton* BitBtn1_ = nullptr;
    QPushButton* BitBtn2_ = nullptr;
    QPointer<QMessageBox> failureBox_;
    qint64 lastRepaint_ = 0;
};

// The window's title: the maker's name after 45 blanks.
QString FrmKurTitle();

}  // namespace kovu3

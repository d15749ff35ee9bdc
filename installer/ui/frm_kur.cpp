#include "ui/frm_kur.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QUrl>

#include "installer/setup_text.h"
#include "ui/setup_pictures.h"

namespace kovu3 {
namespace {

// The maker's contact panel.
constexpr const char* kPhone = "+1 555 0100";
constexpr const char* kWebAddress = "www.example.org";
constexpr const char* kWebUrl = "https://www.example.org/";
constexpr const char* kMailAddress = "info@example.org";

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QLabel* MakePicture(QWidget* parent, const char* name, const QPixmap& pixmap, QRect geometry) {
    QLabel* label = MakeLabel(parent, name, QString(), geometry);
    label->setPixmap(pixmap);
    return label;
}

// A label whose text is a link opened with the desktop's program for it.
QLabel* MakeLink(QWidget* parent, const char* name, const QString& text, const QString& url,
                 QRect geometry) {
    QLabel* label = MakeLabel(
        parent, name, QString("<a href=\"%1\">%2</a>").arg(url, text.toHtmlEscaped()), geometry);
    label->setTextFormat(Qt::RichText);
    label->setCursor(Qt::PointingHandCursor);
    QObject::connect(label, &QLabel::linkActivated,
                     [](const QString& link) { QDesktopServices::openUrl(QUrl(link)); });
    return label;
}

}  // namespace

QString FrmKurTitle() {
    return QString(45, ' ') + "Kovu Elektronik";
}

TfrmKur::TfrmKur(InstallRequest request, QWidget* parent)
    : QWidget(parent), request_(std::move(request)) {
    setObjectName("frmKur");
    setWindowTitle(FrmKurTitle());
    setFixedSize(654, 456);
    BuildControls();
    BuildContactPanel();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void TfrmKur::BuildControls() {
    MakePicture(this, "Image1", SidePicture(QSize(150, 456)), QRect(0, 0, 150, 456));

    QLabel* heading = MakeLabel(this, "Label1", "Welcome Setup Program", QRect(170, 12, 470, 36));
    QFont font = heading->font();
    font.setPointSize(18);
    font.setBold(true);
    heading->setFont(font);
    heading->setStyleSheet("color: #143c78;");

    QImage banner = WithTransparentBackground(
        JpegToImage(std::string_view(reinterpret_cast<const char*>(kBannerJpeg), kBannerJpegSize)));
    MakePicture(this, "Image4", QPixmap::fromImage(banner), QRect(170, 52, 470, 80));

    auto* group = new QGroupBox("Setup Directory", this);
    group->setObjectName("GroupBox1");
    group->setGeometry(170, 140, 470, 60);
    klasad_ = MakeLabel(group, "klasad", QString(), QRect(12, 26, 446, 24));
    klasad_->setStyleSheet("color: red;");
    progad_ = MakeLabel(this, "progad", QString(), QRect(0, 0, 0, 0));
    progac_ = MakeLabel(this, "progac", QString(), QRect(0, 0, 0, 0));
    progad_->hide();
    progac_->hide();

    ProgressBar1_ = new QProgressBar(this);
    ProgressBar1_->setObjectName("ProgressBar1");
    ProgressBar1_->setGeometry(170, 214, 470, 20);
    ProgressBar1_->setRange(0, 100);
    ProgressBar1_->setValue(0);
    Label10_ = MakeLabel(this, "Label10", QString(), QRect(170, 240, 470, 22));

    BitBtn1_ =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), "Install", this);
    BitBtn1_->setObjectName("BitBtn1");
    BitBtn1_->setGeometry(410, 272, 110, 32);
    BitBtn2_ =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "Cancel", this);
    BitBtn2_->setObjectName("BitBtn2");
    BitBtn2_->setGeometry(530, 272, 110, 32);
    connect(BitBtn1_, &QPushButton::clicked, this, &TfrmKur::BitBtn1Click);
    connect(BitBtn2_, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmKur::BuildContactPanel() {
    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setGeometry(170, 322, 470, 118);
    MakePicture(panel, "Image2", PhoneIcon(24), QRect(14, 12, 24, 24));
    MakeLabel(panel, "Label2", "Phone:", QRect(48, 14, 60, 20));
    MakeLabel(panel, "Label3", kPhone, QRect(112, 14, 300, 20));
    MakePicture(panel, "Image3", GlobeIcon(24), QRect(14, 46, 24, 24));
    MakeLink(panel, "Label4", kWebAddress, kWebUrl, QRect(48, 48, 360, 20));
    MakeLabel(panel, "Label5", "e-mail:", QRect(48, 82, 60, 20));
    MakeLink(panel, "Label6", kMailAddress, QString("mailto:") + kMailAddress,
             QRect(112, 82, 300, 20));
}

void TfrmKur::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FormShow();
}

void TfrmKur::FormShow() {
    SetupTextResult setup = ReadSetupText(request_.medium);
    progad_->setText(QString::fromStdString(setup.text.progad));
    progac_->setText(QString::fromStdString(setup.text.progac));
    fs::path folder =
        request_.target ? *request_.target : InstallFolderOf(setup.text.klasad, request_.layout);
    klasad_->setText(setup.text.klasad.empty() && !request_.target
                         ? QString()
                         : QString::fromStdString(folder.string()));
    if (!setup.error.empty()) ShowFailure(QString::fromStdString(setup.error), QString());
}

void TfrmKur::BitBtn1Click() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    BitBtn1_->setEnabled(false);
    Label10_->clear();
    InstallResult result =
        RunInstall(request_, [this](const InstallEvent& e) { OnInstallEvent(e); });
    BitBtn1_->setEnabled(true);
    QApplication::restoreOverrideCursor();
    if (!result.installFolder.empty())
        klasad_->setText(QString::fromStdString(result.installFolder.string()));
    if (!result.ok) {
        Label10_->clear();
        ShowFailure(QString::fromStdString(result.message), QString::fromStdString(result.detail));
        emit InstallFinished(false);
        return;
    }
    Label10_->setText(kInstallSucceeded);
    BitBtn2_->setText("Close");
    BitBtn2_->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    ProgressBar1_->setValue(100);
    emit InstallFinished(true);
}

void TfrmKur::OnInstallEvent(const InstallEvent& event) {
    const bool archiveStart =
        event.kind == InstallEventKind::StageStarted &&
        (event.stage == InstallStage::ProgramArchive || event.stage == InstallStage::DataArchive);
    if (archiveStart || event.kind == InstallEventKind::Progress) StepProgress();
    if (event.kind == InstallEventKind::StageStarted)
        Label10_->setText(QString::fromStdString(event.message));
    // The work runs on this thread: let the bar and the label repaint now and then.
    qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - lastRepaint_ >= 40) {
        lastRepaint_ = now;
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void TfrmKur::StepProgress() {
    int next = ProgressBar1_->value() + 2;
    ProgressBar1_->setValue(next > 100 ? 0 : next);
}

void TfrmKur::ShowFailure(const QString& message, const QString& detail) {
    if (failureBox_) failureBox_->close();
    failureBox_ = new QMessageBox(QMessageBox::Critical, "setup", message, QMessageBox::Ok, this);
    failureBox_->setObjectName("FailureBox");
    failureBox_->setInformativeText(detail);
    failureBox_->setAttribute(Qt::WA_DeleteOnClose);
    failureBox_->open();
}

}  // namespace kovu3

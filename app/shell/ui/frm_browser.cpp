#include "shell/ui/frm_browser.h"

#include <QLineEdit>
#include <QResizeEvent>
#include <QUrl>

namespace kovu3 {

frmBrowser::frmBrowser(const ProgramSettings& settings, QWidget* parent) : MdiForm(parent) {
    setObjectName(QStringLiteral("frmBrowser"));
    addressArea_ = new QWidget(this);
    addressArea_->setObjectName(QStringLiteral("picAddress"));
    label_ = new QLabel(QStringLiteral("&Address:"), addressArea_);
    label_->setObjectName(QStringLiteral("lblAddress"));
    address_ = new QComboBox(addressArea_);
    address_->setObjectName(QStringLiteral("cboAddress"));
    address_->setEditable(true);
    address_->setInsertPolicy(QComboBox::NoInsert);
    label_->setBuddy(address_);
    browser_ = new QWebEngineView(this);
    browser_->setObjectName(QStringLiteral("brwWebBrowser"));
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("timTimer"));
    timer_->setInterval(5);

    label_->move(Twips(50), Twips(15));
    label_->adjustSize();
    address_->move(Twips(50), label_->geometry().bottom() + Twips(15));
    addressArea_->setGeometry(0, 0, width(), address_->geometry().bottom() + Twips(60));
    resize(Twips(9000), Twips(6600));

    connect(timer_, &QTimer::timeout, this, &frmBrowser::Tick);
    connect(browser_, &QWebEngineView::loadStarted, this, [this] { busy_ = true; });
    connect(browser_, &QWebEngineView::loadFinished, this, &frmBrowser::NavigationDone);
    connect(address_, &QComboBox::textActivated, this, &frmBrowser::Navigate);

    const QString start = Q(settings.WebPageAddress);
    if (!start.isEmpty()) {
        address_->addItem(start);
        address_->setCurrentText(start);
        Navigate(start);
    }
}

void frmBrowser::Navigate(const QString& address) {
    timer_->start();
    browser_->setUrl(QUrl::fromUserInput(address));
}

void frmBrowser::Tick() {
    if (busy_) {
        setWindowTitle(QStringLiteral("Working..."));
        return;
    }
    timer_->stop();
    setWindowTitle(browser_->title());
}

void frmBrowser::NavigationDone(bool) {
    busy_ = false;
    setWindowTitle(browser_->title());
    const QString location = browser_->url().toString();
    if (int old = address_->findText(location); old >= 0) address_->removeItem(old);
    address_->insertItem(0, location);
    address_->setCurrentIndex(0);
}

void frmBrowser::resizeEvent(QResizeEvent* event) {
    MdiForm::resizeEvent(event);
    const int w = event->size().width(), h = event->size().height();
    addressArea_->setGeometry(0, 0, w, addressArea_->height());
    address_->resize(qMax(Twips(1500), w - Twips(100)), address_->height());
    browser_->setGeometry(0, addressArea_->geometry().bottom() + 1, qMax(0, w - Twips(100)),
                          qMax(0, h - (addressArea_->y() + addressArea_->height()) - Twips(100)));
}

}  // namespace kovu3

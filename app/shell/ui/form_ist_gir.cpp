#include "shell/ui/form_ist_gir.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace kovu3 {
namespace {

constexpr WindowsColour kConfirmColour = 33023;  // orange

}  // namespace

Form_IstGir::Form_IstGir(const ProgramSettings& settings, QWidget* parent)
    : MdiForm(parent), settings_(settings) {
    setObjectName(QStringLiteral("Form_IstGir"));
    setWindowTitle(Caption(settings.texts, 115, "İstasyon No-Ad Girişi"));

    // A missing database is created anew; one that cannot be used leaves the grid empty.
    StationStore::Opened opened = StationStore::Open(settings.StationDatabasePath);
    model_ = new StationTableModel(std::move(opened.store), this);
    model_->setObjectName(QStringLiteral("Data1"));
    connect(model_, &StationTableModel::problem, this,
            [this](const QString& message) { ShowMessage(this, message); });

    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->viewport()->installEventFilter(this);
    exit_ = new QPushButton(Caption(settings.texts, 5, "Çık"), this);
    exit_->setObjectName(QStringLiteral("Command1"));
    delete_ = new QPushButton(Caption(settings.texts, 6, "Kayıt sil"), this);
    delete_->setObjectName(QStringLiteral("Command2"));
    normalPalette_ = delete_->palette();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(delete_);
    buttons->addStretch();
    buttons->addWidget(exit_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(buttons);
    resize(Twips(7200), Twips(6000));

    connect(delete_, &QPushButton::clicked, this, &Form_IstGir::DeleteClicked);
    connect(exit_, &QPushButton::clicked, this, [this] {
        emit selectionWindowCloseRequested();
        CloseForm(this);
    });
    if (!opened.error.empty())
        ShowMessage(this, Q(opened.error));
    else if (QString error = model_->Reload(); !error.isEmpty())
        ShowMessage(this, error);
}

void Form_IstGir::activated() {
    if (auto* frame = parentWidget()) frame->move(0, 0);
    model_->SetColumnCaptions(Caption(settings_.texts, 63, "No"),
                              Caption(settings_.texts, 65, "Ad"));
    grid_->setColumnWidth(0, Twips(1500));
    grid_->setColumnWidth(1, Twips(4500));
}

void Form_IstGir::Beep() {
    QApplication::beep();
    emit beeped();
}

void Form_IstGir::DeleteClicked() {
    if (!confirming_) {
        Beep();
        confirming_ = true;
        delete_->setText(QStringLiteral("Onayla"));
        QPalette orange = normalPalette_;
        orange.setColor(QPalette::Button, ToQColor(kConfirmColour));
        delete_->setAutoFillBackground(true);
        delete_->setPalette(orange);
        return;
    }
    CancelConfirmation();
    QModelIndex current = grid_->currentIndex();
    if (!current.isValid() || model_->IsNewRecordRow(current.row())) {
        Beep();
        return;
    }
    if (QString error = model_->DeleteRow(current.row()); !error.isEmpty())
        ShowMessage(this, error);
}

void Form_IstGir::CancelConfirmation() {
    confirming_ = false;
    delete_->setText(QString::fromUtf8("Kayıt Sil"));
    delete_->setPalette(normalPalette_);
    delete_->setAutoFillBackground(false);
}

void Form_IstGir::mousePressEvent(QMouseEvent* event) {
    if (confirming_) CancelConfirmation();
    MdiForm::mousePressEvent(event);
}

bool Form_IstGir::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_->viewport() && event->type() == QEvent::MouseButtonPress && confirming_)
        CancelConfirmation();
    return MdiForm::eventFilter(watched, event);
}

}  // namespace kovu3

#include "shell/ui/form2.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "shell/report_files.h"

namespace kovu3 {

Form2::Form2(const ProgramSettings& settings, Launcher launcher, QWidget* parent)
    : MdiForm(parent), settings_(settings), launcher_(std::move(launcher)) {
    setObjectName(QStringLiteral("Form2"));
    auto caption = [&settings](int entry, const char* design) {
        return Caption(settings.texts, entry, design);
    };
    setWindowTitle(caption(1, "Excell Rapor Dosyalarını Okuma"));
    frame_ = new QGroupBox(caption(2, "Mevcut Excell Dosyaları"), this);
    frame_->setObjectName(QStringLiteral("Frame2"));
    files_ = new QListWidget(frame_);
    files_->setObjectName(QStringLiteral("File3"));
    files_->installEventFilter(this);
    folder_ = new QLabel(this);
    folder_->setObjectName(QStringLiteral("Label1"));
    folder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    open_ = new QPushButton(caption(3, "Dosyayı Aç"), this);
    open_->setObjectName(QStringLiteral("Command1"));
    exit_ = new QPushButton(caption(4, "Vazgeç"), this);
    exit_->setObjectName(QStringLiteral("CmdVazgec"));

    auto* frameLayout = new QVBoxLayout(frame_);
    frameLayout->addWidget(files_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(open_);
    buttons->addStretch();
    buttons->addWidget(exit_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame_);
    layout->addWidget(folder_);
    layout->addLayout(buttons);
    resize(Twips(6000), Twips(5400));

    connect(open_, &QPushButton::clicked, this, &Form2::OpenChosen);
    connect(files_, &QListWidget::itemDoubleClicked, this, &Form2::OpenChosen);
    connect(exit_, &QPushButton::clicked, this, [this] { CloseForm(this); });
    Refresh();
}

void Form2::activated() {
    if (auto* frame = parentWidget()) frame->move(0, 0);
    Refresh();
}

void Form2::Refresh() {
    folder_->setText(Q(settings_.DataDirectory));
    QString chosen = files_->currentItem() ? files_->currentItem()->text() : QString();
    files_->clear();
    ReportFileList list = ListReportFiles(settings_.DataDirectory);
    for (const std::string& name : list.names) files_->addItem(Q(name));
    auto found = files_->findItems(chosen, Qt::MatchExactly);
    if (!found.isEmpty()) files_->setCurrentItem(found.first());
    if (!list.error.empty()) ShowMessage(this, Q(list.error));
}

void Form2::Beep() {
    QApplication::beep();
    emit beeped();
}

void Form2::OpenChosen() {
    QListWidgetItem* item = files_->currentItem();
    if (!item) {
        Beep();
        return;
    }
    std::string path = settings_.DataDirectory + Std(item->text());
    if (QString error = launcher_(SpreadsheetCommand(settings_, path)); !error.isEmpty())
        ShowMessage(this, error);
}

void Form2::DeleteChosen() {
    QListWidgetItem* item = files_->currentItem();
    Beep();
    if (!item) return;
    std::string error = DeleteReportFile(settings_.DataDirectory, Std(item->text()));
    Refresh();
    if (!error.empty()) ShowMessage(this, Q(error));
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == files_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        DeleteChosen();
        return true;
    }
    return MdiForm::eventFilter(watched, event);
}

}  // namespace kovu3

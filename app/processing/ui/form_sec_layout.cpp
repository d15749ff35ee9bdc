// The selection window's controls and its three layouts: collapsed (the selection lists
// alone), expanded (a raw file's setup panel and the readings page beside them) and the
// readings layout after a conversion (the readings page alone beside them).

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMenu>
#include <QVBoxLayout>

#include "processing/ui/background_run.h"
#include "processing/ui/folder_tree.h"
#include "processing/ui/form6.h"
#include "processing/ui/form_sec.h"
#include "processing/ui/readings_page.h"
#include "rawfile/ui/setup_panel_frame.h"

namespace kovu3 {
namespace {

constexpr int kLeftColumnWidth = Twips(4700);

QListWidget* MakeList(const char* name, QWidget* parent, int height) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setMinimumHeight(height);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

QLineEdit* MakeCounter(const char* name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setMaximumWidth(Twips(900));
    box->setAlignment(Qt::AlignRight);
    return box;
}

QHBoxLayout* CounterRow(QLabel* label, QLineEdit* box) {
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addStretch();
    row->addWidget(box);
    return row;
}

}  // namespace

void FormSec::BuildWindow(const QString& title) {
    setObjectName(QStringLiteral("FormSec"));
    setWindowTitle(title);
    const LanguageTexts& texts = settings_.texts;
    auto caption = [&texts](int entry, const char* design) {
        return Caption(texts, entry, design);
    };

    leftColumn_ = new QWidget(this);
    leftColumn_->setFixedWidth(kLeftColumnWidth);

    frame1_ = new QGroupBox(caption(60, "Sürücü ve Dizin"), leftColumn_);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    dir1_ = new FolderTree(QStringLiteral("Dir1"), frame1_);
    dir1_->tree()->setMinimumHeight(Twips(1500));
    (new QVBoxLayout(frame1_))->addWidget(dir1_);

    frame5_ = new QGroupBox(caption(61, "İstasyon"), leftColumn_);
    frame5_->setObjectName(QStringLiteral("Frame5"));
    listIst_ = MakeList("ListIst", frame5_, Twips(1200));
    listIst_->setSortingEnabled(true);
    label1_ = new QLabel(caption(107, "İstasyon Sayısı"), frame5_);
    label1_->setObjectName(QStringLiteral("Label1"));
    text1_ = MakeCounter("Text1", frame5_);
    auto* stations = new QVBoxLayout(frame5_);
    stations->addWidget(listIst_);
    stations->addLayout(CounterRow(label1_, text1_));

    frame7_ = new QGroupBox(caption(84, "SU YILI"), leftColumn_);
    frame7_->setObjectName(QStringLiteral("Frame7"));
    listSuYili_ = MakeList("ListSuYili", frame7_, Twips(1200));
    label7_ = new QLabel(frame7_);
    label7_->setObjectName(QStringLiteral("Label7"));
    auto* years = new QVBoxLayout(frame7_);
    years->addWidget(listSuYili_);
    years->addWidget(label7_);

    frame8_ = new QGroupBox(caption(85, "Ham dosyalar"), leftColumn_);
    frame8_->setObjectName(QStringLiteral("Frame8"));
    listOrjDos_ = MakeList("ListOrjDos", frame8_, Twips(1500));
    label2_ = new QLabel(caption(108, "Dosya Sayısı"), frame8_);
    label2_->setObjectName(QStringLiteral("Label2"));
    text2_ = MakeCounter("Text2", frame8_);
    auto* rawFiles = new QVBoxLayout(frame8_);
    rawFiles->addWidget(listOrjDos_);
    rawFiles->addLayout(CounterRow(label2_, text2_));

    command2_ = new QPushButton(caption(51, "Anahtar eğrisi"), leftColumn_);
    command2_->setObjectName(QStringLiteral("Command2"));
    text7_ = new QLineEdit(leftColumn_);
    text7_->setObjectName(QStringLiteral("Text7"));
    text7_->setReadOnly(true);
    auto* rating = new QHBoxLayout;
    rating->addWidget(command2_);
    rating->addWidget(text7_, 1);

    cmdTamam_ = new QPushButton(caption(49, "..."), leftColumn_);
    cmdTamam_->setObjectName(QStringLiteral("CmdTamam"));
    command3_ = new QPushButton(caption(52, "Sonuçlar"), leftColumn_);
    command3_->setObjectName(QStringLiteral("Command3"));
    cmdVazgec_ = new QPushButton(caption(48, "Çıkış"), leftColumn_);
    cmdVazgec_->setObjectName(QStringLiteral("CmdVazgec"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdTamam_, 1);
    buttons->addWidget(command3_);
    buttons->addWidget(cmdVazgec_);

    progressBar1_ = new QProgressBar(leftColumn_);
    progressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar2_ = new QProgressBar(leftColumn_);
    progressBar2_->setObjectName(QStringLiteral("ProgressBar2"));
    for (QProgressBar* bar : {progressBar1_, progressBar2_}) {
        bar->setRange(0, 1000);
        bar->setValue(0);
        bar->setMaximumHeight(Twips(240));
        bar->setTextVisible(false);
    }
    textLdatAdi_ = new QLabel(leftColumn_);
    textLdatAdi_->setObjectName(QStringLiteral("Text_LdatAdi"));
    textLdatAdi_->setWordWrap(true);
    listOnemliHatalar_ = MakeList("ListOnemliHatalar", leftColumn_, Twips(900));
    listOnemliHatalar_->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
    listOnemliHatalar_->hide();

    auto* left = new QVBoxLayout(leftColumn_);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(Twips(60));
    left->addWidget(frame1_, 3);
    left->addWidget(frame5_, 2);
    left->addWidget(frame7_, 2);
    left->addWidget(frame8_, 3);
    left->addLayout(rating);
    left->addLayout(buttons);
    left->addWidget(progressBar1_);
    left->addWidget(progressBar2_);
    left->addWidget(textLdatAdi_);
    left->addWidget(listOnemliHatalar_, 1);

    frame2_ = new SetupPanelFrame(
        settings_, hooks_.launcher, [this] { return ListedRawFiles(); }, this);
    frame2_->setFixedWidth(Twips(5200));

    frame3_ = new QGroupBox(this);
    frame3_->setObjectName(QStringLiteral("Frame3"));
    listHata_ = MakeList("Listhata", frame3_, Twips(900));
    listSonTarih_ = MakeList("ListSonTarih", frame3_, Twips(900));
    command1_ = new QPushButton(QString::fromUtf8("Pencereyi Kapat"), frame3_);
    command1_->setObjectName(QStringLiteral("Command1"));
    auto* programmer = new QVBoxLayout(frame3_);
    programmer->addWidget(listHata_);
    programmer->addWidget(listSonTarih_);
    programmer->addWidget(command1_);
    frame3_->setFixedWidth(Twips(5200));

    auto* middle = new QVBoxLayout;
    middle->addWidget(frame2_, 1);
    middle->addWidget(frame3_);

    frame4_ = new ReadingsPage(settings_, this);
    frame4_->setMinimumWidth(Twips(8400));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(Twips(90), Twips(90), Twips(90), Twips(90));
    layout->addWidget(leftColumn_);
    layout->addLayout(middle);
    layout->addWidget(frame4_, 1);

    form6_ = new Form6(settings_, this);
    run_ = new BackgroundRun(this);
}

void FormSec::Collapse() {
    frame2_->hide();
    frame3_->hide();
    frame4_->hide();
    frame7_->setEnabled(true);
    text7_->setEnabled(true);
    command2_->setEnabled(true);
    FitWindow();
}

void FormSec::Expand() {
    frame2_->show();
    frame4_->show();
    FitWindow();
}

void FormSec::ReadingsLayout() {
    frame2_->hide();
    frame3_->hide();
    frame4_->show();
    text7_->setEnabled(true);
    command2_->setEnabled(true);
    FitWindow();
}

void FormSec::FitWindow() {
    // The width follows the panels shown; the height stays what the operator made it.
    layout()->activate();
    const QSize least = minimumSizeHint();
    const QSize wanted(least.width(), std::max({height(), least.height(), Twips(8400)}));
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->resize(wanted + (frame->size() - size()));
    else
        resize(wanted);
}

void FormSec::RefreshColours() {
    // Usable lists in the window colour, the others in the button face.
    auto paint = [](QListWidget* list, bool usable) {
        QPalette palette = list->palette();
        palette.setColor(QPalette::Base,
                         QApplication::palette().color(usable ? QPalette::Base : QPalette::Button));
        list->setPalette(palette);
    };
    paint(listOrjDos_, convertMode_ && listOrjDos_->isEnabled());
    paint(listSuYili_, true);
}

void FormSec::ShowTurkishOnlyControls() {
    const bool turkish = settings_.Language() == "TURKCE";
    command2_->setVisible(turkish);
    text7_->setVisible(turkish);
}

void FormSec::EnableMainMenus(bool enabled) {
    QWidget* main = window();
    if (main == this) return;
    for (const char* name : {"Mnu1", "Mnu2", "Mnu3", "Mnu4"})
        if (auto* menu = main->findChild<QMenu*>(QString::fromLatin1(name)))
            menu->menuAction()->setEnabled(enabled);
}

}  // namespace kovu3

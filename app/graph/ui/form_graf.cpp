#include "graph/ui/form_graf.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <filesystem>

#include "graph/graph_texts.h"
#include "graph/picture_files.h"
#include "graph/plot_time.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;

// Stored images are PNG files; light compression keeps a new view quick.
constexpr int kPictureQuality = 80;

// One graph window at a time: the names of the stored pictures are fixed.
QPointer<FormGraf> openWindow;

std::vector<fs::path> PlotPaths(const ProgramSettings& settings,
                                const std::vector<std::string>& plotFiles) {
    std::vector<fs::path> paths;
    for (const std::string& name : plotFiles) {
        fs::path path(name);
        paths.push_back(path.has_parent_path() ? path : fs::path(settings.DataDirectory) / path);
    }
    return paths;
}

QString Joined(const std::vector<std::string>& lines) {
    QStringList texts;
    for (const std::string& line : lines) texts << Q(line);
    return texts.join(QLatin1Char('\n'));
}

}  // namespace

FormGraf::FormGraf(const ProgramSettings& settings, const std::vector<std::string>& plotFiles,
                   const std::string& loggerType, QWidget* parent)
    : FormGraf(settings, LoadGraphDocument(PlotPaths(settings, plotFiles), settings, loggerType),
               parent) {}

FormGraf::FormGraf(const ProgramSettings& settings, GraphDocument document, QWidget* parent)
    : MdiForm(parent), settings_(settings), document_(std::move(document)) {
    // Kept apart from the settings: the window may outlive the main window's settings while
    // the program ends, and still clears its pictures.
    std::error_code ec;
    pictureFolder_ =
        settings.CurrentFolder.empty() ? fs::current_path(ec) : fs::path(settings.CurrentFolder);
    if (openWindow) CloseForm(openWindow);
    openWindow = this;
    choosePrinter_ = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
    BuildWindow();
    history_.Start(InitialView(document_));
    ShowBounds();
    ClearSelection();
    frame2_->hide();
    mnuSec_->setEnabled(false);  // until a selection has been made
    UpdateMenus();
}

FormGraf::~FormGraf() {
    // A window that goes with the program, without being closed, leaves no pictures either;
    // once another graph window has opened, the pictures are that window's.
    if (openWindow == this) DeletePictures(PictureFolder(), ViewHistory::kSlots);
}

QLineEdit* FormGraf::MakeBox(const char* name, int width) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setFixedWidth(width);
    return box;
}

void FormGraf::BuildWindow() {
    setObjectName(QStringLiteral("FormGraf"));
    const LanguageTexts& texts = settings_.texts;
    setWindowTitle(texts.Language == "TURKCE" || texts.Language.empty() ? QStringLiteral("Grafik")
                                                                        : QStringLiteral("Graph"));
    const GraphColours colours = GraphColoursOf(settings_);

    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    auto action = [this](const char* name, const QString& caption, void (FormGraf::*slot)()) {
        QAction* item = menuBar_->addAction(caption);
        item->setObjectName(QString::fromLatin1(name));
        connect(item, &QAction::triggered, this, slot);
        return item;
    };
    mnuIlk_ = action("Mnuilk", Caption(texts, 7, "Başlangıç çizimi"), &FormGraf::InitialDrawing);
    mnuSecformKeyboard_ =
        action("MnuSecformKeyboard", QString::fromUtf8("Çizilecek Bölgeyi Klavyeden Gir"),
               &FormGraf::ShowKeyboardRange);
    mnuSec_ =
        action("MnuSec", Caption(texts, 8, "Seçilmiş bölgeyi çiz"), &FormGraf::DrawSelectedArea);
    mnuGeri_ = action("MnuGeri", QString::fromUtf8("[ « ]"), &FormGraf::Back);
    mnuIleri_ = action("MnuIleri", QString::fromUtf8("[ » ]"), &FormGraf::Forward);
    mnuPrint_ = action("MnuPrint", Caption(texts, 9, "Yazdır"), &FormGraf::Print);
    mnuCik_ = action("MnuCik", Caption(texts, 10, "Çık"), &FormGraf::Leave);

    canvas_ = new GraphCanvas(this);
    canvas_->setBackground(colours.background);
    connect(canvas_, &GraphCanvas::pressed, this, &FormGraf::Pressed);
    connect(canvas_, &GraphCanvas::moved, this, &FormGraf::Moved);
    connect(canvas_, &GraphCanvas::released, this, &FormGraf::Released);
    // A picture of another size is drawn again for the new size, once the resizing rests.
    auto* resizeRest = new QTimer(this);
    resizeRest->setSingleShot(true);
    resizeRest->setInterval(80);
    connect(resizeRest, &QTimer::timeout, this, [this] {
        if (isVisible() && hasStations() && canvas_->size() != drawnSize_) DrawGraph(true);
    });
    connect(canvas_, &GraphCanvas::resized, resizeRest, qOverload<>(&QTimer::start));

    // Frame1: the bounds of the view, start and bottom level over end and top level.
    frame1_ = new QGroupBox(this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    auto* heading1 =
        new QLabel(Caption(texts, 12, "    Tarih        Zaman        Seviye,cm"), frame1_);
    heading1->setObjectName(QStringLiteral("Label1"));
    text8_ = MakeBox("Text8", 130);
    text9_ = MakeBox("Text9", 60);
    text10_ = MakeBox("Text10", 130);
    text11_ = MakeBox("Text11", 60);
    auto* bounds = new QGridLayout(frame1_);
    bounds->addWidget(heading1, 0, 0, 1, 2);
    bounds->addWidget(text8_, 1, 0);
    bounds->addWidget(text9_, 1, 1);
    bounds->addWidget(text10_, 2, 0);
    bounds->addWidget(text11_, 2, 1);

    // Frame2: the corners of the selected area.
    frame2_ = new QGroupBox(Caption(texts, 11, "Seçilmiş bölge"), this);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    auto* heading2 =
        new QLabel(Caption(texts, 13, "    Tarih        Zaman        Seviye,cm"), frame2_);
    heading2->setObjectName(QStringLiteral("Label2"));
    auto* corners = new QGridLayout(frame2_);
    corners->addWidget(heading2, 0, 0, 1, 3);
    const int widths[] = {85, 50, 60};
    for (int i = 0; i < 3; ++i) {
        text3_[static_cast<size_t>(i)] = MakeBox(("Text3_" + std::to_string(i)).c_str(), widths[i]);
        text4_[static_cast<size_t>(i)] = MakeBox(("Text4_" + std::to_string(i)).c_str(), widths[i]);
        corners->addWidget(text3_[static_cast<size_t>(i)], 1, i);
        corners->addWidget(text4_[static_cast<size_t>(i)], 2, i);
    }

    // Frame3: a range typed as day.month.
    frame3_ = new QGroupBox(this);
    frame3_->setObjectName(QStringLiteral("Frame3"));
    text1_ = new QLineEdit(frame3_);
    text1_->setObjectName(QStringLiteral("Text1"));
    text5_ = new QLineEdit(frame3_);
    text5_->setObjectName(QStringLiteral("Text5"));
    command1_ = new QPushButton(QString::fromUtf8("Çiz"), frame3_);
    command1_->setObjectName(QStringLiteral("Command1"));
    connect(command1_, &QPushButton::clicked, this, &FormGraf::DrawKeyboardRange);
    auto* typed = new QHBoxLayout(frame3_);
    typed->addWidget(text1_);
    typed->addWidget(text5_);
    typed->addWidget(command1_);
    frame3_->hide();

    label3_ = new QLabel(this);
    label3_->setObjectName(QStringLiteral("Label3"));
    label3_->setAutoFillBackground(true);
    QPalette palette = label3_->palette();
    palette.setColor(QPalette::Window, colours.background);
    label3_->setPalette(palette);
    label3_->setMinimumWidth(260);
    label3_->setFixedHeight(label3_->sizeHint().height() + 6);
    cmdCik_ = new QPushButton(Caption(texts, 10, "Çık"), this);
    cmdCik_->setObjectName(QStringLiteral("CmdCik"));
    connect(cmdCik_, &QPushButton::clicked, this, &FormGraf::Leave);

    // The frames that come and go keep their room, so the picture never changes size under
    // the pointer.
    for (QWidget* frame : {static_cast<QWidget*>(frame2_), static_cast<QWidget*>(frame3_)}) {
        QSizePolicy policy = frame->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        frame->setSizePolicy(policy);
    }
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(frame1_);
    bottom->addWidget(frame2_);
    bottom->addWidget(frame3_);
    auto* readout = new QVBoxLayout;
    readout->addWidget(label3_);
    readout->addWidget(cmdCik_, 0, Qt::AlignLeft);
    bottom->addLayout(readout);
    bottom->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->setMenuBar(menuBar_);
    layout->addWidget(canvas_, 1);
    layout->addLayout(bottom);
    resize(900, 700);
}

GraphScale FormGraf::Scale() const {
    return GraphScale(history_.CurrentView(), canvas_->width(), canvas_->height());
}

fs::path FormGraf::PictureFolder() const {
    return pictureFolder_;
}

void FormGraf::showEvent(QShowEvent* event) {
    MdiForm::showEvent(event);
    if (shown_) return;
    shown_ = true;
    if (!hasStations()) return;
    if (!drawnSize_.isValid()) DrawGraph(true);
    // Said once the window is up, above it.
    if (!document_.problems.empty())
        QTimer::singleShot(0, this, [this] { ShowMessage(this, Joined(document_.problems)); });
}

void FormGraf::DrawGraph(bool anew) {
    ShowBounds();
    if (anew) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const GraphPicture picture = MakeGraphPicture(document_, history_.CurrentView(), settings_);
        const QImage image = RenderGraph(picture, canvas_->width(), canvas_->height());
        canvas_->setImage(image);
        drawnSize_ = canvas_->size();
        image.save(
            QString::fromStdString(PictureFile(PictureFolder(), history_.current()).string()),
            "PNG", kPictureQuality);
        QApplication::restoreOverrideCursor();
    }
    UpdateMenus();
    frame2_->hide();
}

void FormGraf::ShowStoredView() {
    QImage stored;
    const QString path =
        QString::fromStdString(PictureFile(PictureFolder(), history_.current()).string());
    // A missing image, or one of another picture size, is drawn again from its view.
    if (stored.load(path, "PNG") && stored.size() == canvas_->size()) {
        canvas_->setImage(stored);
        DrawGraph(false);
    } else {
        DrawGraph(true);
    }
}

void FormGraf::NewView(const GraphView& view) {
    if (history_.Push(view)) MovePicturesDown(PictureFolder(), ViewHistory::kSlots);
    canvas_->shape()->hide();
    DrawGraph(true);
}

void FormGraf::ShowBounds() {
    const GraphView& view = history_.CurrentView();
    const std::string& separator = settings_.DateSeparator();
    text8_->setText(Q(BoundText(DateTimeOf(view.xStart, document_.firstDay, separator))));
    text10_->setText(Q(BoundText(DateTimeOf(view.xEnd, document_.firstDay, separator))));
    text9_->setText(QString::number(static_cast<long>(std::floor(view.y0))));
    text11_->setText(QString::number(static_cast<long>(std::floor(view.y1))));
}

void FormGraf::UpdateMenus() {
    mnuGeri_->setEnabled(history_.CanGoBack());
    mnuIleri_->setEnabled(history_.CanGoForward());
}

void FormGraf::ClearSelection() {
    for (QLineEdit* box : text3_) box->clear();
    for (QLineEdit* box : text4_) box->clear();
    canvas_->shape()->hide();
}

QRect FormGraf::PlotArea() const {
    const GraphScale scale = Scale();
    return QRect(qRound(scale.L()), qRound(scale.T()), qRound(scale.W()), qRound(scale.H()));
}

QPoint FormGraf::KeptInPlotArea(QPoint position) const {
    const QRect area = PlotArea();
    return QPoint(std::clamp(position.x(), area.left(), area.left() + area.width()),
                  std::clamp(position.y(), area.top(), area.top() + area.height()));
}

void FormGraf::Pressed(QPoint position, Qt::MouseButton button) {
    if (!hasStations()) return;
    anchor_ = KeptInPlotArea(position);
    selecting_ = button == Qt::LeftButton;
    ClearSelection();
    frame2_->show();
}

void FormGraf::Moved(QPoint position, Qt::MouseButtons buttons) {
    if (!hasStations()) return;
    const GraphScale scale = Scale();
    if (!(buttons & Qt::LeftButton) || !selecting_) {
        if (buttons != Qt::NoButton) return;
        frame2_->hide();
        const DateTime moment =
            DateTimeOf(scale.TimeAt(position.x()), document_.firstDay, settings_.DateSeparator());
        label3_->setText(Q(PointerReadout(moment, scale.LevelAt(position.y()))));
        return;
    }
    // While the button is held the pointer stays inside the plot area.
    const QPoint kept = KeptInPlotArea(position);
    if (kept != position) QCursor::setPos(canvas_->mapToGlobal(kept));
    const int left = std::min(anchor_.x(), kept.x()), right = std::max(anchor_.x(), kept.x());
    const int top = std::min(anchor_.y(), kept.y()), bottom = std::max(anchor_.y(), kept.y());
    canvas_->shape()->setGeometry(left, top, right - left + 1, bottom - top + 1);
    canvas_->shape()->show();
    ShowCorner(text3_, left, top);
    ShowCorner(text4_, right, bottom);
}

void FormGraf::Released(QPoint, Qt::MouseButton) {
    if (!hasStations()) return;
    mnuSec_->setEnabled(true);
    selecting_ = false;
    if (canvas_->shape()->isHidden()) frame2_->hide();
}

void FormGraf::ShowCorner(std::array<QLineEdit*, 3>& boxes, double x, double y) {
    const GraphScale scale = Scale();
    const DateTime moment =
        DateTimeOf(scale.TimeAt(x), document_.firstDay, settings_.DateSeparator());
    boxes[0]->setText(Q(moment.date));
    boxes[1]->setText(Q(moment.time));
    boxes[2]->setText(QString::number(static_cast<long>(std::floor(scale.LevelAt(y)))));
}

void FormGraf::DrawSelectedArea() {
    if (text3_[0]->text().isEmpty()) {
        Beep();
        return;
    }
    const std::optional<double> start =
        PlotTimeOf(Std(text3_[0]->text()), "00:00", document_.firstDay);
    const std::optional<double> end =
        PlotTimeOf(Std(text4_[0]->text()), "24:00", document_.firstDay);
    if (!start || !end) {
        Beep();
        return;
    }
    NewView(OrientedView(*start, *end, text3_[2]->text().toDouble(), text4_[2]->text().toDouble(),
                         document_.aquifer));
}

void FormGraf::ShowKeyboardRange() {
    text1_->setText(Q(TypedFirstDay(document_.calendar)));
    text5_->setText(Q(TypedLastDay(document_.calendar)));
    frame3_->show();
}

void FormGraf::DrawKeyboardRange() {
    frame3_->hide();
    const Calendar& calendar = document_.calendar;
    const std::optional<std::string> first =
        TypedDayOfWaterYear(Std(text1_->text()), document_.waterYear, calendar);
    const std::optional<std::string> last =
        TypedDayOfWaterYear(Std(text5_->text()), document_.waterYear, calendar);
    const std::optional<double> start =
        first ? PlotTimeOf(*first, "00:00", document_.firstDay) : std::nullopt;
    const std::optional<double> end =
        last ? PlotTimeOf(*last, "24:00", document_.firstDay) : std::nullopt;
    // A day that does not exist, or an end before the start, is left for the operator to mend.
    if (!hasStations() || !start || !end || *end <= *start) {
        frame3_->show();
        Beep();
        return;
    }
    const GraphView& current = history_.CurrentView();
    NewView(OrientedView(*start, *end, current.y0, current.y1, document_.aquifer));
}

void FormGraf::DrawTypedRange(const QString& first, const QString& last) {
    ShowKeyboardRange();
    text1_->setText(first);
    text5_->setText(last);
    DrawKeyboardRange();
}

void FormGraf::Back() {
    if (history_.Back()) ShowStoredView();
}

void FormGraf::Forward() {
    if (history_.Forward()) ShowStoredView();
}

void FormGraf::InitialDrawing() {
    history_.Initial();
    ShowStoredView();
}

void FormGraf::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (choosePrinter_ && choosePrinter_(printer)) PrintTo(printer);
}

void FormGraf::PrintTo(QPrinter& printer) {
    QPainter painter(&printer);
    const GraphPicture picture = MakeGraphPicture(document_, history_.CurrentView(), settings_);
    PaintGraphOnPage(&painter, QRectF(0, 0, printer.width(), printer.height()), canvas_->width(),
                     canvas_->height(), picture);
}

void FormGraf::Leave() {
    CloseForm(this);
}

void FormGraf::closeEvent(QCloseEvent* event) {
    if (openWindow == this) {
        for (const std::string& problem : DeletePictures(PictureFolder(), ViewHistory::kSlots))
            qWarning("%s", problem.c_str());
    }
    MdiForm::closeEvent(event);
}

void FormGraf::Beep() {
    QApplication::beep();
    emit beeped();
}

FormGraf* OpenFormGraf(const ProgramSettings& settings, const std::vector<std::string>& plotFiles,
                       const std::string& loggerType, QWidget* messageParent) {
    GraphDocument document =
        LoadGraphDocument(PlotPaths(settings, plotFiles), settings, loggerType);
    if (!document.empty()) return new FormGraf(settings, std::move(document));
    QString text = Joined(document.problems);
    if (text.isEmpty()) text = QStringLiteral("No station-year to draw.");
    ShowMessage(messageParent, text);
    return nullptr;
}

}  // namespace kovu3

#pragma once
// The graph window: the water levels of one to four processed station-years over the days
// of the water year. The operator narrows the view by dragging a rectangle or typing a day
// range, walks back and forward through the views drawn (each kept as the image
// "picture" + slot in the current folder), reads date, time and level under the pointer,
// and prints.
//
// Opening: FormGraf(settings, PlotFiles(1..PlotFileCount)) with the processed file names of
// the plot list (files in the data folder; a path with a folder is taken as it is), or
// OpenFormGraf, which refuses a list of which nothing can be read.

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "graph/graph_document.h"
#include "graph/ui/graph_canvas.h"
#include "graph/ui/graph_painter.h"
#include "graph/view_history.h"
#include "shell/program_settings.h"
#include "shell/ui/ui_support.h"

class QPrinter;

namespace kovu3 {

class FormGraf final : public MdiForm {
    Q_OBJECT
  public:
    // `loggerType` is the LoggerType of the raw file decoded last, when the caller knows it;
    // otherwise the raw files of the last station tell whether the axis runs downwards.
    FormGraf(const ProgramSettings& settings, const std::vector<std::string>& plotFiles,
             const std::string& loggerType = {}, QWidget* parent = nullptr);
    // The same for stations already read.
    FormGraf(const ProgramSettings& settings, GraphDocument document, QWidget* parent = nullptr);
    ~FormGraf() override;

    bool hasStations() const { return !document_.empty(); }
    const std::vector<std::string>& problems() const { return document_.problems; }
    const GraphDocument& document() const { return document_; }
    const ViewHistory& history() const { return history_; }
    GraphCanvas* picture() const { return canvas_; }
    // The mapping of the picture shown now.
    GraphScale Scale() const;

    // How the print command asks for a printer; true to print. The default is the print
    // dialog, which offers a PDF file as a printer too.
    void setPrinterChooser(std::function<bool(QPrinter&)> chooser) {
        choosePrinter_ = std::move(chooser);
    }
    // The current picture on a page of the printer.
    void PrintTo(QPrinter& printer);

    // The menu commands and buttons, as a click runs them.
    void InitialDrawing();     // Mnuilk
    void ShowKeyboardRange();  // MnuSecformKeyboard
    void DrawKeyboardRange();  // Command1
    // Types a range into Text1 and Text5 and draws it, as the operator would.
    void DrawTypedRange(const QString& first, const QString& last);
    void DrawSelectedArea();  // MnuSec
    void Back();              // MnuGeri
    void Forward();           // MnuIleri
    void Print();             // MnuPrint
    void Leave();             // MnuCik, CmdCik

  signals:
    void beeped();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void BuildWindow();
    QLineEdit* MakeBox(const char* name, int width);
    // DrawGraph: "Yeni" draws the current view anew and keeps its image; "Eski" only shows
    // the bounds of a view whose stored image is on the picture.
    void DrawGraph(bool anew);
    void ShowStoredView();
    void NewView(const GraphView& view);
    void ShowBounds();
    void UpdateMenus();
    void ClearSelection();
    QRect PlotArea() const;
    QPoint KeptInPlotArea(QPoint position) const;
    void Pressed(QPoint position, Qt::MouseButton button);
    void Moved(QPoint position, Qt::MouseButtons buttons);
    void Released(QPoint position, Qt::MouseButton button);
    void ShowCorner(std::array<QLineEdit*, 3>& boxes, double x, double y);
    void Beep();
    std::filesystem::path PictureFolder() const;

    const ProgramSettings& settings_;
    GraphDocument document_;
    std::filesystem::path pictureFolder_;
    ViewHistory history_;
    std::function<bool(QPrinter&)> choosePrinter_;
    QPoint anchor_;
    bool selecting_ = false;
    bool shown_ = false;
    QSize drawnSize_;

    QMenuBar* menuBar_;
    QAction* mnuIlk_;
    QAction* mnuSecformKeyboard_;
    QAction* mnuSec_;
    QAction* mnuGeri_;
    QAction* mnuIleri_;
    QAction* mnuPrint_;
    QAction* mnuCik_;
    GraphCanvas* canvas_;
    QGroupBox* frame1_;
    QLineEdit* text8_;
    QLineEdit* text9_;
    QLineEdit* text10_;
    QLineEdit* text11_;
    QGroupBox* frame2_;
    std::array<QLineEdit*, 3> text3_{};
    std::array<QLineEdit*, 3> text4_{};
    QLabel* label3_;
    QGroupBox* frame3_;
    QLineEdit* text1_;
    QLineEdit* text5_;
    QPushButton* command1_;
    QPushButton* cmdCik_;
};

// The graph window for the plot list's files, or nullptr, after a message to
// `messageParent`, when none of them can be read. Problems with some of the files are
// shown once the window is open.
FormGraf* OpenFormGraf(const ProgramSettings& settings, const std::vector<std::string>& plotFiles,
                       const std::string& loggerType, QWidget* messageParent);

}  // namespace kovu3

#pragma once
// The main window: a multiple-document window whose menu is the way into all the work. Its
// load handler is the program's start-up; its exit command the program's orderly end.

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <functional>
#include <string_view>

#include "shell/startup.h"
#include "shell/ui/ui_support.h"

namespace kovu3 {

class FormGraf;

class Anamenu final : public QMainWindow {
    Q_OBJECT
  public:
    // Runs the start-up for this environment; problems on the way are shown once the window is up.
    explicit Anamenu(const Environment& environment, QWidget* parent = nullptr);

    ProgramSettings& settings() { return settings_; }
    const std::vector<std::string>& startupProblems() const { return startupProblems_; }

    // How programs and files are started; tests put in their own.
    void setLauncher(Launcher launcher) { launcher_ = std::move(launcher); }
    // Makes the selection window for a work command, titled with the command's caption.
    using SelectionWindowFactory = std::function<MdiForm*(ProgramSettings&, const QString& title)>;
    void setSelectionWindowFactory(SelectionWindowFactory factory) {
        selectionFactory_ = std::move(factory);
    }

    // Runs a menu command by its item name, as a click on it does.
    void runCommand(std::string_view item);
    // The open child window of that name, or nullptr.
    QWidget* childForm(const QString& objectName) const;
    void closeChildForm(const QString& objectName);
    QMdiArea* mdiArea() const { return mdi_; }

    // Opens the graph window on processed files (names in the data folder, or paths), as
    // after the plot list; nullptr, after a message, when none of them can be read.
    FormGraf* openGraphWindow(const std::vector<std::string>& plotFiles, const std::string& loggerType = {});

  signals:
    // ExitProgram has done its file work; the program ends.
    void exitRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildMenu();
    void ApplyMenuTexts();
    void WorkCommand(std::string_view item, std::string_view target);
    void SwitchLanguage(std::string_view language);
    void ExitProgram();
    void Launch(const LaunchCommand& command);
    void OpenWeb();
    void OpenProgrammerOptions();
    QMdiSubWindow* AddChild(MdiForm* form, QPoint position = {0, 0});
    QWidget* ShowOrActivate(const QString& objectName, const std::function<MdiForm*()>& make);

    ProgramSettings settings_;
    std::vector<std::string> startupProblems_;
    QMdiArea* mdi_;
    Launcher launcher_ = StartDetached;
    SelectionWindowFactory selectionFactory_;
};

}  // namespace kovu3

#include "shell/ui/anamenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

#include "rawfile/clear_listed_stations.h"
#include "graph/ui/form_graf.h"
#include "shell/ini_values.h"
#include "shell/menu_texts.h"
#include "processing/ui/form_sec.h"
#include "shell/ui/form2.h"
#include "shell/ui/form_genel_setup.h"
#include "shell/ui/form_ist_gir.h"
#include "shell/ui/form_programci.h"
#include "shell/ui/frm_logo.h"
#ifdef KOVU3_HAVE_WEBENGINE
#include "shell/ui/frm_browser.h"
#endif

namespace kovu3 {

Anamenu::Anamenu(const Environment& environment, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Anamenu"));
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("MdiArea"));
    mdi_->viewport()->installEventFilter(this);
    setCentralWidget(mdi_);
    connect(mdi_, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* frame) {
        if (auto* form = frame ? qobject_cast<MdiForm*>(frame->widget()) : nullptr)
            form->activated();
    });
    selectionFactory_ = [this](ProgramSettings& settings, const QString& title) -> MdiForm* {
        SelectionWindowHooks hooks;
        hooks.launcher = [this](const LaunchCommand& command) { return launcher_(command); };
        hooks.showWindow = [this](MdiForm* form, QPoint position) { AddChild(form, position); };
        hooks.openGraph = [this](const std::vector<std::string>& files, const std::string& loggerType) {
            openGraphWindow(files, loggerType);
        };
        return new FormSec(settings, title, std::move(hooks));
    };
    BuildMenu();

    // The load handler: the start-up, the menu in the configured language, the logo.
    StartupResult startup = RunStartup(environment);
    settings_ = std::move(startup.settings);
    startupProblems_ = std::move(startup.problems);
    setWindowTitle(QStringLiteral("Kovu3"));
    resize(Twips(12000), Twips(9000));
    ApplyMenuTexts();
    runCommand("MnuLogo");
    // Raw files read out since the last start: their station-years are to be converted anew.
    ClearListedStations(settings_);
    if (!startupProblems_.empty()) {
        QString text;
        for (const std::string& problem : startupProblems_) text += Q(problem) + QLatin1Char('\n');
        QTimer::singleShot(0, this, [this, text] { ShowMessage(this, text.trimmed()); });
    }
}

void Anamenu::BuildMenu() {
    QMenu* current = nullptr;
    for (const MenuItemText& item : MainMenuItems()) {
        const QString name = Q(item.name);
        if (item.kind == MenuKind::TopLevel) {
            current = menuBar()->addMenu(QString());
            current->setObjectName(name);
            continue;
        }
        QAction* action = item.kind == MenuKind::Separator ? current->addSeparator()
                                                           : current->addAction(QString());
        action->setObjectName(name);
        if (!LanguageOfEntry(item.name).empty()) action->setCheckable(true);
        if (item.name == "MnuExit") action->setShortcut(QKeySequence(QStringLiteral("Ctrl+X")));
        if (item.kind == MenuKind::Command)
            connect(action, &QAction::triggered, this, [this, item] { runCommand(item.name); });
    }
}

void Anamenu::ApplyMenuTexts() {
    const std::string& language = settings_.Language();
    const std::string_view checked = CheckedLanguageEntry(language);
    for (const MenuItemText& item : MainMenuItems()) {
        const QString caption = Q(MenuCaption(item, language));
        if (item.kind == MenuKind::TopLevel) {
            findChild<QMenu*>(Q(item.name))->setTitle(caption);
            continue;
        }
        QAction* action = findChild<QAction*>(Q(item.name));
        if (item.kind == MenuKind::Command) action->setText(caption);
        action->setVisible(MenuVisible(item, language));
        if (action->isCheckable()) action->setChecked(item.name == checked);
    }
}

void Anamenu::runCommand(std::string_view item) {
    if (std::string_view language = LanguageOfEntry(item); !language.empty()) {
        SwitchLanguage(language);
        return;
    }
    closeChildForm(QStringLiteral("FrmLogo"));
    if (std::optional<std::string_view> target = WorkCommandTarget(item)) {
        WorkCommand(item, *target);
    } else if (item == "MnuRS232") {
        Launch(CommunicationCommand(settings_));
    } else if (item == "MnuExit") {
        ExitProgram();
    } else if (item == "MnuExcAc") {
        ShowOrActivate(QStringLiteral("Form2"), [this] { return new Form2(settings_, launcher_); });
    } else if (item == "MnuFlumoRun") {
        Launch(FlumoCommand(settings_));
    } else if (item == "MnuIstAdiGir") {
        ShowOrActivate(QStringLiteral("Form_IstGir"), [this] {
            auto* form = new Form_IstGir(settings_);
            connect(form, &Form_IstGir::selectionWindowCloseRequested, this,
                    [this] { closeChildForm(QStringLiteral("FormSec")); });
            return form;
        });
    } else if (item == "MnuGenelSetup") {
        // Shown anew each time, so it starts from freshly loaded values.
        closeChildForm(QStringLiteral("FormGenelSetup"));
        auto* form = new FormGenelSetup(settings_);
        connect(form, &FormGenelSetup::programmerOptionsRequested, this,
                &Anamenu::OpenProgrammerOptions);
        AddChild(form);
    } else if (item == "MnuWeb") {
        OpenWeb();
    } else if (item == "MnuLogo") {
        AddChild(new FrmLogo(settings_), QPoint(Twips(75), Twips(40)));
    } else if (item == "MnuHelp" || item == "MnuHelpiletisim" || item == "MnuHelpRamKart") {
        Launch(HelpCommand(settings_, item));
    }
}

void Anamenu::WorkCommand(std::string_view item, std::string_view target) {
    closeChildForm(QStringLiteral("FormSec"));
    const QString caption = findChild<QAction*>(Q(item))->text();
    settings_.SelectedOperation = Std(caption);
    settings_.TargetWindow = std::string(target);
    const QString title = Q(TitleWithoutAccessKey(settings_.SelectedOperation));
    AddChild(selectionFactory_(settings_, title));
}

void Anamenu::SwitchLanguage(std::string_view language) {
    settings_.Options[21] = std::string(language);
    const std::string error = WriteIniValue(settings_.ProgramFolder + "Kovu3.ini", "Options", "21",
                                            settings_.Options[21]);
    ApplyLanguage(settings_.texts, language);
    ApplyMenuTexts();
    closeChildForm(QStringLiteral("FrmLogo"));
    ApplyCalendar(settings_.calendar, language);
    if (!error.empty()) ShowMessage(this, Q(error));
}

void Anamenu::ExitProgram() {
    std::vector<std::string> problems = ExitProgramFiles(settings_);
    mdi_->closeAllSubWindows();
    if (!problems.empty()) {
        QString text;
        for (const std::string& problem : problems) text += Q(problem) + QLatin1Char('\n');
        QMessageBox::warning(this, QStringLiteral("Kovu3"),
                             text.trimmed());  // the last word before the end
    }
    emit exitRequested();
}

void Anamenu::Launch(const LaunchCommand& command) {
    if (QString error = launcher_(command); !error.isEmpty()) ShowMessage(this, error);
}

void Anamenu::OpenWeb() {
#ifdef KOVU3_HAVE_WEBENGINE
    ShowOrActivate(QStringLiteral("frmBrowser"), [this] { return new frmBrowser(settings_); });
#else
    Launch(OpenWithDesktop(settings_.WebPageAddress));
#endif
}

void Anamenu::OpenProgrammerOptions() {
    ShowOrActivate(QStringLiteral("FormProgramci"),
                   [this] { return new FormProgramci(settings_); });
}

QMdiSubWindow* Anamenu::AddChild(MdiForm* form, QPoint position) {
    QMdiSubWindow* frame = mdi_->addSubWindow(form);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    // A form that chose its size keeps it inside the frame; the others take what they need.
    if (form->testAttribute(Qt::WA_Resized))
        frame->resize(form->size() + (frame->sizeHint() - form->sizeHint()));
    else
        frame->adjustSize();
    frame->move(position);
    frame->show();
    mdi_->setActiveSubWindow(frame);
    // Without a display the area may not pass the activation on; the form acts all the same.
    if (mdi_->activeSubWindow() != frame) form->activated();
    return frame;
}

QWidget* Anamenu::ShowOrActivate(const QString& objectName, const std::function<MdiForm*()>& make) {
    if (QWidget* open = childForm(objectName)) {
        mdi_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(open->parentWidget()));
        return open;
    }
    MdiForm* form = make();
    AddChild(form);
    return form;
}

QWidget* Anamenu::childForm(const QString& objectName) const {
    for (QMdiSubWindow* frame : mdi_->subWindowList()) {
        if (frame->widget() && frame->widget()->objectName() == objectName && !frame->isHidden())
            return frame->widget();
    }
    return nullptr;
}

FormGraf* Anamenu::openGraphWindow(const std::vector<std::string>& plotFiles, const std::string& loggerType) {
    closeChildForm(QStringLiteral("FrmLogo"));
    closeChildForm(QStringLiteral("FormGraf"));
    FormGraf* form = OpenFormGraf(settings_, plotFiles, loggerType, this);
    if (form) AddChild(form);
    return form;
}

void Anamenu::closeChildForm(const QString& objectName) {
    if (QWidget* form = childForm(objectName)) CloseForm(form);
}

bool Anamenu::eventFilter(QObject* watched, QEvent* event) {
    // A click on the empty background closes the logo.
    if (watched == mdi_->viewport() && event->type() == QEvent::MouseButtonPress)
        closeChildForm(QStringLiteral("FrmLogo"));
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace kovu3

// kovu3: the desktop program.

#include <QApplication>
#include <QCommandLineParser>

#include "graph/ui/form_graf.h"
#include "shell/platform.h"
#include "shell/ui/anamenu.h"
#include "shell/ui/screenshot.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kovu3"));

    QCommandLineParser parser;
    parser.addHelpOption();
    // Hidden options for pictures of the program (tools/screenshots.sh).
    QCommandLineOption run(QStringLiteral("run"), QString(), QStringLiteral("items"));
    QCommandLineOption openMenu(QStringLiteral("open-menu"), QString(), QStringLiteral("menu"));
    QCommandLineOption screenshot(QStringLiteral("screenshot"), QString(), QStringLiteral("file"));
    // The graph window on processed files, and a range of it typed as day.month,day.month.
    QCommandLineOption graph(QStringLiteral("graph"), QString(), QStringLiteral("files"));
    QCommandLineOption graphRange(QStringLiteral("graph-range"), QString(), QStringLiteral("from,to"));
    for (QCommandLineOption* option : {&run, &openMenu, &screenshot, &graph, &graphRange}) {
        option->setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(*option);
    }
    parser.process(app);

    kovu3::Anamenu window(kovu3::DetectEnvironment(argv[0]));
    QObject::connect(&window, &kovu3::Anamenu::exitRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    if (parser.isSet(graph)) {
        std::vector<std::string> files;
        for (const QString& file : parser.value(graph).split(QLatin1Char(','), Qt::SkipEmptyParts))
            files.push_back(file.toStdString());
        window.resize(window.size().expandedTo(QSize(940, 780)));
        const QStringList range = parser.value(graphRange).split(QLatin1Char(','));
        if (kovu3::FormGraf* form = window.openGraphWindow(files); form && range.size() == 2)
            form->DrawTypedRange(range[0], range[1]);
    }
    if (parser.isSet(screenshot)) {
        kovu3::ScheduleScreenshot(window,
                                  {parser.value(run).split(QLatin1Char(','), Qt::SkipEmptyParts),
                                   parser.value(openMenu), parser.value(screenshot)});
    }
    return QApplication::exec();
}

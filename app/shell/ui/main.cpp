// kovu3: the desktop program.

#include <QApplication>
#include <QCommandLineParser>

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
    for (QCommandLineOption* option : {&run, &openMenu, &screenshot}) {
        option->setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(*option);
    }
    parser.process(app);

    kovu3::Anamenu window(kovu3::DetectEnvironment(argv[0]));
    QObject::connect(&window, &kovu3::Anamenu::exitRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    if (parser.isSet(screenshot)) {
        kovu3::ScheduleScreenshot(window,
                                  {parser.value(run).split(QLatin1Char(','), Qt::SkipEmptyParts),
                                   parser.value(openMenu), parser.value(screenshot)});
    }
    return QApplication::exec();
}

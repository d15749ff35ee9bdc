#pragma once
// Pictures of the running program for the README: runs menu commands, opens a menu and
// saves the main window with the open menu drawn into it. Hidden command-line options of
// kovu3 use it: --run Mnu...,Mnu... --open-menu Mnu3 --screenshot FILE.png

#include <QString>
#include <QStringList>

namespace kovu3 {

class Anamenu;

struct ScreenshotRequest {
    QStringList commands;  // menu items run first, in order
    QString menu;          // a top-level menu to open, or empty
    QString file;          // where the PNG goes
};

// Takes the picture once the event loop runs, then ends the program (status 1 when the
// picture could not be saved).
void ScheduleScreenshot(Anamenu& window, const ScreenshotRequest& request);

}  // namespace kovu3

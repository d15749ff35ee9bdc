#include "shell/ui/screenshot.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

#include "shell/ui/anamenu.h"

namespace kovu3 {
namespace {

void TakePicture(Anamenu& window, const ScreenshotRequest& request) {
    QPixmap picture = window.grab();
    QMenu* menu = request.menu.isEmpty() ? nullptr : window.findChild<QMenu*>(request.menu);
    if (menu && menu->isVisible()) {
        QPainter painter(&picture);
        painter.drawPixmap(window.mapFromGlobal(menu->pos()), menu->grab());
    }
    const bool saved = picture.save(request.file, "PNG");
    if (!saved) std::fprintf(stderr, "kovu3: cannot write %s\n", qPrintable(request.file));
    QApplication::exit(saved ? 0 : 1);
}

}  // namespace

void ScheduleScreenshot(Anamenu& window, const ScreenshotRequest& request) {
    QTimer::singleShot(500, &window, [&window, request] {
        for (const QString& command : request.commands) window.runCommand(command.toStdString());
        if (QMenu* menu =
                request.menu.isEmpty() ? nullptr : window.findChild<QMenu*>(request.menu)) {
            QRect place = window.menuBar()->actionGeometry(menu->menuAction());
            menu->popup(window.menuBar()->mapToGlobal(place.bottomLeft()));
        }
        QTimer::singleShot(700, &window, [&window, request] { TakePicture(window, request); });
    });
}

}  // namespace kovu3

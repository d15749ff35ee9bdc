// setup: installs KOVU3 from an installation medium, in a window or, with --silent, from a
// terminal for scripted installations.

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "installer/install_procedure.h"
#include "ui/frm_kur.h"

namespace {

namespace fs = std::filesystem;
using namespace kovu3;

constexpr const char* kUsage =
    "usage:\n"
    "  setup [--medium DIR] [--target DIR]              install with the window\n"
    "  setup --silent [--medium DIR] [--target DIR]     install without a window\n"
    "  setup --screenshot FILE.png [--install] [--medium DIR] [--target DIR]\n"
    "\n"
    "The medium folder holds setup.txt, prog.dsk and veri.dsk (default: the folder of this\n"
    "program). The installation folder is line 3 of setup.txt (C:\\ stands for the system\n"
    "root: $KOVU3_SYSTEM_ROOT, else your home folder) unless --target gives another.\n";

struct Options {
    bool silent = false;
    bool install = false;  // with --screenshot: press Install before the picture is taken
    std::string screenshot;
    InstallRequest request;
    std::string error;
};

Options ParseOptions(const std::vector<std::string>& words) {
    Options options;
    std::error_code ec;
    options.request.medium = fs::read_symlink("/proc/self/exe", ec).parent_path();
    options.request.layout = DetectEnvironment(nullptr).layout;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        bool hasValue = i + 1 < words.size();
        if (word == "--silent") {
            options.silent = true;
        } else if (word == "--install") {
            options.install = true;
        } else if ((word == "--medium" || word == "--target" || word == "--screenshot") &&
                   hasValue) {
            const std::string& value = words[++i];
            if (word == "--medium") options.request.medium = fs::absolute(value, ec);
            if (word == "--target") options.request.target = fs::absolute(value, ec);
            if (word == "--screenshot") options.screenshot = value;
        } else {
            options.error = "unknown or incomplete option '" + word + "'";
        }
    }
    if (options.silent && !options.screenshot.empty())
        options.error = "--silent shows no window to take";
    return options;
}

int RunSilent(const InstallRequest& request) {
    std::cout << "setup: medium " << request.medium.string() << std::endl;
    InstallResult result = RunInstall(request, [](const InstallEvent& event) {
        if (event.kind == InstallEventKind::StageStarted) std::cout << event.message << std::endl;
        if (event.kind == InstallEventKind::FileExtracted)
            std::cout << "  " << event.message << std::endl;
    });
    for (const std::string& note : result.notes) std::cout << note << std::endl;
    if (!result.ok) {
        std::cerr << "setup: " << result.message << "\n";
        if (!result.detail.empty()) std::cerr << "  " << result.detail << "\n";
        return 1;
    }
    std::cout << result.message << std::endl;
    return 0;
}

int RunWindow(QApplication& app, const Options& options) {
    TfrmKur window(options.request);
    window.show();
    if (options.screenshot.empty()) return app.exec();

    // The picture is taken once the window has been laid out (and has installed).
    QTimer::singleShot(100, &window, [&] {
        if (options.install) window.findChild<QPushButton*>("BitBtn1")->click();
        QTimer::singleShot(300, &window, [&] {
            // The screen where there is one (a message box shows too), else the window alone.
            QRect area = window.frameGeometry();
            if (window.FailureBox()) area = area.united(window.FailureBox()->frameGeometry());
            QScreen* screen = window.screen();
            QPixmap picture =
                screen ? screen->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                       : QPixmap();
            if (picture.isNull() || QGuiApplication::platformName() == "offscreen")
                picture = window.grab();
            bool saved = picture.save(QString::fromStdString(options.screenshot), "PNG");
            if (!saved) std::cerr << "setup: cannot write " << options.screenshot << "\n";
            app.exit(saved ? 0 : 1);
        });
    });
    return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    for (const std::string& word : words) {
        if (word == "--help" || word == "-h") {
            std::cout << kUsage;
            return 0;
        }
    }
    bool silent = std::find(words.begin(), words.end(), "--silent") != words.end();
    if (silent) {
        Options options = ParseOptions(words);
        if (!options.error.empty()) {
            std::cerr << "setup: " << options.error << "\n" << kUsage;
            return 2;
        }
        return RunSilent(options.request);
    }
    // Qt takes its own options (-platform ...) out of argv; the rest are ours.
    QApplication app(argc, argv);
    Options options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options.error.empty()) {
        std::cerr << "setup: " << options.error << "\n" << kUsage;
        return 2;
    }
    return RunWindow(app, options);
}

// kovu3-cli graph: the graph of one to four processed station-years as a PNG picture and a
// PDF page, drawn exactly as the graph window draws it, without a display.

#include <QGuiApplication>
#include <QPdfWriter>
#include <QSaveFile>
#include <charconv>
#include <memory>
#include <ostream>

#include "cli/cli_command.h"
#include "cli/report_settings.h"
#include "graph/graph_document.h"
#include "graph/graph_texts.h"
#include "graph/plot_time.h"
#include "graph/ui/graph_painter.h"

namespace kovu3::cli {

const Command kGraphCommand{
    "graph",
    "  kovu3-cli graph PROCESSED... --png FILE [--pdf FILE] [--from D.M --to D.M] [--size WxH]\n"
    "                  [--language L] [--aquifer]\n"
    "      draws up to four processed station-years as the graph window does: the whole water\n"
    "      year, or the days --from to --to of it (day.month); 900x560 units unless --size;\n"
    "      --aquifer turns the level axis downwards whatever the raw files say\n",
    RunGraph};

namespace {

namespace fs = std::filesystem;

struct GraphOptions {
    std::vector<std::string> files;
    std::string png, pdf, from, to, language;
    int width = 900, height = 560;
    bool aquifer = false;
};

bool ParseSize(const std::string& text, int& width, int& height) {
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    auto number = [](std::string_view part, int& value) {
        auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
        return ec == std::errc() && end == part.data() + part.size();
    };
    return number(std::string_view(text).substr(0, x), width) &&
           number(std::string_view(text).substr(x + 1), height) && width >= 200 && height >= 200 &&
           width <= 20000 && height <= 20000;
}

// Empty when the words are right, else what is wrong.
std::string ParseWords(Arguments args, GraphOptions& options) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        auto value = [&](std::string& out) { return TakeValue(args, i, out); };
        std::string size;
        if (word == "--png") {
            if (!value(options.png)) return "--png needs a file";
        } else if (word == "--pdf") {
            if (!value(options.pdf)) return "--pdf needs a file";
        } else if (word == "--from") {
            if (!value(options.from)) return "--from needs a day.month";
        } else if (word == "--to") {
            if (!value(options.to)) return "--to needs a day.month";
        } else if (word == "--language") {
            if (!value(options.language)) return "--language needs a value";
        } else if (word == "--size") {
            if (!value(size) || !ParseSize(size, options.width, options.height))
                return "--size needs WIDTHxHEIGHT, each 200 to 20000";
        } else if (word == "--aquifer") {
            options.aquifer = true;
        } else if (word.starts_with("--")) {
            return "unknown option " + word;
        } else {
            options.files.push_back(word);
        }
    }
    if (options.files.empty()) return "PROCESSED is missing";
    if (options.png.empty() && options.pdf.empty()) return "--png or --pdf is needed";
    return {};
}

// The view of --from and --to within the water year of the axis; the first view without them.
std::string ChooseView(const GraphOptions& options, const GraphDocument& document,
                       GraphView& view) {
    view = InitialView(document);
    if (options.from.empty() && options.to.empty()) return {};
    const Calendar& calendar = document.calendar;
    const std::string from = options.from.empty() ? TypedFirstDay(calendar) : options.from;
    const std::string to = options.to.empty() ? TypedLastDay(calendar) : options.to;
    std::optional<std::string> start = TypedDayOfWaterYear(from, document.waterYear, calendar);
    std::optional<std::string> end = TypedDayOfWaterYear(to, document.waterYear, calendar);
    if (!start)
        return "--from " + from + " is no day.month of water year " +
               std::to_string(document.waterYear);
    if (!end)
        return "--to " + to + " is no day.month of water year " +
               std::to_string(document.waterYear);
    const double xStart = PlotTimeOf(*start, "00:00", document.firstDay).value_or(0);
    const double xEnd = PlotTimeOf(*end, "24:00", document.firstDay).value_or(0);
    if (xEnd <= xStart) return "--to " + to + " lies before --from " + from;
    view = OrientedView(xStart, xEnd, view.y0, view.y1, document.aquifer);
    return {};
}

// Qt draws text only with an application object; the offscreen platform needs no display.
std::unique_ptr<QGuiApplication> StartQt() {
    if (QCoreApplication::instance()) return nullptr;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kovu3-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

// Written under a temporary name and renamed into place, so a failure keeps an old file whole.
std::string SavePng(const QImage& image, const std::string& path) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        return "cannot write " + path + ": " + file.errorString().toStdString();
    return {};
}

std::string SavePdf(const GraphPicture& picture, const GraphOptions& options) {
    QSaveFile file(QString::fromStdString(options.pdf));
    if (!file.open(QIODevice::WriteOnly))
        return "cannot write " + options.pdf + ": " + file.errorString().toStdString();
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("KOVU3"));
        writer.setPageOrientation(options.width >= options.height ? QPageLayout::Landscape
                                                                  : QPageLayout::Portrait);
        QPainter painter(&writer);
        PaintGraphOnPage(&painter, QRectF(0, 0, writer.width(), writer.height()), options.width,
                         options.height, picture);
    }
    if (!file.commit())
        return "cannot write " + options.pdf + ": " + file.errorString().toStdString();
    return {};
}

}  // namespace

int RunGraph(const CliContext& context, Arguments args) {
    GraphOptions options;
    if (std::string problem = ParseWords(args, options); !problem.empty())
        return UsageError(context, kGraphCommand, problem);
    ReportSettings report = SettingsForReport(context, options.files.front(), options.language);
    if (!report.problem.empty()) return UsageError(context, kGraphCommand, report.problem);
    const ProgramSettings& settings = report.settings;

    std::vector<fs::path> files;
    std::error_code ec;
    for (const std::string& file : options.files) files.push_back(fs::absolute(file, ec));
    GraphDocument document = LoadGraphDocument(
        files, settings, options.aquifer ? settings.texts.Captions[26] : std::string());
    for (const std::string& problem : document.problems)
        context.err << "problem: " << problem << "\n";
    if (document.empty()) {
        context.err << "kovu3-cli graph: no station-year to draw\n";
        return kExitFailed;
    }
    GraphView view;
    if (std::string problem = ChooseView(options, document, view); !problem.empty())
        return UsageError(context, kGraphCommand, problem);

    std::unique_ptr<QGuiApplication> qt = StartQt();
    const GraphPicture picture = MakeGraphPicture(document, view, settings);
    std::string failure;
    if (!options.png.empty())
        failure = SavePng(RenderGraph(picture, options.width, options.height), options.png);
    if (failure.empty() && !options.pdf.empty()) failure = SavePdf(picture, options);
    if (!failure.empty()) {
        context.err << "kovu3-cli graph: " << failure << "\n";
        return kExitFailed;
    }
    const DateTime start =
        DateTimeOf(picture.view.xStart, document.firstDay, settings.DateSeparator());
    const DateTime end = DateTimeOf(picture.view.xEnd, document.firstDay, settings.DateSeparator());
    context.out << document.stations.size() << " station-year(s), " << RangeText(start, end)
                << ", levels " << LevelNumber(picture.view.y0) << " to"
                << LevelNumber(picture.view.y1) << " cm"
                << (document.aquifer ? " (aquifer: downwards)" : "") << "\n";
    for (const std::string& path : {options.png, options.pdf})
        if (!path.empty()) context.out << path << "\n";
    return kExitOk;
}

}  // namespace kovu3::cli

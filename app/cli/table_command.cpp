// kovu3-cli level-table and discharge-table: the two workbooks of a processed station-year.

#include <unistd.h>

#include <memory>
#include <ostream>

#include "cli/cli_command.h"
#include "cli/report_settings.h"
#include "reports/level_table.h"

namespace kovu3::cli {

const Command kLevelTableCommand{
    "level-table",
    "  kovu3-cli level-table PROCESSED [--from DATE --to DATE] [--no-readings] [--language L]\n"
    "      makes the water-level table S<year><station>.xlsx beside the processed file; its\n"
    "      readings sheet lists the readings from --from to --to (the whole water year)\n",
    RunLevelTable};

const Command kDischargeTableCommand{
    "discharge-table",
    "  kovu3-cli discharge-table PROCESSED --rating FILE [--from DATE --to DATE] [--no-readings]\n"
    "                            [--language L]\n"
    "      makes the level-discharge table Q<year><station>.xlsx with the discharges of the\n"
    "      rating curve FILE (E*.dat)\n",
    RunDischargeTable};

namespace {

// The share of the work done, on the terminal only.
ProgressCallback TerminalProgress(std::ostream& err) {
    if (!isatty(STDERR_FILENO)) return {};
    auto shown = std::make_shared<int>(-1);
    return [&err, shown](uint64_t done, uint64_t expected) {
        int percent = expected == 0 ? 100 : static_cast<int>(100 * done / expected);
        if (percent == *shown) return;
        *shown = percent;
        err << "\r" << percent << "% " << (percent >= 100 ? "\r     \r" : "") << std::flush;
    };
}

int RunTable(const CliContext& context, Arguments args, const Command& command) {
    const bool discharge = &command == &kDischargeTableCommand;
    LevelTableRequest request;
    std::string processed, language, rating;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        auto value = [&](std::string& out) { return TakeValue(args, i, out); };
        if (word == "--from" || word == "--to") {
            if (!value(word == "--from" ? request.fromDate : request.toDate))
                return UsageError(context, command, word + " needs a date");
        } else if (word == "--language") {
            if (!value(language)) return UsageError(context, command, "--language needs a value");
        } else if (word == "--rating" && discharge) {
            if (!value(rating)) return UsageError(context, command, "--rating needs a file");
        } else if (word == "--no-readings") {
            request.includeReadings = false;
        } else if (!word.starts_with("--") && processed.empty()) {
            processed = word;
        } else {
            return UsageError(context, command, "unexpected '" + word + "'");
        }
    }
    if (processed.empty()) return UsageError(context, command, "PROCESSED is missing");
    if (discharge && rating.empty()) return UsageError(context, command, "--rating FILE is missing");

    ReportSettings report = SettingsForReport(context, processed, language);
    if (!report.problem.empty()) return UsageError(context, command, report.problem);
    request.processedFile = processed;
    request.ratingCurve = rating;
    request.progress = TerminalProgress(context.err);
    ReportResult result = discharge ? MakeLevelDischargeTable(request, report.settings)
                                    : MakeLevelTable(request, report.settings);
    for (const std::string& problem : result.problems) context.err << "problem: " << problem << "\n";
    if (!result.error.empty()) {
        context.err << "kovu3-cli " << command.name << ": " << result.error << "\n";
        return kExitFailed;
    }
    context.out << result.path.string() << "\n";
    return kExitOk;
}

}  // namespace

int RunLevelTable(const CliContext& context, Arguments args) {
    return RunTable(context, args, kLevelTableCommand);
}

int RunDischargeTable(const CliContext& context, Arguments args) {
    return RunTable(context, args, kDischargeTableCommand);
}

}  // namespace kovu3::cli

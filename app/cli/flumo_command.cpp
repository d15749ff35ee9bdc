// kovu3-cli flumo: the level file of a processed station-year for the program Flumo.

#include <ostream>

#include "cli/cli_command.h"
#include "cli/report_settings.h"
#include "reports/flumo_export.h"

namespace kovu3::cli {

const Command kFlumoCommand{"flumo",
                            "  kovu3-cli flumo PROCESSED [--language L]\n"
                            "      writes the Flumo level file H<yy><station>.DAT beside the\n"
                            "      processed file\n",
                            RunFlumo};

int RunFlumo(const CliContext& context, Arguments args) {
    std::string processed, language;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--language" && i + 1 < args.size()) {
            language = args[++i];
        } else if (!args[i].starts_with("--") && processed.empty()) {
            processed = args[i];
        } else {
            return UsageError(context, kFlumoCommand, "unexpected '" + args[i] + "'");
        }
    }
    if (processed.empty()) return UsageError(context, kFlumoCommand, "PROCESSED is missing");
    ReportSettings report = SettingsForReport(context, processed, language);
    if (!report.problem.empty()) return UsageError(context, kFlumoCommand, report.problem);
    FlumoResult result = ExportToFlumo(processed, report.settings);
    if (!result.error.empty()) {
        context.err << "kovu3-cli flumo: " << result.error << "\n";
        return kExitFailed;
    }
    context.out << result.path.string() << "\n";
    return kExitOk;
}

}  // namespace kovu3::cli

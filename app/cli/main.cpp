// kovu3-cli: the work of the desktop program from a terminal, for batch runs and scripts.

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_command.h"

namespace kovu3::cli {

int UsageError(const CliContext& context, const Command& command, std::string_view problem) {
    if (!problem.empty()) context.err << "kovu3-cli " << command.name << ": " << problem << "\n";
    context.err << "usage:\n" << command.usage;
    return kExitUsage;
}

namespace {

const Command* const kCommands[] = {
    &kSettingsCommand,
    &kDateCommand,
    &kStationsCommand,
    &kConvertCommand,
    &kCheckCommand,
    &kDecodeCommand,
    &kLevelTableCommand,
    &kDischargeTableCommand,
    &kFlumoCommand,
    &kGraphCommand,
};

void PrintOverview(std::ostream& out) {
    out << "kovu3-cli " KOVU3_VERSION " - hydrometric station data from a terminal\n\nusage:\n"
        << "  kovu3-cli --version\n";
    for (const Command* command : kCommands) out << command->usage;
}

}  // namespace
}  // namespace kovu3::cli

int main(int argc, char** argv) {
    using namespace kovu3::cli;
    std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty() || words[0] == "--help" || words[0] == "-h") {
        PrintOverview(words.empty() ? std::cerr : std::cout);
        return words.empty() ? kExitUsage : kExitOk;
    }
    if (words[0] == "--version") {
        std::cout << "kovu3-cli " KOVU3_VERSION "\n";
        return kExitOk;
    }
    CliContext context{kovu3::DetectEnvironment(argv[0]), std::cout, std::cerr};
    for (const Command* command : kCommands) {
        if (words[0] == command->name) return command->run(context, Arguments(words).subspan(1));
    }
    std::cerr << "kovu3-cli: unknown command '" << words[0] << "'\n";
    PrintOverview(std::cerr);
    return kExitUsage;
}

#pragma once
// The commands of kovu3-cli. Each takes the words after its name and returns the exit
// status: 0 success, 1 the work failed, 2 the words were wrong (usage printed).

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "shell/platform.h"

namespace kovu3::cli {

struct CliContext {
    Environment environment;
    std::ostream& out;
    std::ostream& err;
};

using Arguments = std::span<const std::string>;

struct Command {
    std::string_view name;
    std::string_view usage;  // one line per form, without the program name
    int (*run)(const CliContext&, Arguments);
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// The word after args[i] as an option's value: advances i and returns true, or returns false
// when the option is the last word.
inline bool TakeValue(Arguments args, size_t& i, std::string& out) {
    if (i + 1 >= args.size()) return false;
    out = args[++i];
    return true;
}

// Prints "usage: kovu3-cli ..." for one command to err and returns kExitUsage.
int UsageError(const CliContext& context, const Command& command, std::string_view problem);

int RunSettings(const CliContext& context, Arguments args);
int RunDate(const CliContext& context, Arguments args);
int RunStations(const CliContext& context, Arguments args);
int RunConvert(const CliContext& context, Arguments args);
int RunCheck(const CliContext& context, Arguments args);
int RunDecode(const CliContext& context, Arguments args);
int RunLevelTable(const CliContext& context, Arguments args);
int RunDischargeTable(const CliContext& context, Arguments args);
int RunFlumo(const CliContext& context, Arguments args);
int RunGraph(const CliContext& context, Arguments args);

extern const Command kSettingsCommand;
extern const Command kDateCommand;
extern const Command kStationsCommand;
extern const Command kConvertCommand;
extern const Command kCheckCommand;
extern const Command kDecodeCommand;
extern const Command kLevelTableCommand;
extern const Command kDischargeTableCommand;
extern const Command kFlumoCommand;
extern const Command kGraphCommand;

}  // namespace kovu3::cli

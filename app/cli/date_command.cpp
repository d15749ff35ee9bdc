// kovu3-cli date: the calendar helpers from a terminal.

#include <charconv>
#include <ostream>

#include "cli/cli_command.h"
#include "shell/calendar.h"

namespace kovu3::cli {

const Command kDateCommand{
    "date",
    "  kovu3-cli date [--calendar gregorian|persian] to-persian DATE\n"
    "  kovu3-cli date [--calendar gregorian|persian] add DATE N\n"
    "  kovu3-cli date [--calendar gregorian|persian] between DATE1 DATE2\n"
    "  kovu3-cli date [--calendar gregorian|persian] water-year DATE\n"
    "      DATE is day first, dd/mm/yyyy; water-year prints the water year and the day number\n",
    RunDate};

namespace {

bool ParseWholeNumber(const std::string& text, long& value) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

int RunDate(const CliContext& context, Arguments args) {
    Calendar calendar;
    calendar.DateSeparator = context.environment.dateSeparator.empty() ? "/" : context.environment.dateSeparator;
    std::string language = "TURKCE";
    if (args.size() >= 2 && args[0] == "--calendar") {
        if (args[1] == "persian") language = "FARSCA";
        else if (args[1] != "gregorian")
            return UsageError(context, kDateCommand, "unknown calendar '" + args[1] + "'");
        args = args.subspan(2);
    }
    ApplyCalendar(calendar, language);
    if (args.empty()) return UsageError(context, kDateCommand, "missing operation");

    const std::string& operation = args[0];
    const std::string& sep = calendar.DateSeparator;
    if (operation == "to-persian" && args.size() == 2) {
        context.out << GregorianToPersian(args[1], sep).text << "\n";
    } else if (operation == "add" && args.size() == 3) {
        long n = 0;
        if (!ParseWholeNumber(args[2], n)) return UsageError(context, kDateCommand, "N must be a whole number");
        if (!ParseDate(args[1])) return UsageError(context, kDateCommand, "not a date: " + args[1]);
        context.out << AddDays(args[1], n, sep) << "\n";
    } else if (operation == "between" && args.size() == 3) {
        for (const std::string& date : {args[1], args[2]})
            if (!ParseDate(date)) return UsageError(context, kDateCommand, "not a date: " + date);
        context.out << DaysBetween(args[1], args[2]) << "\n";
    } else if (operation == "water-year" && args.size() == 2) {
        if (!ParseDate(args[1])) return UsageError(context, kDateCommand, "not a date: " + args[1]);
        context.out << WaterYearOf(args[1], calendar) << " " << DayNoInWaterYear(args[1], calendar) << "\n";
    } else {
        return UsageError(context, kDateCommand, "unknown operation or wrong number of arguments");
    }
    return kExitOk;
}

}  // namespace kovu3::cli

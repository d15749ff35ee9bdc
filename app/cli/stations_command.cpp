// kovu3-cli stations: the station names of the store, listed, set, deleted or imported from
// an old Access file.

#include <ostream>

#include "cli/cli_command.h"
#include "shell/startup.h"
#include "shell/station_import.h"
#include "shell/station_store.h"

namespace kovu3::cli {

const Command kStationsCommand{
    "stations",
    "  kovu3-cli stations list\n"
    "  kovu3-cli stations set NO NAME\n"
    "  kovu3-cli stations delete NO\n"
    "  kovu3-cli stations import OLD.mdb   (needs mdb-export of mdbtools)\n",
    RunStations};

namespace {

int Failed(const CliContext& context, const std::string& message) {
    context.err << "kovu3-cli stations: " << message << "\n";
    return kExitFailed;
}

int Import(const CliContext& context, StationStore& store, const std::string& mdbFile) {
    StationTable table = ReadAccessStationTable(mdbFile);
    if (!table.error.empty()) return Failed(context, table.error);
    ImportSummary summary = ImportStations(store, table.stations);
    context.out << "imported " << summary.added << " of " << table.stations.size()
                << " station names from " << mdbFile << "\n";
    for (const std::string& number : summary.skipped)
        context.out << "kept the name already stored for " << number << "\n";
    return summary.error.empty() ? kExitOk : Failed(context, summary.error);
}

}  // namespace

int RunStations(const CliContext& context, Arguments args) {
    if (args.empty()) return UsageError(context, kStationsCommand, "what to do with the stations?");
    const std::string& action = args[0];
    const size_t expected = action == "list"                           ? 1
                            : action == "set"                          ? 3
                            : action == "delete" || action == "import" ? 2
                                                                       : 0;
    if (expected == 0)
        return UsageError(context, kStationsCommand, "unknown action '" + action + "'");
    if (args.size() != expected)
        return UsageError(context, kStationsCommand, "wrong number of words for " + action);

    StartupResult startup = RunStartup(context.environment);
    for (const std::string& problem : startup.problems)
        context.err << "problem: " << problem << "\n";
    StationStore::Opened opened = StationStore::Open(startup.settings.StationDatabasePath);
    if (!opened.store) return Failed(context, opened.error);
    StationStore& store = *opened.store;

    if (action == "list") {
        StationList list = store.List();
        for (const StationRecord& record : list.records)
            context.out << record.No << "\t" << record.Ad << "\n";
        return list.error.empty() ? kExitOk : Failed(context, list.error);
    }
    if (action == "set") {
        if (args[1].empty())
            return UsageError(context, kStationsCommand, "the station number is empty");
        std::string error = store.SetName(args[1], args[2]);
        return error.empty() ? kExitOk : Failed(context, error);
    }
    if (action == "delete") {
        StationsDeleted deleted = store.DeleteNumber(args[1]);
        if (!deleted.error.empty()) return Failed(context, deleted.error);
        if (deleted.count == 0)
            return Failed(context, "no station " + args[1] + " in " + store.path().string());
        context.out << "deleted " << deleted.count << " record" << (deleted.count == 1 ? "" : "s")
                    << " of " << args[1] << "\n";
        return kExitOk;
    }
    return Import(context, store, args[1]);
}

}  // namespace kovu3::cli

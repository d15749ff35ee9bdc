#include "shell/station_import.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <set>

#include "shell/file_io.h"

extern char** environ;

namespace kovu3 {
namespace {

struct CsvRow {
    std::vector<std::string> fields;
    int line = 0;
};

// Splits CSV text into rows; quotes are doubled inside quoted fields.
std::vector<CsvRow> SplitCsv(std::string_view text, std::string& error) {
    std::vector<CsvRow> rows;
    CsvRow row;
    std::string field;
    bool quoted = false, fieldStarted = false;
    int line = 1;
    row.line = line;
    auto endField = [&] {
        row.fields.push_back(std::move(field));
        field.clear();
        fieldStarted = false;
    };
    auto endRow = [&] {
        endField();
        if (!(row.fields.size() == 1 && row.fields[0].empty())) rows.push_back(std::move(row));
        row = CsvRow{};
        row.line = line;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n') ++line;
                field += c;
            }
        } else if (c == '"' && !fieldStarted) {
            quoted = fieldStarted = true;
        } else if (c == ',') {
            endField();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            ++line;
            endRow();
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted) {
        error = "line " + std::to_string(row.line) + ": a quoted field is not closed";
        return {};
    }
    if (!field.empty() || !row.fields.empty()) endRow();
    return rows;
}

std::optional<size_t> ColumnOf(const std::vector<std::string>& header, std::string_view name) {
    for (size_t i = 0; i < header.size(); ++i)
        if (EqualsIgnoringCase(TrimBlanks(header[i]), name)) return i;
    return std::nullopt;
}

struct ProgramOutput {
    int status = -1;
    std::string out, err;
    std::string startError;  // set when the program could not be started
};

// Runs a program found on PATH with an argument list, never through a shell, with
// `extraEnvironment` ("NAME=value") added to this process's environment.
ProgramOutput RunCapturing(const std::vector<std::string>& words,
                           const std::vector<std::string>& extraEnvironment) {
    ProgramOutput result;
    int outPipe[2], errPipe[2];
    if (pipe2(outPipe, O_CLOEXEC) != 0) return {-1, {}, {}, std::strerror(errno)};
    if (pipe2(errPipe, O_CLOEXEC) != 0) {
        close(outPipe[0]);
        close(outPipe[1]);
        return {-1, {}, {}, std::strerror(errno)};
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);
    std::vector<char*> argv;
    for (const std::string& word : words) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (char** entry = environ; *entry; ++entry) envp.push_back(*entry);
    for (const std::string& entry : extraEnvironment)
        envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);
    pid_t pid = 0;
    int spawnError = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(outPipe[1]);
    close(errPipe[1]);
    if (spawnError != 0) {
        close(outPipe[0]);
        close(errPipe[0]);
        result.startError = spawnError == ENOENT ? "not found" : std::strerror(spawnError);
        return result;
    }
    std::array<pollfd, 2> fds{{{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}}};
    std::array<std::string*, 2> sinks{&result.out, &result.err};
    int open = 2;
    char buffer[8192];
    while (open > 0 && poll(fds.data(), fds.size(), -1) >= 0) {
        for (size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    for (const pollfd& fd : fds)
        if (fd.fd >= 0) close(fd.fd);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace

StationTable ParseStationCsv(std::string_view csv) {
    StationTable table;
    std::vector<CsvRow> rows = SplitCsv(csv, table.error);
    if (!table.error.empty()) return table;
    if (rows.empty()) {
        table.error = "no header line (the table IstNoAd has no fields?)";
        return table;
    }
    auto number = ColumnOf(rows[0].fields, "No");
    auto name = ColumnOf(rows[0].fields, "Ad");
    if (!number || !name) {
        table.error = "line 1: the fields No and Ad are needed, found: ";
        for (size_t i = 0; i < rows[0].fields.size(); ++i)
            table.error += (i ? ", " : "") + rows[0].fields[i];
        return table;
    }
    for (size_t r = 1; r < rows.size(); ++r) {
        const std::vector<std::string>& fields = rows[r].fields;
        if (fields.size() != rows[0].fields.size()) {
            table.error = "line " + std::to_string(rows[r].line) + ": " +
                          std::to_string(fields.size()) + " fields where the header names " +
                          std::to_string(rows[0].fields.size());
            table.stations.clear();
            return table;
        }
        table.stations.push_back({std::string(TrimBlanks(fields[*number])), fields[*name]});
    }
    return table;
}

StationTable ReadAccessStationTable(const std::filesystem::path& mdbFile) {
    StationTable table;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(mdbFile, ec)) {
        table.error = mdbFile.string() + ": no such file";
        return table;
    }
    // Access 97 files carry no code page of their own; mdb-export reads this variable.
    std::vector<std::string> extra;
    if (!std::getenv("MDB_JET3_CHARSET")) extra.push_back("MDB_JET3_CHARSET=CP1254");
    ProgramOutput run = RunCapturing({"mdb-export", mdbFile.string(), "IstNoAd"}, extra);
    if (!run.startError.empty()) {
        table.error = "cannot run mdb-export (" + run.startError +
                      "): install the Debian package mdbtools to import an old Access file";
        return table;
    }
    if (run.status != 0) {
        std::string message(TrimBlanks(run.err));
        table.error = mdbFile.string() + ": mdb-export could not read the table IstNoAd" +
                      (message.empty() ? std::string() : " (" + message + ")");
        return table;
    }
    table = ParseStationCsv(run.out);
    if (!table.error.empty()) table.error = mdbFile.string() + ", table IstNoAd, " + table.error;
    return table;
}

ImportSummary ImportStations(StationStore& store, const std::vector<ImportedStation>& stations) {
    ImportSummary summary;
    StationList before = store.List();
    if (!before.error.empty()) {
        summary.error = before.error;
        return summary;
    }
    std::set<std::string> known;
    for (const StationRecord& record : before.records) known.insert(record.No);
    for (const ImportedStation& station : stations) {
        if (known.contains(station.No)) {
            summary.skipped.push_back(station.No);
            continue;
        }
        StationAdded added = store.Add(station.No, station.Ad);
        if (!added.error.empty()) {
            summary.error = added.error;
            return summary;
        }
        ++summary.added;
    }
    return summary;
}

}  // namespace kovu3

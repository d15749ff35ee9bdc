#pragma once
// The station names: a small SQLite database, Istasyon.db, with the table IstNoAd (text
// fields No, Ad, HavzaAdi). Raw and processed files know a station only by its number; the
// selection window, the processed-file writer and the station-name window read the names
// here. The table has no key: several records may carry one number, and the lookup takes
// the first in the table's order (the order the records were added in).

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace kovu3 {

struct StationRecord {
    std::int64_t id = 0;  // the record's place in the table; stays with it when it changes
    std::string No;
    std::string Ad;  // empty when the field is empty or null
};

struct StationList {
    std::vector<StationRecord> records;  // in the table's order
    std::string error;                   // empty on success
};

struct StationAdded {
    std::int64_t id = 0;
    std::string error;
};

struct StationsDeleted {
    int count = 0;
    std::string error;
};

class StationStore final {
  public:
    struct Opened {
        std::unique_ptr<StationStore> store;  // null when the file cannot be used
        std::string error;
    };
    // Opens the database, creating the file (and its folder) and the table when missing.
    // A file that is not a database is left as it is and reported.
    static Opened Open(const std::filesystem::path& path);

    ~StationStore();
    StationStore(const StationStore&) = delete;
    StationStore& operator=(const StationStore&) = delete;

    StationList List() const;
    // The name of the first record with this number; empty when there is none.
    std::string Name(std::string_view number) const;
    StationAdded Add(std::string_view number, std::string_view name);
    // The next three return an error message, empty on success.
    std::string Change(std::int64_t id, std::string_view number, std::string_view name);
    std::string Delete(std::int64_t id);
    // Gives the first record with this number the name, or adds a record when there is none.
    std::string SetName(std::string_view number, std::string_view name);
    // Deletes every record with this number.
    StationsDeleted DeleteNumber(std::string_view number);

    const std::filesystem::path& path() const { return path_; }

  private:
    StationStore(sqlite3* db, std::filesystem::path path) : db_(db), path_(std::move(path)) {}
    std::string Problem(std::string_view what) const;

    sqlite3* db_;
    std::filesystem::path path_;
};

// The lookup the other parts use: opens the database for each call, so it always sees what
// the station-name window saved. Empty when the file, the number or the name is missing.
std::string StationName(const std::filesystem::path& database, std::string_view number);

}  // namespace kovu3

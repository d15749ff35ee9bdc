#include "shell/station_store.h"

#include <sqlite3.h>

#include <system_error>

namespace kovu3 {
namespace {

// One prepared statement, finalised whatever happens.
class Statement final {
  public:
    Statement(sqlite3* db, const char* sql) {
        status_ = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr);
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ok() const { return status_ == SQLITE_OK; }
    Statement& Bind(int index, std::string_view text) {
        if (ok())
            status_ = sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()),
                                        SQLITE_TRANSIENT);
        return *this;
    }
    Statement& Bind(int index, std::int64_t value) {
        if (ok()) status_ = sqlite3_bind_int64(stmt_, index, value);
        return *this;
    }
    // SQLITE_ROW while there are rows, SQLITE_DONE at the end, an error code otherwise.
    int Step() { return ok() ? sqlite3_step(stmt_) : status_; }
    std::string Text(int column) const {
        const unsigned char* text = sqlite3_column_text(stmt_, column);
        return text ? std::string(reinterpret_cast<const char*>(text),
                                  static_cast<size_t>(sqlite3_column_bytes(stmt_, column)))
                    : std::string();
    }
    std::int64_t Integer(int column) const { return sqlite3_column_int64(stmt_, column); }

  private:
    sqlite3_stmt* stmt_ = nullptr;
    int status_ = SQLITE_OK;
};

constexpr const char* kCreateTable =
    "CREATE TABLE IF NOT EXISTS IstNoAd (No TEXT, Ad TEXT, HavzaAdi TEXT)";

}  // namespace

StationStore::Opened StationStore::Open(const std::filesystem::path& path) {
    std::error_code ec;
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
    sqlite3* db = nullptr;
    int status =
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (status != SQLITE_OK) {
        std::string error = "Cannot open the station database " + path.string() + ": " +
                            (db ? sqlite3_errmsg(db) : sqlite3_errstr(status));
        sqlite3_close(db);
        return {nullptr, error};
    }
    // The desktop program and kovu3-cli may use the file at the same time.
    sqlite3_busy_timeout(db, 3000);
    std::unique_ptr<StationStore> store(new StationStore(db, path));
    // Reading the table's fields also proves the file is a database with a usable table.
    if (sqlite3_exec(db, kCreateTable, nullptr, nullptr, nullptr) != SQLITE_OK ||
        !Statement(db, "SELECT No, Ad FROM IstNoAd LIMIT 0").ok()) {
        return {nullptr, store->Problem("cannot read the table IstNoAd")};
    }
    return {std::move(store), {}};
}

StationStore::~StationStore() {
    sqlite3_close(db_);
}

std::string StationStore::Problem(std::string_view what) const {
    return "Station database " + path_.string() + ": " + std::string(what) + " (" +
           sqlite3_errmsg(db_) + ")";
}

StationList StationStore::List() const {
    StationList list;
    Statement select(db_, "SELECT rowid, No, Ad FROM IstNoAd ORDER BY rowid");
    int status;
    while ((status = select.Step()) == SQLITE_ROW)
        list.records.push_back({select.Integer(0), select.Text(1), select.Text(2)});
    if (status != SQLITE_DONE) list.error = Problem("cannot read the station names");
    return list;
}

std::string StationStore::Name(std::string_view number) const {
    Statement select(db_, "SELECT Ad FROM IstNoAd WHERE No = ?1 ORDER BY rowid LIMIT 1");
    return select.Bind(1, number).Step() == SQLITE_ROW ? select.Text(0) : std::string();
}

StationAdded StationStore::Add(std::string_view number, std::string_view name) {
    Statement insert(db_, "INSERT INTO IstNoAd (No, Ad) VALUES (?1, ?2)");
    if (insert.Bind(1, number).Bind(2, name).Step() != SQLITE_DONE)
        return {0, Problem("cannot add station " + std::string(number))};
    return {sqlite3_last_insert_rowid(db_), {}};
}

std::string StationStore::Change(std::int64_t id, std::string_view number, std::string_view name) {
    Statement update(db_, "UPDATE IstNoAd SET No = ?1, Ad = ?2 WHERE rowid = ?3");
    if (update.Bind(1, number).Bind(2, name).Bind(3, id).Step() != SQLITE_DONE)
        return Problem("cannot change station " + std::string(number));
    if (sqlite3_changes(db_) == 0)
        return "Station database " + path_.string() + ": the record of station " +
               std::string(number) + " is gone (deleted elsewhere)";
    return {};
}

std::string StationStore::Delete(std::int64_t id) {
    Statement remove(db_, "DELETE FROM IstNoAd WHERE rowid = ?1");
    if (remove.Bind(1, id).Step() != SQLITE_DONE) return Problem("cannot delete the record");
    return {};
}

std::string StationStore::SetName(std::string_view number, std::string_view name) {
    Statement select(db_, "SELECT rowid FROM IstNoAd WHERE No = ?1 ORDER BY rowid LIMIT 1");
    int status = select.Bind(1, number).Step();
    if (status == SQLITE_ROW) return Change(select.Integer(0), number, name);
    if (status != SQLITE_DONE) return Problem("cannot read the station names");
    return Add(number, name).error;
}

StationsDeleted StationStore::DeleteNumber(std::string_view number) {
    Statement remove(db_, "DELETE FROM IstNoAd WHERE No = ?1");
    if (remove.Bind(1, number).Step() != SQLITE_DONE)
        return {0, Problem("cannot delete station " + std::string(number))};
    return {sqlite3_changes(db_), {}};
}

std::string StationName(const std::filesystem::path& database, std::string_view number) {
    std::error_code ec;
    if (!std::filesystem::exists(database, ec)) return {};  // a lookup never creates the file
    StationStore::Opened opened = StationStore::Open(database);
    return opened.store ? opened.store->Name(number) : std::string();
}

}  // namespace kovu3

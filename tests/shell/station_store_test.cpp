#include "shell/station_store.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include "shell/station_import.h"
#include "support/test_folder.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;

std::unique_ptr<StationStore> OpenStore(const fs::path& path) {
    StationStore::Opened opened = StationStore::Open(path);
    EXPECT_EQ(opened.error, "");
    return std::move(opened.store);
}

std::vector<std::pair<std::string, std::string>> Contents(const StationStore& store) {
    std::vector<std::pair<std::string, std::string>> rows;
    StationList list = store.List();
    EXPECT_EQ(list.error, "");
    for (const StationRecord& record : list.records) rows.emplace_back(record.No, record.Ad);
    return rows;
}

TEST(StationStore, CreatesAMissingDatabaseWithItsFolder) {
    test::TestFolder folder;
    fs::path path = folder / "Limdat yeni/Istasyon.db";
    auto store = OpenStore(path);
    ASSERT_TRUE(store);
    EXPECT_TRUE(fs::is_regular_file(path));
    EXPECT_TRUE(Contents(*store).empty());
    EXPECT_EQ(store->Name("123-45678"), "");
}

TEST(StationStore, AddChangeDeleteKeepTheTableOrderAndSurviveReopening) {
    test::TestFolder folder;
    fs::path path = folder / "Istasyon.db";
    {
        auto store = OpenStore(path);
        StationAdded first = store->Add("123-45678", "Kızılırmak - Söğütlü");
        StationAdded second = store->Add("200-00001", "");
        StationAdded third = store->Add("300-00002", "Çay");
        ASSERT_EQ(first.error + second.error + third.error, "");
        EXPECT_EQ(store->Change(second.id, "200-00001", "Ağrı"), "");
        EXPECT_EQ(store->Delete(first.id), "");
    }
    auto store = OpenStore(path);
    using Rows = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(Contents(*store), (Rows{{"200-00001", "Ağrı"}, {"300-00002", "Çay"}}));
    EXPECT_EQ(StationName(path, "300-00002"), "Çay");
}

TEST(StationStore, LookupTakesTheFirstOfRepeatedNumbersAndEmptyForNullNames) {
    test::TestFolder folder;
    fs::path path = folder / "Istasyon.db";
    auto store = OpenStore(path);
    store->Add("123-45678", "Birinci");
    store->Add("123-45678", "İkinci");
    store->Add("999-99999", "");
    EXPECT_EQ(store->Name("123-45678"), "Birinci");
    EXPECT_EQ(StationName(path, "123-45678"), "Birinci");
    EXPECT_EQ(StationName(path, "999-99999"), "");
    EXPECT_EQ(StationName(path, "000-00000"), "");
    EXPECT_EQ(StationName(folder / "missing.db", "123-45678"), "");
    EXPECT_FALSE(fs::exists(folder / "missing.db"));  // a lookup never creates the file
}

TEST(StationStore, NullNamesOfAnOldTableReadAsEmpty) {
    test::TestFolder folder;
    fs::path path = folder / "Istasyon.db";
    auto store = OpenStore(path);
    // A record written by another program, with its name left null.
    ASSERT_EQ(store->SetName("111-11111", "x"), "");
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, "UPDATE IstNoAd SET Ad = NULL", nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    EXPECT_EQ(store->Name("111-11111"), "");
    EXPECT_EQ(store->List().records.at(0).Ad, "");
}

TEST(StationStore, SetNameChangesTheFirstRecordOrAddsOne) {
    test::TestFolder folder;
    auto store = OpenStore(folder / "Istasyon.db");
    store->Add("123-45678", "Eski");
    store->Add("123-45678", "İkinci");
    EXPECT_EQ(store->SetName("123-45678", "Yeni"), "");
    EXPECT_EQ(store->SetName("555-55555", "Beş"), "");
    using Rows = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(Contents(*store),
              (Rows{{"123-45678", "Yeni"}, {"123-45678", "İkinci"}, {"555-55555", "Beş"}}));
    StationsDeleted deleted = store->DeleteNumber("123-45678");
    EXPECT_EQ(deleted.error, "");
    EXPECT_EQ(deleted.count, 2);
    EXPECT_EQ(store->DeleteNumber("000-00000").count, 0);
}

TEST(StationStore, ChangingARecordDeletedElsewhereIsReported) {
    test::TestFolder folder;
    fs::path path = folder / "Istasyon.db";
    auto window = OpenStore(path);
    auto other = OpenStore(path);
    StationAdded added = window->Add("123-45678", "A");
    ASSERT_EQ(other->Delete(added.id), "");
    EXPECT_NE(window->Change(added.id, "123-45678", "B").find("is gone"), std::string::npos);
}

TEST(StationStore, AFileThatIsNoDatabaseIsReportedAndKept) {
    test::TestFolder folder;
    fs::path path =
        folder.Write("Istasyon.db", "Standard Jet DB, not SQLite at all................");
    StationStore::Opened opened = StationStore::Open(path);
    EXPECT_FALSE(opened.store);
    EXPECT_NE(opened.error.find(path.string()), std::string::npos) << opened.error;
    EXPECT_EQ(folder.Read("Istasyon.db"), "Standard Jet DB, not SQLite at all................");
    EXPECT_EQ(StationName(path, "123-45678"), "");
}

TEST(StationStore, AReadOnlyDatabaseListsButReportsWrites) {
    if (geteuid() == 0) GTEST_SKIP() << "root may write anything";
    test::TestFolder folder;
    fs::path path = folder / "Istasyon.db";
    OpenStore(path)->Add("123-45678", "A");
    fs::permissions(path, fs::perms::owner_read);
    auto store = OpenStore(path);
    ASSERT_TRUE(store);
    EXPECT_EQ(Contents(*store).size(), 1u);
    EXPECT_NE(store->Add("1", "x").error, "");
}

TEST(StationImport, ParsesMdbExportCsv) {
    StationTable table = ParseStationCsv(
        "\"HavzaAdi\",\"No\",\"Ad\"\n"
        "\"Kızılırmak\",\"123-45678\",\"Söğütlü, \"\"yukarı\"\"\"\n"
        ",\"200-00001\",\n"
        "\"X\",\"300-00002\",\"iki\nsatır\"\r\n");
    ASSERT_EQ(table.error, "");
    ASSERT_EQ(table.stations.size(), 3u);
    EXPECT_EQ(table.stations[0].No, "123-45678");
    EXPECT_EQ(table.stations[0].Ad, "Söğütlü, \"yukarı\"");
    EXPECT_EQ(table.stations[1].Ad, "");
    EXPECT_EQ(table.stations[2].Ad, "iki\nsatır");
}

TEST(StationImport, RejectsBrokenCsvNamingTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "no header"},
        {"No,Name\n1,a\n", "line 1: the fields No and Ad are needed, found: No, Name"},
        {"No,Ad\n1,a\n2\n", "line 3: 1 fields where the header names 2"},
        {"No,Ad\n1,\"a\n", "line 2: a quoted field is not closed"},
    };
    for (const auto& [csv, message] : cases) {
        StationTable table = ParseStationCsv(csv);
        EXPECT_NE(table.error.find(message), std::string::npos) << csv << " -> " << table.error;
        EXPECT_TRUE(table.stations.empty());
    }
}

TEST(StationImport, AddsNewNumbersAndKeepsKnownOnes) {
    test::TestFolder folder;
    auto store = OpenStore(folder / "Istasyon.db");
    store->Add("123-45678", "Bizim ad");
    ImportSummary summary = ImportStations(
        *store,
        {{"123-45678", "Eski ad"}, {"200-00001", "A"}, {"200-00001", "B"}, {"300-00002", "C"}});
    EXPECT_EQ(summary.error, "");
    EXPECT_EQ(summary.added, 3);
    EXPECT_EQ(summary.skipped, std::vector<std::string>{"123-45678"});
    EXPECT_EQ(store->Name("123-45678"), "Bizim ad");
    EXPECT_EQ(store->Name("200-00001"), "A");
}

// mdb-export stands in as a script that prints what the real one prints for IstNoAd.
TEST(StationImport, ReadsTheTableThroughMdbExport) {
    test::TestFolder folder;
    fs::path mdb = folder.Write("eski dosya/Istasyon.mdb", "old");
    fs::path tool = folder.Write("bin/mdb-export",
                                 "#!/bin/sh\n"
                                 "[ \"$2\" = IstNoAd ] || exit 3\n"
                                 "[ -f \"$1\" ] || exit 4\n"
                                 "echo \"No,Ad,HavzaAdi\"\n"
                                 "echo \"\\\"123-45678\\\",\\\"$MDB_JET3_CHARSET\\\",\"\n");
    fs::permissions(tool, fs::perms::owner_all);
    test::ScopedEnvironment path("PATH", (folder / "bin").string() + ":/usr/bin:/bin");
    StationTable table = ReadAccessStationTable(mdb);
    ASSERT_EQ(table.error, "");
    ASSERT_EQ(table.stations.size(), 1u);
    EXPECT_EQ(table.stations[0].No, "123-45678");
    EXPECT_EQ(table.stations[0].Ad, "CP1254");  // Turkish text of an Access 97 file

    folder.Write("bin/mdb-export", "#!/bin/sh\necho 'File not in JET format' >&2\nexit 1\n");
    table = ReadAccessStationTable(mdb);
    EXPECT_NE(table.error.find("File not in JET format"), std::string::npos) << table.error;
}

TEST(StationImport, MissingMdbtoolsIsExplained) {
    test::TestFolder folder;
    fs::path mdb = folder.Write("Istasyon.mdb", "old");
    test::ScopedEnvironment path("PATH", (folder / "empty").string());
    StationTable table = ReadAccessStationTable(mdb);
    EXPECT_NE(table.error.find("mdbtools"), std::string::npos) << table.error;
    EXPECT_NE(ReadAccessStationTable(folder / "none.mdb").error.find("no such file"),
              std::string::npos);
}

}  // namespace
}  // namespace kovu3

namespace kovu3 {
namespace {

// The program folder of a build carries an empty template that start-up copies to Limdat.
TEST(StationStore, TheBuildsTemplateIsAnEmptyStore) {
    test::TestFolder folder;
    std::filesystem::copy_file(test::BinaryFolder() / "Istasyon.db", folder / "Istasyon.db");
    auto store = OpenStore(folder / "Istasyon.db");
    ASSERT_TRUE(store);
    EXPECT_TRUE(Contents(*store).empty());
}

}  // namespace
}  // namespace kovu3

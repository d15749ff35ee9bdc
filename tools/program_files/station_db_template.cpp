// Writes the empty station database that a program folder carries: start-up copies it to
// the data root when the data root has none.

#include <filesystem>
#include <iostream>

#include "shell/station_store.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: station-db-template OUTPUT.db\n";
        return 2;
    }
    std::filesystem::path output = argv[1];
    std::filesystem::path temporary = output;
    temporary += ".new";
    std::error_code ec;
    std::filesystem::remove(temporary, ec);
    {
        kovu3::StationStore::Opened opened = kovu3::StationStore::Open(temporary);
        if (!opened.store) {
            std::cerr << opened.error << "\n";
            return 1;
        }
    }
    std::filesystem::rename(temporary, output, ec);
    if (ec) {
        std::cerr << "cannot write " << output << ": " << ec.message() << "\n";
        return 1;
    }
    return 0;
}

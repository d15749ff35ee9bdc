// Writes a starting corpus for installer_archive_fuzz: small archives of every layout.
// usage: installer_fuzz_seeds FOLDER

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "mkdsk/archive_writer.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: installer_fuzz_seeds FOLDER\n");
        return 2;
    }
    using kovu3::dsk::MemberSource;
    std::string noise;
    for (unsigned i = 0, x = 1; i < 9000; ++i)
        noise += static_cast<char>((x = x * 1103515245u + 12345u) >> 24);
    const std::vector<MemberSource> members = {
        {"a.txt", "", "hello\r\n", false},
        {"bo\xFE.bin", "\\alt", noise, false},
        {"stored", "\\alt\\deeper", "stored bytes", true},
        {"empty", "", "", false},
    };
    int number = 0;
    for (bool listStored : {false, true}) {
        for (size_t count : {size_t{0}, size_t{1}, members.size()}) {
            kovu3::dsk::WriteOptions options;
            options.listStored = listStored;
            auto image =
                kovu3::dsk::BuildArchive({members.begin(), members.begin() + count}, options);
            for (char optionByte : {'\0', '\3'}) {
                image.bytes.back() = optionByte;  // the fuzzer's option bits (never read)
                std::ofstream(std::string(argv[1]) + "/seed" + std::to_string(number++) + ".dsk",
                              std::ios::binary)
                    << image.bytes;
            }
        }
    }
    return 0;
}

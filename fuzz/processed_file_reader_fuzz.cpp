// Feeds arbitrary bytes to the processed station-year file reader: the header, the summary
// tables and level lines by record number, including numbers outside the file.

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "reports/processed_file_reader.h"

namespace {

// One in-memory file for all inputs, opened by its /proc path as any file would be.
int InputFile() {
    static const int fd = memfd_create("processed", 0);
    return fd;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static kovu3::Calendar calendar = [] {
        kovu3::Calendar c;
        kovu3::ApplyCalendar(c, "TURKCE");
        return c;
    }();
    const int fd = InputFile();
    if (fd < 0 || ftruncate(fd, 0) != 0) return 0;
    if (size > 0 && pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) return 0;
    std::string error;
    auto reader = kovu3::ProcessedFileReader::Open("/proc/self/fd/" + std::to_string(fd), calendar, error);
    if (!reader) {
        if (error.empty()) std::abort();  // a refusal always says why
        return 0;
    }
    const int count = reader->LevelCount();
    for (int record : {-1, 0, 1, 2, count - 1, count, count + 1, 1 << 30}) {
        kovu3::LevelLine line = reader->ReadLevelLine(record);
        if (record <= 0 && !line.Level.empty()) std::abort();
    }
    for (const auto& entry : reader->Data().Daily) (void)reader->ReadLevelLine(entry.KnoMax);
    (void)reader->ReadLevelTexts(1, count + 5);
    return 0;
}

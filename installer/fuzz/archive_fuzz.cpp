// Fuzzes the archive reader: any bytes as a ".dsk" archive, opened and extracted into a
// scratch folder. The trailer's checksum is made to fit first (unless the input says not
// to), or nearly every input would stop at it. Whatever the archive holds, nothing may
// appear outside the target folder.
//
// The trailer's last byte is never read by the reader; here it chooses the options:
// bit 0 ExtractWithPath, bit 1 CheckCRC, bit 2 keep the checksum as it is.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "installer/zlb_archive.h"
#include "mkdsk/archive_writer.h"

namespace {

namespace fs = std::filesystem;

const fs::path& Sandbox() {
    static const fs::path sandbox = [] {
        std::string pattern = (fs::temp_directory_path() / "kovu3-archive-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        return fs::path(pattern);
    }();
    return sandbox;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    const unsigned options = bytes.empty() ? 0 : static_cast<unsigned char>(bytes.back());
    if (!(options & 4)) kovu3::dsk::SealArchive(bytes);

    const fs::path archivePath = Sandbox() / "archive.dsk";
    const fs::path target = Sandbox() / "target";
    {
        std::ofstream out(archivePath, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    kovu3::TZLBArchive archive;
    archive.ExtractWithPath = options & 1;
    archive.CheckCRC = options & 2;
    try {
        archive.OpenArchive(archivePath);
        archive.ExtractAll(target.string());
    } catch (const kovu3::ArchiveError&) {
    }
    // Only the archive and the target folder may be in the sandbox.
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(Sandbox(), ec)) {
        if (entry.path() != archivePath && entry.path() != target) {
            std::fprintf(stderr, "written outside the target: %s\n", entry.path().c_str());
            std::abort();
        }
    }
    fs::remove_all(target, ec);
    return 0;
}

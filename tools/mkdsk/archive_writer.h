#pragma once
// Writes ".dsk" archives for the installer: member blocks, the member list and the trailer.
// Names go in as they are given, so tests can also build damaged or hostile archives.

#include <string>
#include <vector>

namespace kovu3::dsk {

struct MemberSource {
    std::string name;    // CP1254 bytes, at most 255
    std::string folder;  // relative folder, CP1254 with backslashes, at most 255 bytes
    std::string data;
    bool stored = false;  // true: bytes as they stand; false: one zlib stream
};

struct WriteOptions {
    bool listStored = false;  // true: the member list as it stands; false: one zlib stream
    int level = 6;            // zlib level 0 to 9 for packed blocks
};

struct ArchiveImage {
    std::string bytes;
    std::string error;  // empty on success
};

ArchiveImage BuildArchive(const std::vector<MemberSource>& members, const WriteOptions& options);

// Writes the CRC-32 of every byte before the trailer into the trailer, for images that were
// edited after they were built. Images shorter than the trailer stay as they are.
void SealArchive(std::string& bytes);

// zlib's level for the names the archive component uses: fcNone, fcFastest, fcDefault,
// fcMaximum; -1 for any other name.
int ZlibLevelOf(const std::string& compressionLevel);

}  // namespace kovu3::dsk

#pragma once
// Layout of the installer's ".dsk" archives, shared by the reader and the writer tool.
// An archive holds the member blocks, then the member list (N entries of 532 bytes, stored
// or as one zlib stream), then a 36-byte trailer. Integers are little-endian.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kovu3::dsk {

inline constexpr size_t kTrailerSize = 36;
inline constexpr size_t kEntrySize = 532;
inline constexpr size_t kNameFieldSize = 256;  // length byte + up to 255 characters
// The archive checksum is computed in blocks of this size (the result does not depend on it).
inline constexpr size_t kChecksumBlockSize = 10240;
// Member data and the member list are read and inflated in steps of at most this many bytes.
inline constexpr size_t kStepSize = 4096;

// Byte positions inside the trailer.
namespace trailer {
inline constexpr size_t kCrc = 0;          // CRC-32 of every byte before the trailer
inline constexpr size_t kCount = 4;        // N, the number of members
inline constexpr size_t kListOffset = 16;  // where the member list starts
inline constexpr size_t kListPacked = 20;  // 0: list stored, otherwise a zlib stream
}  // namespace trailer

// Byte positions inside a member entry.
namespace entry {
inline constexpr size_t kName = 0;
inline constexpr size_t kFolder = 256;
inline constexpr size_t kSize = 512;        // size after extraction
inline constexpr size_t kPackedSize = 516;  // written by our writer for inspection, never read
inline constexpr size_t kOffset = 520;
inline constexpr size_t kCrc = 524;     // CRC-32 of the extracted data
inline constexpr size_t kStored = 528;  // 0: zlib stream, otherwise bytes as they stand
}  // namespace entry

uint32_t ReadLe32(const unsigned char* bytes);
void WriteLe32(unsigned char* bytes, uint32_t value);

// CRC-32 of ISO 3309 and zlib, continued from `crc` (start with 0).
uint32_t Crc32(uint32_t crc, std::string_view bytes);

using TrailerBytes = std::array<unsigned char, kTrailerSize>;
using EntryBytes = std::array<unsigned char, kEntrySize>;

// One member entry as it stands in the archive, with its fields read out.
struct ArchiveEntry {
    EntryBytes bytes{};

    // The name and the relative folder as stored: CP1254 bytes, backslashes as separators.
    std::string FileName() const { return ShortString(entry::kName); }
    std::string Folder() const { return ShortString(entry::kFolder); }
    uint32_t Size() const { return ReadLe32(&bytes[entry::kSize]); }
    uint32_t Offset() const { return ReadLe32(&bytes[entry::kOffset]); }
    uint32_t Crc() const { return ReadLe32(&bytes[entry::kCrc]); }
    bool Stored() const { return bytes[entry::kStored] != 0; }

private:
    std::string ShortString(size_t field) const;
};

}  // namespace kovu3::dsk

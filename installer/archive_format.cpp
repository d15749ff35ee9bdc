#include "installer/archive_format.h"

#include <zlib.h>

#include <algorithm>

namespace kovu3::dsk {

uint32_t ReadLe32(const unsigned char* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

void WriteLe32(unsigned char* bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

uint32_t Crc32(uint32_t crc, std::string_view bytes) {
    // zlib takes at most a uInt per call.
    while (!bytes.empty()) {
        size_t part = std::min<size_t>(bytes.size(), 1u << 30);
        crc = static_cast<uint32_t>(
            crc32(crc, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(part)));
        bytes.remove_prefix(part);
    }
    return crc;
}

std::string ArchiveEntry::ShortString(size_t field) const {
    // A length byte of 0 to 255 always fits in the 256-byte field.
    size_t length = bytes[field];
    return std::string(reinterpret_cast<const char*>(&bytes[field + 1]), length);
}

}  // namespace kovu3::dsk

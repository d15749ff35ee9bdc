#include "mkdsk/archive_writer.h"

#include <zlib.h>

#include <cstring>
#include <limits>

#include "installer/archive_format.h"

namespace kovu3::dsk {
namespace {

// One zlib stream of `data`, or an error text.
std::string Deflate(const std::string& data, int level, std::string& error) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::string packed(size, '\0');
    int status = compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
                           reinterpret_cast<const Bytef*>(data.data()),
                           static_cast<uLong>(data.size()), level);
    if (status != Z_OK) error = "zlib failed (" + std::to_string(status) + ")";
    packed.resize(size);
    return packed;
}

void PutShortString(unsigned char* field, const std::string& text) {
    field[0] = static_cast<unsigned char>(text.size());
    std::memcpy(field + 1, text.data(), text.size());
}

}  // namespace

ArchiveImage BuildArchive(const std::vector<MemberSource>& members, const WriteOptions& options) {
    ArchiveImage image;
    std::string list;
    for (const MemberSource& member : members) {
        if (member.name.size() >= kNameFieldSize || member.folder.size() >= kNameFieldSize) {
            image.error = "name or folder of \"" + member.name + "\" is longer than 255 bytes";
            return image;
        }
        if (member.data.size() > std::numeric_limits<uint32_t>::max()) {
            image.error = "\"" + member.name + "\" is larger than 4 GiB";
            return image;
        }
        EntryBytes entryBytes{};
        PutShortString(&entryBytes[entry::kName], member.name);
        PutShortString(&entryBytes[entry::kFolder], member.folder);
        std::string block =
            member.stored ? member.data : Deflate(member.data, options.level, image.error);
        if (!image.error.empty()) return image;
        WriteLe32(&entryBytes[entry::kSize], static_cast<uint32_t>(member.data.size()));
        WriteLe32(&entryBytes[entry::kPackedSize], static_cast<uint32_t>(block.size()));
        WriteLe32(&entryBytes[entry::kOffset], static_cast<uint32_t>(image.bytes.size()));
        WriteLe32(&entryBytes[entry::kCrc], Crc32(0, member.data));
        entryBytes[entry::kStored] = member.stored ? 1 : 0;
        image.bytes += block;
        list.append(reinterpret_cast<const char*>(entryBytes.data()), entryBytes.size());
    }
    TrailerBytes trailerBytes{};
    WriteLe32(&trailerBytes[trailer::kCount], static_cast<uint32_t>(members.size()));
    WriteLe32(&trailerBytes[trailer::kListOffset], static_cast<uint32_t>(image.bytes.size()));
    trailerBytes[trailer::kListPacked] = options.listStored ? 0 : 1;
    image.bytes += options.listStored ? list : Deflate(list, options.level, image.error);
    if (!image.error.empty()) return image;
    if (image.bytes.size() > std::numeric_limits<uint32_t>::max()) {
        image.error = "the archive would be larger than 4 GiB";
        return image;
    }
    image.bytes.append(reinterpret_cast<const char*>(trailerBytes.data()), trailerBytes.size());
    SealArchive(image.bytes);
    return image;
}

void SealArchive(std::string& bytes) {
    if (bytes.size() < kTrailerSize) return;
    size_t dataEnd = bytes.size() - kTrailerSize;
    uint32_t crc = Crc32(0, std::string_view(bytes).substr(0, dataEnd));
    WriteLe32(reinterpret_cast<unsigned char*>(&bytes[dataEnd + trailer::kCrc]), crc);
}

int ZlibLevelOf(const std::string& compressionLevel) {
    if (compressionLevel == "fcNone") return 0;
    if (compressionLevel == "fcFastest") return 1;
    if (compressionLevel == "fcDefault") return 6;
    if (compressionLevel == "fcMaximum") return 9;
    return -1;
}

}  // namespace kovu3::dsk

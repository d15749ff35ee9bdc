#include "installer/zlb_archive.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>

#include "installer/block_reader.h"
#include "installer/member_path.h"
#include "shell/text_codec.h"

namespace kovu3 {
namespace {

// Deflate cannot expand its input more than about 1032 times: a packed member list that
// would need more is a lie of the trailer, refused before anything is allocated.
constexpr uint64_t kMaxInflateRatio = 1032;

uint64_t FileSize(const fs::path& path) {
    std::error_code ec;
    auto size = fs::file_size(path, ec);
    return ec ? 0 : static_cast<uint64_t>(size);
}

ArchiveError CorruptMember(uint32_t index, std::string detail) {
    return ArchiveError("File (" + std::to_string(index) + ") is corrupt", std::move(detail));
}

std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", value);
    return text;
}

}  // namespace

void TZLBArchive::Report(ProgressKind kind, std::string message, uint64_t done, uint64_t expected) {
    progress_ = {kind, std::move(message), done, expected};
    if (!OnProgress) return;
    int percent = expected == 0 ? 0 : static_cast<int>((done * 100 + expected / 2) / expected);
    OnProgress(progress_.message, percent);
}

void TZLBArchive::CloseArchive() {
    archiveName_.clear();
    trailer_ = {};
    entries_.clear();
    open_ = false;
}

bool TZLBArchive::OpenArchive(const fs::path& path) {
    CloseArchive();
    archiveName_ = path;
    if (path.empty()) return false;
    std::error_code ec;
    if (!fs::exists(path, ec)) throw ArchiveError("Archive file not found", path.string());
    const std::string cannotOpen = "Unable to open file (" + path.string() + ")";
    if (fs::is_directory(path, ec)) throw ArchiveError(cannotOpen, path.string() + ": a folder");
    std::ifstream archive(path, std::ios::binary);
    if (!archive) throw ArchiveError(cannotOpen, path.string() + ": " + std::strerror(errno));

    const uint64_t size = FileSize(path);
    auto corrupted = [&](const std::string& why) {
        archiveName_.clear();
        trailer_ = {};
        return ArchiveError("The archive file appears to be corrupted", path.string() + ": " + why);
    };
    if (size < dsk::kTrailerSize) {
        throw corrupted(std::to_string(size) + " bytes are too few to hold the 36-byte trailer");
    }
    const uint64_t dataEnd = size - dsk::kTrailerSize;
    uint32_t crc = 0;
    std::array<char, dsk::kChecksumBlockSize> block;
    for (uint64_t done = 0; done < dataEnd;) {
        auto wanted =
            static_cast<std::streamsize>(std::min<uint64_t>(block.size(), dataEnd - done));
        archive.read(block.data(), wanted);
        if (archive.gcount() != wanted) throw corrupted("cannot read byte " + std::to_string(done));
        crc = dsk::Crc32(crc, std::string_view(block.data(), static_cast<size_t>(wanted)));
        done += static_cast<uint64_t>(wanted);
    }
    archive.read(reinterpret_cast<char*>(trailer_.data()), dsk::kTrailerSize);
    if (archive.gcount() != static_cast<std::streamsize>(dsk::kTrailerSize)) {
        throw corrupted("cannot read the trailer at byte " + std::to_string(dataEnd));
    }
    if (uint32_t stored = dsk::ReadLe32(&trailer_[dsk::trailer::kCrc]); stored != crc) {
        throw corrupted("the trailer at byte " + std::to_string(dataEnd) + " gives CRC-32 " +
                        Hex(stored) + ", the " + std::to_string(dataEnd) +
                        " bytes before it give " + Hex(crc));
    }

    ReadList(archive, size);
    open_ = true;
    if (OnArchiveOpened) OnArchiveOpened();
    Report(ProgressKind::Finished, archiveName_.string(), 0, 0);
    return true;
}

void TZLBArchive::ReadList(std::istream& archive, uint64_t fileSize) {
    const std::string name = archiveName_.string();
    auto fail = [&](const std::string& why) {
        CloseArchive();
        return ArchiveError("Unable to read archive file list", name + ": " + why);
    };
    const uint64_t dataEnd = fileSize - dsk::kTrailerSize;
    const uint64_t count = dsk::ReadLe32(&trailer_[dsk::trailer::kCount]);
    const uint64_t listOffset = dsk::ReadLe32(&trailer_[dsk::trailer::kListOffset]);
    const bool packed = trailer_[dsk::trailer::kListPacked] != 0;
    const uint64_t listBytes = count * dsk::kEntrySize;
    if (listOffset > dataEnd) {
        throw fail("the member list offset " + std::to_string(listOffset) +
                   " lies beyond the trailer at byte " + std::to_string(dataEnd));
    }
    const uint64_t available = dataEnd - listOffset;
    const uint64_t limit = packed ? (available + 1) * kMaxInflateRatio : available;
    if (listBytes > limit) {
        throw fail(std::to_string(count) + " members need " + std::to_string(listBytes) +
                   " list bytes, but only " + std::to_string(available) +
                   (packed ? " packed" : "") + " bytes lie between byte " +
                   std::to_string(listOffset) + " and the trailer");
    }

    std::string list;
    list.reserve(static_cast<size_t>(std::min<uint64_t>(listBytes, 1 << 20)));
    dsk::BlockReader reader(archive, listOffset, dataEnd, packed);
    std::array<char, dsk::kStepSize> buffer;
    while (list.size() < listBytes) {
        size_t step =
            static_cast<size_t>(std::min<uint64_t>(buffer.size(), listBytes - list.size()));
        auto read = reader.Read(std::span<char>(buffer.data(), step));
        list.append(buffer.data(), read.produced);
        if (!read.problem.empty()) {
            throw fail("member list at byte " + std::to_string(listOffset) + ": " + read.problem +
                       " (" + std::to_string(list.size()) + " of " + std::to_string(listBytes) +
                       " bytes read)");
        }
        if (packed)
            Report(ProgressKind::ReadingList, "Extracting archive registry", list.size(),
                   listBytes);
    }
    // The trailer's own fields are outside the checksum: a damaged count, offset or packing
    // flag shows as a list that does not end where the trailer begins.
    if (count == 0 && listOffset == dataEnd) return;  // an empty archive may carry no list at all
    if (std::string problem = reader.Finish(); !problem.empty())
        throw fail("member list: " + problem);
    if (reader.EndPosition() != dataEnd) {
        throw fail("the member list of " + std::to_string(count) + " entries from byte " +
                   std::to_string(listOffset) + " ends at byte " +
                   std::to_string(reader.EndPosition()) + ", but the trailer begins at byte " +
                   std::to_string(dataEnd));
    }
    entries_.resize(static_cast<size_t>(count));
    for (size_t i = 0; i < entries_.size(); ++i) {
        std::memcpy(entries_[i].bytes.data(), list.data() + i * dsk::kEntrySize, dsk::kEntrySize);
    }
}

uint32_t TZLBArchive::FileCount() const {
    if (!open_) throw ArchiveError("No archive is currently open", "");
    return static_cast<uint32_t>(entries_.size());
}

const dsk::ArchiveEntry& TZLBArchive::GetFileEntry(int64_t index) const {
    if (!open_) throw ArchiveError("No archive is currently open", "");
    if (index < 0 || static_cast<uint64_t>(index) >= entries_.size()) {
        throw ArchiveError("Index out of bounds", "member " + std::to_string(index) + " of " +
                                                      std::to_string(entries_.size()));
    }
    return entries_[static_cast<size_t>(index)];
}

void TZLBArchive::ExtractAll(std::string_view targetFolder) {
    if (!open_) throw ArchiveError("No archive is currently open", "");
    std::ifstream archive(archiveName_, std::ios::binary);
    if (!archive) {
        throw ArchiveError("Unable to open file (" + archiveName_.string() + ")",
                           archiveName_.string() + ": " + std::strerror(errno));
    }
    const uint64_t size = FileSize(archiveName_);
    const uint64_t dataEnd = size > dsk::kTrailerSize ? size - dsk::kTrailerSize : 0;
    const std::string target = dsk::NormalizeTargetFolder(targetFolder);
    for (uint32_t i = 0; i < entries_.size(); ++i) ExtractMember(archive, dataEnd, i, target);
    Report(ProgressKind::Finished, archiveName_.string(), 0, 0);
}

void TZLBArchive::ExtractMember(std::istream& archive, uint64_t dataEnd, uint32_t index,
                                const std::string& target) {
    const dsk::ArchiveEntry& entry = entries_[index];
    const std::string where = archiveName_.string() + ", member " + std::to_string(index) + " \"" +
                              Cp1254ToUtf8(entry.FileName()) + "\": ";
    // Everything that can be known from the entry is checked before anything is written.
    dsk::MemberPlace place = dsk::PlaceOfMember(entry.Folder(), entry.FileName(), ExtractWithPath);
    if (!place.problem.empty()) throw CorruptMember(index, where + place.problem);
    const uint64_t offset = entry.Offset();
    if (offset > dataEnd) {
        throw CorruptMember(index, where + "its data offset " + std::to_string(offset) +
                                       " lies beyond the member data ending at byte " +
                                       std::to_string(dataEnd));
    }
    if (entry.Stored() && offset + entry.Size() > dataEnd) {
        throw CorruptMember(index, where + std::to_string(entry.Size()) +
                                       " stored bytes from byte " + std::to_string(offset) +
                                       " run past the member data ending at byte " +
                                       std::to_string(dataEnd));
    }
    if (target.empty()) {
        throw ArchiveError("Unable to create destination path", where + "no target folder given");
    }

    const fs::path file = fs::path(target) / place.relative;
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    std::error_code isFolderError;
    if (!fs::is_directory(file.parent_path(), isFolderError)) {
        throw ArchiveError(
            "Unable to create destination path",
            file.parent_path().string() + ": " + (ec ? ec.message() : "not a folder"));
    }
    const auto status = fs::symlink_status(file, ec);
    if (fs::exists(status) && OnReplaceFile && !OnReplaceFile(file)) return;
    // A link left at the member's place is replaced, never followed out of the target.
    if (fs::is_symlink(status)) fs::remove(file, ec);

    CopyMember(archive, dataEnd, index, file, where);
    if (OnFileExtracted) OnFileExtracted(file);
}

void TZLBArchive::CopyMember(std::istream& archive, uint64_t dataEnd, uint32_t index,
                             const fs::path& file, const std::string& where) {
    const dsk::ArchiveEntry& entry = entries_[index];
    const std::string message = "Extracting " + Cp1254ToUtf8(entry.FileName());
    auto writeError = [&] {
        return ArchiveError("Unable to write file (" + file.string() + ")",
                            file.string() + ": " + std::strerror(errno));
    };
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) {
        throw ArchiveError("Unable to create file (" + file.string() + ")",
                           file.string() + ": " + std::strerror(errno));
    }
    dsk::BlockReader reader(archive, entry.Offset(), dataEnd, !entry.Stored());
    std::array<char, dsk::kStepSize> buffer;
    const uint64_t size = entry.Size();
    uint64_t done = 0;
    uint32_t crc = 0;
    while (done < size) {
        size_t step = static_cast<size_t>(std::min<uint64_t>(buffer.size(), size - done));
        auto read = reader.Read(std::span<char>(buffer.data(), step));
        // Only what was read or inflated is written, even when the step failed.
        out.write(buffer.data(), static_cast<std::streamsize>(read.produced));
        if (!out) throw writeError();
        crc = dsk::Crc32(crc, std::string_view(buffer.data(), read.produced));
        done += read.produced;
        if (!read.problem.empty()) {
            throw CorruptMember(index, where + read.problem + " (" + std::to_string(done) + " of " +
                                           std::to_string(size) + " bytes extracted)");
        }
        Report(ProgressKind::Extracting, message, done, size);
    }
    // An empty member may come without any block; others must end where their size says.
    if (std::string problem = size > 0 ? reader.Finish() : ""; !problem.empty()) {
        throw CorruptMember(index, where + problem);
    }
    if (CheckCRC && crc != entry.Crc()) {
        throw CorruptMember(index, where + "the extracted data give CRC-32 " + Hex(crc) +
                                       ", the entry says " + Hex(entry.Crc()));
    }
    out.close();
    if (!out) throw writeError();
}

}  // namespace kovu3

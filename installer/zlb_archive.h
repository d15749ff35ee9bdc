#pragma once
// TZLBArchive, the reader of the installer's ".dsk" archives: opens and checks an archive,
// lists its members and extracts them into a folder, reporting progress as it goes.
// Every failure raises an ArchiveError whose text is the reader's own message.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "installer/archive_format.h"

namespace kovu3 {

namespace fs = std::filesystem;

class ArchiveError final : public std::runtime_error {
public:
    ArchiveError(const std::string& message, std::string detail)
        : std::runtime_error(message), detail_(std::move(detail)) {}
    // Which file, which member and which byte, for the operator; what() is the bare message.
    const std::string& detail() const { return detail_; }

private:
    std::string detail_;
};

enum class TCompressionLevel { fcNone, fcFastest, fcDefault, fcMaximum };

enum class ProgressKind { Idle, ReadingList, Extracting, Finished };

struct ProgressState {
    ProgressKind kind = ProgressKind::Idle;
    std::string message;
    uint64_t done = 0;
    uint64_t expected = 0;
};

class TZLBArchive final {
public:
    TZLBArchive() = default;
    TZLBArchive(const TZLBArchive&) = delete;
    TZLBArchive& operator=(const TZLBArchive&) = delete;

    // Each member goes into its relative folder below the target folder.
    bool ExtractWithPath = false;
    // The CRC-32 of each extracted file is compared with its entry's.
    bool CheckCRC = false;
    // Options of archive writing; kept for the writer's sake, never used when reading.
    TCompressionLevel CompressionLevel = TCompressionLevel::fcDefault;
    bool SavePaths = false;
    bool RecursePaths = false;

    std::function<void(const std::string& message, int percent)> OnProgress;
    std::function<void()> OnArchiveOpened;
    std::function<void(const fs::path& file)> OnFileExtracted;
    // Asked before an existing file is replaced; the member is extracted only on true.
    std::function<bool(const fs::path& file)> OnReplaceFile;

    // Reads and checks the archive; false only for an empty path.
    bool OpenArchive(const fs::path& path);
    // Forgets the open archive and its entries.
    void CloseArchive();
    uint32_t FileCount() const;
    const dsk::ArchiveEntry& GetFileEntry(int64_t index) const;
    // Extracts every member, in archive order, into the target folder (a path text in which
    // doubled separators and one trailing separator do not matter).
    void ExtractAll(std::string_view targetFolder);

    const fs::path& ArchiveName() const { return archiveName_; }
    const dsk::TrailerBytes& Trailer() const { return trailer_; }
    const ProgressState& Progress() const { return progress_; }

private:
    void ReadList(std::istream& archive, uint64_t fileSize);
    void ExtractMember(std::istream& archive, uint64_t dataEnd, uint32_t index,
                       const std::string& target);
    void CopyMember(std::istream& archive, uint64_t dataEnd, uint32_t index, const fs::path& file,
                    const std::string& where);
    void Report(ProgressKind kind, std::string message, uint64_t done, uint64_t expected);

    fs::path archiveName_;
    dsk::TrailerBytes trailer_{};
    std::vector<dsk::ArchiveEntry> entries_;
    bool open_ = false;
    ProgressState progress_;
};

}  // namespace kovu3

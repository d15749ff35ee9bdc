#pragma once
// The one way the program changes a raw logger file: in place, field by field. Raw files
// are field data that cannot be read out again, so before the first change a copy of the
// file is kept in the data folder's yedek/ folder (once: it stays the original), only the
// bytes that differ are written, and every changed field is journalled in
// yedek/Duzeltmeler.txt (time, file, byte offset, old and new characters) to be traced and
// undone. The version marker becomes "ver4", the mark of a corrected file.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kovu3 {

inline constexpr const char* kBackupFolderName = "yedek";
inline constexpr const char* kCorrectionsJournalName = "Duzeltmeler.txt";

struct RawFileEdit {
    size_t position = 0;  // 0-based byte offset of the first character to replace
    std::string bytes;    // the new characters
};

struct RawFileEditOutcome {
    std::string error;      // empty on success; nothing was changed when set before writing
    int changedFields = 0;  // edits whose bytes differed, the version marker included
    std::vector<std::string> journalLines;  // the lines appended to the journal (UTF-8)
};

// Applies the edits to `fileName` in `dataFolder`. All edits must lie inside the file;
// otherwise nothing is written. `dateSeparator` formats the journal's date.
RawFileEditOutcome ApplyRawFileEdits(const std::filesystem::path& dataFolder,
                                     std::string_view fileName,
                                     const std::vector<RawFileEdit>& edits,
                                     std::string_view dateSeparator);

}  // namespace kovu3

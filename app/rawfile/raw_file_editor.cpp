#include "rawfile/raw_file_editor.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

#include "rawfile/raw_format.h"
#include "shell/file_io.h"
#include "shell/text_codec.h"

namespace kovu3 {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCorrectedMarker = "ver4";
constexpr const char* kJournalHeading = "Tarih Saat;Ham Dosya;Bayt (0'dan);Eski;Yeni";

// Closes the descriptor on every way out.
class FileDescriptor final {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

bool ReadAt(int fd, size_t position, size_t count, std::string& out) {
    out.assign(count, '\0');
    size_t done = 0;
    while (done < count) {
        ssize_t n =
            ::pread(fd, out.data() + done, count - done, static_cast<off_t>(position + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

bool WriteAt(int fd, size_t position, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                             static_cast<off_t>(position + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

std::string Now(std::string_view sep) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    std::snprintf(text, sizeof text, "%02d%.*s%02d%.*s%04d %02d:%02d:%02d", local.tm_mday,
                  static_cast<int>(sep.size()), sep.data(), local.tm_mon + 1,
                  static_cast<int>(sep.size()), sep.data(), local.tm_year + 1900, local.tm_hour,
                  local.tm_min, local.tm_sec);
    return text;
}

// Copies the file into yedek/ unless a copy is there already.
std::string KeepBackup(const fs::path& rawFile, const fs::path& backupFolder) {
    std::error_code ec;
    fs::create_directories(backupFolder, ec);
    if (ec) return "Cannot create " + backupFolder.string() + ": " + ec.message();
    fs::path copy = backupFolder / rawFile.filename();
    if (fs::exists(copy, ec)) return {};
    fs::copy_file(rawFile, copy, ec);
    if (ec)
        return "Cannot back up " + rawFile.string() + " to " + copy.string() + ": " + ec.message();
    return {};
}

std::string AppendJournal(const fs::path& journal, const std::vector<std::string>& lines) {
    std::error_code ec;
    const bool fresh = !fs::exists(journal, ec);
    std::vector<std::string> all;
    if (fresh) all.emplace_back(kJournalHeading);
    all.insert(all.end(), lines.begin(), lines.end());
    std::ofstream out(journal, std::ios::binary | std::ios::app);
    out << ToCp1254Lines(all);
    out.flush();
    if (!out) return "Cannot write the corrections journal " + journal.string();
    return {};
}

}  // namespace

RawFileEditOutcome ApplyRawFileEdits(const fs::path& dataFolder, std::string_view fileName,
                                     const std::vector<RawFileEdit>& edits,
                                     std::string_view dateSeparator) {
    RawFileEditOutcome outcome;
    auto path = FindIgnoringCase(dataFolder, fileName);
    std::error_code ec;
    if (!path || !fs::is_regular_file(*path, ec)) {
        outcome.error = "No raw file " + std::string(fileName) + " in " + dataFolder.string();
        return outcome;
    }
    FileDescriptor fd(::open(path->c_str(), O_RDWR));
    if (fd.get() < 0) {
        outcome.error = "Cannot open " + path->string() + ": " + std::strerror(errno);
        return outcome;
    }
    const auto length = static_cast<size_t>(fs::file_size(*path, ec));
    if (ec) {
        outcome.error = "Cannot read the size of " + path->string() + ": " + ec.message();
        return outcome;
    }

    std::vector<RawFileEdit> all = edits;
    all.push_back({raw::kVersionOffset, std::string(kCorrectedMarker)});
    // Old characters first, so nothing is written unless every edit fits.
    std::vector<std::string> old(all.size());
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i].position > length || all[i].bytes.size() > length - all[i].position ||
            !ReadAt(fd.get(), all[i].position, all[i].bytes.size(), old[i])) {
            outcome.error = path->string() + ": byte " + std::to_string(all[i].position) +
                            " lies beyond the end of the file (" + std::to_string(length) +
                            " bytes); nothing was changed";
            return outcome;
        }
    }
    bool anyChange = false;
    for (size_t i = 0; i + 1 < all.size(); ++i) anyChange |= old[i] != all[i].bytes;
    if (!anyChange) return outcome;  // the marker alone is no correction

    const fs::path backupFolder = dataFolder / kBackupFolderName;
    if (std::string error = KeepBackup(*path, backupFolder); !error.empty()) {
        outcome.error = error + "; nothing was changed";
        return outcome;
    }
    const std::string now = Now(dateSeparator);
    for (size_t i = 0; i < all.size(); ++i) {
        if (old[i] == all[i].bytes) continue;
        if (!WriteAt(fd.get(), all[i].position, all[i].bytes)) {
            outcome.error = "Cannot write " + path->string() + " at byte " +
                            std::to_string(all[i].position) + ": " + std::strerror(errno) +
                            "; the copy in " + backupFolder.string() + " is intact";
            break;
        }
        ++outcome.changedFields;
        outcome.journalLines.push_back(now + ";" + std::string(fileName) + ";" +
                                       std::to_string(all[i].position) + ";" +
                                       Cp1254ToUtf8(old[i]) + ";" + Cp1254ToUtf8(all[i].bytes));
    }
    if (::fsync(fd.get()) != 0 && outcome.error.empty())
        outcome.error = "Cannot flush " + path->string() + ": " + std::strerror(errno);
    std::string journalError =
        AppendJournal(backupFolder / kCorrectionsJournalName, outcome.journalLines);
    if (!journalError.empty() && outcome.error.empty()) outcome.error = journalError;
    return outcome;
}

}  // namespace kovu3

// mkdsk: writes the installer's ".dsk" archives from files and folders, and lists them.

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <system_error>
#include <vector>

#include "installer/zlb_archive.h"
#include "mkdsk/archive_writer.h"
#include "shell/file_io.h"
#include "shell/text_codec.h"

namespace {

namespace fs = std::filesystem;
using kovu3::dsk::MemberSource;

constexpr const char* kUsage =
    "usage:\n"
    "  mkdsk [--store] [--store-list] [--level LEVEL] [--flat] ARCHIVE PATH...\n"
    "  mkdsk --list ARCHIVE\n"
    "\n"
    "A PATH that is a file becomes a member without a folder; a PATH that is a folder adds\n"
    "every file below it, each with its folder relative to PATH (none with --flat).\n"
    "  --store       members stored as they are (default: packed with zlib)\n"
    "  --store-list  member list stored as it is (default: packed)\n"
    "  --level       fcNone, fcFastest, fcDefault (default) or fcMaximum\n";

int Usage(const std::string& problem) {
    if (!problem.empty()) std::cerr << "mkdsk: " << problem << "\n";
    std::cerr << kUsage;
    return 2;
}

// UTF-8 text of this machine to the archive's code page; false when it cannot be held.
bool ToArchiveText(const std::string& utf8, std::string& cp1254) {
    cp1254 = kovu3::Utf8ToCp1254(utf8);
    return kovu3::Cp1254ToUtf8(cp1254) == utf8;
}

struct Collected {
    std::vector<MemberSource> members;
    std::string error;
};

void AddFile(const fs::path& file, const std::string& folder, bool stored, Collected& out) {
    MemberSource member;
    member.stored = stored;
    if (!ToArchiveText(file.filename().string(), member.name) ||
        !ToArchiveText(folder, member.folder)) {
        out.error = file.string() + ": the name cannot be written in the Windows Turkish code page";
        return;
    }
    auto bytes = kovu3::ReadWholeFile(file);
    if (!bytes) {
        out.error = "cannot read " + file.string();
        return;
    }
    member.data = std::move(*bytes);
    out.members.push_back(std::move(member));
}

// The folder of `file` below `base` in the archive's form: "\sub\dir", "" at the top.
std::string ArchiveFolder(const fs::path& base, const fs::path& file) {
    std::string folder;
    for (const fs::path& part : file.parent_path().lexically_relative(base)) {
        if (part != ".") folder += "\\" + part.string();
    }
    return folder;
}

Collected Collect(const std::vector<fs::path>& paths, bool flat, bool stored) {
    Collected out;
    for (const fs::path& path : paths) {
        std::error_code ec;
        if (fs::is_regular_file(path, ec)) {
            AddFile(path, "", stored, out);
        } else if (fs::is_directory(path, ec)) {
            std::vector<fs::path> files;
            for (const auto& entry : fs::recursive_directory_iterator(path, ec)) {
                if (entry.is_regular_file()) files.push_back(entry.path());
            }
            std::sort(files.begin(), files.end());
            for (const fs::path& file : files) {
                AddFile(file, flat ? "" : ArchiveFolder(path, file), stored, out);
                if (!out.error.empty()) return out;
            }
        } else {
            out.error = "no file or folder " + path.string();
        }
        if (!out.error.empty()) return out;
    }
    std::map<std::string, int> seen;
    for (const MemberSource& member : out.members) {
        if (++seen[member.folder + "\\" + member.name] == 2) {
            out.error =
                "two members would be " + kovu3::Cp1254ToUtf8(member.folder + "\\" + member.name);
            return out;
        }
    }
    return out;
}

int List(const fs::path& path) {
    kovu3::TZLBArchive archive;
    try {
        archive.OpenArchive(path);
        for (uint32_t i = 0; i < archive.FileCount(); ++i) {
            const auto& entry = archive.GetFileEntry(i);
            std::string where = entry.Folder().empty() ? "" : entry.Folder() + "\\";
            std::printf("%5u %10u %-6s %08X %s\n", i, entry.Size(),
                        entry.Stored() ? "stored" : "packed", entry.Crc(),
                        kovu3::Cp1254ToUtf8(where + entry.FileName()).c_str());
        }
    } catch (const kovu3::ArchiveError& error) {
        std::cerr << "mkdsk: " << error.what() << "\n  " << error.detail() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    if (words.size() == 2 && words[0] == "--list") return List(words[1]);
    bool stored = false;
    bool flat = false;
    kovu3::dsk::WriteOptions options;
    size_t i = 0;
    for (; i < words.size() && words[i].starts_with("--"); ++i) {
        if (words[i] == "--store") {
            stored = true;
        } else if (words[i] == "--store-list") {
            options.listStored = true;
        } else if (words[i] == "--flat") {
            flat = true;
        } else if (words[i] == "--level" && i + 1 < words.size()) {
            options.level = kovu3::dsk::ZlibLevelOf(words[++i]);
            if (options.level < 0) return Usage("unknown level " + words[i]);
        } else if (words[i] == "--help") {
            std::cout << kUsage;
            return 0;
        } else {
            return Usage("unknown option " + words[i]);
        }
    }
    if (words.size() - i < 2) return Usage("an archive and at least one file or folder are needed");
    fs::path archive = words[i];
    std::vector<fs::path> paths(words.begin() + static_cast<long>(i) + 1, words.end());

    Collected collected = Collect(paths, flat, stored);
    if (!collected.error.empty()) {
        std::cerr << "mkdsk: " << collected.error << "\n";
        return 1;
    }
    auto image = kovu3::dsk::BuildArchive(collected.members, options);
    if (image.error.empty()) image.error = kovu3::WriteFileReplacing(archive, image.bytes);
    if (!image.error.empty()) {
        std::cerr << "mkdsk: " << archive.string() << ": " << image.error << "\n";
        return 1;
    }
    std::cout << archive.string() << ": " << collected.members.size() << " members, "
              << image.bytes.size() << " bytes\n";
    return 0;
}

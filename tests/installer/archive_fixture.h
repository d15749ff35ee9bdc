#pragma once
// Small archives for the installer's tests, made with the archive writer and edited in place.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "installer/archive_format.h"
#include "installer/install_procedure.h"
#include "installer/zlb_archive.h"
#include "mkdsk/archive_writer.h"
#include "shell/text_codec.h"
#include "support/test_folder.h"

namespace kovu3::test {

using dsk::MemberSource;

// Deterministic bytes that zlib cannot shrink much, so members take several steps.
inline std::string NoiseBytes(size_t count, uint32_t seed) {
    std::string bytes(count, '\0');
    for (char& c : bytes) {
        seed = seed * 1664525u + 1013904223u;
        c = static_cast<char>(seed >> 24);
    }
    return bytes;
}

inline MemberSource Member(std::string utf8Name, std::string data, bool stored = false,
                           std::string utf8Folder = "") {
    return {Utf8ToCp1254(utf8Name), Utf8ToCp1254(utf8Folder), std::move(data), stored};
}

inline std::string ArchiveBytes(const std::vector<MemberSource>& members, bool listStored = false) {
    dsk::WriteOptions options;
    options.listStored = listStored;
    dsk::ArchiveImage image = dsk::BuildArchive(members, options);
    if (!image.error.empty()) throw std::runtime_error("test archive: " + image.error);
    return image.bytes;
}

inline uint32_t Le32At(const std::string& bytes, size_t position) {
    return dsk::ReadLe32(reinterpret_cast<const unsigned char*>(bytes.data() + position));
}

inline void SetLe32At(std::string& bytes, size_t position, uint32_t value) {
    dsk::WriteLe32(reinterpret_cast<unsigned char*>(bytes.data() + position), value);
}

inline size_t TrailerStart(const std::string& bytes) {
    return bytes.size() - dsk::kTrailerSize;
}

// Position of entry `index` in an archive written with a stored member list.
inline size_t EntryStart(const std::string& bytes, size_t index) {
    return Le32At(bytes, TrailerStart(bytes) + dsk::trailer::kListOffset) + index * dsk::kEntrySize;
}

// The reader's message for what `action` raised, or "<no error>".
inline std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ArchiveError& error) {
        return error.what();
    }
    return "<no error>";
}

// A request for a fresh machine inside `folder`: system root "root" (created), desktop
// `desktop`, the medium in "medium" with the given setup.txt (the archives are the test's).
inline InstallRequest ScratchInstall(const TestFolder& folder, std::string_view setupText,
                                     std::string_view desktop = "desktop") {
    InstallRequest request;
    request.medium = folder / "medium";
    request.layout.root = folder / "root";
    request.desktop = folder / desktop;
    std::filesystem::create_directories(request.layout.root);
    folder.Write("medium/setup.txt", setupText);
    return request;
}

// Every file below `folder`, as paths relative to it, sorted.
inline std::vector<std::string> FilesBelow(const std::filesystem::path& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ec)) {
        if (!entry.is_directory())
            files.push_back(entry.path().lexically_relative(folder).string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace kovu3::test

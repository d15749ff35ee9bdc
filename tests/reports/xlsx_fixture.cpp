#include "xlsx_fixture.h"

#include <stdexcept>

#include <zip.h>

#include "support/test_folder.h"

namespace kovu3::test {

void WriteZip(const std::filesystem::path& path, const ZipEntries& entries, bool compress) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) throw std::runtime_error("cannot create " + path.string());
    for (const auto& [name, bytes] : entries) {
        zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        zip_int64_t index = source ? zip_file_add(archive, name.c_str(), source, 0) : -1;
        if (index < 0) {
            zip_discard(archive);
            throw std::runtime_error("cannot add " + name);
        }
        if (!compress) {
            zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
        }
    }
    if (zip_close(archive) != 0) throw std::runtime_error("cannot write " + path.string());
}

std::map<std::string, std::string> ReadZip(const std::filesystem::path& path) {
    std::map<std::string, std::string> entries;
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (!archive) return entries;
    zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat) != 0) continue;
        zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0);
        if (!file) continue;
        std::string bytes(static_cast<size_t>(stat.size), '\0');
        zip_int64_t got = bytes.empty() ? 0 : zip_fread(file, bytes.data(), bytes.size());
        zip_fclose(file);
        if (got == static_cast<zip_int64_t>(bytes.size())) entries[stat.name] = bytes;
    }
    zip_discard(archive);
    return entries;
}

std::filesystem::path DefaultTemplate(std::string_view name) {
    return BinaryFolder() / std::string(name);
}

std::string AttributeIn(std::string_view xml, std::string_view elementStart,
                        std::string_view name) {
    size_t start = xml.find(elementStart);
    if (start == std::string_view::npos) return {};
    size_t end = xml.find('>', start);
    std::string_view element = xml.substr(start, end - start);
    std::string key = " " + std::string(name) + "=\"";
    size_t at = element.find(key);
    if (at == std::string_view::npos) return {};
    at += key.size();
    return std::string(element.substr(at, element.find('"', at) - at));
}

}  // namespace kovu3::test

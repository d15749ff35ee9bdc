#include "reports/xlsx_package.h"

#include <zip.h>

namespace kovu3 {
namespace {

// A sheet of a year's readings is a few megabytes; a part claiming more than this is a
// damaged or hostile archive, not a workbook.
constexpr zip_uint64_t kMaxPartSize = 256u << 20;

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

std::string ErrorText(zip_error_t* error) {
    std::string text = zip_error_strerror(error);
    zip_error_fini(error);
    return text;
}

}  // namespace

XlsxPackage::Opened XlsxPackage::FromBytes(std::string image) {
    std::unique_ptr<XlsxPackage> package(new XlsxPackage);
    package->image_ = std::move(image);
    zip_error_t error;
    zip_error_init(&error);
    package->source_ =
        zip_source_buffer_create(package->image_.data(), package->image_.size(), 0, &error);
    if (!package->source_) return {nullptr, ErrorText(&error)};
    package->archive_ = zip_open_from_source(package->source_, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!package->archive_) {
        zip_source_free(package->source_);
        package->source_ = nullptr;
        return {nullptr, ErrorText(&error)};
    }
    zip_int64_t count = zip_get_num_entries(package->archive_, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(package->archive_, static_cast<zip_uint64_t>(i), 0);
        if (!name) continue;
        // A name stored twice cannot be written back; the first one is the part.
        if (!package->byName_.emplace(LowerAscii(name), package->entries_.size()).second) continue;
        package->entries_.push_back(Entry{name, i, std::nullopt, false});
    }
    return {std::move(package), {}};
}

XlsxPackage::~XlsxPackage() {
    if (archive_) zip_discard(archive_);  // also frees source_
}

const XlsxPackage::Entry* XlsxPackage::FindEntry(std::string_view name) const {
    auto found = byName_.find(LowerAscii(name));
    if (found == byName_.end() || entries_[found->second].removed) return nullptr;
    return &entries_[found->second];
}

std::optional<std::string> XlsxPackage::FindPart(std::string_view name) const {
    const Entry* entry = FindEntry(name);
    if (!entry) return std::nullopt;
    return entry->name;
}

XlsxPackage::PartBytes XlsxPackage::Read(std::string_view name) const {
    const Entry* entry = FindEntry(name);
    if (!entry) return {{}, "has no part " + std::string(name)};
    if (entry->replacement) return {*entry->replacement, {}};
    auto index = static_cast<zip_uint64_t>(entry->index);
    zip_stat_t stat;
    if (zip_stat_index(archive_, index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)) {
        return {{}, "cannot read the part " + entry->name};
    }
    if (stat.size > kMaxPartSize) {
        return {{}, "the part " + entry->name + " claims " + std::to_string(stat.size) + " bytes"};
    }
    zip_file_t* file = zip_fopen_index(archive_, index, 0);
    if (!file) return {{}, "cannot open the part " + entry->name + ": " + zip_strerror(archive_)};
    std::string bytes(static_cast<size_t>(stat.size), '\0');
    zip_int64_t got = bytes.empty() ? 0 : zip_fread(file, bytes.data(), bytes.size());
    // Reading one byte past the end lets libzip finish the entry and check its CRC.
    char extra;
    zip_int64_t tail = zip_fread(file, &extra, 1);
    std::string problem;
    if (got != static_cast<zip_int64_t>(bytes.size()) || tail != 0) {
        problem = "the part " + entry->name + " is damaged: " + zip_file_strerror(file);
    }
    zip_fclose(file);
    if (!problem.empty()) return {{}, problem};
    return {std::move(bytes), {}};
}

void XlsxPackage::Replace(std::string_view name, std::string bytes) {
    auto [found, added] = byName_.emplace(LowerAscii(name), entries_.size());
    if (added) {
        entries_.push_back(Entry{std::string(name), -1, std::move(bytes), false});
        return;
    }
    Entry& entry = entries_[found->second];
    entry.replacement = std::move(bytes);
    entry.removed = false;
}

void XlsxPackage::Remove(std::string_view name) {
    auto found = byName_.find(LowerAscii(name));
    if (found != byName_.end()) entries_[found->second].removed = true;
}

XlsxPackage::Image XlsxPackage::Write() const {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!buffer) return {{}, ErrorText(&error)};
    zip_source_keep(buffer);  // the image must outlive the archive written into it
    zip_t* out = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    if (!out) {
        zip_source_free(buffer);
        return {{}, ErrorText(&error)};
    }
    auto fail = [&](std::string what) {
        zip_discard(out);
        zip_source_free(buffer);
        return Image{{}, std::move(what)};
    };
    for (const Entry& entry : entries_) {
        if (entry.removed) continue;
        zip_source_t* data =
            entry.replacement
                ? zip_source_buffer(out, entry.replacement->data(), entry.replacement->size(), 0)
                : zip_source_zip(out, archive_, static_cast<zip_uint64_t>(entry.index),
                                 ZIP_FL_COMPRESSED, 0, -1);
        if (!data) return fail("cannot copy " + entry.name + ": " + zip_strerror(out));
        zip_int64_t index = zip_file_add(out, entry.name.c_str(), data, 0);
        if (index < 0) {
            zip_source_free(data);
            return fail("cannot add " + entry.name + ": " + zip_strerror(out));
        }
        if (entry.replacement) {
            zip_set_file_compression(out, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 6);
        }
    }
    if (zip_close(out) != 0)
        return fail(std::string("cannot write the archive: ") + zip_strerror(out));

    Image image;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(buffer, &stat) != 0 || zip_source_open(buffer) != 0) {
        zip_source_free(buffer);
        return {{}, "cannot read back the written archive"};
    }
    image.bytes.resize(static_cast<size_t>(stat.size));
    zip_int64_t got = zip_source_read(buffer, image.bytes.data(), image.bytes.size());
    zip_source_close(buffer);
    zip_source_free(buffer);
    if (got != static_cast<zip_int64_t>(image.bytes.size())) {
        return {{}, "cannot read back the written archive"};
    }
    return image;
}

}  // namespace kovu3

#pragma once
// The zip container of a workbook. The package is read from a file image in memory; parts
// may be replaced, added or removed; writing makes a new zip image in which every entry
// the program did not touch is copied through exactly as it was stored.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct zip;
struct zip_source;

namespace kovu3 {

class XlsxPackage final {
public:
    struct Opened {
        std::unique_ptr<XlsxPackage> package;
        std::string error;  // what is wrong with the zip archive when `package` is empty
    };
    static Opened FromBytes(std::string image);

    ~XlsxPackage();
    XlsxPackage(const XlsxPackage&) = delete;
    XlsxPackage& operator=(const XlsxPackage&) = delete;

    // The stored name of a part, found ignoring ASCII letter case as part names are
    // compared; nullopt when there is no such part (or it was removed).
    std::optional<std::string> FindPart(std::string_view name) const;

    struct PartBytes {
        std::string bytes;
        std::string error;  // missing, damaged or too large: the part is then unusable
    };
    PartBytes Read(std::string_view name) const;

    // Replaces the part's bytes, adding the part when there is none of that name.
    void Replace(std::string_view name, std::string bytes);
    void Remove(std::string_view name);

    struct Image {
        std::string bytes;
        std::string error;
    };
    // The package as a zip file image.
    Image Write() const;

private:
    struct Entry {
        std::string name;                        // as stored in the archive
        long long index = -1;                    // in the source archive; -1 for an added part
        std::optional<std::string> replacement;  // new bytes of a replaced or added part
        bool removed = false;
    };

    XlsxPackage() = default;
    const Entry* FindEntry(std::string_view name) const;

    std::string image_;  // the source archive's bytes; libzip reads them in place
    zip_source* source_ = nullptr;
    zip* archive_ = nullptr;
    std::vector<Entry> entries_;                      // in the order of the archive
    std::unordered_map<std::string, size_t> byName_;  // lower-case name -> entry
};

}  // namespace kovu3

#pragma once
// Profile (INI) files: "[Section]" lines and "key=value" lines, as Kovu3.ini and the
// additional-information files beside the raw files are written. Section and key names
// match ignoring letter case, the first match wins, values are trimmed. Writing replaces
// a value in place or adds the key at the end of its section, and keeps every other line
// byte for byte.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovu3 {

class ProfileFile final {
public:
    // A missing or unreadable file loads as an empty profile.
    static ProfileFile Load(const std::filesystem::path& path);
    static ProfileFile FromBytes(std::string bytes);

    // The value (UTF-8) of the first matching key in the first matching section, or nullopt.
    // Values are cut to `maxBytes` characters of the file's code page, as a fixed read
    // buffer cuts them; a value enclosed in matching quotes loses the quotes.
    std::optional<std::string> Get(std::string_view section, std::string_view key,
                                   size_t maxBytes = 254) const;

    // The key names of a section in file order (duplicates included).
    std::vector<std::string> Keys(std::string_view section) const;

    void Set(std::string_view section, std::string_view key, std::string_view value);

    // The file image (CP1254, or UTF-8 when the file began with a UTF-8 byte-order mark).
    std::string Bytes() const;

    // Writes the file through a temporary name; returns an error message, empty on success.
    std::string Save(const std::filesystem::path& path) const;

private:
    struct Line {
        std::string text;  // bytes as read, without the line end
        std::string end;   // "\r\n", "\n", "\r" or "" for a last line without one
    };
    struct KeyLine {
        size_t index;
        std::string_view key;
        std::string_view value;
    };

    std::optional<size_t> FindSection(std::string_view encodedSection) const;
    std::optional<KeyLine> FindKey(size_t sectionLine, std::string_view encodedKey) const;
    std::string Encode(std::string_view utf8) const;
    std::string Decode(std::string_view bytes) const;

    std::vector<Line> lines_;
    bool utf8_ = false;
};

}  // namespace kovu3

#include "shell/profile_file.h"

#include "shell/file_io.h"
#include "shell/text_codec.h"

namespace kovu3 {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The name of a "[name]" line, or nullopt when the line is no section header.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = TrimBlanks(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return TrimBlanks(line.substr(1, close - 1));
}

// A file edited on a UTF-8 desktop: non-ASCII bytes that all form valid UTF-8 sequences.
// CP1254 text almost never does (its Turkish letters stand alone above 0x7F).
bool LooksLikeUtf8(std::string_view bytes) {
    bool sawMultibyte = false;
    for (size_t i = 0; i < bytes.size(); ++i) {
        auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) continue;
        size_t length = lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        if (lead >= 0xF5 || length == 0 || i + length > bytes.size()) return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
        i += length - 1;
        sawMultibyte = true;
    }
    return sawMultibyte;
}

}  // namespace

ProfileFile ProfileFile::Load(const std::filesystem::path& path) {
    auto bytes = ReadWholeFile(path);
    return FromBytes(bytes ? std::move(*bytes) : std::string());
}

ProfileFile ProfileFile::FromBytes(std::string bytes) {
    ProfileFile profile;
    std::string_view rest = bytes;
    profile.utf8_ = rest.starts_with(kUtf8Bom) || LooksLikeUtf8(rest);
    while (!rest.empty()) {
        size_t end = rest.find_first_of("\r\n");
        Line line;
        line.text = std::string(rest.substr(0, end));
        if (end == std::string_view::npos) {
            rest = {};
        } else {
            size_t endLength = (rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n') ? 2 : 1;
            line.end = std::string(rest.substr(end, endLength));
            rest.remove_prefix(end + endLength);
        }
        profile.lines_.push_back(std::move(line));
    }
    return profile;
}

std::string ProfileFile::Encode(std::string_view utf8) const {
    return utf8_ ? std::string(utf8) : Utf8ToCp1254(utf8);
}

std::string ProfileFile::Decode(std::string_view bytes) const {
    return utf8_ ? std::string(bytes) : Cp1254ToUtf8(bytes);
}

std::optional<size_t> ProfileFile::FindSection(std::string_view encodedSection) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        std::string_view text = lines_[i].text;
        if (i == 0 && text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
        auto name = SectionName(text);
        if (name && EqualsIgnoringCase(*name, encodedSection)) return i;
    }
    return std::nullopt;
}

std::optional<ProfileFile::KeyLine> ProfileFile::FindKey(size_t sectionLine,
                                                         std::string_view encodedKey) const {
    for (size_t i = sectionLine + 1; i < lines_.size(); ++i) {
        std::string_view text = lines_[i].text;
        if (SectionName(text)) break;
        size_t equals = text.find('=');
        if (equals == std::string_view::npos) continue;
        std::string_view key = TrimBlanks(text.substr(0, equals));
        if (EqualsIgnoringCase(key, encodedKey)) return KeyLine{i, key, text.substr(equals + 1)};
    }
    return std::nullopt;
}

std::optional<std::string> ProfileFile::Get(std::string_view section, std::string_view key,
                                            size_t maxBytes) const {
    auto sectionLine = FindSection(Encode(section));
    if (!sectionLine) return std::nullopt;
    auto found = FindKey(*sectionLine, Encode(key));
    if (!found) return std::nullopt;
    std::string_view value = TrimBlanks(found->value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    if (value.size() > maxBytes) value = value.substr(0, maxBytes);
    return Decode(value);
}

std::vector<std::string> ProfileFile::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    auto sectionLine = FindSection(Encode(section));
    if (!sectionLine) return keys;
    for (size_t i = *sectionLine + 1; i < lines_.size(); ++i) {
        std::string_view text = lines_[i].text;
        if (SectionName(text)) break;
        size_t equals = text.find('=');
        if (equals != std::string_view::npos) keys.push_back(Decode(TrimBlanks(text.substr(0, equals))));
    }
    return keys;
}

void ProfileFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    std::string encodedKey = Encode(key);
    std::string encodedValue = Encode(value);
    auto sectionLine = FindSection(Encode(section));
    if (!sectionLine) {
        if (!lines_.empty() && lines_.back().end.empty()) lines_.back().end = "\r\n";
        lines_.push_back({"[" + Encode(section) + "]", "\r\n"});
        lines_.push_back({encodedKey + "=" + encodedValue, "\r\n"});
        return;
    }
    if (auto found = FindKey(*sectionLine, encodedKey)) {
        std::string& text = lines_[found->index].text;
        text = text.substr(0, text.find('=') + 1) + encodedValue;
        return;
    }
    // After the last non-blank line of the section, so blank lines keep separating sections.
    size_t insertAt = *sectionLine + 1;
    for (size_t i = *sectionLine + 1; i < lines_.size() && !SectionName(lines_[i].text); ++i) {
        if (!TrimBlanks(lines_[i].text).empty()) insertAt = i + 1;
    }
    if (lines_[insertAt - 1].end.empty()) lines_[insertAt - 1].end = "\r\n";
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                  Line{encodedKey + "=" + encodedValue, "\r\n"});
}

std::string ProfileFile::Bytes() const {
    std::string bytes;
    for (const Line& line : lines_) bytes += line.text + line.end;
    return bytes;
}

std::string ProfileFile::Save(const std::filesystem::path& path) const {
    return WriteFileReplacing(path, Bytes());
}

}  // namespace kovu3

#include "installer/setup_text.h"

#include <algorithm>
#include <cctype>

#include "shell/file_io.h"
#include "shell/text_codec.h"

namespace kovu3 {
namespace {

// Length of the UTF-8 sequence starting with `lead`, 0 when it cannot start one.
size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool IsValidUtf8(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size();) {
        size_t length = SequenceLength(static_cast<unsigned char>(bytes[i]));
        if (length == 0 || i + length > bytes.size()) return false;
        for (size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

// The first `count` characters of a UTF-8 line.
std::string_view FirstCharacters(std::string_view line, size_t count) {
    size_t end = 0;
    for (size_t taken = 0; end < line.size() && taken < count; ++taken) {
        end += std::max<size_t>(1, SequenceLength(static_cast<unsigned char>(line[end])));
    }
    return line.substr(0, std::min(end, line.size()));
}

}  // namespace

SetupText ParseSetupText(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    const bool utf8 = IsValidUtf8(bytes);
    std::string fields[3];
    auto lines = SplitLines(bytes);
    for (size_t i = 0; i < 3 && i < lines.size(); ++i) {
        std::string_view line = utf8 ? FirstCharacters(lines[i], kSetupLineLength)
                                     : lines[i].substr(0, kSetupLineLength);
        line = TrimBlanks(line);
        fields[i] = utf8 ? std::string(line) : Cp1254ToUtf8(line);
    }
    return {fields[0], fields[1], fields[2]};
}

SetupTextResult ReadSetupText(const fs::path& medium) {
    SetupTextResult result;
    result.file = FindIgnoringCase(medium, "setup.txt").value_or(medium / "setup.txt");
    auto bytes = ReadWholeFile(result.file);
    if (!bytes) {
        result.error = "Cannot read " + result.file.string();
        return result;
    }
    result.text = ParseSetupText(*bytes);
    const std::pair<const std::string*, const char*> lines[] = {
        {&result.text.progad, "1 (the program's file name)"},
        {&result.text.progac, "2 (the shortcut's name)"},
        {&result.text.klasad, "3 (the installation folder)"},
    };
    for (const auto& [field, what] : lines) {
        if (field->empty()) {
            result.error = result.file.string() + ": line " + what + " is empty";
            break;
        }
    }
    return result;
}

fs::path InstallFolderOf(std::string_view klasad, const SystemLayout& layout) {
    std::string text(klasad);
    for (char& c : text) {
        if (c == '\\') c = '/';
    }
    const bool drive =
        text.size() >= 2 && std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':';
    if (drive) text.erase(0, 2);
    fs::path folder;
    if (!drive && !text.empty() && text.front() == '/') {
        folder = text;
    } else {
        while (!text.empty() && text.front() == '/') text.erase(0, 1);
        folder = layout.root / text;
    }
    folder = folder.lexically_normal();
    if (!folder.has_filename() && folder.has_parent_path() && folder != folder.root_path()) {
        folder = folder.parent_path();
    }
    return folder;
}

}  // namespace kovu3

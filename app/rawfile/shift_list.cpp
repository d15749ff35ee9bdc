#include "rawfile/shift_list.h"

#include <algorithm>

#include "shell/file_io.h"
#include "shell/options.h"
#include "shell/text_codec.h"

namespace kovu3 {
namespace {

constexpr long kLimit = 1'000'000'000'000L;

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

std::vector<std::string> ShiftListFields(std::string_view bytes) {
    std::string text = Cp1254ToUtf8(bytes);
    std::vector<std::string> fields;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        if (i < text.size() && IsLineEnd(text[i])) {  // a line end after a field or a blank line
            ++i;
            continue;
        }
        if (i >= text.size()) break;
        std::string field;
        if (text[i] == '"') {
            size_t close = text.find('"', i + 1);
            if (close == std::string::npos) close = text.size();
            field = text.substr(i + 1, close - i - 1);
            i = close + 1;
            // Whatever follows the closing quote up to the separator is not part of the field.
            while (i < text.size() && text[i] != ',' && !IsLineEnd(text[i])) ++i;
        } else {
            size_t end = i;
            while (end < text.size() && text[end] != ',' && !IsLineEnd(text[end])) ++end;
            field = std::string(TrimBlanks(std::string_view(text).substr(i, end - i)));
            i = end;
        }
        fields.push_back(std::move(field));
        if (i < text.size() && text[i] == ',') ++i;
    }
    return fields;
}

ShiftListEntry ShiftForFile(std::string_view bytes, std::string_view fileName) {
    std::vector<std::string> fields = ShiftListFields(bytes);
    ShiftListEntry shift;
    for (size_t i = 0; i + 1 < fields.size(); i += 2) {
        if (fields[i] != fileName) continue;
        // Kept far below overflow; any shift beyond a few days is refused by the decoder.
        shift.intervals =
            std::clamp(shift.intervals + LeadingNumber(fields[i + 1]), -kLimit, kLimit);
        ++shift.pairs;
    }
    return shift;
}

ShiftListEntry ReadSpecialFileShift(const std::filesystem::path& dataFolder,
                                      std::string_view fileName) {
    auto path = FindIgnoringCase(dataFolder, kSpecialFilesName);
    if (!path) return {};
    auto bytes = ReadWholeFile(*path);
    if (!bytes) return {};
    return ShiftForFile(*bytes, fileName);
}

}  // namespace kovu3

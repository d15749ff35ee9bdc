#include "shell/version_file.h"

#include "shell/file_io.h"
#include "shell/text_codec.h"

namespace kovu3 {

std::string ReadVersionText(const std::filesystem::path& programFolder) {
    auto file = FindIgnoringCase(programFolder, "versionno.txt");
    auto bytes = file ? ReadWholeFile(*file) : std::nullopt;
    if (!bytes) return "0.0.0";
    std::vector<std::string_view> lines = SplitLines(*bytes);
    std::string_view first = lines.empty() ? std::string_view() : TrimBlanks(lines.front());
    return first.empty() ? "0.0.0" : Cp1254ToUtf8(first);
}

}  // namespace kovu3

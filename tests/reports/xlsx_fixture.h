#pragma once
// Zip files for the workbook tests: small hand-made workbooks, and a look at the XML inside
// a saved workbook without going through the workbook layer.

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kovu3::test {

using ZipEntries = std::vector<std::pair<std::string, std::string>>;

// Writes the entries, in order, as a zip file; `compress` false stores them as they are.
void WriteZip(const std::filesystem::path& path, const ZipEntries& entries, bool compress = true);

// Every entry of a zip file by name; empty when the file is not a readable zip file.
std::map<std::string, std::string> ReadZip(const std::filesystem::path& path);

// A default template of the build's program folder.
std::filesystem::path DefaultTemplate(std::string_view name);

// The value of the first attribute `name` of the element that starts with `elementStart`
// (e.g. "<c r=\"C1\""); empty when there is none.
std::string AttributeIn(std::string_view xml, std::string_view elementStart,
                        std::string_view name);

}  // namespace kovu3::test

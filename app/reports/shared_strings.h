#pragma once
// The shared-string table of a workbook, read only. Templates made by other programs keep
// their texts there; this program writes its own texts into the cells (inline strings) and
// never adds to the table.

#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

namespace kovu3 {

class SharedStrings final {
public:
    SharedStrings() = default;
    explicit SharedStrings(const pugi::xml_document& table);

    // The text of entry `index` (0-based); nullptr when there is no such entry.
    const std::string* At(size_t index) const;

private:
    std::vector<std::string> texts_;
};

// The text of a string item (<si> or <is>): its <t>, or the <t> of each run joined;
// phonetic guides are not part of the text.
std::string StringItemText(pugi::xml_node item);

}  // namespace kovu3

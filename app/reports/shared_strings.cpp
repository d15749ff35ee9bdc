#include "reports/shared_strings.h"

#include "reports/sheet_text.h"

namespace kovu3 {

SharedStrings::SharedStrings(const pugi::xml_document& table) {
    for (pugi::xml_node item : table.document_element().children("si")) {
        texts_.push_back(StringItemText(item));
    }
}

const std::string* SharedStrings::At(size_t index) const {
    return index < texts_.size() ? &texts_[index] : nullptr;
}

std::string StringItemText(pugi::xml_node item) {
    std::string stored;
    for (pugi::xml_node child : item.children()) {
        std::string_view name = child.name();
        if (name == "t") {
            stored += child.child_value();
        } else if (name == "r") {
            stored += child.child("t").child_value();
        }
    }
    return DecodeSheetText(stored);
}

}  // namespace kovu3

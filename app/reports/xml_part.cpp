#include "reports/xml_part.h"

#include <algorithm>

namespace kovu3 {
namespace {

class StringWriter final : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override {
        bytes.append(static_cast<const char*>(data), size);
    }
    std::string bytes;
};

}  // namespace

std::string ParseXmlPart(pugi::xml_document& document, std::string_view bytes) {
    constexpr unsigned kOptions = pugi::parse_default | pugi::parse_ws_pcdata |
                                  pugi::parse_declaration | pugi::parse_doctype |
                                  pugi::parse_comments | pugi::parse_pi;
    pugi::xml_parse_result result =
        document.load_buffer(bytes.data(), bytes.size(), kOptions, pugi::encoding_auto);
    if (result) {
        if (!document.document_element()) return "holds no XML element";
        return {};
    }
    return std::string(result.description()) + " at byte " + std::to_string(result.offset);
}

std::string SerializeXmlPart(const pugi::xml_document& document) {
    StringWriter writer;
    document.save(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return std::move(writer.bytes);
}

pugi::xml_node ChildInSchemaOrder(pugi::xml_node parent, const char* name,
                                  std::span<const std::string_view> order) {
    if (pugi::xml_node existing = parent.child(name)) return existing;
    auto rank = [&](std::string_view element) {
        auto found = std::find(order.begin(), order.end(), element);
        return found == order.end() ? -1 : static_cast<int>(found - order.begin());
    };
    int ownRank = rank(name);
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) continue;
        if (rank(child.name()) > ownRank) return parent.insert_child_before(name, child);
    }
    return parent.append_child(name);
}

pugi::xml_attribute AttributeOf(pugi::xml_node node, const char* name) {
    if (pugi::xml_attribute existing = node.attribute(name)) return existing;
    return node.append_attribute(name);
}

}  // namespace kovu3

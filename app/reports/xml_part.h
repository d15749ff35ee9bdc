#pragma once
// The XML parts of a workbook package, read and written with pugixml. Parts are parsed so
// that whitespace-only texts survive (a cell text of one blank is a blank) and saved raw,
// so nothing the program does not change is re-indented or re-ordered.

#include <span>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace kovu3 {

// Parses `bytes` into `document`. Returns an empty text, or what is wrong and at which byte.
std::string ParseXmlPart(pugi::xml_document& document, std::string_view bytes);

// The document as bytes of a part (UTF-8, no indentation added).
std::string SerializeXmlPart(const pugi::xml_document& document);

// The first child element named `name`, or a new one inserted where the schema wants it:
// before the first existing child whose name comes after `name` in `order` (the element
// names of the parent's sequence, in order). Unknown children are left where they are.
pugi::xml_node ChildInSchemaOrder(pugi::xml_node parent, const char* name,
                                  std::span<const std::string_view> order);

// The attribute `name` of `node`, added when missing.
pugi::xml_attribute AttributeOf(pugi::xml_node node, const char* name);

}  // namespace kovu3

#pragma once
// Relationships of a workbook package: which part is the workbook, which parts are its
// sheets. Parts are found through these, never by their usual file names, because any
// program that saves a workbook may name its parts differently.

#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

namespace kovu3 {

struct Relationship {
    std::string id;
    std::string type;    // a URI ending in "/worksheet", "/sharedStrings", ...
    std::string target;  // as written
    bool external = false;
};

// "xl/workbook.xml" -> "xl/_rels/workbook.xml.rels"; the package's own "" -> "_rels/.rels".
std::string RelationshipsPartName(std::string_view partName);

// The part name (no leading "/") that `target` names, relative to the folder of `sourcePart`.
std::string ResolveRelationshipTarget(std::string_view sourcePart, std::string_view target);

std::vector<Relationship> ReadRelationships(const pugi::xml_document& relationships);

// True when the relationship's type ends in "/" + `kind` ("worksheet", "officeDocument").
bool HasRelationshipKind(const Relationship& relationship, std::string_view kind);

}  // namespace kovu3

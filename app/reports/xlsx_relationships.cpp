#include "reports/xlsx_relationships.h"

namespace kovu3 {

std::string RelationshipsPartName(std::string_view partName) {
    size_t slash = partName.rfind('/');
    std::string_view folder = slash == std::string_view::npos ? "" : partName.substr(0, slash + 1);
    std::string_view file = slash == std::string_view::npos ? partName : partName.substr(slash + 1);
    return std::string(folder) + "_rels/" + std::string(file) + ".rels";
}

std::string ResolveRelationshipTarget(std::string_view sourcePart, std::string_view target) {
    std::string joined;
    if (!target.empty() && target.front() == '/') {
        joined = target.substr(1);
    } else {
        size_t slash = sourcePart.rfind('/');
        if (slash != std::string_view::npos) joined = sourcePart.substr(0, slash + 1);
        joined += target;
    }
    // Fold "." and ".." segments; ".." never climbs above the package root.
    std::vector<std::string> segments;
    size_t start = 0;
    while (start <= joined.size()) {
        size_t end = joined.find('/', start);
        if (end == std::string::npos) end = joined.size();
        std::string segment = joined.substr(start, end - start);
        if (segment == "..") {
            if (!segments.empty()) segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(std::move(segment));
        }
        start = end + 1;
    }
    std::string name;
    for (const std::string& segment : segments) {
        if (!name.empty()) name += '/';
        name += segment;
    }
    return name;
}

std::vector<Relationship> ReadRelationships(const pugi::xml_document& relationships) {
    std::vector<Relationship> list;
    for (pugi::xml_node node : relationships.document_element().children("Relationship")) {
        list.push_back(
            Relationship{node.attribute("Id").value(), node.attribute("Type").value(),
                         node.attribute("Target").value(),
                         std::string_view(node.attribute("TargetMode").value()) == "External"});
    }
    return list;
}

bool HasRelationshipKind(const Relationship& relationship, std::string_view kind) {
    std::string_view type = relationship.type;
    return type.size() > kind.size() && type.ends_with(kind) &&
           type[type.size() - kind.size() - 1] == '/';
}

}  // namespace kovu3

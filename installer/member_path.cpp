#include "installer/member_path.h"

#include <vector>

#include "shell/text_codec.h"

namespace kovu3::dsk {
namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// "C:" and the like: a component that a Windows path would take as a drive.
bool HasDriveLetter(std::string_view component) {
    return component.size() >= 2 && component[1] == ':' &&
           ((component[0] >= 'A' && component[0] <= 'Z') ||
            (component[0] >= 'a' && component[0] <= 'z'));
}

// Splits at separators, dropping empty and "." components. Returns the problem, if any.
std::string SplitComponents(std::string_view text, std::vector<std::string>& components) {
    if (text.find('\0') != std::string_view::npos) return "holds a NUL byte";
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = start;
        while (end < text.size() && !IsSeparator(text[end])) ++end;
        std::string_view part = text.substr(start, end - start);
        if (part == "..") return "climbs out of the target folder with \"..\"";
        if (HasDriveLetter(part)) return "names a drive";
        if (!part.empty() && part != ".") components.push_back(Cp1254ToUtf8(part));
        start = end + 1;
    }
    return {};
}

}  // namespace

std::string NormalizeTargetFolder(std::string_view target) {
    std::string text;
    text.reserve(target.size());
    for (char c : target) {
        char s = IsSeparator(c) ? '/' : c;
        if (s == '/' && !text.empty() && text.back() == '/') continue;
        text += s;
    }
    if (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

MemberPlace PlaceOfMember(std::string_view folder, std::string_view name, bool withFolder) {
    MemberPlace place;
    std::vector<std::string> folderParts;
    std::vector<std::string> nameParts;
    if (!folder.empty() && folder.front() == '/') {
        place.problem = "relative folder \"" + Cp1254ToUtf8(folder) + "\" is an absolute path";
        return place;
    }
    if (std::string why = SplitComponents(folder, folderParts); !why.empty()) {
        place.problem = "relative folder \"" + Cp1254ToUtf8(folder) + "\" " + why;
        return place;
    }
    size_t lastSeparator = name.find_last_of("\\/");
    std::string_view tail =
        lastSeparator == std::string_view::npos ? name : name.substr(lastSeparator + 1);
    if (tail.empty() || tail == ".") {
        place.problem = "file name \"" + Cp1254ToUtf8(name) + "\" names no file";
        return place;
    }
    if (IsSeparator(name.front())) {
        place.problem = "file name \"" + Cp1254ToUtf8(name) + "\" is an absolute path";
        return place;
    }
    if (std::string why = SplitComponents(name, nameParts); !why.empty() || nameParts.empty()) {
        place.problem =
            "file name \"" + Cp1254ToUtf8(name) + "\" " + (why.empty() ? "names no file" : why);
        return place;
    }
    if (withFolder) {
        for (const std::string& part : folderParts) place.relative /= part;
    }
    for (const std::string& part : nameParts) place.relative /= part;
    return place;
}

}  // namespace kovu3::dsk

#pragma once
// Where an archive member lands below the target folder. Names in an archive come from
// another machine and may be hostile: a member must never be written outside the folder
// the archive is extracted into.

#include <filesystem>
#include <string>
#include <string_view>

namespace kovu3::dsk {

namespace fs = std::filesystem;

// The target folder text with every doubled separator made single and one trailing
// separator dropped. Backslashes count as separators, so "C:\x\\y\" style texts work too.
std::string NormalizeTargetFolder(std::string_view target);

struct MemberPlace {
    fs::path relative;    // below the target folder; empty when refused
    std::string problem;  // why the member is refused; empty when it may be extracted
};

// The relative folder (used when `withFolder`) and the file name of a member, both as stored
// (CP1254, backslashes or slashes as separators). Refused: a NUL byte, a component "..", a
// drive letter, a file name that is empty or starts with a separator, a folder that starts
// with "/". A folder that starts with a backslash is relative: it is the form the archive
// uses to append folders to the target text. The folder is checked even when not used,
// since such a member can only come from a damaged or hostile archive.
MemberPlace PlaceOfMember(std::string_view folder, std::string_view name, bool withFolder);

}  // namespace kovu3::dsk

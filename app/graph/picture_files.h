#pragma once
// The images of the views one graph window drew: "picture" + slot number in the current
// folder, PNG without an extension. Only these names are ever touched, so other files of
// the folder whose names start with "picture" are safe.

#include <filesystem>
#include <string>
#include <vector>

namespace kovu3 {

std::filesystem::path PictureFile(const std::filesystem::path& folder, int slot);

// After the oldest view was dropped: picture2 .. picture<slots> become picture1 ...
void MovePicturesDown(const std::filesystem::path& folder, int slots);

// Deletes picture1 .. picture<slots>; returns what could not be deleted.
std::vector<std::string> DeletePictures(const std::filesystem::path& folder, int slots);

}  // namespace kovu3

#include "graph/picture_files.h"

namespace kovu3 {

namespace fs = std::filesystem;

fs::path PictureFile(const fs::path& folder, int slot) {
    return folder / ("picture" + std::to_string(slot));
}

void MovePicturesDown(const fs::path& folder, int slots) {
    std::error_code ec;
    for (int slot = 2; slot <= slots; ++slot) {
        // A slot whose image is missing must not keep the image of an older view.
        fs::remove(PictureFile(folder, slot - 1), ec);
        if (fs::exists(PictureFile(folder, slot), ec))
            fs::rename(PictureFile(folder, slot), PictureFile(folder, slot - 1), ec);
    }
}

std::vector<std::string> DeletePictures(const fs::path& folder, int slots) {
    std::vector<std::string> problems;
    for (int slot = 1; slot <= slots; ++slot) {
        std::error_code ec;
        fs::remove(PictureFile(folder, slot), ec);
        if (ec)
            problems.push_back("Cannot delete " + PictureFile(folder, slot).string() + ": " +
                               ec.message());
    }
    return problems;
}

}  // namespace kovu3

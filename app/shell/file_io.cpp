#include "shell/file_io.h"

#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include <unistd.h>

namespace kovu3 {

std::optional<std::string> ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) bytes.append(buffer, static_cast<size_t>(in.gcount()));
    if (in.bad()) return std::nullopt;
    return bytes;
}

std::string WriteFileReplacing(const fs::path& path, std::string_view bytes) {
    // Unique per process and call, so parallel runs never share a temporary file.
    static std::atomic<unsigned> counter{0};
    fs::path temporary = path;
    temporary += ".tmp" + std::to_string(getpid()) + "-" + std::to_string(counter++);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return "Cannot write " + temporary.string() + ": " + std::strerror(errno);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::string reason = std::strerror(errno);
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return "Cannot write " + temporary.string() + ": " + reason;
        }
    }
    std::error_code ec;
    fs::rename(temporary, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return "Cannot replace " + path.string() + ": " + ec.message();
    }
    return {};
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x < 128) x = static_cast<unsigned char>(std::tolower(x));
        if (y < 128) y = static_cast<unsigned char>(std::tolower(y));
        if (x != y) return false;
    }
    return true;
}

std::optional<fs::path> FindIgnoringCase(const fs::path& folder, std::string_view name) {
    std::error_code ec;
    fs::path exact = folder / fs::path(std::string(name));
    if (fs::exists(exact, ec)) return exact;
    fs::directory_iterator it(folder, ec);
    if (ec) return std::nullopt;
    for (const auto& entry : it) {
        if (EqualsIgnoringCase(entry.path().filename().string(), name)) return entry.path();
    }
    return std::nullopt;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

}  // namespace kovu3

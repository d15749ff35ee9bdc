#include "shell/text_codec.h"

#include <iconv.h>

#include <cerrno>

namespace kovu3 {
namespace {

bool IsUndefinedCp1254Byte(unsigned char b) {
    return b == 0x81 || b == 0x8D || b == 0x8E || b == 0x8F || b == 0x90 || b == 0x9D ||
           b == 0x9E;
}

// One iconv conversion for the lifetime of a call; iconv_t is not shareable between threads.
class Converter final {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; returns the number of input bytes consumed.
    size_t Convert(std::string_view in, std::string& out) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) return 0;
        char* inPtr = const_cast<char*>(in.data());
        size_t inLeft = in.size();
        char buffer[4096];
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            size_t result = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<size_t>(outPtr - buffer));
            if (result == static_cast<size_t>(-1) && errno != E2BIG) break;
        }
        return in.size() - inLeft;
    }

private:
    iconv_t cd_;
};

void AppendUtf8(std::string& out, unsigned codePoint) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
}

}  // namespace

std::string Cp1254ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    Converter converter("UTF-8", "CP1254");
    while (!bytes.empty()) {
        size_t used = converter.Convert(bytes, out);
        bytes.remove_prefix(used);
        if (bytes.empty()) break;
        // Stopped on a byte the code page does not define: keep it as U+00xx.
        AppendUtf8(out, static_cast<unsigned char>(bytes.front()));
        bytes.remove_prefix(1);
    }
    return out;
}

std::string Utf8ToCp1254(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    Converter converter("CP1254", "UTF-8");
    while (!text.empty()) {
        size_t used = converter.Convert(text, out);
        text.remove_prefix(used);
        if (text.empty()) break;
        auto lead = static_cast<unsigned char>(text[0]);
        if (lead == 0xC2 && text.size() >= 2 &&
            IsUndefinedCp1254Byte(static_cast<unsigned char>(0x80 | (text[1] & 0x3F))) &&
            (static_cast<unsigned char>(text[1]) & 0xC0) == 0x80) {
            out += static_cast<char>(0x80 | (text[1] & 0x3F));
            text.remove_prefix(2);
            continue;
        }
        size_t length = 1;
        if (lead >= 0xF0) length = 4;
        else if (lead >= 0xE0) length = 3;
        else if (lead >= 0xC0) length = 2;
        bool wellFormed = length <= text.size();
        for (size_t i = 1; wellFormed && i < length; ++i)
            wellFormed = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
        if (!wellFormed || length == 1) {
            out += text[0];  // not UTF-8 at all: the byte passes through
            text.remove_prefix(1);
        } else {
            out += '?';
            text.remove_prefix(length);
        }
    }
    return out;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::string ToCp1254Lines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += Utf8ToCp1254(line);
        out += "\r\n";
    }
    return out;
}

}  // namespace kovu3

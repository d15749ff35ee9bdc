#include "support/test_folder.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace kovu3::test {

TestFolder::TestFolder() {
    std::string pattern = (fs::temp_directory_path() / "kovu3 test ğüşİ-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a test folder");
    path_ = pattern;
}

TestFolder::~TestFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

fs::path TestFolder::Write(std::string_view relative, std::string_view bytes) const {
    fs::path file = *this / relative;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

std::string TestFolder::Read(std::string_view relative) const {
    std::ifstream in(*this / relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

ScopedEnvironment::ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) previous_ = old;
    setenv(name, value.c_str(), 1);
}

ScopedEnvironment::~ScopedEnvironment() {
    if (previous_) setenv(name_.c_str(), previous_->c_str(), 1);
    else unsetenv(name_.c_str());
}

fs::path BinaryFolder() {
    if (const char* folder = std::getenv("KOVU3_BIN_DIR")) return folder;
    return fs::current_path();
}

std::string ShellQuote(std::string_view word) {
    std::string quoted = "'";
    for (char c : word) {
        if (c == '\'') quoted += "'\\''";
        else quoted += c;
    }
    return quoted + "'";
}

ProgramRun RunProgram(const std::string& commandLine) {
    ProgramRun run;
    FILE* pipe = popen((commandLine + " 2>&1").c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.output.append(buffer.data(), n);
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace kovu3::test

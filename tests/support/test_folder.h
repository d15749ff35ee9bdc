#pragma once
// A fresh folder per test, removed afterwards. Its name holds a blank and Turkish letters so
// that every test also proves such paths work.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kovu3::test {

namespace fs = std::filesystem;

class TestFolder final {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const fs::path& path() const { return path_; }
    fs::path operator/(std::string_view name) const { return path_ / fs::path(std::string(name)); }

    // Writes a file (creating its folders) and returns its path.
    fs::path Write(std::string_view relative, std::string_view bytes) const;
    std::string Read(std::string_view relative) const;

private:
    fs::path path_;
};

// Sets an environment variable for the lifetime of the object.
class ScopedEnvironment final {
public:
    ScopedEnvironment(const char* name, const std::string& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string name_;
    std::optional<std::string> previous_;
};

// The folder of the built programs (kovu3-cli, loggersim, ...).
fs::path BinaryFolder();

// Quotes a word for the shell, so paths with blanks and quotes pass as one argument.
std::string ShellQuote(std::string_view word);

struct ProgramRun {
    int status = -1;     // exit status
    std::string output;  // standard output and standard error together
};
// Runs a shell command line and collects what it prints.
ProgramRun RunProgram(const std::string& commandLine);

}  // namespace kovu3::test

#pragma once
// Puts the process into a locale whose decimal separator is not "." (Turkish writes 1,5) for
// the life of the object. When the system has not generated that locale, it is generated
// into a test folder and found through LOCPATH. (The C library then keeps a copy of LOCPATH
// for good, which the leak checker must be told about: see the test that uses this.)

#include <clocale>
#include <locale>
#include <memory>
#include <optional>
#include <string>

#include "support/test_folder.h"

namespace kovu3::test {

class CommaLocale final {
public:
    explicit CommaLocale(const std::string& language) {  // "tr_TR"
        previous_ = std::setlocale(LC_ALL, nullptr);
        std::string name = language + ".UTF-8";
        if (!std::setlocale(LC_ALL, name.c_str())) {
            folder_ = std::make_unique<TestFolder>();
            RunProgram("localedef -c -i " + language + " -f UTF-8 " +
                       ShellQuote((folder_->path() / name).string()));
            path_.emplace("LOCPATH", folder_->path().string());
            if (!std::setlocale(LC_ALL, name.c_str())) return;
        }
        active_ = true;
        try {
            previousGlobal_ = std::locale::global(std::locale(name));
        } catch (const std::exception&) {
            // The C locale alone is still a fair test of formatting through the C library.
        }
    }
    ~CommaLocale() {
        if (previousGlobal_) std::locale::global(*previousGlobal_);
        std::setlocale(LC_ALL, previous_.c_str());
    }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    bool active() const { return active_; }

private:
    std::string previous_;
    std::optional<std::locale> previousGlobal_;
    std::unique_ptr<TestFolder> folder_;
    std::optional<ScopedEnvironment> path_;
    bool active_ = false;
};

}  // namespace kovu3::test

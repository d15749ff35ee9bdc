#include "installer/process_launch.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kovu3 {
std::string StartDetached(const fs::path& program, const fs::path& workingFolder) {
    // Everything the children need is prepared before fork: after it, only calls that are
    // safe in a child of a threaded process.
    std::string path = program.string();
    std::string folder = workingFolder.string();
    char* argv[] = {path.data(), nullptr};
    int report[2];  // the grandchild writes errno here when exec fails; exec closes it
    if (pipe2(report, O_CLOEXEC) != 0) return std::strerror(errno);

    pid_t child = fork();
    if (child < 0) {
        int error = errno;
        close(report[0]);
        close(report[1]);
        return std::strerror(error);
    }
    if (child == 0) {
        // A second fork, so the program is nobody's zombie and outlives the installer.
        setsid();
        pid_t grandchild = fork();
        if (grandchild < 0) {
            int error = errno;
            ssize_t ignored = write(report[1], &error, sizeof error);
            (void)ignored;
            _exit(127);
        }
        if (grandchild == 0) {
            int null = open("/dev/null", O_RDWR);
            if (null >= 0) {
                dup2(null, STDIN_FILENO);
                dup2(null, STDOUT_FILENO);
                dup2(null, STDERR_FILENO);
            }
            int error = chdir(folder.c_str()) == 0 ? 0 : errno;
            if (error == 0) {
                execv(path.c_str(), argv);
                error = errno;
            }
            ssize_t ignored = write(report[1], &error, sizeof error);
            (void)ignored;
            _exit(127);
        }
        _exit(0);
    }
    close(report[1]);
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t n;
    while ((n = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    close(report[0]);
    return n == static_cast<ssize_t>(sizeof error) ? std::strerror(error) : std::string();
}

}  // namespace kovu3

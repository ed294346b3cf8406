#include "support/filesizelimit.h"

#include <cerrno>
#include <csignal>
#include <cstdio>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// Exit codes of the child.
constexpr int kTrue = 0;
constexpr int kFalse = 1;
constexpr int kNoLimit = 2;
} // namespace

std::optional<bool> runWithFileSizeLimit(qint64 bytes, const std::function<bool()> &write)
{
    // Buffered output would otherwise be written twice, once by each process.
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0)
        return std::nullopt;
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { rlim_t(bytes), rlim_t(bytes) };
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(kNoLimit);
        ::_exit(write() ? kTrue : kFalse);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return std::nullopt;
    }
    if (!WIFEXITED(status))
        return std::nullopt;
    switch (WEXITSTATUS(status)) {
    case kTrue:
        return true;
    case kFalse:
        return false;
    default:
        return std::nullopt;
    }
}

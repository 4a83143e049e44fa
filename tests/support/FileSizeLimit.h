#pragma once
// Runs a piece of a test under a file-size limit, as a full disk or a user quota would cut a
// write short, without root: in a forked child, with the limit set and SIGXFSZ ignored so
// that an oversized write fails instead of killing the child. The child's checks decide its
// exit status; files it leaves behind are checked by the caller.

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tabulon::test {

// body's result in the child (0 for all checks held); -1 when the child did not end normally.
inline int RunUnderFileSizeLimit(rlim_t bytes, const std::function<int()>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = bytes;
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(90);
        ::alarm(60);   // a child that hangs fails the test rather than the run
        ::_exit(body());
    }
    if (child < 0)
        return -1;
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

}  // namespace tabulon::test

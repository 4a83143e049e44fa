#pragma once
// Runs a piece of a test in a forked child: under a file-size limit, as a full disk or a user
// quota would cut a write short, without root (the limit set and SIGXFSZ ignored so that an
// oversized write fails instead of killing the child); or as another account, so that file
// modes hold where the tests run as the superuser. The child's checks decide its exit
// status; files it leaves behind are checked by the caller.

#include <csignal>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tabulon::test {

// The account a superuser's child becomes (nobody on Debian).
constexpr uid_t OtherAccount = 65534;

// body's result in a forked child (0 for all checks held); -1 when the child did not end normally.
inline int RunInChild(const std::function<int()>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
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

inline int RunUnderFileSizeLimit(rlim_t bytes, const std::function<int()>& body)
{
    return RunInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = bytes;
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 90;
        return body();
    });
}

// In a child: a superuser becomes OtherAccount, so that file modes hold for it; anyone
// else stays who they are. False when the change failed.
inline bool LeaveTheSuperuser()
{
    if (::geteuid() != 0)
        return true;
    return ::setgroups(0, nullptr) == 0 && ::setgid(OtherAccount) == 0 && ::setuid(OtherAccount) == 0;
}

}  // namespace tabulon::test

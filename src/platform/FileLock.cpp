#include "platform/FileLock.h"

#include "platform/AtomicOutputFile.h"

#include <QFile>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace tabulon {

namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

std::atomic<long long> standardPatienceMs{5000};

// The pause between two asks for a lock another program holds.
constexpr milliseconds PollPause{10};

}  // namespace

FileLock::FileLock(QString path, Mode mode, milliseconds patience)
    : path_(std::move(path)), mode_(mode), patience_(patience)
{
}

FileLock::~FileLock()
{
    release();
}

milliseconds FileLock::standardPatience()
{
    return milliseconds(standardPatienceMs.load());
}

void FileLock::setStandardPatience(milliseconds patience)
{
    standardPatienceMs.store(patience.count());
}

void FileLock::release()
{
    // Closing the only descriptor of the open file gives the lock up.
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

bool FileLock::acquire()
{
    release();
    reason_.clear();
    const steady_clock::time_point deadline = steady_clock::now() + patience_;
    for (;;) {
        switch (lockOnce(deadline)) {
        case Attempt::Locked:
        case Attempt::Missing:
            return true;
        case Attempt::Failed:
            return false;
        case Attempt::Replaced:
            // Another program put a new file at the name while this one waited: lock that one.
            break;
        }
    }
}

FileLock::Attempt FileLock::lockOnce(steady_clock::time_point deadline)
{
    const QByteArray name = QFile::encodeName(path_);
    // Read-only is enough for flock; never through a link, never waiting on a pipe.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return Attempt::Missing;
        reason_ = errno == ELOOP ? QStringLiteral("是一个链接,不读取") : SystemErrorText(errno);
        return Attempt::Failed;
    }
    const auto patienceSeconds = [this] { return QString::number(patience_.count() / 1000.0); };
    const auto fail = [&](const QString& reason) {
        ::close(fd);
        reason_ = reason;
        return Attempt::Failed;
    };
    struct stat opened {};
    if (::fstat(fd, &opened) != 0)
        return fail(SystemErrorText(errno));
    if (!S_ISREG(opened.st_mode))
        return fail(QStringLiteral("不是普通文件,不读取"));

    const int operation = (mode_ == Mode::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    while (::flock(fd, operation) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return fail(SystemErrorText(errno));
        const steady_clock::time_point now = steady_clock::now();
        if (now >= deadline)
            return fail(QStringLiteral("另一个程序锁住了此文件,等了 %1 秒仍未放开").arg(patienceSeconds()));
        std::this_thread::sleep_for(std::min<steady_clock::duration>(PollPause, deadline - now));
    }

    // The lock belongs to the file that was opened; the name must still stand for it.
    struct stat named {};
    if (::lstat(name.constData(), &named) != 0 || named.st_dev != opened.st_dev || named.st_ino != opened.st_ino) {
        if (steady_clock::now() >= deadline)
            return fail(QStringLiteral("另一个程序一直在替换此文件,等了 %1 秒仍未锁住").arg(patienceSeconds()));
        ::close(fd);
        return Attempt::Replaced;
    }
    fd_ = fd;
    return Attempt::Locked;
}

std::optional<QByteArray> FileLock::readAll()
{
    QByteArray bytes;
    if (fd_ < 0)
        return bytes;
    struct stat st {};
    if (::fstat(fd_, &st) == 0 && st.st_size > 0)
        bytes.reserve(static_cast<qsizetype>(st.st_size));
    char chunk[64 * 1024];
    off_t offset = 0;
    for (;;) {
        const ssize_t n = ::pread(fd_, chunk, sizeof chunk, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            reason_ = SystemErrorText(errno);
            return std::nullopt;
        }
        if (n == 0)
            return bytes;
        bytes.append(chunk, n);
        offset += n;
    }
}

}  // namespace tabulon

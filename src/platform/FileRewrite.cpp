#include "platform/FileRewrite.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tabulon {

namespace {

// Puts the old content back after a failed rewrite; the old length never exceeds what the
// file held, so this write does not meet the limit the new one met.
void putBack(int fd, const QByteArray& oldBytes)
{
    (void)WriteAllAt(fd, oldBytes, 0);
    (void)::ftruncate(fd, static_cast<off_t>(oldBytes.size()));
    (void)::fsync(fd);
}

// Writes and cuts the open file; 0 or the error number of the call that failed.
int rewrite(int fd, const QByteArray& oldBytes, const QByteArray& bytes)
{
    if (const int error = WriteAllAt(fd, bytes, 0); error != 0)
        return error;
    if (bytes.size() < oldBytes.size() && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0)
        return errno;
    if (::fsync(fd) != 0)
        return errno;
    return 0;
}

}  // namespace

QString RewriteFileInPlace(const QString& path, const QByteArray& oldBytes, const QByteArray& bytes)
{
    // Never through a link, and never waiting on a pipe standing at the name.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return WriteFailureText(path, SystemErrorText(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        const QString problem = OutputNameProblem(path);
        return problem.isEmpty() ? WriteFailureText(path, SystemErrorText(EINVAL)) : problem;
    }
    int error = rewrite(fd, oldBytes, bytes);
    if (error != 0)
        putBack(fd, oldBytes);
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error == 0 ? QString() : WriteFailureText(path, SystemErrorText(error));
}

QString RewriteFileKeepingItsSetup(const QString& path, const QByteArray& oldBytes, const QByteArray& bytes,
                                   AtomicOutputFile::Durability durability)
{
    if (const QString problem = OutputNameProblem(path); !problem.isEmpty())
        return problem;
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return WriteFileWhole(path, bytes, durability);
    // Checked with the process's own rights: a file it may not write is not replaced either.
    if (::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0)
        return WriteFailureText(path, SystemErrorText(errno));

    if (st.st_nlink == 1) {
        AtomicOutputFile file(path, durability);
        if (file.open() && file.keepsOwner()) {
            file.write(bytes);
            return file.commit() ? QString() : file.error();
        }
    }
    return RewriteFileInPlace(path, oldBytes, bytes);
}

}  // namespace tabulon

#include "platform/AtomicOutputFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tabulon {

namespace {

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

// Makes the kernel force the folder entry of a renamed file to the disk as well.
void syncFolder(const QString& folder)
{
    const int fd = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    // The file itself is on the disk already; a folder that cannot be synced loses nothing more.
    (void)::fsync(fd);
    ::close(fd);
}

// Gives the new file the replaced one's owner, group and permission bits; false when the
// process may not set the owner and group. The owner goes first: changing it clears the
// set-id bits, which the mode then puts back.
bool takeOverSetup(int fd, const struct stat& old)
{
    const bool owned = ::fchown(fd, old.st_uid, old.st_gid) == 0;
    (void)::fchmod(fd, old.st_mode & 07777);
    return owned;
}

}  // namespace

QString SystemErrorText(int errorNumber)
{
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

QString WriteFailureText(const QString& path, const QString& reason)
{
    return QStringLiteral("写入文件失败: %1 (%2)").arg(path, reason);
}

int WriteAllAt(int fd, const QByteArray& bytes, long long offset)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::pwrite(fd, data, static_cast<size_t>(left), static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        data += n;
        left -= n;
        offset += n;
    }
    return 0;
}

QString MakeFolder(const QString& path, bool withParents)
{
    const QFileInfo info(path);
    if (info.isDir())
        return {};
    if (withParents) {
        const QString parent = info.absolutePath();
        if (parent != info.absoluteFilePath())
            if (QString reason = MakeFolder(parent, true); !reason.isEmpty())
                return reason;
    }
    if (::mkdir(encoded(path).constData(), 0777) == 0)
        return {};
    const int error = errno;
    // Another process may have made it meanwhile.
    return error == EEXIST && QFileInfo(path).isDir() ? QString() : SystemErrorText(error);
}

QString OutputNameProblem(const QString& path)
{
    struct stat st {};
    if (::lstat(encoded(path).constData(), &st) != 0)
        return {};   // nothing there yet; a folder that takes no file shows when the file is made
    if (S_ISLNK(st.st_mode))
        return QStringLiteral("输出文件名是一个链接,不写入: ") + path;
    if (!S_ISREG(st.st_mode))
        return QStringLiteral("输出文件名已被文件夹或其他非普通文件占用,不写入: ") + path;
    return {};
}

AtomicOutputFile::AtomicOutputFile(QString target, Durability durability)
    : target_(std::move(target)), durability_(durability)
{
}

AtomicOutputFile::~AtomicOutputFile()
{
    discard();
}

bool AtomicOutputFile::open()
{
    discard();
    error_ = OutputNameProblem(target_);
    if (!error_.isEmpty())
        return false;

    const QFileInfo info(target_);
    struct stat old {};
    const bool replacing = ::stat(encoded(target_).constData(), &old) == 0;
    int lastError = 0;
    // A fresh name, made only by us (O_EXCL) and never through a link (O_NOFOLLOW); the
    // kernel applies the umask to a new file's mode.
    for (int attempt = 0; attempt < 16 && fd_ < 0; ++attempt) {
        const QString name = info.absolutePath() + QStringLiteral("/.") + info.fileName() + u'.' +
                             QString::number(QRandomGenerator::global()->generate(), 36);
        fd_ = ::open(encoded(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        lastError = errno;
        if (fd_ >= 0)
            temporary_ = name;
        else if (lastError != EEXIST)
            break;
    }
    if (fd_ < 0) {
        error_ = QStringLiteral("不能建立文件: %1 (%2)").arg(target_, SystemErrorText(lastError));
        return false;
    }
    keepsOwner_ = !replacing || takeOverSetup(fd_, old);
    writeErrno_ = 0;
    written_ = 0;
    return true;
}

bool AtomicOutputFile::write(const QByteArray& bytes)
{
    if (fd_ < 0 || writeErrno_ != 0)
        return false;
    writeErrno_ = WriteAllAt(fd_, bytes, written_);
    if (writeErrno_ != 0)
        return false;
    written_ += bytes.size();
    return true;
}

bool AtomicOutputFile::commit()
{
    if (temporary_.isEmpty()) {
        if (error_.isEmpty())
            error_ = WriteFailureText(target_, QStringLiteral("not open"));
        return false;
    }
    // No write along the way failed, and every byte is on the disk where asked.
    if (writeErrno_ != 0) {
        fail(WriteFailureText(target_, SystemErrorText(writeErrno_)));
        return false;
    }
    if (durability_ == Durability::Synced && ::fsync(fd_) != 0) {
        fail(WriteFailureText(target_, SystemErrorText(errno)));
        return false;
    }
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0) {
        fail(WriteFailureText(target_, SystemErrorText(errno)));
        return false;
    }
    // Something may have been put at the name while the file was written.
    if (const QString problem = OutputNameProblem(target_); !problem.isEmpty()) {
        fail(problem);
        return false;
    }
    if (::rename(encoded(temporary_).constData(), encoded(target_).constData()) != 0) {
        fail(QStringLiteral("不能替换文件: %1 (%2)").arg(target_, SystemErrorText(errno)));
        return false;
    }
    temporary_.clear();
    if (durability_ == Durability::Synced)
        syncFolder(QFileInfo(target_).absolutePath());
    return true;
}

void AtomicOutputFile::fail(const QString& reason)
{
    error_ = reason;
    discard();
}

void AtomicOutputFile::discard()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temporary_.isEmpty())
        ::unlink(encoded(temporary_).constData());
    temporary_.clear();
}

QString WriteFileWhole(const QString& path, const QByteArray& bytes, AtomicOutputFile::Durability durability)
{
    AtomicOutputFile file(path, durability);
    if (!file.open())
        return file.error();
    file.write(bytes);
    return file.commit() ? QString() : file.error();
}

QString WriteImageWhole(const QString& path, const QImage& image, const char* format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(image))
        return WriteFailureText(path, writer.errorString());
    return WriteFileWhole(path, bytes);
}

}  // namespace tabulon

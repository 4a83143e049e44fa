#include "platform/AtomicOutputFile.h"

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

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString writeFailure(const QString& path, const QString& reason)
{
    return QStringLiteral("写入文件失败: %1 (%2)").arg(path, reason);
}

// Makes the kernel force the folder entry of a renamed file to the disk as well.
void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    // The file itself is on the disk already; a folder that cannot be synced loses nothing more.
    (void)::fsync(fd);
    ::close(fd);
}

}  // namespace

QString OutputNameProblem(const QString& path)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
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
    const bool replacing = ::stat(QFile::encodeName(target_).constData(), &old) == 0;
    int fd = -1;
    int lastError = 0;
    // A fresh name, made only by us (O_EXCL) and never through a link (O_NOFOLLOW); the
    // kernel applies the umask to a new file's mode.
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        const QString name = info.absolutePath() + QStringLiteral("/.") + info.fileName() + u'.' +
                             QString::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        lastError = errno;
        if (fd >= 0)
            temporary_ = name;
        else if (lastError != EEXIST)
            break;
    }
    if (fd < 0) {
        error_ = QStringLiteral("不能建立文件: %1 (%2)").arg(target_, systemReason(lastError));
        return false;
    }
    // The replaced file keeps its permissions.
    if (replacing)
        (void)::fchmod(fd, old.st_mode & 07777);
    if (!file_.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        fail(writeFailure(target_, file_.errorString()));
        return false;
    }
    return true;
}

bool AtomicOutputFile::commit()
{
    if (temporary_.isEmpty()) {
        if (error_.isEmpty())
            error_ = writeFailure(target_, QStringLiteral("not open"));
        return false;
    }
    // Every buffered byte out, and no write along the way failed.
    if (!file_.flush() || file_.error() != QFileDevice::NoError) {
        fail(writeFailure(target_, file_.errorString()));
        return false;
    }
    if (durability_ == Durability::Synced && ::fsync(file_.handle()) != 0) {
        fail(writeFailure(target_, systemReason(errno)));
        return false;
    }
    file_.close();
    if (file_.error() != QFileDevice::NoError) {
        fail(writeFailure(target_, file_.errorString()));
        return false;
    }
    // Something may have been put at the name while the file was written.
    if (const QString problem = OutputNameProblem(target_); !problem.isEmpty()) {
        fail(problem);
        return false;
    }
    if (::rename(QFile::encodeName(temporary_).constData(), QFile::encodeName(target_).constData()) != 0) {
        fail(QStringLiteral("不能替换文件: %1 (%2)").arg(target_, systemReason(errno)));
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
    if (file_.isOpen())
        file_.close();
    if (!temporary_.isEmpty())
        ::unlink(QFile::encodeName(temporary_).constData());
    temporary_.clear();
}

QString WriteFileWhole(const QString& path, const QByteArray& bytes, AtomicOutputFile::Durability durability)
{
    AtomicOutputFile file(path, durability);
    if (!file.open())
        return file.error();
    if (file.device().write(bytes) != bytes.size()) {
        file.fail(writeFailure(path, file.device().errorString()));
        return file.error();
    }
    return file.commit() ? QString() : file.error();
}

QString WriteImageWhole(const QString& path, const QImage& image, const char* format, int quality)
{
    AtomicOutputFile file(path);
    if (!file.open())
        return file.error();
    QImageWriter writer(&file.device(), format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(image)) {
        file.fail(writeFailure(path, writer.errorString()));
        return file.error();
    }
    return file.commit() ? QString() : file.error();
}

}  // namespace tabulon

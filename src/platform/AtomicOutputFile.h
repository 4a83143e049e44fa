#pragma once
// Writing a file whole or not at all. The new content goes to a temporary file beside the
// target; once written it is flushed and checked (and synced where asked) and only then
// renamed over the target. A full disk, a file-size limit or a crash therefore leaves the
// old file exactly as it was, and no temporary file stays behind on any failure.
// The target name is never followed: a link, a folder or any other file that is not a
// regular file standing at it is refused, and whatever it points to is never touched.
// Every failure names the system's reason (the error of the call that failed).

#include <QString>

class QImage;

namespace tabulon {

class AtomicOutputFile {
public:
    enum class Durability {
        Flushed,   // written out and checked
        Synced,    // also forced to the disk before the rename (settings)
    };

    explicit AtomicOutputFile(QString target, Durability durability = Durability::Flushed);
    // A file not committed is discarded.
    ~AtomicOutputFile();
    AtomicOutputFile(const AtomicOutputFile&) = delete;
    AtomicOutputFile& operator=(const AtomicOutputFile&) = delete;

    // Creates the temporary file; false with error() set when the target name is refused or
    // the folder takes no file. A file that replaces another takes its permission bits and,
    // where the process may set them, its owner and group.
    bool open();
    // Whether the temporary file has the replaced file's owner and group (true when there
    // is no file to replace).
    bool keepsOwner() const { return keepsOwner_; }
    // Appends bytes to the open temporary file; false when a write failed (the first
    // failure is kept and given up at commit()).
    bool write(const QByteArray& bytes);
    // The temporary file's name, for writers that open files by name themselves.
    const QString& temporaryPath() const { return temporary_; }
    const QString& target() const { return target_; }

    // Puts the written file in place; false with error() set (and the temporary file removed)
    // when any write failed or the target cannot be replaced.
    bool commit();
    // Gives the write up with the reason; the target stays as it was.
    void fail(const QString& reason);
    const QString& error() const { return error_; }

private:
    void discard();

    QString target_;
    Durability durability_;
    QString temporary_;
    int fd_ = -1;
    long long written_ = 0;
    int writeErrno_ = 0;   // the first failed write's error number
    bool keepsOwner_ = true;
    QString error_;
};

// The system's text for an error number ("No space left on device").
QString SystemErrorText(int errorNumber);

// Writes every byte at `offset` of the open file, going on after short writes and
// interruptions: 0 when all were written, else the error number of the call that failed.
int WriteAllAt(int fd, const QByteArray& bytes, long long offset);

// "写入文件失败: path (reason)", the message of a failed write.
QString WriteFailureText(const QString& path, const QString& reason);

// Makes the folder unless it is there, with `withParents` the folders above it as well; the
// system's reason when it cannot (a file at the name: "File exists"), empty when it is there.
QString MakeFolder(const QString& path, bool withParents);

// Why no file may be written at `path` (a link, or something that is not a regular file);
// empty when it may.
QString OutputNameProblem(const QString& path);

// Writes the bytes to `path` whole or not at all; the reason on failure, empty on success.
QString WriteFileWhole(const QString& path, const QByteArray& bytes,
                       AtomicOutputFile::Durability durability = AtomicOutputFile::Durability::Flushed);

// Writes the image in `format` ("BMP", "jpeg") to `path` whole or not at all; quality -1 is
// the format's default. The image is encoded in memory first, so a failed write is told by
// the system's reason and not by the image library. The reason on failure, empty on success.
QString WriteImageWhole(const QString& path, const QImage& image, const char* format, int quality = -1);

}  // namespace tabulon

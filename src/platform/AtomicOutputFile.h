#pragma once
// Writing a file whole or not at all. The new content goes to a temporary file beside the
// target; once written it is flushed and checked (and synced where asked) and only then
// renamed over the target. A full disk, a file-size limit or a crash therefore leaves the
// old file exactly as it was, and no temporary file stays behind on any failure.
// The target name is never followed: a link, a folder or any other file that is not a
// regular file standing at it is refused, and whatever it points to is never touched.

#include <QFile>
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
    // the folder takes no file.
    bool open();
    // The open temporary file, for writing.
    QFile& device() { return file_; }
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
    QFile file_;
    QString error_;
};

// Why no file may be written at `path` (a link, or something that is not a regular file);
// empty when it may.
QString OutputNameProblem(const QString& path);

// Writes the bytes to `path` whole or not at all; the reason on failure, empty on success.
QString WriteFileWhole(const QString& path, const QByteArray& bytes,
                       AtomicOutputFile::Durability durability = AtomicOutputFile::Durability::Flushed);

// Writes the image in `format` ("BMP", "jpeg") to `path` whole or not at all; quality -1 is
// the format's default. The reason on failure, empty on success.
QString WriteImageWhole(const QString& path, const QImage& image, const char* format, int quality = -1);

}  // namespace tabulon

#pragma once
// An advisory lock (flock) on a file that several programs read and rewrite, the settings
// file: a writer holds it exclusively from reading the old text to the end of its write, a
// reader holds it shared while it reads, so nobody sees or changes a half-written file.
//
// The lock is taken on the file the name stands for when the lock is granted: a writer that
// replaced the file (renamed a new one over it) while this one waited leaves the waiter
// holding the old file, so the waiter checks the name again and locks the new file instead.
// Waiting is bounded: the lock is asked for without blocking, again and again with short
// pauses, until the patience runs out. The name is opened read-only, never through a link
// and never waiting on a pipe; only a regular file is locked.

#include <QByteArray>
#include <QString>

#include <chrono>
#include <optional>

namespace tabulon {

class FileLock {
public:
    enum class Mode { Shared, Exclusive };

    // Nothing is locked until acquire(). `patience` is how long acquire() waits for the lock.
    FileLock(QString path, Mode mode, std::chrono::milliseconds patience = standardPatience());
    // Releases the lock.
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Locks the file at the name. True when it is locked, and also when there is no file at
    // the name (nothing to lock: locked() is false). False with reason() set when the name
    // is not a regular file, cannot be opened, or another program kept it locked past the
    // patience.
    bool acquire();
    bool locked() const { return fd_ >= 0; }
    // The locked file's bytes, read through the locked descriptor; nothing (reason() set)
    // when a read fails.
    std::optional<QByteArray> readAll();
    void release();

    // Why acquire() or readAll() failed, without the file's name (the caller names it).
    const QString& reason() const { return reason_; }

    // How long a lock waits unless told otherwise: 5 seconds, a pause a user closing a
    // window accepts; tests shorten it.
    static std::chrono::milliseconds standardPatience();
    static void setStandardPatience(std::chrono::milliseconds patience);

private:
    enum class Attempt { Locked, Missing, Replaced, Failed };
    Attempt lockOnce(std::chrono::steady_clock::time_point deadline);

    QString path_;
    Mode mode_;
    std::chrono::milliseconds patience_;
    int fd_ = -1;
    QString reason_;
};

}  // namespace tabulon

// The settings component "Pellund.clsSysPara": WriteINI changes one key of an INI file.

#include "outside/IniFile.h"
#include "outside/SettingsWriter.h"
#include "platform/FileLock.h"
#include "platform/FileRewrite.h"
#include "platform/Paths.h"
#include "platform/ReportError.h"
#include "platform/RunInterruption.h"

#include <QFileInfo>

namespace tabulon {

namespace {

constexpr int FileAccessError = 75;

ReportError fileAccessError(const QString& path, const QString& reason)
{
    return ReportError(FileAccessError, QStringLiteral("路径/文件访问错误: %1 (%2)").arg(path, reason));
}

class IniSettingsWriter : public SettingsWriter {
public:
    void WriteINI(const QString& Section, const QString& Key, const QString& Value,
                  const QString& IniFile) override
    {
        const QString path = NativePath(IniFile);
        if (path.isEmpty() || Section.isEmpty() || Key.isEmpty())
            throw ReportError::invalidCall();
        const QFileInfo info(path);
        if (const QString reason = MakeFolder(info.absolutePath(), true); !reason.isEmpty())
            throw fileAccessError(path, reason);

        // A link, a folder or a pipe at the name is neither read nor written.
        if (const QString problem = OutputNameProblem(path); !problem.isEmpty())
            throw ReportError(FileAccessError, problem);
        // A stop signal meanwhile (a shutdown while the window closes) takes effect once the
        // file is whole again: a write in place is never left half done.
        const InterruptibleRun run;
        // Held from reading the old text to the end of the write: of two windows closing at
        // once, the second changes the file the first wrote, and a reader that takes a shared
        // lock never sees a half-written file. A missing file has nothing to lock.
        FileLock lock(path, FileLock::Mode::Exclusive);
        if (!lock.acquire())
            throw fileAccessError(path, lock.reason());
        const std::optional<QByteArray> read = lock.readAll();
        if (!read)
            throw fileAccessError(path, lock.reason());
        const QByteArray& text = *read;
        const std::optional<QByteArray> updated = SetIniValueInFile(text, Section, Key, Value);
        if (!updated)
            throw fileAccessError(path, QStringLiteral("UTF-16文本不完整,不改写"));

        // The file keeps its owner, group, mode and encoding, and a failed write its old bytes.
        // A file that was missing is made whole even if another program made one meanwhile:
        // writing into that one in place would go over bytes this writer never read.
        const auto durability = AtomicOutputFile::Durability::Synced;
        const QString failure = lock.locked() ? RewriteFileKeepingItsSetup(path, text, *updated, durability)
                                              : WriteFileWhole(path, *updated, durability);
        if (!failure.isEmpty())
            throw ReportError(FileAccessError, failure);
    }
};

const bool registered = RegisterStandardObject(ProgId::Settings, [] {
    return std::make_unique<IniSettingsWriter>();
});

}  // namespace

}  // namespace tabulon

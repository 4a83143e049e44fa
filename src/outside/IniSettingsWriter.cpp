// The settings component "Pellund.clsSysPara": WriteINI changes one key of an INI file.

#include "outside/IniFile.h"
#include "outside/SettingsWriter.h"
#include "platform/AtomicOutputFile.h"
#include "platform/Paths.h"
#include "report/ReportError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tabulon {

namespace {

ReportError fileAccessError(const QString& path)
{
    return ReportError(75, QStringLiteral("路径/文件访问错误: ") + path);
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
        if (!QDir().mkpath(info.absolutePath()))
            throw fileAccessError(path);

        QByteArray text;
        if (info.exists()) {
            QFile in(path);
            if (!in.open(QIODevice::ReadOnly))
                throw fileAccessError(path);
            text = in.readAll();
        }
        const QByteArray updated = SetIniValue(text, Section.toUtf8(), Key.toUtf8(), Value.toUtf8());

        // Written beside the file, synced and renamed over it: the old file stays as it was
        // until the new one is whole on the disk.
        const QString failure = WriteFileWhole(path, updated, AtomicOutputFile::Durability::Synced);
        if (!failure.isEmpty())
            throw ReportError(75, failure);
    }
};

const bool registered = RegisterStandardObject(ProgId::Settings, [] {
    return std::make_unique<IniSettingsWriter>();
});

}  // namespace

}  // namespace tabulon

#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace tabulon {

namespace {

// The entry of folder whose name equals name ignoring case (the first in name order), or name.
QString EntryIgnoringCase(const QString& folder, const QString& name)
{
    const QStringList entries = QDir(folder.isEmpty() ? QStringLiteral(".") : folder)
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

// File names are compared ignoring case where the paths come from (a listed "A...TXT" may be
// "a....txt" on disk): each component that does not exist as written takes the spelling on disk.
QString MatchCaseOnDisk(const QString& path)
{
    const QStringList parts = path.split(u'/');
    QString resolved;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        const QString prefix = i == 0 ? QString() : resolved + u'/';
        if (part.isEmpty() || part == u"." || part == u".." || QFileInfo::exists(prefix + part)) {
            resolved = prefix + part;
            continue;
        }
        const QString folder = i == 0 ? QString() : resolved.isEmpty() ? QStringLiteral("/") : resolved;
        resolved = prefix + EntryIgnoringCase(folder, part);
    }
    return resolved;
}

}  // namespace

QString NativePath(const QString& systemPath)
{
    QString p = systemPath;
    p.replace(u'\\', u'/');
    if (p.isEmpty() || QFileInfo::exists(p))
        return p;
    return MatchCaseOnDisk(p);
}

bool IsPlainFileName(const QString& text)
{
    if (text.isEmpty() || text == u"." || text == u"..")
        return false;
    for (const QChar c : text) {
        if (c == u'/' || c == u'\\' || c == u':' || c.unicode() < 32)
            return false;
    }
    return true;
}

}  // namespace tabulon

#include "platform/Paths.h"

namespace tabulon {

QString NativePath(const QString& systemPath)
{
    QString p = systemPath;
    p.replace(u'\\', u'/');
    return p;
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

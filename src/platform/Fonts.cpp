#include "platform/Fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QSet>

namespace tabulon {

namespace {

const QString SongAlias = QStringLiteral("宋体");
const QString SymbolFileName = QStringLiteral("Nimbrix.ttf");

// Song/Ming faces in order of preference; the first installed one stands for "宋体".
const char* const PreferredSongFamilies[] = {
    "AR PL UMing CN", "AR PL UMing TW", "AR PL UMing HK", "AR PL UMing TW MBE",
    "AR PL SungtiL GB", "Noto Serif CJK SC", "Source Han Serif SC",
};

struct FontRegistry {
    FontSetup setup;
    QSet<QString> installed;   // lower-case family names, as the font database lists them
    bool ready = false;

    void refreshInstalled()
    {
        installed.clear();
        for (const QString& f : QFontDatabase::families())
            installed.insert(f.toLower());
    }

    bool has(const QString& family) const { return installed.contains(family.toLower()); }
};

FontRegistry& registry()
{
    static FontRegistry r;
    return r;
}

QString findSongFamily(const FontRegistry& r)
{
    for (const char* name : PreferredSongFamilies) {
        if (r.has(QString::fromLatin1(name)))
            return QString::fromLatin1(name);
    }
    // Any other Ming/Song face will do better than Qt's sans-serif fallback.
    for (const QString& f : QFontDatabase::families()) {
        if (f.contains(QLatin1String("Ming"), Qt::CaseInsensitive)
            || f.contains(QLatin1String("Song"), Qt::CaseInsensitive))
            return f;
    }
    return {};
}

}  // namespace

QString BundledSymbolFontPath()
{
    QStringList dirs;
    const QString env = qEnvironmentVariable("TABULON_FONT_DIR");
    if (!env.isEmpty())
        dirs << env;
    if (QCoreApplication::instance())
        dirs << QCoreApplication::applicationDirPath() + QStringLiteral("/fonts");
#ifdef TABULON_SOURCE_DIR
    dirs << QStringLiteral(TABULON_SOURCE_DIR "/data/fonts");
#endif
    for (const QString& d : dirs) {
        const QString path = QDir(d).filePath(SymbolFileName);
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

const FontSetup& InstallReportFonts()
{
    FontRegistry& r = registry();
    if (r.ready)
        return r.setup;
    r.ready = true;

    const QString symbolPath = BundledSymbolFontPath();
    if (!symbolPath.isEmpty())
        r.setup.symbolFontLoaded = QFontDatabase::addApplicationFont(symbolPath) >= 0;
    r.refreshInstalled();

    r.setup.songFamily = findSongFamily(r);
    if (!r.setup.songFamily.isEmpty() && !r.has(SongAlias))
        QFont::insertSubstitution(SongAlias, r.setup.songFamily);
    return r.setup;
}

bool IsFontFamilyInstalled(const QString& family)
{
    InstallReportFonts();
    const FontRegistry& r = registry();
    if (family.isEmpty())
        return false;
    if (r.has(family))
        return true;
    for (const QString& sub : QFont::substitutes(family)) {
        if (r.has(sub))
            return true;
    }
    return false;
}

}  // namespace tabulon

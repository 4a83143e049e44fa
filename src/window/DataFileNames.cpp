#include "window/DataFileNames.h"

#include "platform/Paths.h"
#include "toolkit/Numeric.h"

#include <QDir>
#include <algorithm>
#include <cmath>

namespace tabulon {

namespace {

bool IsNumberText(const QString& text)
{
    return IsNumeric(text) && std::isfinite(text.trimmed().toDouble());
}

bool IsTxtSuffix(const QString& text)
{
    return text.compare(QStringLiteral(".TXT"), Qt::CaseInsensitive) == 0;
}

// Characters 1..7 shared by every kind: the letter, any character, the station number
// (characters 3..6, numeric), "-", then the year (characters 8..11, numeric).
bool HasStationAndYear(const QString& name, const QString& letter)
{
    return name.left(1).compare(letter, Qt::CaseInsensitive) == 0
        && IsNumberText(name.mid(2, 4)) && name[6] == u'-' && IsNumberText(name.mid(7, 4));
}

bool IsMonthlyName(const QString& name, bool allowEdition)
{
    const QString month = name.mid(11, 2);
    if (!IsNumberText(month) || Val(month) >= 13)
        return false;
    if (name.size() == 17)
        return IsTxtSuffix(name.mid(13));
    if (name.size() == 19 && allowEdition) {
        const QString edition = name.mid(13, 2);
        return (edition == u"-0" || edition == u"-1" || edition == u"-9") && IsTxtSuffix(name.mid(15));
    }
    return false;
}

bool IsYearlyName(const QString& name)
{
    if (name.size() == 15)
        return IsTxtSuffix(name.mid(11));
    if (name.size() == 17) {
        const QString edition = name.mid(11, 2);
        return (edition == u"-0" || edition == u"-1") && IsTxtSuffix(name.mid(13));
    }
    return false;
}

}  // namespace

QString FileLetterFor(int reportKind)
{
    if (reportKind < 1 || reportKind > 3)
        return QString();
    return QStringLiteral("ARY").mid(reportKind - 1, 1);
}

bool IsDataFileName(const QString& name, const QString& letter)
{
    if (letter.isEmpty() || name.size() < 15 || !HasStationAndYear(name, letter))
        return false;
    if (letter == u"A")
        return IsMonthlyName(name, true);
    if (letter == u"R")
        return IsMonthlyName(name, false);
    if (letter == u"Y")
        return IsYearlyName(name);
    return false;
}

QStringList ListDataFiles(const QString& folder, const QString& letter)
{
    QStringList kept;
    if (letter.isEmpty())
        return kept;
    const QDir dir(NativePath(folder));
    if (!dir.exists())
        return kept;
    const QStringList names = dir.entryList(QStringList{letter + QStringLiteral("*.txt")}, QDir::Files);
    for (const QString& name : names) {
        if (IsDataFileName(name, letter))
            kept << name.toUpper();
    }
    std::sort(kept.begin(), kept.end());
    return kept;
}

}  // namespace tabulon

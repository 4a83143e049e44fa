#include "toolkit/ClimateSummary.h"

#include "platform/Surface.h"
#include "toolkit/Canvas.h"
#include "toolkit/Numeric.h"

#include <algorithm>

namespace tabulon {

QString ClimateSummaryText(const TextList& lines)
{
    QString text;
    if (!lines.allocated())
        return text;
    for (int k = std::max(1, lines.lbound()); k <= lines.ubound(); ++k) {
        // The text stands between the first and the second "/"; a line without one has none.
        const QString& line = lines(k);
        const qsizetype first = line.indexOf(u'/');
        if (first < 0)
            continue;
        const qsizetype second = line.indexOf(u'/', first + 1);
        const QString field = line.mid(first + 1, second < 0 ? -1 : second - first - 1);
        if (field.isEmpty())
            continue;
        text += field;
        text += u'\n';
    }
    return text;
}

double ClimateSummaryIndent(Canvas& cv)
{
    return 2 * RoundHalfEven(cv.target().TextWidth(QStringLiteral("中")));
}

}  // namespace tabulon

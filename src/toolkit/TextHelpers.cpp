#include "toolkit/TextHelpers.h"

#include "toolkit/Numeric.h"
#include "platform/ReportError.h"
#include "report/Component.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tabulon {

namespace {

bool IsAsciiDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
}

// A run of decimal digits as a number with at least two digits: leading zeros beyond two
// are dropped, one is added to a single digit. Works on the text, so any length is fine.
QString AtLeastTwoDigits(const QString& digits)
{
    qsizetype firstNonZero = 0;
    while (firstNonZero < digits.size() - 1 && digits[firstNonZero] == u'0')
        ++firstNonZero;
    const QString significant = digits.mid(firstNonZero);
    return significant.size() < 2 ? significant.rightJustified(2, u'0') : significant;
}

// Zero-fills the single run of digits in text; a text with no run or several runs is kept.
QString FillDigitRun(const QString& text)
{
    qsizetype runStart = -1;
    qsizetype runEnd = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!IsAsciiDigit(text[i]))
            continue;
        if (runStart < 0) {
            runStart = i;
        } else if (runEnd < i) {
            return text;   // a second run of digits
        }
        runEnd = i + 1;
    }
    if (runStart < 0)
        return text;
    return text.left(runStart) + AtLeastTwoDigits(text.mid(runStart, runEnd - runStart))
        + text.mid(runEnd);
}

// The number a text stands for, when the whole text is a finite number.
bool NumberOf(const QString& text, double& value)
{
    if (!IsNumeric(text))
        return false;
    value = text.trimmed().toDouble();
    return std::isfinite(value);
}

// A header element read as a number: empty is 0, a text that is no number is a type mismatch.
double HeaderNumber(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return 0;
    if (v.typeId() == QMetaType::QString) {
        double d = 0;
        if (!NumberOf(v.toString(), d))
            throw ReportError::typeMismatch();
        return d;
    }
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok)
        throw ReportError::typeMismatch();
    return d;
}

struct CompassSector {
    double from;
    double to;
    const char16_t* name;
};

// Inclusive ranges, tested in this order; values in the gaps (11.5, 33.5, ...) match none.
constexpr std::array<CompassSector, 17> CompassSectors{{
    {349, 360, u"N"}, {0, 11, u"N"}, {12, 33, u"NNE"}, {34, 56, u"NE"}, {57, 78, u"ENE"},
    {79, 101, u"E"}, {102, 123, u"ESE"}, {124, 146, u"SE"}, {147, 168, u"SSE"},
    {169, 191, u"S"}, {192, 213, u"SSW"}, {214, 236, u"SW"}, {237, 258, u"WSW"},
    {259, 281, u"W"}, {282, 303, u"WNW"}, {304, 326, u"NW"}, {327, 348, u"NNW"},
}};

QString CompassName(double degrees)
{
    for (const CompassSector& s : CompassSectors) {
        if (degrees >= s.from && degrees <= s.to)
            return QString::fromUtf16(s.name);
    }
    return QStringLiteral("-");
}

// Trim removes blanks only, not tabs or other white space.
QString TrimBlanks(const QString& s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s[b] == u' ')
        ++b;
    while (e > b && s[e - 1] == u' ')
        --e;
    return s.mid(b, e - b);
}

}  // namespace

void FormatTwoDigits(QString& value)
{
    if (value == u"←---" || value == u"-" || value == u"----" || value == u"-/-")
        return;
    const qsizetype slash = value.indexOf(u'/');
    if (slash < 0) {
        value = FillDigitRun(value);
        return;
    }
    // "7/5": only the part after the first "/" is filled.
    value = value.left(slash + 1) + FillDigitRun(value.mid(slash + 1));
}

const QString& FormattedTwoDigits(QString& cell)
{
    FormatTwoDigits(cell);
    return cell;
}

QString FormatNumber00(const QString& text)
{
    double value = 0;
    if (!NumberOf(text, value))
        return text;
    // Halves round away from zero, as the number pattern does; a value that rounds to
    // zero has no sign.
    const double rounded = std::round(value);
    if (rounded == 0)
        return QStringLiteral("00");
    const QString digits = QString::number(std::fabs(rounded), 'f', 0).rightJustified(2, u'0');
    return rounded < 0 ? u'-' + digits : digits;
}

WindCells SplitIcingWind(const QString& value)
{
    const qsizetype slash = value.indexOf(u'/');
    if (slash < 0)
        return {};
    return {value.left(slash), FormatNumber00(value.mid(slash + 1))};
}

void PrintBlankDayRows(Component& c, std::int16_t yEnd, std::int16_t x0, std::int16_t colW,
                       std::int16_t rowH, std::int16_t nCols)
{
    // A page has 31 day rows: a count outside 0..31 blanks none or all of them, never loops
    // past them (a count of -1e12 would otherwise run for ever).
    const double days = std::clamp(HeaderNumber(c.tables.AfilePara(4)), 0.0, 31.0);
    Canvas& cv = c.canvas;
    for (int i = 1; i <= 31 - days; ++i) {
        const double y = double(yEnd) - (32 - days) * rowH + double(i) * rowH;
        for (int j = 1; j <= nCols; ++j) {
            const double x = double(x0) + double(j - 1) * colW;
            cv.PrintCell(cv.ShowGridLines, QStringLiteral("  "), colW, rowH, x, y, 0);
        }
    }
}

void FormatSpellDates(Component& c, QString& value)
{
    const QVariant year = c.tables.AfilePara(2);
    QString yearText = year.toString().trimmed();
    double number = 0;
    if (NumberOf(yearText, number) && number == std::floor(number))
        yearText = QString::number(static_cast<qint64>(number));
    FormatSpellDates(value, yearText);
}

void FormatSpellDates(QString& value, const QString& reportYear)
{
    QStringList fields = value.split(u'/');
    if (fields.size() < 3 || fields[2].size() < 4)
        return;
    if (fields[2].left(4) == reportYear) {
        fields[0] += u'/';
        fields[2].remove(0, 4);
    } else {
        fields[0] += u'/';
        fields[1] += u'/';
    }
    value = fields.join(QString());
}

QString GetField(const QString& s, const QString& sep, std::int32_t n)
{
    const QString text = TrimBlanks(s);
    if (sep.isEmpty())
        return n == 1 ? text : QString();
    const QStringList fields = text.split(sep);
    if (n < 1 || n > fields.size())
        return QString();
    return fields[n - 1];
}

QString FormatWind(const QString& s)
{
    const QString direction = GetField(s, QStringLiteral("/"), 1);
    const QString speed = GetField(s, QStringLiteral("/"), 2);
    if (!IsNumeric(direction))
        return s;
    const QString name = CompassName(Val(direction));
    double speedValue = 0;
    // Calm only for a measured speed below 0.3 m/s; a missing speed keeps the direction.
    if (NumberOf(speed, speedValue) && speedValue < 3)
        return QStringLiteral("C/") + speed;
    return name + u'/' + speed;
}

QString WindDirectionName(const QString& degrees)
{
    double value = 0;
    if (!IsNumeric(degrees))
        return degrees;
    if (!NumberOf(degrees, value))
        return QStringLiteral("-");
    return CompassName(value);
}

}  // namespace tabulon

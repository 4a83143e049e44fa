#include "toolkit/Numeric.h"

#include <cmath>
#include <limits>

namespace tabulon {

namespace {
// Exact floor division for 64-bit integers.
std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}
}  // namespace

Decimal4 Decimal4::fromDouble(double v)
{
    return fromRaw(static_cast<std::int64_t>(RoundHalfEven(v * 10000.0)));
}

bool Decimal4::parse(const QString& text, Decimal4& out)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    bool negative = false;
    int i = 0;
    if (t[0] == u'-' || t[0] == u'+') {
        negative = t[0] == u'-';
        ++i;
    }
    std::int64_t whole = 0, frac = 0;
    int fracDigits = 0;
    bool sawDigit = false, sawPoint = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == u'.' && !sawPoint) {
            sawPoint = true;
        } else if (c.isDigit()) {
            sawDigit = true;
            if (sawPoint) {
                if (fracDigits == 4)
                    return false;
                frac = frac * 10 + c.digitValue();
                ++fracDigits;
            } else {
                if (whole > 100000000)
                    return false;
                whole = whole * 10 + c.digitValue();
            }
        } else {
            return false;
        }
    }
    if (!sawDigit)
        return false;
    for (; fracDigits < 4; ++fracDigits)
        frac *= 10;
    const std::int64_t raw = whole * 10000 + frac;
    out = fromRaw(negative ? -raw : raw);
    return true;
}

QString Decimal4::toString() const
{
    const std::int64_t a = raw_ < 0 ? -raw_ : raw_;
    QString s = QString::number(a / 10000);
    std::int64_t frac = a % 10000;
    if (frac != 0) {
        QString f = QString::number(frac).rightJustified(4, u'0');
        while (f.endsWith(u'0'))
            f.chop(1);
        s += u'.' + f;
    }
    return raw_ < 0 ? u'-' + s : s;
}

double Decimal4::times(double v) const
{
    const double whole = std::floor(v);
    if (whole == v && std::fabs(v) < 1e12) {
        // Integer times the scale: exact in 64-bit arithmetic, one rounding at the end.
        return static_cast<double>(static_cast<std::int64_t>(v) * raw_) / 10000.0;
    }
    return v * static_cast<double>(raw_) / 10000.0;
}

std::int64_t Decimal4::intTimes(double v) const
{
    if (std::floor(v) == v && std::fabs(v) < 1e12)
        return floorDiv(static_cast<std::int64_t>(v) * raw_, 10000);
    // A fractional coordinate: the product v x raw is a double; fold it back only where
    // it misses a whole number of ten-thousandths by the product's own rounding error, so
    // the result is the floor of the true product (999.99999 at scale 1 stays 999).
    const double p = v * static_cast<double>(raw_);
    const double rp = std::nearbyint(p);
    if (std::fabs(p - rp) <= 4 * std::numeric_limits<double>::epsilon() * std::max(1.0, std::fabs(p)))
        return floorDiv(static_cast<std::int64_t>(rp), 10000);
    return static_cast<std::int64_t>(std::floor(p / 10000.0));
}

double Int(double v)
{
    return std::floor(v);
}

double RoundHalfEven(double v)
{
    if (!std::isfinite(v))
        return 0;
    return std::nearbyint(v);  // the default rounding mode is to nearest, ties to even
}

std::int16_t RoundToInt16(double v)
{
    const double r = RoundHalfEven(v);
    if (r > std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    if (r < std::numeric_limits<std::int16_t>::min())
        return std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(r);
}

QString PlainNumber(double v)
{
    if (std::floor(v) == v && std::fabs(v) < 1e15)
        return QString::number(static_cast<long long>(v));
    return QString::number(v, 'g', 15);
}

double Val(const QString& text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const int start = i;
    if (i < n && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    bool digits = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) { ++i; digits = true; }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) { ++i; digits = true; }
    }
    if (!digits)
        return 0;
    int end = i;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        int j = i + 1;
        if (j < n && (text[j] == u'-' || text[j] == u'+'))
            ++j;
        bool expDigits = false;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128) { ++j; expDigits = true; }
        if (expDigits)
            end = j;
    }
    bool ok = false;
    const double v = text.mid(start, end - start).toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0;
}

bool IsNumeric(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    bool ok = false;
    t.toDouble(&ok);
    return ok;
}

}  // namespace tabulon

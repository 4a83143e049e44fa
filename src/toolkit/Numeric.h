#pragma once
// Numbers as the page code computes them: the four-place fixed-point page scale,
// floor (Int), banker's rounding to a 16-bit integer, and Val (leading number of a text).

#include <QString>
#include <cstdint>

namespace tabulon {

// A decimal with exactly four places, held as value x 10000. Used for PageScale so that
// products such as 1000 x 0.7 are exact (700, not 699.99...).
class Decimal4 {
public:
    constexpr Decimal4() = default;
    static constexpr Decimal4 fromRaw(std::int64_t raw) { Decimal4 d; d.raw_ = raw; return d; }
    static constexpr Decimal4 fromInt(std::int64_t v) { return fromRaw(v * 10000); }
    // Rounds to four places, halves to even.
    static Decimal4 fromDouble(double v);
    // Parses "0.7", "1", "1.25"; returns false on anything else.
    static bool parse(const QString& text, Decimal4& out);

    constexpr std::int64_t raw() const { return raw_; }
    double toDouble() const { return static_cast<double>(raw_) / 10000.0; }
    QString toString() const;

    // v x this, as exact as a double can hold (integers times the scale are exact).
    double times(double v) const;
    // Int(v x this): the largest whole number not greater than the exact product.
    std::int64_t intTimes(double v) const;

    constexpr Decimal4 operator+(Decimal4 o) const { return fromRaw(raw_ + o.raw_); }
    constexpr Decimal4 operator-(Decimal4 o) const { return fromRaw(raw_ - o.raw_); }
    constexpr auto operator<=>(const Decimal4&) const = default;

private:
    std::int64_t raw_ = 0;
};

// The largest whole number not greater than v: Int(-0.5) = -1.
double Int(double v);

// Rounds to the nearest whole number, halves to even, and clamps to the 16-bit range
// (the conversion of a number to a 16-bit integer).
std::int16_t RoundToInt16(double v);

// Rounds to the nearest whole number, halves to even (no clamping).
double RoundHalfEven(double v);

// The number at the start of a text, after leading blanks: "12.5abc" -> 12.5, "abc" -> 0,
// "-3" -> -3, " 1e2" -> 100. Never fails.
double Val(const QString& text);

// A number written without a format: 15, 1.5, 0, -20.
QString PlainNumber(double v);

// True when the whole text (after trimming) is a number, as a numeric test on a cell.
bool IsNumeric(const QString& text);

}  // namespace tabulon

#pragma once
// The observation-mode letters (AfileMode) that decide how an element's day rows are filled:
// "B" hourly readings, a digit four fixed-time readings (02, 08, 14, 20 h), "=" and its
// variants an element not observed this month (an empty grid). Each page decides what any
// other letter gives.

#include <QString>
#include <QStringView>

namespace tabulon {

inline bool IsHourlyLetter(const QString& letter)
{
    return letter == QStringLiteral("B");
}

inline bool IsFourTimesLetter(const QString& letter)
{
    return letter == QStringLiteral("9") || letter == QStringLiteral("8") || letter == QStringLiteral("7") ||
           letter == QStringLiteral("2") || letter == QStringLiteral("1") || letter == QStringLiteral("0");
}

inline bool IsEmptyGridLetter(const QString& letter)
{
    return letter == QStringLiteral("=") || letter == QStringLiteral("0=") || letter == QStringLiteral("B=");
}

// Which items of an element the summary tables read: the four fixed-time ones, the hourly
// ones, or none (the cells that depend on the letter stay undrawn: no text, no box).
enum class ModeReadings { FourTimes, Hourly, None };

// The letters of one element, each a single character of these strings. With
// `othersFourTimes` every letter outside the hourly set reads the four-time items.
struct ModeLetterSets {
    QStringView fourTimes;
    QStringView hourly;
    bool othersFourTimes = false;

    ModeReadings readingsOf(const QString& letter) const
    {
        if (letter.size() == 1 && hourly.contains(letter.at(0)))
            return ModeReadings::Hourly;
        if (othersFourTimes || (letter.size() == 1 && fourTimes.contains(letter.at(0))))
            return ModeReadings::FourTimes;
        return ModeReadings::None;
    }
};

// The AfileMode elements the summary tables branch on.
namespace ModeElement {
constexpr int StationPressure = 1;
constexpr int AirTemperature = 2;
constexpr int VapourPressure = 4;
constexpr int RelativeHumidity = 5;
constexpr int CloudAmount = 6;
constexpr int E601BEvaporation = 12;
constexpr int Wind = 15;
constexpr int GroundAndSoil = 16;
}  // namespace ModeElement

// The letter sets of the summary tables, by AfileMode element (the wind's below); an
// element without sets here reads no letter-dependent item.
inline ModeLetterSets SummaryModeLetters(int element)
{
    switch (element) {
    case ModeElement::StationPressure: return {u"0346789", u"ABCD"};
    case ModeElement::AirTemperature: return {u"09", u"AB"};
    case ModeElement::VapourPressure: return {u"09", u"A"};
    case ModeElement::RelativeHumidity: return {u"0279", u"AB"};
    case ModeElement::CloudAmount: return {u"09", u"A"};
    case ModeElement::E601BEvaporation: return {u"0", u"AB"};
    case ModeElement::GroundAndSoil: return {u"012789", u"B"};
    default: return {};
    }
}

// The wind letter: the day cells read the hourly items only for "K" and "N", the ten-day
// cells and the direction statistics for every letter "A" to "D" and "K" to "N"; any other
// letter reads the four-time items.
inline constexpr ModeLetterSets WindDayLetters{u"", u"KN", true};
inline constexpr ModeLetterSets WindStatisticsLetters{u"", u"ABCDKLMN", true};

// The item of an hourly station's daily minimum: station pressure keeps it in 27 for the
// letters "C" and "D" (26 otherwise), air temperature in 27 for "B" and 26 for "A".
// 0 for a letter that has no minimum item.
inline int HourlyMinimumItem(int element, const QString& letter)
{
    if (element == ModeElement::StationPressure)
        return letter == QStringLiteral("C") || letter == QStringLiteral("D") ? 27 : 26;
    if (element == ModeElement::AirTemperature)
        return letter == QStringLiteral("B") ? 27 : letter == QStringLiteral("A") ? 26 : 0;
    return 0;
}

}  // namespace tabulon

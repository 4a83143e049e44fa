#include "pages/frame/ObservationModes.h"

#include <gtest/gtest.h>

using namespace tabulon;

TEST(SummaryModeLetters, OnlyWholeOneLetterCodesOfASetCount)
{
    const ModeLetterSets pressure = SummaryModeLetters(ModeElement::StationPressure);
    EXPECT_EQ(pressure.readingsOf(QStringLiteral("3")), ModeReadings::FourTimes);
    EXPECT_EQ(pressure.readingsOf(QStringLiteral("D")), ModeReadings::Hourly);
    // Not a letter of either set: an empty code, a longer one holding a set's letter, lower case.
    for (const char* letter : {"", "0=", "AB", "a", "5", "1"})
        EXPECT_EQ(pressure.readingsOf(QString::fromUtf8(letter)), ModeReadings::None) << letter;

    EXPECT_EQ(SummaryModeLetters(ModeElement::VapourPressure).readingsOf(QStringLiteral("B")), ModeReadings::None);
    EXPECT_EQ(SummaryModeLetters(ModeElement::E601BEvaporation).readingsOf(QStringLiteral("9")), ModeReadings::None);
    EXPECT_EQ(SummaryModeLetters(ModeElement::GroundAndSoil).readingsOf(QStringLiteral("A")), ModeReadings::None);
    EXPECT_EQ(SummaryModeLetters(ModeElement::Wind).readingsOf(QStringLiteral("0")), ModeReadings::None);
}

TEST(SummaryModeLetters, WindLettersReadFourTimesUnlessHourly)
{
    for (const char* letter : {"", "0", "9", "X", "0="}) {
        EXPECT_EQ(WindDayLetters.readingsOf(QString::fromUtf8(letter)), ModeReadings::FourTimes) << letter;
        EXPECT_EQ(WindStatisticsLetters.readingsOf(QString::fromUtf8(letter)), ModeReadings::FourTimes) << letter;
    }
    EXPECT_EQ(WindDayLetters.readingsOf(QStringLiteral("L")), ModeReadings::FourTimes);
    EXPECT_EQ(WindStatisticsLetters.readingsOf(QStringLiteral("L")), ModeReadings::Hourly);
}

TEST(SummaryModeLetters, HourlyMinimumItems)
{
    EXPECT_EQ(HourlyMinimumItem(ModeElement::StationPressure, QStringLiteral("C")), 27);
    EXPECT_EQ(HourlyMinimumItem(ModeElement::StationPressure, QStringLiteral("A")), 26);
    EXPECT_EQ(HourlyMinimumItem(ModeElement::AirTemperature, QStringLiteral("B")), 27);
    EXPECT_EQ(HourlyMinimumItem(ModeElement::AirTemperature, QStringLiteral("A")), 26);
    EXPECT_EQ(HourlyMinimumItem(ModeElement::AirTemperature, QStringLiteral("0")), 0);
}

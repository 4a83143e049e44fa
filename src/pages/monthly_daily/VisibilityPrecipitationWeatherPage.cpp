// The manual station's third numbered page: visibility at the four fixed hours, fixed-time
// precipitation and the day's weather record and summary, one row per day in the decade
// layout, with the visibility, precipitation-class, spell, pentad and weather-day blocks
// below. Drawn to the end whatever fails: each failing statement is reported once per error
// number (LastErrorNumbers slot 5, never cleared) and the page goes on.

#include "pages/frame/DecadePage.h"
#include "pages/frame/LayoutLiterals.h"
#include "toolkit/ErrorPatterns.h"
#include "pages/monthly_daily/WeatherPageParts.h"
#include "report/Component.h"
#include "toolkit/PageFrame.h"
#include "toolkit/PageHeading.h"
#include "toolkit/Renderers.h"
#include "toolkit/TextHelpers.h"
#include "toolkit/WeatherSymbols.h"

namespace tabulon {

namespace {

const QString ErrorContext = QStringLiteral("能见度、定时降水量、天气现象");
constexpr int ErrorSlot = 5;

constexpr double CornerWidth = 900;
constexpr double HeadingTop = 310;
constexpr double BodyTop = 910;
constexpr double RowHeight = 300;
constexpr double ColumnWidth = 650;
constexpr double DayGridBottom = 11410;
constexpr double TableBottom = 13210;
constexpr double LastDayRowEnd = 10810;   // the rows past the month's end end here

constexpr double VisibilityX = 900;
constexpr double PrecipitationX = 3500;
constexpr double DailyPrecipitationX = 5450;   // the 8-8 column
constexpr double WeatherX = 6100;
constexpr double WeatherWidth = 10400;
constexpr double NightWidth = 2000;
constexpr double SummaryX = 16500;
constexpr double SummaryWidth = 3000;
constexpr double BlocksRight = 9068;        // the sums beside the day grid end here
constexpr double WeatherDaysX = 10460;

const QString SubColumnCaptions = QStringLiteral("2   8   14  20  20-88-20合 计 8-8 ");
const QString RowLabels = QStringLiteral(
    "   1   2   3   4   5   6   7   8   9  10上旬计   11  12  13  14  15  16  17  18  19  20中旬计   "
    "21  22  23  24  25  26  27  28  29  30  31下旬计  月合计 ");
constexpr int RowLabelCount = 35;
const QString BlockTops = QStringLiteral("910,4210,7510");
const QString SumRows = QStringLiteral("3910,7210,10810,11110");
const QString RuleRows = QStringLiteral("2410 3910 4210 5710 7210 7510 9010 1081011410");

const QString ClassLabels = QStringLiteral("≥0.1  ≥1.0  ≥5.0  ≥10.0 ≥25.0 ≥50.0 ≥100.0≥150.0");
const QString SpellLabels = QStringLiteral("一日最大降水量  最长连续降水日数 最长连续无降水日数");
const QString SpellDateLabels = QStringLiteral("日  期起止日期起止日期");
constexpr double SpellRows[3] = {12310, 12610, 12910};

const QString Filler = QStringLiteral("---");
const QString WeatherFiller = QStringLiteral("-------------");
const QString BesideGridFiller = QStringLiteral("--------");

const DecadeFrame Frame{CornerWidth, BodyTop, DayGridBottom, RowHeight, BlockTops, SumRows, RuleRows,
                        RowLabels, 4, RowLabelCount, 11, TableBottom};

class VisibilityPrecipitationWeatherPage : DecadePageRenderer {
public:
    explicit VisibilityPrecipitationWeatherPage(Component& c)
        : DecadePageRenderer(c, Frame)
    {
        page_.cornerRuleBottom = BodyTop;
        page_.statement = stepper();
        page_.columnHeadings = [this] { drawColumnHeadings(); };
        page_.body = [this] { drawBody(); };
        page_.pageNumber = PageNumberText(3);
    }

    using DecadePageRenderer::draw;

private:
    void step(const std::function<void()>& statement)
    {
        ResumeReportingOnce(c_, ErrorSlot, ErrorContext, statement);
    }
    PageStep stepper()
    {
        return [this](const std::function<void()>& statement) { step(statement); };
    }
    void cell(int border, const QString& text, double w, double h, double x, double y)
    {
        cv_.PrintCell(border, text, w, h, x, y);
    }
    void value(const QString& text, double x, double y) { cell(cv_.ShowGridLines, text, ColumnWidth, RowHeight, x, y); }

    void drawColumnHeadings()
    {
        step([&] {
            cv_.DrawHorizontalLine(0, HeadingTop, LogicalPageWidth, lw());
            cv_.DrawHorizontalLine(0, BodyTop, LogicalPageWidth, lw());
            cv_.DrawVerticalLine(PrecipitationX, HeadingTop, BodyTop, lw());
            cv_.DrawVerticalLine(WeatherX, HeadingTop, BodyTop, lw());
            cv_.DrawVerticalLine(SummaryX, HeadingTop, BodyTop, 1);
            cv_.DrawVerticalLine(LogicalPageWidth, HeadingTop, BodyTop, lw());
        });
        step([&] { cv_.SetFont(11, Face::Text); });
        step([&] { PrintPageHeading(c_); });
        step([&] {
            cell(-1, QStringLiteral("能见度(0.1km)"), 4 * ColumnWidth, 300, VisibilityX, HeadingTop);
            cell(-1, QStringLiteral("定时降水量(0.1mm)"), 4 * ColumnWidth, 300, PrecipitationX, HeadingTop);
        });
        // A failure while deciding leaves the split on.
        split_ = true;
        step([&] { split_ = SplitWeatherColumn(c_); });
        step([&] {
            cell(-1, QStringLiteral("天  气  现  象"), WeatherWidth, split_ ? 300 : 600, WeatherX, HeadingTop);
            cell(-1, QStringLiteral("摘   要"), SummaryWidth, 600, SummaryX, HeadingTop);
            if (split_) {
                cell(-1, QStringLiteral("夜间(20-8时)"), NightWidth, 300, WeatherX, 610);
                cell(-1, QStringLiteral("白天(8-20时)"), WeatherWidth - NightWidth, 300, WeatherX + NightWidth, 610);
            }
        });
        step([&] {
            for (int k = 0; k < 8; ++k)
                cell(-1, FixedWidthPiece(SubColumnCaptions, k, 4), ColumnWidth, 300, VisibilityX + ColumnWidth * k, 610);
        });
    }

    void drawBody()
    {
        step([&] { cv_.SetFont(9, Face::Text); });
        cv_.TextAlign = 2;
        drawVisibility();
        drawPrecipitation();
        step([&] { PrintBlankDayRows(c_, LastDayRowEnd, CornerWidth, ColumnWidth, RowHeight, 8); });
        cv_.TextAlign = 1;
        drawWeather();
        cv_.TextAlign = 0;
        step([&] { cv_.SetFont(9, Face::Text); });
        drawWeatherFillers();
        drawRules();
        step([&] { cv_.SetFont(11, Face::Text); });
        PrintVisibilityClassTable(c_, {3500, 300, DayGridBottom, 11710, 400, 620, 300,
                                       QStringLiteral("时间     0.0-0.91.0-1.92.0-3.94.0-9.9≥10.0  ")},
                                  stepper());
        drawPrecipitationClasses();
        drawSpells();
        drawSumsBesideTheGrid();
        drawPentads();
        step([&] {
            cell(-1, QStringLiteral("天    气    日    数"), 9048, 600, WeatherDaysX, LastDayRowEnd);
        });
        PrintWeatherDaysTable(c_, {WeatherDaysX, DayGridBottom, 696, 300, 13, 26, QString()}, stepper());
    }

    void drawVisibility()
    {
        layout_.forEachDay(days_, [&](int d, double y) {
            step([&] {
                for (int h = 1; h <= 4; ++h)
                    value(FormattedTwoDigits(t_.AVisibility(d, h)), VisibilityX + ColumnWidth * (h - 1), y);
            });
        });
        layout_.forEachStatRow([&](int, double y) {
            step([&] {
                for (int h = 0; h < 4; ++h)
                    value(Filler, VisibilityX + ColumnWidth * h, y);
            });
        });
    }

    void drawPrecipitation()
    {
        layout_.forEachDay(days_, [&](int d, double y) {
            step([&] {
                for (int k = 1; k <= 3; ++k)
                    value(FormattedTwoDigits(t_.APrecipitation(d, k)), PrecipitationX + ColumnWidth * (k - 1), y);
                value(FormattedTwoDigits(t_.ADailyStat(d, 14)), DailyPrecipitationX, y);
            });
        });
        layout_.forEachStatRow([&](int period, double y) {
            step([&] {
                for (int k = 0; k < 4; ++k)
                    value(FormattedTwoDigits(t_.ADekadStat(period, 162 + k)), PrecipitationX + ColumnWidth * k, y);
            });
        });
    }

    void drawWeather()
    {
        layout_.forEachDay(days_, [&](int d, double y) {
            step([&] { PrintWeatherString(c_, t_.AWeather(d, 1), WeatherWidth, RowHeight, WeatherX, y, split_); });
            step([&] { PrintWeatherSummary(c_, t_.ADailyStat(d, 13), SummaryWidth, RowHeight, SummaryX, y); });
        });
        if (split_)
            step([&] { cv_.DrawVerticalLine(WeatherX + NightWidth, HeadingTop, LastDayRowEnd, 1); });
    }

    // The first two sum rows carry fillers in the weather and summary columns; the last two
    // rows of those columns belong to the blocks below.
    void drawWeatherFillers()
    {
        for (int period = 1; period <= 2; ++period) {
            const double y = statRow(period);
            step([&] {
                cell(cv_.ShowGridLines, WeatherFiller, WeatherWidth, RowHeight, WeatherX, y);
                cell(cv_.ShowGridLines, WeatherFiller, SummaryWidth, RowHeight, SummaryX, y);
            });
        }
        step([&] { PrintBlankDayRows(c_, LastDayRowEnd, WeatherX, WeatherWidth, RowHeight, 1); });
        step([&] { PrintBlankDayRows(c_, LastDayRowEnd, SummaryX, SummaryWidth, RowHeight, 1); });
    }

    void drawRules()
    {
        step([&] {
            page_.rules.draw(cv_, 0, LogicalPageWidth,
                        [](int y) { return y == DayGridBottom ? BlocksRight : LogicalPageWidth; });
            cv_.DrawHorizontalLine(0, TableBottom, LogicalPageWidth, lw());
            cv_.DrawVerticalLine(PrecipitationX, HeadingTop, TableBottom, lw());
            cv_.DrawVerticalLine(WeatherX, HeadingTop, DayGridBottom, lw());
            cv_.DrawVerticalLine(BlocksRight, LastDayRowEnd, TableBottom, lw());
            cv_.DrawVerticalLine(WeatherDaysX, LastDayRowEnd, TableBottom, lw());
            cv_.DrawVerticalLine(SummaryX, HeadingTop, LastDayRowEnd, 1);
            cv_.DrawVerticalLine(LogicalPageWidth, HeadingTop, TableBottom, lw());
        });
    }

    void drawPrecipitationClasses()
    {
        step([&] { cell(-1, QStringLiteral("各  级  降  水  日  数"), 5568, 300, PrecipitationX, DayGridBottom); });
        for (int k = 0; k < 8; ++k) {
            step([&] {
                const double x = PrecipitationX + 696 * k;
                cell(-1, FixedWidthPiece(ClassLabels, k, 6), 696, 300, x, 11710);
                cell(-1, t_.AMonthStat(27 + k), 696, 300, x, 12010);
            });
        }
    }

    void drawSpells()
    {
        step([&] {
            for (int r = 0; r < 3; ++r)
                cell(-1, FixedWidthPiece(SpellLabels, r, 9), 2088, 300, PrecipitationX, SpellRows[r]);
        });
        step([&] {
            cell(-1, t_.AMonthStat(35), 1800, 300, 5588, SpellRows[0]);
            cell(-1, t_.AMonthStat(36), 780, 300, 8288, SpellRows[0]);
            cell(-1, t_.AMonthStat(37), 500, 300, 5588, SpellRows[1]);
            cell(-1, t_.AMonthStat(38), 600, 300, 6788, SpellRows[1]);
            FormatSpellDates(c_, t_.AMonthStat(39));
            cell(-1, t_.AMonthStat(39), 780, 300, 8288, SpellRows[1]);
            cell(-1, t_.AMonthStat(40), 1800, 300, 5588, SpellRows[2]);
            FormatSpellDates(c_, t_.AMonthStat(41));
            cell(-1, t_.AMonthStat(41), 780, 300, 8288, SpellRows[2]);
        });
        step([&] {
            for (int r = 0; r < 3; ++r)
                cell(-1, FixedWidthPiece(SpellDateLabels, r, 4), 900, 300, 7388, SpellRows[r]);
        });
        step([&] { cell(-1, QStringLiteral("降水量"), 700, 300, 6088, SpellRows[1]); });
    }

    void drawSumsBesideTheGrid()
    {
        step([&] {
            cell(-1, BesideGridFiller, 2968, 300, WeatherX, LastDayRowEnd);
            cell(-1, BesideGridFiller, 2968, 300, WeatherX, statRow(4));
            cell(-1, QStringLiteral("候降水量"), 1392, 300, BlocksRight, LastDayRowEnd);
            cell(-1, QStringLiteral("候序"), 696, 300, BlocksRight, statRow(4));
            cell(-1, QStringLiteral("降水量"), 696, 300, BlocksRight + 696, statRow(4));
        });
    }

    void drawPentads()
    {
        for (int n = 1; n <= 6; ++n) {
            const double y = DayGridBottom + RowHeight * (n - 1);
            step([&] {
                cv_.TextAlign = 0;
                cell(-1, QString::number(n), 696, 300, BlocksRight, y);
                cv_.TextAlign = 2;
                cell(-1, t_.AMonthStat(20 + n), 696, 300, BlocksRight + 696, y);
            });
        }
        cv_.TextAlign = 0;
    }

    bool split_ = true;
};

const bool registered = RegisterRenderer(RendererId::PrintVisibilityPrecipitationWeather,
                                         [](Component& c, const RendererArgs&) {
                                             VisibilityPrecipitationWeatherPage(c).draw();
                                         });

}  // namespace

}  // namespace tabulon

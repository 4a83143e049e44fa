#include "pages/monthly_daily/MonthlyBriefPages.h"

#include "pages/frame/DecadeCells.h"
#include "pages/frame/FramedPage.h"
#include "pages/frame/LayoutLiterals.h"
#include "pages/frame/ObservationModes.h"
#include "pages/monthly_daily/BriefTableCells.h"
#include "toolkit/Canvas.h"
#include "toolkit/ClimateSummary.h"
#include "toolkit/CloudIcingSymbols.h"
#include "toolkit/PageHeading.h"
#include "toolkit/Renderers.h"
#include "toolkit/TextHelpers.h"
#include "toolkit/WeatherSymbols.h"
#include "report/Component.h"

#include <algorithm>

namespace tabulon {

namespace {

const QString ErrorContext = QStringLiteral("打印月简表第二页");
const QString Title = QStringLiteral("地面气象观测记录月简表(二)");

namespace D = BriefDayTable;
constexpr double CornerWidth = 900;
constexpr double BandTop = 310;
constexpr double RowLabelWidth = 921;   // the label cells reach past the column rule at 900

// The day table's columns.
constexpr double PrecipitationX = 900;
constexpr double PrecipitationWidth = 600;
const ColumnRun Winds{1500, 800};   // 02, 08, 14, 20 h
constexpr double WindMeanX = 4700;
constexpr double WindMeanWidth = 400;
constexpr double WeatherX = 5100;
constexpr double WeatherWidth = 1500;
constexpr double DayTableWidth = 6600;

const QString DayLabels =
    QStringLiteral("1,2,3,4,5,6,7,8,9,10,,11,12,13,14,15,16,17,18,19,20,,21,22,23,24,25,26,27,28,29,30,31");
const QStringList PeriodLabels{QStringLiteral("上旬计/平均"), QStringLiteral("中旬计/平均"),
                               QStringLiteral("下旬计/平均"), QStringLiteral("月计/平均")};

// The month blocks right of the day table.
constexpr double BlocksX = 6600;
const ColumnRun Directions{7300, 400};   // N .. NNW, C
const ColumnRun IcingValues{14850, 465};
const ColumnRun WeatherDays{7100, 496};
constexpr double SummaryX = 13050;
constexpr double SnowTop = 5800;

const QString WindRowLabels = QStringLiteral("风向,风速合计,出现回数,月平均,月最大,频率");
const QString DirectionNames = QStringLiteral("N,NNE,NE,ENE,E,ESE,SE,SSE,S,SSW,SW,WSW,W,WNW,NW,NNW,C");
const QString WeatherDayNames = QStringLiteral(
    "雨,雪,冰雹,冰针,雾,轻雾,露,霜,雨凇,雾凇,吹雪,龙卷,积雪,结冰,沙尘暴,扬沙,浮尘,烟幕,霾,尘卷风,雷暴,闪电,极光,大风,飑");
const QString ClassGroups = QStringLiteral("各 级 别 降 水 日 数,候 降 水 总 量,最  大,极  大");
const QString ClassGroupWidths = QStringLiteral("4696,3522,2341,2341");
const QString ClassLabels = QStringLiteral(
    "≥0.1,≥1.0,≥5.0,≥10.0,≥25.0,≥50.0,≥100.0,≥150.0,1,2,3,4,5,6,风速,风向,日期,风速,风向,日期");
const QString ClassLabelWidths =
    QStringLiteral("587,587,587,587,587,587,587,587,587,587,587,587,587,587,780,780,780,780,780,780");
const QString SpellLabels = QStringLiteral("一日最大降水量  最长连续降水日数 最长连续无降水日数");
const QString SpellDateLabels = QStringLiteral("日  期起止日期起止日期");
const QString SnowHeadings = QStringLiteral(
    "日        期        ,雪深       (cm)     ,雪压       (0.1g/m2),日        期        ,雪深       (cm)     ,"
    "雪压       (0.1g/m2),日        期        ,雪深       (cm)     ,雪压       (0.1g/m2)");
constexpr double SnowColumnWidth = 717;
constexpr double SnowRowHeight = 462;

PaneLayout Panes()
{
    return PaneLayout::of({CornerWidth, D::BodyTop, PaneMargin, PaneMargin},
                          {DayTableWidth, D::BodyTop, PaneMargin, PaneMargin},
                          {RowLabelWidth, D::Bottom, PaneMargin, PaneMargin}, {19550, 16200, 0, 0});
}

class MonthlyBrief2Page : BriefPage {
public:
    explicit MonthlyBrief2Page(Component& c) : BriefPage(c, D::Layout(), D::Rules())
    {
        const QString& windLetter = t_.AfileMode(ModeElement::Wind);
        hourlyDayWinds_ = WindDayLetters.readingsOf(windLetter) == ModeReadings::Hourly;
        hourlyStatistics_ = WindStatisticsLetters.readingsOf(windLetter) == ModeReadings::Hourly;
    }

    void draw()
    {
        DrawFramedPage(c_, Panes(),
                       {[this] { DrawCornerPane(c_, CornerWidth, D::BodyTop, D::BodyTop); },
                        [this] { drawColumnHeadings(); }, [this] { drawRowHeadings(); },
                        [this] { drawBody(); }});
    }

private:
    void box(const QString& text, double x, double y, double w, double h)
    {
        cv_.PrintCell(Border::Framed, text, w, h, x, y);
    }
    // The wind's direction at the top left, its speed at the bottom right.
    void splitCell(const QString& text, double x, double y, double w)
    {
        cv_.PrintCell(cv_.ShowGridLines, text, w, D::RowHeight, x, y, 1);
    }

    void drawColumnHeadings()
    {
        cv_.SetFont(11, 1);
        cv_.DrawHorizontalLine(0, BandTop, DayTableWidth, lw());
        cv_.DrawHorizontalLine(0, D::BodyTop, DayTableWidth, lw());
        for (double x : {Winds.x0, WeatherX, DayTableWidth})
            cv_.DrawVerticalLine(x, BandTop, D::BodyTop, lw());
        cv_.SetFont(11, 1);
        PrintPageHeading(c_);
        cv_.PrintWrappedText(Border::Framed, PrecipitationWidth, 1200, PrecipitationX, BandTop,
                             QStringLiteral("降      水      量      (0.1mm)"), 300, 7);
        box(QStringLiteral("二分钟风向风速(0.1m/s)"), Winds.x0, BandTop, 4 * Winds.width + WindMeanWidth, 400);
        box(QStringLiteral("天气现象摘要"), WeatherX, BandTop, WeatherWidth, 1200);
        const double half = Winds.width / 2;
        for (int k = 1; k <= 4; ++k) {
            box(QString::number(6 * k - 4), Winds.x(k), 710, Winds.width, 400);
            box(QStringLiteral("向"), Winds.x(k), 1110, half, 400);
            box(QStringLiteral("速"), Winds.x(k) + half, 1110, half, 400);
        }
        cv_.PrintWrappedText(Border::Framed, WindMeanWidth, 800, WindMeanX, 710, QStringLiteral("平均"), 400, 1);
    }

    void drawRowHeadings()
    {
        DrawDecadeRowRules(cv_, rules_, CornerWidth, D::Bottom);
        cv_.SetFont(11, 1);
        // All 31 day numbers stand whatever the month's length; the gaps are the ten-day rows.
        const QStringList labels = CommaList(DayLabels);
        for (qsizetype i = 0; i < labels.size(); ++i)
            if (!labels[i].isEmpty())
                box(labels[i], 0, D::BodyTop + D::RowHeight * double(i), RowLabelWidth, D::RowHeight);
        cv_.SetFont(8, 1);
        layout_.forEachStatRow([&](int p, double y) {
            cv_.PrintWrappedText(Border::Framed, CornerWidth, D::RowHeight, 0, y, PeriodLabels[p - 1], D::RowHeight, 6);
        });
    }

    void drawBody()
    {
        cv_.SetFont(11, 1);
        cv_.PrintCell(Border::None, Title, LogicalPageWidth, BandTop, 0, 0);
        cv_.DrawVerticalLine(Winds.x0, BandTop, D::Bottom, lw());
        drawDayTable();
        drawWindStatistics();
        drawIcing();
        drawMonthCounts();
        drawBlockHeadings();
        drawSpellsFrozenSoilSunshine();
        drawSnow();
        drawClimateSummary();
        cv_.DrawVerticalLine(SummaryX, SnowTop, D::Bottom, lw());
        cv_.DrawVerticalLine(LogicalPageWidth, BandTop, D::Bottom, lw());
        cv_.DrawHorizontalLine(0, BandTop, LogicalPageWidth, lw());
        cv_.DrawHorizontalLine(BlocksX, 3160, LogicalPageWidth, lw());
        cv_.DrawHorizontalLine(BlocksX, SnowTop, LogicalPageWidth, lw());
        cv_.DrawHorizontalLine(0, D::Bottom, LogicalPageWidth, lw());
        PrintPageNumber(c_, 2);
    }

    // A wind value is split at "/": the direction top-left, the speed bottom-right; a value
    // without "/" stands whole at the top-left.
    void drawDayTable()
    {
        cv_.SetFont(9, 1);
        cv_.TextAlign = Align::Centre;
        layout_.forEachDay(days_, [&](int d, double y) {
            valueCell(PrecipitationX, y, PrecipitationWidth, t_.APrecipitation(d, 3));
        });
        layout_.forEachStatRow([&](int p, double y) {
            valueCell(PrecipitationX, y, PrecipitationWidth, t_.ADekadStat(p, 164));
        });
        layout_.forEachDay(days_, [&](int d, double y) {
            cv_.TextAlign = Align::Left;
            for (int k = 1; k <= 4; ++k)
                splitCell(t_.AWind(d, hourlyDayWinds_ ? 6 * k : k), Winds.x(k), y, Winds.width);
            cv_.TextAlign = Align::Right;
            valueCell(WindMeanX, y, WindMeanWidth, t_.ADailyStat(d, 16));
        });
        layout_.forEachStatRow([&](int p, double y) {
            cv_.TextAlign = Align::Left;
            for (int k = 1; k <= 4; ++k)
                valueCell(Winds.x(k), y, Winds.width, t_.ADekadStat(p, 167 + (hourlyStatistics_ ? 6 * k : k)));
            cv_.TextAlign = Align::Right;
            valueCell(WindMeanX, y, WindMeanWidth, t_.ADekadStat(p, 192));
        });
        layout_.forEachDay(days_, [&](int d, double y) {
            PrintWeatherSummary(c_, t_.ADailyStat(d, 13), WeatherWidth, D::RowHeight, WeatherX, y);
        });
        layout_.forEachStatRow([&](int, double y) {
            cv_.SetFont(11, 1);
            cv_.TextAlign = Align::Centre;
            valueCell(WeatherX, y, WeatherWidth, QStringLiteral("-----"));
        });
        const auto blankEnd = static_cast<std::int16_t>(layout_.statRows.at(2));
        PrintBlankDayRows(c_, blankEnd, PrecipitationX, PrecipitationWidth, D::RowHeight, 1);
        PrintBlankDayRows(c_, blankEnd, Winds.x0, Winds.width, D::RowHeight, 4);
        PrintBlankDayRows(c_, blankEnd, WindMeanX, WindMeanWidth, D::RowHeight, 1);
        PrintBlankDayRows(c_, blankEnd, WeatherX, WeatherWidth, D::RowHeight, 1);
        rules_.draw(cv_, 0, DayTableWidth);
        cv_.DrawVerticalLine(WeatherX, BandTop, D::Bottom, lw());
        cv_.DrawVerticalLine(DayTableWidth, BandTop, D::Bottom, lw());
    }

    // Per direction: speed sum, occurrences, mean speed, maximum speed, frequency.
    void drawWindStatistics()
    {
        cv_.SetFont(11, 1);
        cv_.TextAlign = Align::Centre;
        const int counts = hourlyStatistics_ ? 25 : 5;
        const int means = counts + 1;
        for (int j = 1; j <= 17; ++j) {
            const double x = Directions.x(j);
            box(t_.AWindDirectionStat(counts, j, 1), x, 1510, Directions.width, 330);
            box(t_.AWindDirectionStat(counts, j, 2), x, 1840, Directions.width, 330);
            box(t_.AWindDirectionStat(means, j, 1), x, 2170, Directions.width, 330);
            box(t_.AWindDirectionStat(counts, j, 3), x, 2500, Directions.width, 330);
            box(t_.AWindDirectionStat(means, j, 2), x, 2830, Directions.width, 330);
        }
        box(t_.AMonthStat(61), 14100, 1510, 400, 660);
        box(t_.AMonthStat(62), 14100, 2500, 400, 660);
    }

    // The month's greatest icing: its symbol, the two directions' diameter, thickness and
    // weight, temperature, wind and the two dates.
    void drawIcing()
    {
        PrintWireIcingSymbol(c_, t_.AMonthStat(46), WireIcingGlyphs(), 350, 330, 14500, 1510);
        cv_.SetFont(9, 1);
        int column = 1;
        for (int item : {47, 48, 49, 51, 52, 53, 55, 56, 57})
            box(t_.AMonthStat(item), IcingValues.x(column++), 1510, IcingValues.width, 330);
        box(t_.AMonthStat(50) + u',' + t_.AMonthStat(54), IcingValues.x(column), 1510, IcingValues.width, 330);
    }

    // Cloud classes, weather days, precipitation classes, pentad totals, the wind extremes.
    void drawMonthCounts()
    {
        for (int t = 1; t <= 2; ++t)
            for (int c = 1; c <= 3; ++c)
                box(t_.ACloudClassStat(t, 5, c), 14500 + 2502 * (t - 1) + 834 * (c - 1), 2830, 834, 330);
        for (int n = 1; n <= 25; ++n)
            box(t_.AWeatherDayCount(n), WeatherDays.x(n), 3490, WeatherDays.width, 330);
        constexpr double y = 4480;
        for (int n = 1; n <= 8; ++n)
            box(t_.AMonthStat(26 + n), BlocksX + 587 * (n - 1), y, 587, 330);
        for (int n = 1; n <= 6; ++n)
            box(t_.AMonthStat(20 + n), 11296 + 587 * (n - 1), y, 587, 330);
        int i = 0;
        for (int item : {65, 66, 67, 70, 71, 72})
            box(t_.AMonthStat(item), 14818 + 780 * i++, y, 780, 330);
    }

    void drawBlockHeadings()
    {
        cv_.SetFont(11, 1);
        box(QStringLiteral("风  的  统  计"), BlocksX, BandTop, 7900, 800);
        cv_.SetFont(9, 1);
        const QStringList windRows = CommaList(WindRowLabels);
        box(windRows[0], BlocksX, 1110, 700, 400);
        for (int i = 1; i < windRows.size(); ++i)
            box(windRows[i], BlocksX, 1180 + 330 * i, 700, 330);
        cv_.SetFont(11, 1);
        const QStringList directions = CommaList(DirectionNames);
        for (int i = 0; i < directions.size(); ++i)
            box(directions[i], Directions.x(i + 1), 1110, Directions.width, 400);
        cv_.SetFont(9, 1);
        cv_.PrintWrappedText(Border::Framed, 400, 400, 14100, 1110, QStringLiteral("最多风向"), 200, 2);
        box(QStringLiteral("频率"), 14100, 2170, 400, 330);

        cv_.SetFont(11, 1);
        box(QStringLiteral("电  线  积  冰"), 14500, BandTop, 5000, 300);
        cv_.SetFont(9, 1);
        cv_.PrintWrappedText(Border::Framed, 350, 900, 14500, 610, QStringLiteral("现象符号"), 225, 1);
        cv_.SetFont(10, 1);
        box(QStringLiteral("南  北"), IcingValues.x(1), 610, 3 * IcingValues.width, 300);
        box(QStringLiteral("东  西"), IcingValues.x(4), 610, 3 * IcingValues.width, 300);
        const QStringList measures = CommaList(QStringLiteral("直径,厚度,重量,直径,厚度,重量"));
        const QStringList units = CommaList(QStringLiteral("(mm),(mm),(m/g),(mm),(mm),(m/g)"));
        for (int i = 0; i < 6; ++i) {
            box(measures[i], IcingValues.x(i + 1), 910, IcingValues.width, 300);
            box(units[i], IcingValues.x(i + 1), 1210, IcingValues.width, 300);
        }
        cv_.PrintWrappedText(Border::Framed, IcingValues.width, 900, IcingValues.x(7), 610,
                             QStringLiteral("气温    (0.1℃)"), 450, 6);
        box(QStringLiteral("风向"), IcingValues.x(8), 610, IcingValues.width, 900);
        cv_.PrintWrappedText(Border::Framed, IcingValues.width, 900, IcingValues.x(9), 610,
                             QStringLiteral("风速      (0.1m/s)"), 450, 8);
        box(QStringLiteral("日期"), IcingValues.x(10), 610, IcingValues.width, 900);

        box(QStringLiteral("日平均云量量别日数"), 14500, 1840, 5000, 330);
        box(QStringLiteral("总云量"), 14500, 2170, 2500, 330);
        box(QStringLiteral("低云量"), 17000, 2170, 2500, 330);
        const QStringList classes =
            CommaList(QStringLiteral("0.0-1.9,2.0-8.0,8.1-10.0,0.0-1.9,2.0-8.0,8.1-10.0"));
        for (int i = 0; i < classes.size(); ++i)
            box(classes[i], 14500 + 834 * i, 2500, 834, 330);

        cv_.PrintWrappedText(Border::Framed, 500, 660, BlocksX, 3160, QStringLiteral("天气日数"), 330, 2);
        const QStringList names = CommaList(WeatherDayNames);
        for (int i = 0; i < names.size(); ++i)
            box(names[i], WeatherDays.x(i + 1), 3160, WeatherDays.width, 330);

        PrintCellRun(cv_, Border::Framed, BlocksX, 3820, 330, CommaNumbers(ClassGroupWidths), CommaList(ClassGroups));
        PrintCellRun(cv_, Border::Framed, BlocksX, 4150, 330, CommaNumbers(ClassLabelWidths), CommaList(ClassLabels));
    }

    void drawSpellsFrozenSoilSunshine()
    {
        const QStringList spells = CutPieces(SpellLabels, 9, 3);
        const QStringList dates = CutPieces(SpellDateLabels, 4, 3);
        for (int i = 0; i < 3; ++i) {
            box(spells[i], BlocksX, 4810 + 330 * i, 2000, 330);
            box(dates[i], 10100, 4810 + 330 * i, 900, 330);
        }
        box(QStringLiteral("降水量"), 9000, 5140, 600, 330);
        box(t_.AMonthStat(35), 8600, 4810, 1500, 330);
        box(t_.AMonthStat(36), 11000, 4810, 900, 330);
        box(t_.AMonthStat(37), 8600, 5140, 400, 330);
        box(t_.AMonthStat(38), 9600, 5140, 500, 330);
        box(t_.AMonthStat(39), 11000, 5140, 900, 330);
        box(t_.AMonthStat(40), 8600, 5470, 1500, 330);
        box(t_.AMonthStat(41), 11000, 5470, 900, 330);

        box(QStringLiteral("冻    土"), 11900, 4810, 3800, 330);
        box(QStringLiteral("日    照"), 15700, 4810, 3800, 330);
        const ColumnRun cols{11900, 1267};
        const QStringList labels = CommaList(QStringLiteral("日数,月最大,日期,月日照百分率,≥60%,≤20%"));
        for (int i = 0; i < labels.size(); ++i)
            box(labels[i], cols.x(i + 1), 5140, cols.width, 330);
        // Under "日数" no value cell stands.
        const QString* values[] = {&t_.AMonthStat(85), &t_.AMonthStat(86), &t_.ASunshineStat(3),
                                   &t_.ASunshineStat(1), &t_.ASunshineStat(2)};
        for (int i = 0; i < 5; ++i)
            box(*values[i], cols.x(i + 2), 5470, cols.width, 330);
    }

    // Day numbers 1 to 31 always stand; snow values only for the days of the month.
    void drawSnow()
    {
        cv_.SetFont(11, 1);
        box(QStringLiteral("积    雪"), BlocksX, SnowTop, SummaryX - BlocksX, 330);
        box(QStringLiteral("气候概况"), SummaryX, SnowTop, LogicalPageWidth - SummaryX, 330);
        const ColumnRun cols{BlocksX, SnowColumnWidth};
        const double headingTop = SnowTop + 330;
        const QStringList headings = CommaList(SnowHeadings);
        for (int k = 0; k < headings.size(); ++k) {
            const double x = cols.x(k + 1);
            if (k % 3 == 2) {
                PrintSnowPressureHeading(c_, SnowColumnWidth, 924, x, headingTop, SnowRowHeight);
            } else {
                cv_.SetFont(11, 1);
                cv_.PrintWrappedText(Border::Framed, SnowColumnWidth, 924, x, headingTop, headings[k], SnowRowHeight, 9);
            }
        }
        cv_.SetFont(11, 1);
        auto rowY = [](int r) { return 6592 + SnowRowHeight * r; };
        auto cell = [&](const QString& text, int column, int r) {
            box(text, cols.x(column), rowY(r), SnowColumnWidth, SnowRowHeight);
        };
        for (int r = 1; r <= 10; ++r) {
            for (int block = 0; block < 2; ++block) {
                const int day = r + 10 * block;
                cell(QString::number(day), 1 + 3 * block, r);
                cell(t_.ASnow(day, 1), 2 + 3 * block, r);
                cell(t_.ASnow(day, 2), 3 + 3 * block, r);
            }
            cell(QString::number(r + 20), 7, r);
        }
        cell(QStringLiteral("31"), 7, 11);
        for (int r = 1; r <= std::min(days_, 31) - 20; ++r) {
            cell(t_.ASnow(r + 20, 1), 8, r);
            cell(t_.ASnow(r + 20, 2), 9, r);
        }
        box(QStringLiteral("月  最  大"), BlocksX, 12136, SummaryX - BlocksX, SnowRowHeight);
        QStringList maxima = CommaList(QStringLiteral("雪深,,日期,,雪压,,日期,"));
        for (int i = 0; i < 4; ++i)
            maxima[2 * i + 1] = t_.AMonthStat(42 + i);
        for (int i = 0; i < maxima.size(); ++i)
            box(maxima[i], BlocksX + 806 * i, 12590, 806, SnowRowHeight);
    }

    // One paragraph per summary line; a line without text adds none, and a summary never
    // given leaves the box empty.
    void drawClimateSummary()
    {
        const QString text = ClimateSummaryText(t_.AClimateSummary);
        cv_.PrintParagraph(0, ClimateSummaryIndent(cv_), text, LogicalPageWidth - SummaryX, D::Bottom - 6130,
                           SummaryX, 6130);
    }

    bool hourlyDayWinds_ = false;
    bool hourlyStatistics_ = false;
};

[[maybe_unused]] const bool registered = RegisterRenderer(
    RendererId::PrintMonthlyBrief2, [](Component& c, const RendererArgs&) { PrintMonthlyBrief2(c); });

}  // namespace

void PrintMonthlyBrief2(Component& c)
{
    TrapAndReport(c, ErrorContext, [&] { MonthlyBrief2Page(c).draw(); });
}

}  // namespace tabulon

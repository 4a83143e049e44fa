#include "pages/monthly_daily/EvaporationSnowIcingWindPage.h"

#include "pages/frame/DecadePage.h"
#include "pages/frame/LayoutLiterals.h"
#include "toolkit/Canvas.h"
#include "toolkit/CloudIcingSymbols.h"
#include "toolkit/PageHeading.h"
#include "toolkit/Renderers.h"
#include "toolkit/TextHelpers.h"
#include "report/Component.h"

#include <array>

namespace tabulon {

namespace {

const QString ErrorContext = QStringLiteral("蒸发、积雪、电线积冰、定时风");

constexpr double CornerWidth = 900;
constexpr double RowHeight = 320;
constexpr double HeadingTop = 310;
constexpr double BodyTop = 1510;
constexpr double TableBottom = 13350;     // the left table; the bottom line stands below it
constexpr double BottomLineBottom = 13650;
constexpr double LeftTableRight = 13950;
constexpr double ExtremesRow = 12710;
constexpr double DatesRow = 13030;

const DecadeFrame Frame{
    CornerWidth, BodyTop, TableBottom, RowHeight, QStringLiteral("1510,5030,8550"),
    QStringLiteral("4710,8230,12070,12390"), QStringLiteral("3110 4710 5030 6630 8230 8550 10150120701271013350"),
    QStringLiteral("1  2  3  4  5  6  7  8  9  10 上旬计11 12 13 14 15 16 17 18 19 20 中旬计21 22 23 24 25 26 27 28 29 30 31 "
                   "下旬计月合计月极值日 期"),
    3, 37};

const QString IcingSubHeadings =
    QStringLiteral("直径   (mm) 厚度   (mm) 重量   (g/m)直径   (mm) 厚度   (mm) 重量   (g/m)");
const QString WindSubHeadings = QStringLiteral("风向风速风向风速风向风速风向风速");

// Column groups of the left table.
const ColumnRun Evaporation{900, 550};       // small pan, E601B
const ColumnRun Snow{2000, 550};             // depth, pressure
constexpr double IcingCodeX = 3100;
constexpr double IcingCodeWidth = 500;
const ColumnRun IcingValues{3600, 650};      // 7 values, then the icing wind's direction and speed
constexpr int IcingValueCount = 7;
const ColumnRun FixedTimeWind{9450, 500};    // direction and speed of each hour, then the daily mean
constexpr int WindColumns = 9;

// The wind statistics right of the left table: per direction three lines of 250.
constexpr double StatsTop = 1420;
constexpr double StatsLine = 250;
constexpr double DirectionGroup = 3 * StatsLine;
constexpr double NameWidth = 860;
constexpr double LineLabelX = 14810;
constexpr double HourColumnsX = 15670;
constexpr double HourColumnWidth = 312;
constexpr double MonthTotalX = 16920;
constexpr double MeanSpeedX = 17780;
constexpr double FrequencyX = 18640;
constexpr int Directions = 16;
constexpr int Calm = 17;
const QString StatsHeadings = QStringLiteral("风向  项目  2   8   14  20  月合计 平均风速风向频率");
const QString StatsHeadingWidths = QStringLiteral("860860312312312312860860860");
const QString DirectionNames = QStringLiteral("N  NNENE ENEE  ESESE SSES  SSWSW WSWW  WNWNW NNWC  ");
const std::array<QString, 3> LineLabels{QStringLiteral("风速合计"), QStringLiteral("出现回数"),
                                        QStringLiteral("最大风速")};

const QString Filler = QStringLiteral("---");
const QString ShortFiller = QStringLiteral("--");

class EvaporationSnowIcingWindPage : DecadePageRenderer {
public:
    explicit EvaporationSnowIcingWindPage(Component& c)
        : DecadePageRenderer(c, Frame)
    {
        // The heading panes end with the left table; the wind statistics stand in the body.
        page_.panes.panes[1] = {LeftTableRight, BodyTop, PaneMargin, PaneMargin};
        page_.panes.panes[2].extraHeight = 50;
        page_.corner = [this] { drawCorner(); };
        page_.columnHeadings = [this] { drawColumnHeadings(); };
        page_.body = [this] { drawBody(); };
        page_.pageNumber = PageNumberText(6);
        page_.pageNumberY = 13750;
    }

    using DecadePageRenderer::draw;

private:

    // The band's rules run past the corner cell into the first heading.
    void drawCorner()
    {
        cv_.SetFont(11, 1);
        cv_.TextAlign = 0;
        cv_.PrintCell(-1, QStringLiteral("日  期"), CornerWidth, BodyTop - HeadingTop, 0, HeadingTop);
        cv_.DrawHorizontalLine(0, HeadingTop, 1060, lw());
        cv_.DrawHorizontalLine(0, BodyTop, 1060, lw());
        cv_.DrawVerticalLine(0, HeadingTop, 1550, lw());
        cv_.DrawVerticalLine(CornerWidth, HeadingTop, 1550, lw());
    }

    void wrapped(const QString& text, double x, double y, double w, double h, double pitch, int perLine)
    {
        cv_.PrintWrappedText(-1, w, h, x, y, text, pitch, perLine);
    }

    void drawColumnHeadings()
    {
        cv_.DrawHorizontalLine(0, HeadingTop, LeftTableRight, lw());
        cv_.DrawHorizontalLine(0, BodyTop, LeftTableRight, lw());
        for (double x : {Snow.x0, IcingCodeX, FixedTimeWind.x0, LeftTableRight})
            cv_.DrawVerticalLine(x, HeadingTop, 1550, lw());
        cv_.SetFont(10, 1);
        PrintPageHeading(c_);
        wrapped(QStringLiteral("蒸发量    (0.1mm)"), Evaporation.x0, HeadingTop, 1100, 800, 400, 7);
        cv_.PrintCell(-1, QStringLiteral("小型"), Evaporation.width, 400, Evaporation.x(1), 1110);
        cv_.PrintCell(-1, QStringLiteral("E601B"), Evaporation.width, 400, Evaporation.x(2), 1110);
        wrapped(QStringLiteral("雪深  (cm)"), Snow.x(1), HeadingTop, Snow.width, 1200, 600, 4);
        PrintSnowPressureHeading(c_, Snow.width, 1200, Snow.x(2), HeadingTop, 600);
        cv_.SetFont(10, 1);   // the snow-pressure heading leaves its unit's size selected
        cv_.PrintCell(-1, QStringLiteral("电   线   积   冰"), 6350, 300, IcingCodeX, HeadingTop);
        wrapped(QStringLiteral("现象符号"), IcingCodeX, 610, IcingCodeWidth, 900, 450, 2);
        cv_.PrintCell(-1, QStringLiteral("南   北"), 1950, 300, IcingValues.x(1), 610);
        cv_.PrintCell(-1, QStringLiteral("东   西"), 1950, 300, IcingValues.x(4), 610);
        for (int k = 0; k < 6; ++k)
            wrapped(FixedWidthPiece(IcingSubHeadings, k, 10), IcingValues.x(k + 1), 910, IcingValues.width, 600,
                    300, 5);
        cv_.SetFont(11, 1);
        wrapped(QStringLiteral("气温    (0.1℃)"), IcingValues.x(7), 610, IcingValues.width, 900, 450, 6);
        cv_.PrintCell(-1, QStringLiteral("风向"), IcingValues.width, 900, IcingValues.x(8), 610);
        wrapped(QStringLiteral("风速      (0.1m/s)"), IcingValues.x(9), 610, IcingValues.width, 900, 450, 8);
        cv_.PrintCell(-1, QStringLiteral("定时风向风速(0.1m/s)"), 4500, 400, FixedTimeWind.x0, HeadingTop);
        for (int k = 0; k < 4; ++k)
            cv_.PrintCell(-1, QString::number(6 * k + 2), 1000, 400, FixedTimeWind.x0 + 1000 * k, 710);
        for (int k = 0; k < 8; ++k)
            cv_.PrintCell(-1, FixedWidthPiece(WindSubHeadings, k, 2), FixedTimeWind.width, 400,
                          FixedTimeWind.x(k + 1), 1110);
        wrapped(QStringLiteral("风速平均"), FixedTimeWind.x(WindColumns), 710, FixedTimeWind.width, 800, 400, 2);
    }

    void drawBody()
    {
        cv_.SetFont(9, 1);
        cv_.TextAlign = 2;
        drawEvaporation();
        drawSnow();
        drawIcing();
        drawFixedTimeWind();
        cv_.TextAlign = 0;
        const auto blank = [&](double x0, double w, int columns) {
            PrintBlankDayRows(c_, static_cast<std::int16_t>(layout_.statRows.at(2)), static_cast<std::int16_t>(x0),
                              static_cast<std::int16_t>(w), RowHeight, static_cast<std::int16_t>(columns));
        };
        blank(Evaporation.x0, Evaporation.width, 4);
        blank(IcingCodeX, IcingCodeWidth, 1);
        blank(IcingValues.x0, IcingValues.width, 9);
        blank(FixedTimeWind.x0, FixedTimeWind.width, WindColumns);
        drawBodyRules();
        drawWindStatistics();
        drawBottomLine();
    }

    // A centred filler; the cells around it are right-aligned.
    void filler(double x, double y, double w, const QString& text = Filler)
    {
        cv_.TextAlign = 0;
        cells_.value(x, y, w, text);
        cv_.TextAlign = 2;
    }
    void fillerRun(const ColumnRun& run, int from, int to, double y, const QString& text = Filler)
    {
        for (int k = from; k <= to; ++k)
            filler(run.x(k), y, run.width, text);
    }

    void drawEvaporation()
    {
        layout_.forEachDay(days_, [&](int d, double y) {
            cells_.padded(Evaporation.x(1), y, Evaporation.width, t_.AEvaporation(d, 1));
            cells_.padded(Evaporation.x(2), y, Evaporation.width, t_.AEvaporationE601B(d, 1));
        });
        layout_.forEachStatRow([&](int period, double y) {
            cells_.padded(Evaporation.x(1), y, Evaporation.width, t_.ADekadStat(period, 166));
            cells_.padded(Evaporation.x(2), y, Evaporation.width, t_.ADekadStat(period, 167));
        });
        fillerRun(Evaporation, 1, 2, ExtremesRow);
        fillerRun(Evaporation, 1, 2, DatesRow);
    }

    void drawSnow()
    {
        layout_.forEachDay(days_, [&](int d, double y) {
            cells_.value(Snow.x(1), y, Snow.width, t_.ASnow(d, 1));
            cells_.value(Snow.x(2), y, Snow.width, t_.ASnow(d, 2));
        });
        layout_.forEachStatRow([&](int, double y) { fillerRun(Snow, 1, 2, y); });
        cells_.value(Snow.x(1), ExtremesRow, Snow.width, t_.AMonthStat(42));
        cells_.value(Snow.x(2), ExtremesRow, Snow.width, t_.AMonthStat(44));
        cells_.value(Snow.x(1), DatesRow, Snow.width, t_.AMonthStat(43));
        cells_.value(Snow.x(2), DatesRow, Snow.width, t_.AMonthStat(45));
    }

    void drawIcing()
    {
        const WireIcingGlyphTable& glyphs = WireIcingGlyphs();
        const ColumnRun& v = IcingValues;
        layout_.forEachDay(days_, [&](int d, double y) {
            PrintWireIcingSymbol(c_, t_.AWireIcing(d, 1), glyphs, IcingCodeWidth, RowHeight, IcingCodeX, y);
            for (int m = 1; m <= IcingValueCount; ++m)
                cells_.value(v.x(m), y, v.width, t_.AWireIcing(d, m + 1));
            const WindCells wind = SplitIcingWind(t_.AWireIcing(d, 9));
            cells_.value(v.x(8), y, v.width, wind.direction);
            cells_.value(v.x(9), y, v.width, wind.speed);
        });
        layout_.forEachStatRow([&](int, double y) {
            filler(IcingCodeX, y, IcingCodeWidth);
            fillerRun(v, 1, 9, y);
        });
        // The month's greatest icing: the code, the six values, temperature and wind.
        PrintWireIcingSymbol(c_, t_.AMonthStat(46), glyphs, IcingCodeWidth, RowHeight, IcingCodeX, ExtremesRow);
        constexpr std::array<int, 9> extremeItems{47, 48, 49, 51, 52, 53, 55, 56, 57};
        for (int m = 1; m <= 9; ++m)
            cells_.value(v.x(m), ExtremesRow, v.width, t_.AMonthStat(extremeItems[static_cast<std::size_t>(m - 1)]));
        // Their dates: one for the north-south values, one for the east-west ones.
        filler(IcingCodeX, DatesRow, IcingCodeWidth, ShortFiller);
        cv_.TextAlign = 0;
        cells_.value(v.x(1), DatesRow, 3 * v.width, t_.AMonthStat(50));
        cells_.value(v.x(4), DatesRow, 3 * v.width, t_.AMonthStat(54));
        fillerRun(v, 7, 9, DatesRow, ShortFiller);
    }

    void drawFixedTimeWind()
    {
        const ColumnRun& w = FixedTimeWind;
        layout_.forEachDay(days_, [&](int d, double y) {
            for (int h = 1; h <= 4; ++h) {
                const WindCells wind = SplitFixedTimeWind(t_.AWind(d, h));
                cv_.TextAlign = 1;
                cells_.value(w.x(2 * h - 1), y, w.width, wind.direction);
                cv_.TextAlign = 2;
                cells_.value(w.x(2 * h), y, w.width, wind.speed);
            }
            cells_.value(w.x(WindColumns), y, w.width, t_.ADailyStat(d, 16));
        });
        layout_.forEachStatRow([&](int period, double y) {
            for (int h = 1; h <= 4; ++h) {
                filler(w.x(2 * h - 1), y, w.width);
                cells_.value(w.x(2 * h), y, w.width, t_.ADekadStat(period, 167 + h));
            }
            cells_.value(w.x(WindColumns), y, w.width, t_.ADekadStat(period, 172));
        });
        fillerRun(w, 1, WindColumns, ExtremesRow);
        fillerRun(w, 1, WindColumns, DatesRow);
    }

    void drawBodyRules()
    {
        page_.rules.draw(cv_, 0, LeftTableRight);
        cv_.DrawHorizontalLine(0, HeadingTop, LogicalPageWidth, lw());
        cv_.DrawHorizontalLine(0, TableBottom, LeftTableRight, lw());
        cv_.DrawHorizontalLine(0, BottomLineBottom, LogicalPageWidth, lw());
        cv_.DrawVerticalLine(0, HeadingTop, BottomLineBottom, lw());
        for (double x : {Snow.x0, IcingCodeX, FixedTimeWind.x0})
            cv_.DrawVerticalLine(x, HeadingTop, TableBottom, lw());
        cv_.DrawVerticalLine(LeftTableRight, HeadingTop, BottomLineBottom, lw());
        cv_.DrawVerticalLine(LineLabelX, 970, BottomLineBottom, 1);
        cv_.DrawVerticalLine(HourColumnsX, 970, BottomLineBottom, 1);
        cv_.DrawVerticalLine(LogicalPageWidth, HeadingTop, BottomLineBottom, lw());
    }

    void drawWindStatistics()
    {
        cv_.TextAlign = 0;
        cv_.SetFont(11, 1);
        cv_.PrintCell(-1, QStringLiteral("风  的  统  计"), LogicalPageWidth - LeftTableRight, 610, LeftTableRight,
                      HeadingTop);
        PrintCellRun(cv_, -1, LeftTableRight, 920, 500, NumberFields(StatsHeadingWidths, 3),
                     CutPieces(StatsHeadings, 4));
        const double calmY = StatsTop + DirectionGroup * Directions;
        for (int d = 1; d <= Calm; ++d)
            cv_.PrintCell(cv_.ShowGridLines, FixedWidthPiece(DirectionNames, d - 1, 3), NameWidth,
                          d == Calm ? StatsLine : DirectionGroup, LeftTableRight, groupY(d));
        cv_.SetFont(10, 1);
        for (int d = 1; d <= Directions; ++d)
            for (int k = 1; k <= 3; ++k)
                statCell(LineLabelX, lineY(d, k), NameWidth, StatsLine, LineLabels[static_cast<std::size_t>(k - 1)]);
        statCell(LineLabelX, calmY, NameWidth, StatsLine, LineLabels[1]);
        for (int d = 0; d <= Directions; ++d)
            cv_.DrawHorizontalLine(LeftTableRight, StatsTop + DirectionGroup * d, LogicalPageWidth, lw());

        cv_.SetFont(9, 1);
        TextCube& s = t_.AWindDirectionStat;
        for (int d = 1; d <= Directions; ++d)
            for (int k = 1; k <= 3; ++k)
                for (int i = 1; i <= 4; ++i)
                    statCell(hourX(i), lineY(d, k), HourColumnWidth, StatsLine, s(i, d, k));
        for (int i = 1; i <= 4; ++i)
            statCell(hourX(i), calmY, HourColumnWidth, StatsLine, s(i, Calm, 2));
        for (int d = 1; d <= Directions; ++d) {
            const double y = groupY(d);
            statCell(MonthTotalX, y, NameWidth, StatsLine, s(5, d, 1));
            statCell(MonthTotalX, y + StatsLine, NameWidth, StatsLine, s(5, d, 2));
            cv_.PrintCell(-1, QStringLiteral("月最大"), NameWidth, StatsLine, MonthTotalX, y + 2 * StatsLine);
            statCell(MeanSpeedX, y + 2 * StatsLine, NameWidth, StatsLine, s(5, d, 3));
            statCell(MeanSpeedX, y, NameWidth, 2 * StatsLine, s(6, d, 1));
            statCell(FrequencyX, y, NameWidth, DirectionGroup, s(6, d, 2));
        }
        statCell(MonthTotalX, calmY, NameWidth, StatsLine, s(5, Calm, 2));
        statCell(MeanSpeedX, calmY, NameWidth, StatsLine, Filler);
        statCell(FrequencyX, calmY, NameWidth, StatsLine, s(6, Calm, 2));
    }

    static double groupY(int direction) { return StatsTop + DirectionGroup * (direction - 1); }
    static double lineY(int direction, int line) { return groupY(direction) + StatsLine * (line - 1); }
    static double hourX(int hour) { return HourColumnsX + HourColumnWidth * (hour - 1); }
    void statCell(double x, double y, double w, double h, const QString& text)
    {
        cv_.PrintCell(cv_.ShowGridLines, text, w, h, x, y);
    }

    void drawBottomLine()
    {
        cv_.SetFont(11, 1);
        cv_.PrintCell(-1, QStringLiteral("定时最大风速"), IcingCodeX, RowHeight, 0, TableBottom);
        PrintCellRun(cv_, -1, IcingCodeX, TableBottom, RowHeight, std::vector<int>(9, 1206),
                     {t_.AMonthStat(58), QStringLiteral("风向"), t_.AMonthStat(59), QStringLiteral("日期"),
                      t_.AMonthStat(60), QStringLiteral("最多风向"), t_.AMonthStat(61), QStringLiteral("频率"),
                      t_.AMonthStat(62)});
    }

};

[[maybe_unused]] const bool registered =
    RegisterRenderer(RendererId::PrintEvaporationSnowIcingWind,
                     [](Component& c, const RendererArgs&) { PrintEvaporationSnowIcingWind(c); });

}  // namespace

WindCells SplitFixedTimeWind(const QString& value)
{
    const qsizetype slash = value.indexOf(u'/');
    if (slash < 0)
        return {value, QString()};
    QString speed = value.mid(slash + 1).section(u'/', 0, 0);
    FormatTwoDigits(speed);
    return {value.left(slash), speed};
}

void PrintEvaporationSnowIcingWind(Component& c)
{
    TrapAndReport(c, ErrorContext, [&] { EvaporationSnowIcingWindPage(c).draw(); });
}

}  // namespace tabulon

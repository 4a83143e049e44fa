#include "pages/yearly/YearPage2.h"

#include "pages/frame/LayoutLiterals.h"
#include "pages/yearly/YearTable.h"
#include "pages/yearly/YearlyPage.h"
#include "platform/Surface.h"
#include "toolkit/Canvas.h"
#include "toolkit/CloudIcingSymbols.h"
#include "toolkit/ErrorPatterns.h"
#include "toolkit/PageHeading.h"
#include "toolkit/Renderers.h"
#include "toolkit/SymbolGlyphs.h"
#include "report/Component.h"

namespace tabulon {

namespace {

const QString PageContext = QStringLiteral("年报表第二页");

constexpr double LabelWidth = 916;
constexpr double TableBottom = 12160;
constexpr double RowHeight = 350;
constexpr double UpperMonthTop = 1510;
constexpr double LowerHeadingTop = 6410;
constexpr double LowerMonthTop = 7610;
constexpr double UpperTotals = 5710;
constexpr double UpperExtremes = 6060;
constexpr double LowerTotals = 11810;

constexpr int UpperColumns = 23;
constexpr int UpperItemBase = 60;
constexpr int IcingColumn = 12;

constexpr int WeatherColumns = 25;
constexpr int WeatherItemBase = 83;
constexpr double WeatherX = 916;
constexpr double WeatherWidth = 595;

constexpr double DatesX = 15800;        // the first/last-date table
constexpr double DateValuesX = 16700;
constexpr double DateWidth = 700;
constexpr double ThunderY = 11110;
constexpr double FrostFreeY = 11460;

const QString Filler = QStringLiteral("---");

const MonthLabelColumn& Labels()
{
    static const MonthLabelColumn labels{
        LabelWidth,
        TableBottom,
        {310, 1510},
        {{310, 1200, UpperMonthTop, RowHeight,
          {{QStringLiteral("年合计"), UpperTotals, RowHeight}, {QStringLiteral("年极值"), UpperExtremes, RowHeight}}},
         {LowerHeadingTop, 1200, LowerMonthTop, RowHeight, {{QStringLiteral("年合计"), LowerTotals, RowHeight}}}},
        NumberFields(QStringLiteral("3610 5710 6400 7600 9700 1180012150"), 5)};
    return labels;
}

// One page drawing: every statement runs through the page's once-per-number trap.
class Page2 {
public:
    explicit Page2(Component& c) : c_(c), cv_(c.canvas) {}

    void draw()
    {
        const YearlyPage page{Labels(), 0, [this](Component&) { drawBody(); }, 2, 13100, run()};
        DrawYearlyPage(c_, page);
    }

private:
    YearStatement run()
    {
        return [this](const std::function<void()>& statement) {
            ResumeReportingOnce(c_, c_.YearPage2LastError, PageContext, statement);
        };
    }
    void step(const std::function<void()>& statement) { RunStatement(run(), statement); }
    void font(int size) { step([&] { cv_.SetFont(size, 1); }); }

    void drawBody()
    {
        font(11);
        step([&] { PrintPageHeading(c_); });
        font(11);
        printUpperHeadings();
        font(9);
        printUpperValues();
        printWeatherDays();
        printFirstLastDates();
        drawRules();
    }

    void printUpperHeadings()
    {
        static const std::vector<HeadingCell> groups{
            {QStringLiteral("最长连续降水日数"), 916, 310, 2747, 300},
            {QStringLiteral("最长连续无降水日数"), 3663, 310, 1977, 300},
            {QStringLiteral("蒸发量(0.1mm)"), 5640, 310, 1540, 300},
            {QStringLiteral("雪深和雪压"), 7180, 310, 3080, 300},
            {QStringLiteral("电   线   积   冰"), 10260, 310, 9240, 300},
        };
        PrintHeadingCells(c_, groups, run());
        // Sub-headings of the spell and evaporation columns, in the columns' own widths.
        static const QStringList captions =
            CutPieces(QStringLiteral("日数    降水量   起止日期  日数    起止日期  小型    E601B型"), 6, 7);
        static const std::vector<int> xs = RunningX(916, NumberFields(QStringLiteral("770 770 1207770 1207770 770 "), 4));
        for (int k = 0; k < captions.size(); ++k)
            step([&] { cv_.PrintCell(-1, captions.at(k), xs.at(k + 1) - xs.at(k), 900, xs.at(k), 610); });

        static const std::vector<HeadingCell> snow{
            {QStringLiteral("最大  雪深  (cm)"), 7180, 610, 770, 900, 4, 300},
            {QStringLiteral("日期"), 7950, 610, 770, 900},
            {QString(), 8720, 610, 770, 900},
            {QStringLiteral("最大"), 8720, 610, 770, 300, 0, 0, 0},
        };
        PrintHeadingCells(c_, snow, run());
        step([&] { PrintSnowPressureHeading(c_, 770, 600, 8720, 910, 300); });
        font(11);

        static const std::vector<HeadingCell> icing = [] {
            std::vector<HeadingCell> cells{
                {QStringLiteral("日期"), 9490, 610, 770, 900},
                {QStringLiteral("现象符号"), 10260, 610, 770, 900, 2, 450},
                {QStringLiteral("南     北"), 11030, 610, 3080, 300},
                {QStringLiteral("东     西"), 14110, 610, 3080, 300},
            };
            for (int wire = 0; wire < 2; ++wire) {
                const double dx = 3080 * wire;
                cells.push_back({QStringLiteral("直径  (mm)"), 11030 + dx, 910, 770, 600, 4, 300});
                cells.push_back({QStringLiteral("厚度  (mm)"), 11800 + dx, 910, 770, 600, 4, 300});
                cells.push_back({QStringLiteral("最大重量 (g/m)"), 12570 + dx, 910, 770, 600, 5, 300});
                cells.push_back({QStringLiteral("日期"), 13340 + dx, 910, 770, 600});
            }
            cells.push_back({QStringLiteral("气温    (0.1℃)"), 17190, 610, 770, 900, 6, 450});
            cells.push_back({QStringLiteral("风向"), 17960, 610, 770, 900});
            cells.push_back({QStringLiteral("风速      (0.1m/s)"), 18730, 610, 770, 900, 8, 450});
            return cells;
        }();
        PrintHeadingCells(c_, icing, run());
    }

    void printUpperValues()
    {
        static const ColumnItems months = ColumnItems::offset(UpperColumns, UpperItemBase);
        static const ColumnItems totals(UpperColumns, {{6, 7, 66}});
        static const ColumnItems extremes(UpperColumns, {{1, 5, 61}, {8, 23, 68}});
        YearTable upper(YearColumns::fromWidths(LabelWidth, CommaNumbers(QStringLiteral(
                            "770,770,1207,770,1207,770,770,770,770,770,770,770,770,770,770,770,770,770,770,770,770,"
                            "770,770"))),
                        UpperMonthTop, RowHeight);
        // The icing phenomenon is printed as its symbol.
        upper.printColumnWith(IcingColumn, [this](Canvas&, const YearCell& cell) {
            PrintWireIcingSymbol(c_, cell.text, WireIcingGlyphs(), cell.width, cell.height, cell.x, cell.y);
        });
        upper.runCellsThrough(run());
        upper.PrintMonths(c_, months);
        upper.PrintYearRow(c_, totals, UpperTotals, RowHeight);
        upper.PrintYearRow(c_, extremes, UpperExtremes, RowHeight);
    }

    void printWeatherDays()
    {
        static const QStringList names = CutPieces(
            QStringLiteral("雨  雪  冰雹 冰针 雾  轻雾 露  霜  雨凇 雾凇 吹雪 龙卷 积雪 结冰 沙尘暴扬沙 浮尘 烟幕 霾  尘卷风"
                           "雷暴 闪电 极光 大风 飑     "),
            3, WeatherColumns);
        static const std::vector<int> codes =
            CommaNumbers(QStringLiteral("1,4,11,12,13,14,15,16,17,18,19,21,22,23,24,25,26,27,28,29,30,31,32,33,34"));
        font(11);
        step([&] { cv_.PrintCell(-1, QStringLiteral("天    气     日     数"), 14884, 300, WeatherX, LowerHeadingTop); });
        for (int k = 0; k < WeatherColumns; ++k) {
            const double x = WeatherX + WeatherWidth * k;
            font(11);
            step([&] { cv_.PrintCell(-1, names.at(k), WeatherWidth, 600, x, 6710); });
            // The glyph row sets the symbol face on the surface itself: without the font
            // this fails (380), and the glyph is drawn in the face the surface still holds.
            step([&] { cv_.target().SetFontName(SymbolFontName); });
            step([&] { cv_.target().SetFontSize(cv_.scaled(12)); });
            step([&] { cv_.PrintCell(-1, SymbolGlyph(codes.at(static_cast<std::size_t>(k))), WeatherWidth, 300, x, 7310); });
        }
        static const ColumnItems items = ColumnItems::offset(WeatherColumns, WeatherItemBase);
        YearTable weather(YearColumns::uniform(WeatherX, WeatherWidth, WeatherColumns), LowerMonthTop, RowHeight);
        weather.runCellsThrough(run());
        font(9);
        weather.PrintMonths(c_, items);
        weather.PrintYearRow(c_, items, LowerTotals, RowHeight);
    }

    void printFirstLastDates()
    {
        font(11);
        static const std::vector<HeadingCell> headings{
            {QStringLiteral("初终日期(日/月)"), DatesX, 6410, 3700, 300},
            {QStringLiteral("项目名称"), DatesX, 6710, 900, 900},
            {QStringLiteral("上年度"), 16700, 6710, 2100, 300},
            {QStringLiteral("本年度"), 18800, 6710, 700, 300},
        };
        PrintHeadingCells(c_, headings, run());
        PrintHeadingPieces(c_, QStringLiteral("初日  终日  初终日数初日  "), 4, 4,
                           {DateValuesX, 7010, DateWidth, 0, DateWidth, 600}, run());
        PrintHeadingPieces(c_, QStringLiteral("霜 雪 积雪结冰"), 2, 4, {DatesX, LowerMonthTop, 0, RowHeight, 900, RowHeight},
                           run());
        printRowLabels();

        font(9);
        static const std::vector<int> heights = CommaNumbers(QStringLiteral("350,350,350,350,700,700,700,350,700"));
        TextTable& dates = c_.tables.YFirstLastDates;
        double y = LowerMonthTop;
        for (int r = 1; r <= 8; ++r) {
            const double h = heights.at(static_cast<std::size_t>(r - 1));
            for (int col = 1; col <= 4; ++col)
                step([&] {
                    // This year's first thunder has no place on the page: the cell shows
                    // only the filler, never a stored date under it.
                    const bool thunderThisYear = r == 8 && col == 4;
                    cv_.PrintCell(-1, thunderThisYear ? Filler : dates(r, col), DateWidth, h,
                                  DateValuesX + DateWidth * (col - 1), y);
                });
            y += h;
        }
        step([&] { cv_.PrintCell(-1, dates(9, 3), 4 * DateWidth, 700, DateValuesX, FrostFreeY); });
    }

    void printRowLabels()
    {
        static const std::vector<HeadingCell> wrapped{
            {QStringLiteral("最低气温 ≤0.0℃"), DatesX, 9010, 900, 700, 5, 350},
        };
        PrintHeadingCells(c_, wrapped, run());
        for (const auto& [y, name] : {std::pair{9710.0, QStringLiteral("地面最低温度")},
                                      std::pair{10410.0, QStringLiteral("草面最低温度")}}) {
            PrintHeadingCells(c_, {{QStringLiteral("       ≤0.0℃"), DatesX, y, 900, 700, 6, 350}}, run());
            font(11);
            step([&] { cv_.PrintCell(0, name, 900, RowHeight, DatesX, y); });
        }
        static const std::vector<HeadingCell> thunder{
            {QStringLiteral("当年"), DatesX, ThunderY, 350, 1050, 1, 525},
            {QStringLiteral("雷暴"), 16150, ThunderY, 550, 350},
            {QStringLiteral("无霜期日数 "), 16150, FrostFreeY, 550, 700, 3, 350},
        };
        PrintHeadingCells(c_, thunder, run());
    }

    void drawRules()
    {
        const int lw = cv_.LineWeight;
        // The rules under the weather-day headings and between its row groups stop at the
        // first/last-date table, whose cells carry their own borders.
        for (int y : NumberFields(QStringLiteral("310  1510 3610 5710 6400 7600 9700 1180012150"), 5)) {
            const double right = y == 7600 || y == 9700 || y == 11800 ? DatesX : LogicalPageWidth;
            step([&] { cv_.DrawHorizontalLine(0, y, right, lw); });
        }
        for (double x : {3653, 5640, 7180, 10260})
            step([&] { cv_.DrawVerticalLine(x, 310, LowerHeadingTop, lw); });
        step([&] { cv_.DrawVerticalLine(15790, LowerHeadingTop, TableBottom, lw); });
        step([&] { cv_.DrawVerticalLine(LogicalPageWidth, 310, TableBottom, lw); });
    }

    Component& c_;
    Canvas& cv_;
};

[[maybe_unused]] const bool registered =
    RegisterRenderer(RendererId::PrintYearPage2, [](Component& c, const RendererArgs&) { PrintYearPage2(c); });

}  // namespace

void PrintYearPage2(Component& c)
{
    Page2(c).draw();
}

}  // namespace tabulon

#include "pages/frame/DayGridPage.h"
#include "pages/frame/LayoutLiterals.h"
#include "pages/monthly_hourly/WindEvaporationRenderers.h"
#include "platform/Surface.h"
#include "toolkit/PageFrame.h"
#include "toolkit/Renderers.h"
#include "toolkit/TextHelpers.h"
#include "report/Component.h"

namespace tabulon {

namespace {

// Columns: a narrow date column, then 32 columns of 590 (24 hours, two means, and the
// speed, direction and time of the maximum and of the extreme wind).
constexpr double DateWidth = 620;
constexpr double ColumnWidth = 590;
constexpr double MeansX = 14780;
constexpr double MaximumX = 15960;
constexpr double ExtremeX = 17730;
constexpr double NoonRuleX = 7700;   // between the 08 h and 09 h columns
constexpr double PageRight = 19500;
constexpr int ValueColumns = 32;

// Rows: a heading band of three tiers (title, hours, "向 速"), 31 day rows and a month row
// of two lines.
constexpr double CaptionTop = 1110;
constexpr double RowHeight = DayGridPage::RowHeight;
constexpr DayGrid Days{1510, RowHeight, false};
constexpr double MonthRowY = 12360;
constexpr double MonthDatesY = 12710;
constexpr double TableBottom = 13060;

const QString Headings = QStringLiteral(
    "自  记  风  向  风  速     (0.1m/s),  自  动  观  测  十  分  钟  平  均  风  向  风  速     (0.1m/s),"
    "十  分  钟  平  均  风  向  风  速     (0.1m/s)  ");
const QString ExtremeCaptions = QStringLiteral("风速 风向 时间 风速 风向 时间");
const QString PageNumbers = QStringLiteral("-5-,-12-,-19-");

// AMaxWind: speed/direction and time of the day's maximum (items 1, 2) and extreme wind (3, 4).
constexpr int MaximumItem = 1;
constexpr int ExtremeItem = 3;

double ColumnX(int column) { return DateWidth + ColumnWidth * column; }

// The band's tier below the hours: "向 速" under each hour, the group captions over the
// means, the maximum and the extreme wind, and their sub-captions.
void PrintCaptions(Canvas& cv)
{
    cv.SetFont(10, 1);
    for (int i = 0; i < 24; ++i)
        cv.PrintCell(Border::Framed, QStringLiteral("向 速"), ColumnWidth, 400, ColumnX(i), CaptionTop);
    cv.SetFont(11, 1);
    cv.PrintCell(Border::Framed, QStringLiteral("平均风速"), 2 * ColumnWidth, 400, MeansX, DayGridPage::LabelTop);
    cv.PrintCell(Border::Framed, QStringLiteral("4次"), ColumnWidth, 400, MeansX, CaptionTop);
    cv.PrintCell(Border::Framed, QStringLiteral("24次"), ColumnWidth, 400, MeansX + ColumnWidth, CaptionTop);
    cv.PrintCell(Border::Framed, QStringLiteral("最大风速"), 3 * ColumnWidth, 400, MaximumX, DayGridPage::LabelTop);
    cv.PrintCell(Border::Framed, QStringLiteral("极大风速"), 3 * ColumnWidth, 400, ExtremeX, DayGridPage::LabelTop);
    cv.SetFont(10, 1);
    const QStringList captions = CutPieces(ExtremeCaptions, 3, 6);
    for (int j = 0; j < 6; ++j)
        cv.PrintCell(Border::Framed, captions[j], ColumnWidth, 400, MaximumX + ColumnWidth * j, CaptionTop);
}

// A month without any maximum (or extreme) wind has every day's value set to "/" and its
// time to "", in the table itself, so that each row prints empty cells.
void MarkMonthWithoutWind(TextTable& maxWind, int days, int valueItem)
{
    for (int d = 1; d <= days; ++d) {
        const QString& value = maxWind(d, valueItem);
        const QString& time = maxWind(d, valueItem + 1);
        if (value != u"" && value != u"-/-" && time != u"" && time != u"-")
            return;
    }
    for (int d = 1; d <= days; ++d) {
        maxWind(d, valueItem) = QStringLiteral("/");
        maxWind(d, valueItem + 1) = QString();
    }
}

bool IsAsciiDigit(QChar ch) { return ch >= u'0' && ch <= u'9'; }

// A time "HHMM" as the hour without leading zero with the minutes raised 50 twips after it,
// the block centred in an empty cell; any other text as it stands.
void PrintWindTime(Canvas& cv, const QString& time, double x, double y)
{
    cv.TextAlign = Align::Centre;
    const bool hourAndMinute = time.size() == 4 && IsAsciiDigit(time[0]) && IsAsciiDigit(time[1]);
    cv.PrintCell(cv.ShowGridLines, hourAndMinute ? QString() : time, ColumnWidth, RowHeight, x, y);
    if (!hourAndMinute)
        return;
    Surface& s = cv.target();
    s.CurrentX = cv.scaled(x) + (cv.scaled(ColumnWidth) - s.TextWidth(QStringLiteral("0000"))) / 2 + cv.LeftMargin;
    s.CurrentY = cv.scaled(y) + (cv.scaled(RowHeight) - s.TextHeight(QStringLiteral("0"))) / 2 + cv.TopMargin;
    s.Print(QString::number(time.left(2).toInt()));
    s.CurrentY -= 50;   // device twips: the raise does not scale
    s.Print(time.mid(2));
}

// Speed, compass direction and time of one wind at x. A value without "/" is the speed alone.
void PrintWind(Canvas& cv, const QString& value, const QString& time, double x, double y)
{
    const int grid = cv.ShowGridLines;
    QString speed = GetField(value, QStringLiteral("/"), 1);
    FormatTwoDigits(speed);
    cv.TextAlign = Align::Right;
    cv.PrintCell(grid, speed, ColumnWidth, RowHeight, x, y);
    cv.TextAlign = Align::Left;
    cv.PrintCell(grid, WindDirectionName(GetField(value, QStringLiteral("/"), 2)), ColumnWidth, RowHeight,
                 x + ColumnWidth, y);
    PrintWindTime(cv, time, x + 2 * ColumnWidth, y);
}

// The month's wind at x: speed and direction on the first line, its date on the second.
void PrintMonthWind(Canvas& cv, const TextList& m, int first, double x)
{
    cv.TextAlign = Align::Right;
    cv.PrintCell(Border::Framed, m(first), ColumnWidth, RowHeight, x, MonthRowY);
    cv.TextAlign = Align::Left;
    cv.PrintCell(Border::Framed, m(first + 1), ColumnWidth, RowHeight, x + ColumnWidth, MonthRowY);
    cv.TextAlign = Align::Centre;
    cv.PrintCell(Border::Framed, QStringLiteral("----"), ColumnWidth, RowHeight, x + 2 * ColumnWidth, MonthRowY);
    const QString& day = m(first + 2);
    if (day.endsWith(u'天'))
        cv.PrintCell(Border::Framed, day, 3 * ColumnWidth, RowHeight, x, MonthDatesY);
    else if (!day.isEmpty())
        cv.PrintCell(Border::Framed, day + u'日' + m(first + 3) + u'时' + m(first + 4) + u'分', 3 * ColumnWidth,
                     RowHeight, x, MonthDatesY);
}

// The hourly winds and daily means, blank rows past the month's end, then the maxima.
void PrintDays(Component& c)
{
    Canvas& cv = c.canvas;
    ATables& t = c.tables;
    const int grid = cv.ShowGridLines;
    const int days = std::min(DaysInMonth(c), 31);
    Days.forEachDay(days, [&](int d, double y) {
        for (int h = 1; h <= 24; ++h) {
            QString& wind = t.AWind10Min(d, h);
            FormatTwoDigits(wind);
            cv.PrintCell(grid, FormatWind(wind), ColumnWidth, RowHeight, ColumnX(h - 1), y, 1);
        }
        cv.TextAlign = Align::Right;
        cv.PrintCell(grid, t.ADailyStat(d, 18), ColumnWidth, RowHeight, MeansX, y);
        cv.PrintCell(grid, t.ADailyStat(d, 19), ColumnWidth, RowHeight, MeansX + ColumnWidth, y);
        cv.TextAlign = Align::Centre;
    });
    PrintBlankDayRows(c, static_cast<std::int16_t>(MonthRowY), static_cast<std::int16_t>(DateWidth),
                      static_cast<std::int16_t>(ColumnWidth), static_cast<std::int16_t>(RowHeight), ValueColumns);
    cv.TextAlign = Align::Centre;

    MarkMonthWithoutWind(t.AMaxWind, days, MaximumItem);
    MarkMonthWithoutWind(t.AMaxWind, days, ExtremeItem);
    Days.forEachDay(days, [&](int d, double y) {
        PrintWind(cv, t.AMaxWind(d, MaximumItem), t.AMaxWind(d, MaximumItem + 1), MaximumX, y);
        PrintWind(cv, t.AMaxWind(d, ExtremeItem), t.AMaxWind(d, ExtremeItem + 1), ExtremeX, y);
    });
}

// The month row: the month's hour and mean values over "--", then its maximum and extreme wind.
void PrintMonthRow(Component& c)
{
    Canvas& cv = c.canvas;
    for (int e = 1; e <= 26; ++e) {
        cv.TextAlign = Align::Right;
        cv.PrintCell(cv.ShowGridLines, c.tables.AWind10MinMonthRow(e), ColumnWidth, RowHeight, ColumnX(e - 1),
                     MonthRowY);
        cv.TextAlign = Align::Centre;
        cv.PrintCell(cv.ShowGridLines, QStringLiteral("--"), ColumnWidth, RowHeight, ColumnX(e - 1), MonthDatesY);
    }
    PrintMonthWind(cv, c.tables.AMonthStat, 65, MaximumX);
    PrintMonthWind(cv, c.tables.AMonthStat, 70, ExtremeX);
}

DayGridPage TenMinuteWindPage(Component& c, std::int16_t pageVariant)
{
    DayGridPage page;
    page.panes = PaneLayout::of({DateWidth, Days.top, PaneMargin, PaneMargin}, {19550, Days.top, 0, PaneMargin},
                                {DateWidth, TableBottom, PaneMargin, PaneMargin}, {19550, 16200, 0, 0});
    page.dateWidth = DateWidth;
    page.columnWidth = ColumnWidth;
    page.columnCount = ValueColumns;
    page.rows = Days;
    page.cornerText = QStringLiteral("日期");
    page.cornerRuleBottom = 1830;

    page.title = CommaItem(Headings, pageVariant);
    page.titleWidth = PageRight - DateWidth;
    page.columnLabels = HourLabels();
    page.heavyColumnRules = {NoonRuleX, MeansX, MaximumX, ExtremeX};
    page.heavyColumnRuleBottom = TableBottom;
    page.bandRightRuleBottom = Days.top;
    page.moreHeadings = [&c](const DayGridPage&) { PrintCaptions(c.canvas); };

    page.outerRuleBottom = TableBottom;
    page.dateRuleBottom = TableBottom;
    page.dateColumnClosingRules = {MonthRowY, TableBottom};
    page.dateDayRuleEnd = 660;
    page.belowDayLabels = [&c](const DayGridPage&) {
        c.canvas.PrintWrappedText(Border::Framed, DateWidth, 2 * RowHeight, 0, MonthRowY,
                                  QStringLiteral("月平均或极值"), RowHeight, 3);
    };

    page.cellAlign = Align::Centre;
    page.cells = [&c](const DayGridPage&) { PrintDays(c); };
    page.bodyRules = {{PageRight, DayGridPage::BandTop, TableBottom}};
    page.bodyDayRuleStart = 600;
    page.closingRules = {{0, MonthRowY, PageRight}, {600, MonthDatesY, PageRight}, {0, TableBottom, PageRight}};
    page.belowGrid = [&c](const DayGridPage&) { PrintMonthRow(c); };
    page.pageNumber = CommaItem(PageNumbers, pageVariant);
    return page;
}

const bool registered = RegisterRenderer(RendererId::PrintTenMinuteWind, [](Component& c, const RendererArgs& a) {
    PrintTenMinuteWind(c, a[0]);
});

}  // namespace

void PrintTenMinuteWind(Component& c, std::int16_t pageVariant)
{
    // No trap of its own: an error goes up to the dispatcher, which reports it.
    DrawDayGridPage(c, TenMinuteWindPage(c, pageVariant));
}

}  // namespace tabulon

#include "pages/radiation/RadiationTablePage.h"

#include "pages/frame/FramedPage.h"
#include "pages/frame/LayoutLiterals.h"
#include "pages/frame/RowLayouts.h"
#include "toolkit/Numeric.h"
#include "toolkit/PageFrame.h"
#include "toolkit/PageHeading.h"
#include "toolkit/PenText.h"
#include "report/Component.h"

#include <algorithm>
#include <cmath>

namespace tabulon {

namespace {

constexpr double BandTop = 310;
constexpr double LabelTier = 1110;
constexpr double BodyTop = 1510;
constexpr double RowHeight = 330;
constexpr double MonthTotalY = 11740;
constexpr double MonthMeanY = 12070;
constexpr double ExtremesY = 12400;
constexpr double ExtremesBottom = 12730;
constexpr int DayRows = 31;

const QString HourLabels = QStringLiteral(
    "0-1,1-2,2-3,3-4,4-5,5-6,6-7,7-8,8-9,9-10,10-11,11-12,12-13,13-14,14-15,15-16,16-17,17-18,"
    "18-19,19-20,20-21,21-22,22-23,23-24,");
const QString NoValue = QStringLiteral("---");

// Rules after days 5, 10, 15, 20 and 25; those after 5, 15 and 25 one weight lighter.
constexpr DayGrid Days{BodyTop, RowHeight, true};

bool Contains(const std::vector<int>& list, int value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

// A number written with at least two digits: 5 -> "05", "" -> "00".
QString TwoDigitNumber(const QString& text)
{
    const double v = std::clamp(std::round(Val(text)), -1e15, 1e15);
    const QString digits = QString::number(static_cast<qint64>(std::abs(v))).rightJustified(2, u'0');
    return v < 0 ? u'-' + digits : digits;
}

void DrawCorner(Component& c, const RadiationTablePage& p)
{
    DrawCornerPane(c, p.rowHeadingWidth, BodyTop, BodyTop, p.cornerText);
}

void DrawColumnHeadings(Component& c, const RadiationTablePage& p)
{
    Canvas& cv = c.canvas;
    const int lw = cv.LineWeight;
    cv.DrawHorizontalLine(0, BandTop, LogicalPageWidth, lw);
    cv.DrawHorizontalLine(0, BodyTop, LogicalPageWidth, lw);
    for (const VerticalRule& r : p.headingRules)
        cv.DrawVerticalLine(r.x, r.y1, r.y2, lw);
    cv.SetFont(11, 1);
    PrintPageHeading(c);

    cv.TextAlign = Align::Centre;
    cv.PrintCell(Border::Framed, p.title, p.titleWidth, LabelTier - BandTop, p.rowHeadingWidth, BandTop);
    PrintGlyphAtPen(cv, PerSquareMetreGlyph);
    PrintTextAtPen(cv, QStringLiteral(")"));
    for (const RadiationHeading& h : p.headings) {
        if (h.perLine > 0)
            cv.PrintWrappedText(Border::Framed, h.width, h.height, h.x, h.y, h.text, 400, h.perLine);
        else
            cv.PrintCell(Border::Framed, h.text, h.width, h.height, h.x, h.y);
        if (h.glyphAfter)
            PrintGlyphAtPen(cv, PerSquareMetreGlyph);
    }

    const QStringList labels = CommaList(HourLabels + p.extraLabels);
    for (int i = 0; i < labels.size(); ++i) {
        if (p.smallLabel >= 0)
            cv.SetFont(i == p.smallLabel ? 10 : 11, 1);
        cv.PrintCell(Border::Framed, labels[i], p.widthOf(i + 1), BodyTop - LabelTier, p.columnX(i + 1), LabelTier);
        if (Contains(p.glyphAfterLabel, i))
            PrintGlyphAtPen(cv, PerSquareMetreGlyph);
    }
}

void DrawRowHeadings(Component& c, const RadiationTablePage& p)
{
    Canvas& cv = c.canvas;
    const int lw = cv.LineWeight;
    const double w = p.rowHeadingWidth;
    cv.DrawVerticalLine(0, BandTop, ExtremesY, lw);
    cv.DrawVerticalLine(w, BandTop, ExtremesY, lw);
    Days.dayRules().draw(cv, 0, w);
    cv.DrawHorizontalLine(0, MonthTotalY, w, lw);
    cv.DrawHorizontalLine(0, ExtremesY, w, lw);
    if (p.closingRuleInRowHeadings)
        cv.DrawHorizontalLine(0, ExtremesBottom, w, lw);
    cv.SetFont(11, 1);
    cv.TextAlign = Align::Centre;
    PrintRowLabels(cv, CommaList(p.rowLabels), 0, w, BodyTop, RowHeight, cv.ShowGridLines);
}

void PrintDayRows(Component& c, const RadiationTablePage& p)
{
    Canvas& cv = c.canvas;
    const TextTable& table = c.tables.*p.dayTable;
    const int days = DaysInRadiationMonth(c);
    for (int d = 1; d <= DayRows; ++d) {
        const double y = Days.dayY(d);
        for (int k = 1; k <= p.columnCount; ++k)
            cv.PrintCell(cv.ShowGridLines, d <= days ? table(d, k) : QString(), p.widthOf(k), RowHeight,
                         p.columnX(k), y);
    }
}

void PrintMonthRows(Component& c, const RadiationTablePage& p)
{
    Canvas& cv = c.canvas;
    const TextTable& stat = c.tables.RMonthStat;
    for (int r = 1; r <= 2; ++r) {
        const double y = r == 1 ? MonthTotalY : MonthMeanY;
        cv.TextAlign = Align::Right;
        for (int k = 1; k <= p.statColumns; ++k)
            cv.PrintCell(Border::Framed, stat(r, p.firstStatItem + k - 1), p.widthOf(k), RowHeight, p.columnX(k), y);
        for (int k = p.statColumns + 1; k <= p.columnCount; ++k) {
            const RadiationExtraStat& extra = p.extraStat;
            if (k == extra.column && (r == 1 || extra.inMeanRow)) {
                cv.TextAlign = Align::Right;
                cv.PrintCell(Border::Framed, stat(r, extra.item), p.widthOf(k), RowHeight, p.columnX(k), y);
            } else {
                cv.TextAlign = Align::Centre;
                cv.PrintCell(Border::Framed, NoValue, p.widthOf(k), RowHeight, p.columnX(k), y);
            }
        }
    }
}

void PrintExtremesRow(Component& c, const RadiationTablePage& p)
{
    Canvas& cv = c.canvas;
    const TextList& e = c.tables.RMonthExtremes;
    cv.TextAlign = Align::Centre;
    for (const RadiationExtreme& x : p.extremes) {
        const int v = x.valueItem;
        double at = x.x;
        cv.PrintCell(Border::Framed, x.caption, x.captionWidth, RowHeight, at, ExtremesY);
        at += x.captionWidth;
        cv.PrintCell(Border::Framed, e(v), x.valueWidth, RowHeight, at, ExtremesY);
        at += x.valueWidth;
        cv.PrintCell(Border::Framed, QStringLiteral("出现时间"), x.valueWidth, RowHeight, at, ExtremesY);
        at += x.valueWidth;
        const QString time = ExtremeTimeText(e(v + 1), e(v + 2), e(v + 3), x.twoDigitMinute);
        if (!time.isEmpty())
            cv.PrintCell(Border::Framed, time, x.timeWidth, RowHeight, at, ExtremesY);
    }
    for (double x : p.extremesDashX)
        cv.PrintCell(Border::Framed, NoValue, p.columnWidth, RowHeight, x, ExtremesY);
}

void DrawBodyRules(Component& c, const RadiationTablePage& p)
{
    Canvas& cv = c.canvas;
    const int lw = cv.LineWeight;
    Days.dayRules().draw(cv, 0, LogicalPageWidth);
    cv.DrawHorizontalLine(0, MonthTotalY, LogicalPageWidth, lw);
    cv.DrawHorizontalLine(0, ExtremesY, LogicalPageWidth, lw);
    for (const HorizontalRule& r : p.bodyRules)
        cv.DrawHorizontalLine(r.x1, r.y, r.x2, lw);
    for (const VerticalRule& r : p.bodyVerticals)
        cv.DrawVerticalLine(r.x, r.y1, r.y2, lw);
}

void DrawBody(Component& c, const RadiationTablePage& p)
{
    Canvas& cv = c.canvas;
    cv.SetFont(9, 1);
    cv.TextAlign = Align::Right;
    PrintDayRows(c, p);
    PrintMonthRows(c, p);
    PrintExtremesRow(c, p);
    DrawBodyRules(c, p);
    PrintPageNumber(c, p.pageNumber);
}

}  // namespace

QString ExtremeTimeText(const QString& day, const QString& hour, const QString& minute, bool twoDigitMinute)
{
    if (day.endsWith(u'天'))
        return day;
    if (day.isEmpty())
        return {};
    return day + u'日' + hour + u'时' + (twoDigitMinute ? TwoDigitNumber(minute) : minute) + u'分';
}

void DrawRadiationTablePage(Component& c, const RadiationTablePage& page)
{
    DrawFramedPage(c, PaneLayout::fixedHeadings(page.rowHeadingWidth, BodyTop, ExtremesY),
                   {[&] { DrawCorner(c, page); }, [&] { DrawColumnHeadings(c, page); },
                    [&] { DrawRowHeadings(c, page); }, [&] { DrawBody(c, page); }});
}

}  // namespace tabulon

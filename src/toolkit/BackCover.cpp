#include "toolkit/BackCover.h"

#include "platform/Surface.h"
#include "toolkit/BackCoverText.h"
#include "toolkit/ClimateSummary.h"
#include "toolkit/Numeric.h"
#include "toolkit/PageFrame.h"
#include "toolkit/PageHeading.h"
#include "toolkit/Renderers.h"
#include "report/Component.h"

#include <algorithm>
#include <array>

namespace tabulon {

namespace {

const QString ErrorContext = QStringLiteral("打印封底");
const QString SummaryHeading = QStringLiteral("本 月 天 气 气 候 概 况");
const QString DateHeading = QStringLiteral("日 期");
const QString RemarksHeading = QStringLiteral("备         注");
const QString NotesEnd = QStringLiteral("8888");

constexpr double HeadingTop = 310;
constexpr double HeadingHeight = 800;
constexpr double BodyTop = 1110;
constexpr double FrameBottom = 12660;
constexpr double RowHeight = 330;
constexpr double BoxHeight = FrameBottom - BodyTop;
constexpr double DateWidth = 750;
constexpr double BlockWidth = 6750;
constexpr double NotesTextWidth = 6000;
constexpr double HistoryTop = BodyTop + RowHeight;   // below the remarks line
constexpr double RowWidthEstimate = 6000;
constexpr int TwoBlockRows = 35;

struct Rule {
    double x;
    bool heavy;   // LineWeight, else width code 1
};

struct HeadingCell {
    const QString* text;
    double x, w;
};

// The blocks right of the notes: where the remarks column stands and whether the summary
// has a block of its own.
struct BlockLayout {
    std::array<Rule, 4> rules;
    int ruleCount;
    std::array<HeadingCell, 3> headings;
    int headingCount;
    double rightBoxX;           // the empty ruled box of the remarks column
    double rightBoxWidth;
    double remarksDateX;        // the remarks column's date cell; its text follows it
    double remarksTextWidth;
    bool summaryBlock;          // true: the summary in the middle block; false: below the notes
};

// Notes | summary | remarks.
const BlockLayout ThreeBlocks{
    {{{750, false}, {12750, true}, {13500, false}, {19500, true}}}, 4,
    {{{&SummaryHeading, 6750, 6000}, {&DateHeading, 12750, 750}, {&RemarksHeading, 13500, 6000}}}, 3,
    12750, 6750, 12750, 6000, true};
// Notes over summary | remarks across the right two thirds.
const BlockLayout TwoBlocks{
    {{{7500, false}, {19500, true}}}, 2,
    {{{&DateHeading, 6750, 750}, {&RemarksHeading, 7500, 12000}}}, 2,
    6750, 12750, 6750, 12000, false};

// The notes from element 1 up to "8888" or the last element; returns the row below them.
double PrintNotes(Component& c)
{
    double y = BodyTop;
    const TextList& notes = c.tables.ABackCoverNotes;
    if (!notes.allocated())
        return y;
    for (int k = std::max(1, notes.lbound()); k <= notes.ubound() && notes(k) != NotesEnd; ++k)
        PrintBackCoverText(c, notes(k).split(u'/'), DateWidth, NotesTextWidth, 0, y);
    return y;
}

// The summary below the notes, when a heading row and at least one text row fit above the
// frame's bottom rule; otherwise it is left out rather than drawn upwards over the notes.
void PrintSummaryBelowNotes(Component& c, double notesEnd, const QString& summary)
{
    Canvas& cv = c.canvas;
    const double headingY = notesEnd + 2 * RowHeight;
    const double boxTop = headingY + RowHeight;
    if (FrameBottom - boxTop < RowHeight)
        return;
    cv.SetFont(12, 1);
    cv.TextAlign = 0;
    cv.PrintCell(-1, SummaryHeading, BlockWidth, RowHeight, 0, headingY);
    cv.DrawHorizontalLine(0, headingY, BlockWidth, cv.LineWeight);
    cv.DrawHorizontalLine(0, boxTop, BlockWidth, cv.LineWeight);
    cv.SetFont(11, 1);
    cv.PrintParagraph(cv.ShowGridLines, ClimateSummaryIndent(cv), summary, BlockWidth, FrameBottom - boxTop, 0, boxTop);
}

void DrawBlocks(Component& c, const BlockLayout& l)
{
    Canvas& cv = c.canvas;
    const ReportTables& t = c.tables;
    for (int i = 0; i < l.ruleCount; ++i)
        cv.DrawVerticalLine(l.rules[i].x, HeadingTop, FrameBottom, l.rules[i].heavy ? cv.LineWeight : 1);
    for (int i = 0; i < l.headingCount; ++i)
        cv.PrintCell(-1, *l.headings[i].text, l.headings[i].w, HeadingHeight, l.headings[i].x, HeadingTop);
    cv.PrintParagraph(cv.ShowGridLines, 0, QString(), BlockWidth, BoxHeight, 0, BodyTop);
    cv.PrintParagraph(cv.ShowGridLines, 0, QString(), l.rightBoxWidth, BoxHeight, l.rightBoxX, BodyTop);

    cv.SetFont(11, 1);
    const double notesEnd = PrintNotes(c);
    const QString summary = ClimateSummaryText(t.AClimateSummary);
    if (l.summaryBlock)
        cv.PrintParagraph(cv.ShowGridLines, ClimateSummaryIndent(cv), summary, NotesTextWidth, BoxHeight, BlockWidth,
                          BodyTop);
    else
        PrintSummaryBelowNotes(c, notesEnd, summary);

    double y = HistoryTop;
    QString schedule;
    PrintStationChangeNotes(c, t.AStationChanges, DateWidth, l.remarksTextWidth, l.remarksDateX, y, schedule);
    cv.TextAlign = 1;
    cv.PrintCell(cv.ShowGridLines, BackCoverRemarksLine(t, schedule), l.remarksTextWidth, RowHeight,
                 l.remarksDateX + DateWidth, BodyTop);
}

void DrawBackCover(Component& c)
{
    Canvas& cv = c.canvas;
    for (double y : {HeadingTop, BodyTop, FrameBottom})
        cv.DrawHorizontalLine(0, y, LogicalPageWidth, cv.LineWeight);
    cv.SetFont(11, 1);
    const int historyRows = StationHistoryRows(c);
    cv.DrawVerticalLine(0, HeadingTop, FrameBottom, cv.LineWeight);
    cv.DrawVerticalLine(BlockWidth, HeadingTop, FrameBottom, cv.LineWeight);
    PrintPageHeading(c);
    cv.SetFont(12, 1);
    cv.PrintCell(-1, DateHeading, DateWidth, HeadingHeight, 0, HeadingTop);
    cv.PrintCell(-1, QStringLiteral("纪         要"), NotesTextWidth, HeadingHeight, DateWidth, HeadingTop);
    DrawBlocks(c, historyRows < TwoBlockRows ? ThreeBlocks : TwoBlocks);
}

const bool registered = RegisterRenderer(RendererId::PrintBackCover, [](Component& c, const RendererArgs& a) {
    PrintBackCover(c, a[0]);
});

}  // namespace

int StationHistoryRows(Component& c)
{
    const TextList& records = c.tables.AStationChanges;
    if (!records.allocated())
        return 0;
    Canvas& cv = c.canvas;
    const double scale = cv.PageScale.toDouble();
    int rows = 0;
    for (int k = records.lbound(); k <= records.ubound(); ++k) {
        // A record counts a row per started 6000 twips; a remainder under a tenth does not.
        const double w = RoundHalfEven(cv.target().TextWidth(records(k)) / scale);
        rows += static_cast<int>(Int(w / RowWidthEstimate + 0.9));
    }
    return rows;
}

QString BackCoverRemarksLine(const ReportTables& t, const QString& schedule)
{
    if (t.AfilePara(15).toString() != QStringLiteral("基准站"))
        return schedule;
    const bool manual = t.AfilePara(17).toString() == QStringLiteral("人工");
    return AutomaticStationRemark(manual) + QStringLiteral("    ") + schedule;
}

QString AutomaticStationRemark(bool manual)
{
    return manual ? QStringLiteral("是否配有自动气象站：否") : QStringLiteral("是否配有自动气象站：是");
}

void PrintBackCover(Component& c, int /*coverKind*/)
{
    TrapAndReport(c, ErrorContext, [&] {
        c.canvas.TextAlign = 0;
        DrawInPasses(c, PaneLayout::bodyOnly({LogicalPageWidth, 16200, PaneMargin, 0}), [&](Pass pass) {
            if (pass == Pass::Body)
                DrawBackCover(c);
        });
        c.canvas.TextAlign = 0;
        EndPrintedPage(c);
    });
}

}  // namespace tabulon
